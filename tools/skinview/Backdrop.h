// A window of pure green (#00FF00) over the whole screen, behind the
// showcase: in a screenshot, the pixels the showcase's window region leaves
// out show green. It also serves as the other window that is active while
// the showcase is shown inactive.
//
// The skin engine leaves it alone: it answers the engine's skin query as a
// window that already has a skin, and it belongs to no form.
#pragma once

#include "toolkit/win32/GdiOwners.h"

#include <windows.h>

namespace skinview {

// The colour of the backdrop, as a COLORREF.
constexpr COLORREF BackdropColour = RGB(0, 255, 0);

class TBackdrop {
public:
    // Shows the backdrop at the bottom of the z-order without activating it.
    TBackdrop();
    ~TBackdrop();
    TBackdrop(const TBackdrop&) = delete;
    TBackdrop& operator=(const TBackdrop&) = delete;

    HWND Handle() const { return window_; }
    // Makes the backdrop the active window, then puts `front` back on top of
    // it without activating it.
    void ActivateBehind(HWND front);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    tk::OwnedBrush brush_;
    HWND window_ = nullptr;
};

} // namespace skinview
