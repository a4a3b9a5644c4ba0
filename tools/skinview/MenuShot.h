// What --open-menu does with --screenshot: drops one of the skinned menu
// bar's menus down and reads the window with the open menu back from the
// screen while the menu runs (a capture taken from another process shows an
// open menu black under some displays, so the program captures itself).
#pragma once

#include "tools/screencapture/ScreenCapture.h"

#include <windows.h>

namespace skinview {

// The window and its drop-down `number` (counted from 1 along the bar) with
// the first item selected. Throws std::runtime_error when the window has no
// skinned menu bar, no such menu, or the menu did not open.
screencapture::TScreenPixels CaptureOpenMenu(HWND window, int number);

} // namespace skinview
