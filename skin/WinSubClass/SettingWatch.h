// A hidden top-level window that hears the system's setting changes: the
// system announces them (WM_SETTINGCHANGE, WM_SYSCOLORCHANGE) to top-level
// windows only, so a message-only window never hears them, and a program
// whose skinned windows are all gone or unframed must still hear them.
//
// A top-level window is dear to make (under Wine it is a window of the X
// server, about 10 ms), and a program's first paint does not need it: the
// watch first makes a message-only window, cheap, and the listening window
// when that one's timer comes due, after the program's pending paints
// (timer messages come last). It then runs `changed` once, for a setting
// changed before it listened.
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

    // The listening window; none until the watch listens.
    HWND Window() const { return window_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    // Makes the listening window; with `catchUp`, runs `changed` once.
    void Listen(bool catchUp);

    std::function<void()> changed_;
    HWND waker_ = nullptr;
    HWND window_ = nullptr;
};

} // namespace skin
