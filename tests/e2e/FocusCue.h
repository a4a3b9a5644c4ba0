// How a skinned control shows that it has the keyboard, as the journeys look
// for it: a dotted ring three pixels inside the control's edge (inside the
// tab, on a tab row), every other pixel in the colour of its caption.
#pragma once

#include "tests/e2e/Picture.h"

namespace e2e {

// Pixels of the ring inside `control` near `colour`, and all of its pixels.
int CueDots(const Picture& screen, Box control, Rgb colour);
int CueLength(Box control);

// The dots are there: at least two pixels in five of the ring (every other
// one, with room for a caption or an icon that reaches it).
bool ShowsFocusCue(const Picture& screen, Box control, Rgb colour);
// No cue: hardly a pixel of the ring in that colour.
bool ShowsNoFocusCue(const Picture& screen, Box control, Rgb colour);

} // namespace e2e
