// Counts the message boxes the thread tries to open and refuses them, so a
// box a test does not expect fails it instead of waiting for a click.
#pragma once

#include <windows.h>

#include <string>

namespace guitest {

class TBoxRefuser {
public:
    TBoxRefuser() {
        refused_ = 0;
        hook_ = SetWindowsHookExW(WH_CBT, &TBoxRefuser::Hook, nullptr, GetCurrentThreadId());
    }
    ~TBoxRefuser() { UnhookWindowsHookEx(hook_); }
    TBoxRefuser(const TBoxRefuser&) = delete;
    TBoxRefuser& operator=(const TBoxRefuser&) = delete;
    int Refused() const { return refused_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND) {
            wchar_t name[16] = {};
            GetClassNameW(HWND(wParam), name, 16);
            if (std::wstring(name) == L"#32770") {
                ++refused_;
                return 1;
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline int refused_ = 0;
    HHOOK hook_;
};

} // namespace guitest
