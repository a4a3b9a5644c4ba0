// Display scale: designs and the toolkit's measures are written for 96 dots
// per inch; a form scales them to the dots per inch of the screen its window
// is on.
#pragma once

#include "base/Scale.h"

#include <windows.h>

namespace tk {

using base::DesignDpi;
using base::ScaleMeasure;

// The dots per inch of the screen a window is on; the system's for none (or
// where the system cannot say per window).
int WindowDpi(HWND window);

} // namespace tk
