#include "toolkit/Timer.h"

#include "toolkit/Application.h"
#include "toolkit/win32/WindowClass.h"

#include <algorithm>
#include <stdexcept>

namespace tk {
namespace {
// The one timer of the timer's own window.
constexpr UINT_PTR TimerId = 1;
const wchar_t TimerClass[] = L"TTimerWindow";
} // namespace

const ClassInfo& Timer::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Timer>("TTimer", &Component::StaticClass(), [](auto& p) {
            p.Integer("Interval", &Timer::Interval, &Timer::SetInterval);
            p.Boolean("Enabled", &Timer::Enabled, &Timer::SetEnabled);
            p.Event("OnTimer", &Timer::OnTimer);
        });
    return info;
}

Timer::Timer(Component* owner) : Component(owner) {
    RegisterClassOnce(TimerClass, &Timer::WindowProc);
    window_ = CreateWindowExW(0, TimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              CodeModule(), nullptr);
    if (!window_) {
        throw std::runtime_error("cannot create a timer window");
    }
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Restart();
}

Timer::~Timer() {
    KillTimer(window_, TimerId);
    DestroyWindow(window_);
}

LRESULT CALLBACK Timer::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        auto* timer = reinterpret_cast<Timer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (timer && timer->OnTimer) {
            try {
                timer->OnTimer(*timer);
            } catch (const std::exception& e) {
                ReportException(*timer, e);
            }
        }
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

void Timer::Restart() {
    KillTimer(window_, TimerId);
    if (enabled_ && interval_ > 0) {
        SetTimer(window_, TimerId, static_cast<UINT>(interval_), nullptr);
    }
}

void Timer::SetInterval(int interval) {
    interval_ = std::max(interval, 0);
    Restart();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

} // namespace tk
