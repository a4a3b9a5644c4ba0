#include "skin/WinSubClass/SettingWatch.h"

#include "toolkit/win32/WindowClass.h"

#include <utility>

namespace skin {
namespace {
const wchar_t WatchClass[] = L"TSkinSettingWatch";
} // namespace

TSettingWatch::TSettingWatch(std::function<void()> changed) : changed_(std::move(changed)) {
    tk::RegisterClassOnce(WatchClass, &TSettingWatch::WindowProc);
    // Never shown, never in the task bar: a tool window without the visible
    // style.
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, WatchClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, tk::CodeModule(), nullptr);
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
}

TSettingWatch::~TSettingWatch() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK TSettingWatch::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SETTINGCHANGE || msg == WM_SYSCOLORCHANGE) {
        auto* watch = reinterpret_cast<TSettingWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (watch && watch->changed_) {
            watch->changed_();
        }
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

} // namespace skin
