// Where the menu bar's drop-down opens: below its button, or above it where
// it does not fit below, never over the button. The system is asked to keep
// the button free (TrackPopupMenuEx's exclusion rectangle), and the popup
// window is moved off the button when it comes out over it all the same
// (some systems pin a menu that does not fit to the screen's bottom edge).
#pragma once

#include <windows.h>

namespace skin {

// The button's screen rectangle is kept free of the first popup window
// shown while this lives (the drop-down; its submenus open later).
class TDropDownExclusion {
public:
    explicit TDropDownExclusion(const RECT& button);
    TDropDownExclusion(const TDropDownExclusion&) = delete;
    TDropDownExclusion& operator=(const TDropDownExclusion&) = delete;
    ~TDropDownExclusion();
    const RECT& Button() const { return button_; }

private:
    RECT button_;
};

// A popup-menu window's WM_WINDOWPOSCHANGING: the drop-down that would cover
// its button moves above it (when there is room above).
void KeepDropDownOffButton(HWND popup, WINDOWPOS& pos);

} // namespace skin
