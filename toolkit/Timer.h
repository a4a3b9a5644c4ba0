// A component that fires OnTimer every Interval milliseconds while enabled,
// through the thread's message loop (a message-only window of its own).
#pragma once

#include "toolkit/Component.h"
#include "toolkit/Events.h"

#include <windows.h>

namespace tk {

// Fires OnTimer every Interval milliseconds while enabled, through the
// thread's message loop (a message-only window of its own).
class Timer : public Component {
    TK_CLASS(Timer)

public:
    explicit Timer(Component* owner);
    ~Timer() override;
    int Interval() const { return interval_; }
    void SetInterval(int interval);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    NotifyEvent OnTimer;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void Restart();
    HWND window_ = nullptr;
    int interval_ = 1000;
    bool enabled_ = true;
};

} // namespace tk
