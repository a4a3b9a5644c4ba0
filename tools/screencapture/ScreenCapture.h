// Reads a rectangle of the screen back as it shows now: GetDC(NULL) and
// BitBlt into a DIB section (what the X server holds, under Wine).
//
// Error policy: never throws; a capture that cannot be made (empty
// rectangle, no memory) is empty.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace screencapture {

// Pixels as 0x00RRGGBB, top-down rows.
struct TScreenPixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

TScreenPixels CaptureScreen(const RECT& screen);

} // namespace screencapture
