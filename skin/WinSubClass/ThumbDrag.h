// The nested message loop of a scroll bar thumb drag. The window holds the
// mouse capture while the loop runs; every other message of the thread is
// dispatched as usual, so the program keeps painting and its timers run.
//
// The loop always ends: at the button release, at Escape, when the window
// loses the capture, when the window or the loop's owner is destroyed by a
// message it dispatched, and when the program is ending (the quit message is
// posted again for the program's own loop). It waits for messages instead of
// polling.
//
// Error policy: nothing throws out of the loop; what the move handler throws
// ends the drag as a release would, and is swallowed.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

namespace skin {

enum class TDragEnd {
    Released,    // the left button went up
    Cancelled,   // Escape: the thumb goes back where it started
    CaptureLost, // another window took the mouse
    WindowGone,  // the window or the loop's owner was destroyed meanwhile
    Quit,        // the program is ending
};

// Runs the loop for `window`, calling `onMove` with the pointer's screen
// position for every mouse move. `owner` expires when the object the
// handler belongs to goes: the loop then returns WindowGone at once and
// calls nothing more.
TDragEnd RunThumbDrag(HWND window, const std::weak_ptr<void>& owner,
                      const std::function<void(POINT screen)>& onMove);

} // namespace skin
