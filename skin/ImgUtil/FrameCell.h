// Where cell k of a bitmap holding `count` equal cells lies.
#pragma once

#include "skin/ImgUtil/Dib.h"

namespace skin {

struct TCell {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Cells lie side by side, or stacked when `vertical`; k counts from 1. The
// cell size truncates, so surplus columns or rows are never used. A count
// below 1 is taken as 1 and an index outside 1..count as the nearest cell, so
// a skin with a bad frame number never reads outside the bitmap.
TCell FrameCellOf(const TDib& bitmap, bool vertical, int count, int index);

} // namespace skin
