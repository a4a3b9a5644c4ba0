// Display scale: designs and the toolkit's measures are written for 96 dots
// per inch; a form scales them to the dots per inch of the screen its window
// is on.
#pragma once

#include <windows.h>

namespace tk {

// The measure designs are written in.
constexpr int DesignDpi = 96;

// The dots per inch of the screen a window is on; the system's for none (or
// where the system cannot say per window).
int WindowDpi(HWND window);

// `value` (in `from` dots per inch) at `to` dots per inch, rounded to the
// nearest pixel, halves away from zero.
int ScaleMeasure(int value, int to, int from);

} // namespace tk
