// The window-less controls (image, shape, label, speed button), for code that
// uses several of them; each has its own header. Their parent paints them and
// hands them the mouse; a hidden or disabled one gets nothing.
#pragma once

#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Shape.h"
#include "toolkit/SpeedButton.h"
