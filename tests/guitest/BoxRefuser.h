// Counts the message boxes the thread tries to open and refuses them, so a
// box a test does not expect fails it instead of waiting for a click.
#pragma once

#include <windows.h>

#include <string>

namespace guitest {

class TBoxRefuser {
public:
    TBoxRefuser() {
        Count() = 0;
        hook_ = SetWindowsHookExW(WH_CBT, &TBoxRefuser::Hook, nullptr, GetCurrentThreadId());
    }
    ~TBoxRefuser() { UnhookWindowsHookEx(hook_); }
    TBoxRefuser(const TBoxRefuser&) = delete;
    TBoxRefuser& operator=(const TBoxRefuser&) = delete;
    int Refused() const { return Count(); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND) {
            wchar_t name[16] = {};
            GetClassNameW(HWND(wParam), name, 16);
            if (std::wstring(name) == L"#32770") {
                ++Count();
                return 1;
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    // The hook has no object to reach: one count for the thread.
    static int& Count() {
        static int count = 0;
        return count;
    }
    HHOOK hook_;
};

} // namespace guitest
