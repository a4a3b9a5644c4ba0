// A hidden top-level window that hears the system's setting changes: the
// system announces them (WM_SETTINGCHANGE, WM_SYSCOLORCHANGE) to top-level
// windows only, so a message-only window never hears them, and a program
// whose skinned windows are all gone or unframed must still hear them.
//
// Error policy: a window that cannot be made hears nothing; the constructor
// does not throw for it.
#pragma once

#include <windows.h>

#include <functional>

namespace skin {

class TSettingWatch {
public:
    // `changed` runs for each announcement, whichever setting it names.
    explicit TSettingWatch(std::function<void()> changed);
    ~TSettingWatch();
    TSettingWatch(const TSettingWatch&) = delete;
    TSettingWatch& operator=(const TSettingWatch&) = delete;

    HWND Window() const { return window_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    std::function<void()> changed_;
    HWND window_ = nullptr;
};

} // namespace skin
