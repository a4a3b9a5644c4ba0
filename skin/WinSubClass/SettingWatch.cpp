#include "skin/WinSubClass/SettingWatch.h"

#include "toolkit/win32/WindowClass.h"

#include <utility>

namespace skin {
namespace {
const wchar_t WatchClass[] = L"TSkinSettingWatch";
constexpr UINT_PTR ListenTimer = 1;

HWND MakeWatchWindow(HWND parent, DWORD exStyle, DWORD style, TSettingWatch* watch) {
    HWND window = CreateWindowExW(exStyle, WatchClass, L"", style, 0, 0, 0, 0, parent, nullptr,
                                  tk::CodeModule(), nullptr);
    if (window) {
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(watch));
    }
    return window;
}

void DestroyWatchWindow(HWND window) {
    if (window) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
}
} // namespace

TSettingWatch::TSettingWatch(std::function<void()> changed) : changed_(std::move(changed)) {
    tk::RegisterClassOnce(WatchClass, &TSettingWatch::WindowProc);
    waker_ = MakeWatchWindow(HWND_MESSAGE, 0, 0, this);
    if (!waker_ || !SetTimer(waker_, ListenTimer, USER_TIMER_MINIMUM, nullptr)) {
        Listen(false); // at once: nothing was missed
    }
}

TSettingWatch::~TSettingWatch() {
    DestroyWatchWindow(waker_);
    DestroyWatchWindow(window_);
}

void TSettingWatch::Listen(bool catchUp) {
    if (waker_) {
        KillTimer(waker_, ListenTimer);
    }
    // Never shown, never in the task bar: a tool window without the visible
    // style.
    window_ = MakeWatchWindow(nullptr, WS_EX_TOOLWINDOW, WS_POPUP, this);
    if (window_ && catchUp && changed_) {
        changed_();
    }
}

LRESULT CALLBACK TSettingWatch::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* watch = reinterpret_cast<TSettingWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (watch && msg == WM_TIMER && wParam == ListenTimer && window == watch->waker_) {
        if (!watch->window_) {
            watch->Listen(true);
        }
        return 0;
    }
    if (watch && watch->changed_ && (msg == WM_SETTINGCHANGE || msg == WM_SYSCOLORCHANGE)) {
        watch->changed_();
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

} // namespace skin
