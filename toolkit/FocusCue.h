// Focus cues: the dotted rectangle that shows which control has the keyboard.
// The system hides them in a window until the keyboard is used there (the
// window's UI state has UISF_HIDEFOCUS until a navigation key clears it);
// controls that draw their own cue ask first, and draw it again when the
// state changes (WM_UPDATEUISTATE).
#pragma once

#include <windows.h>

namespace tk {

// Whether `window` shows focus cues now.
bool FocusCuesShown(HWND window);

// A dotted one-pixel rectangle along the inside of `rect`, every other pixel
// in `colour` and the rest left as they are: a cue in a colour chosen to
// stand out from what lies under it (the system's own cue inverts pixels,
// which vanishes on a mid grey).
void DrawFocusCue(HDC dc, const RECT& rect, COLORREF colour);

} // namespace tk
