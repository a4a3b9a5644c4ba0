// In-place pixel transforms of skin bitmaps: grey scale for disabled glyphs,
// mirror for buttons on the left, flip and quarter turns for tabs at the
// bottom and at the sides.
#pragma once

#include "skin/ImgUtil/Dib.h"

namespace skin {

// Converts to 24 bits, then every pixel becomes (red + green + blue) div 3.
void GrayBitmap(TDib& bitmap);
// Pixel x of every row takes the old pixel (width - 1 - x).
void MirrorBitmap(TDib& bitmap);
// Row y takes the old row (height - 1 - y).
void FlipBitmap(TDib& bitmap);
// Quarter turn counter-clockwise: old (x, y) goes to (y, W - 1 - x); the top
// edge becomes the left edge. Width and height swap.
void RotateBitmapLeft(TDib& bitmap);
// Quarter turn clockwise: old (x, y) goes to (H - 1 - y, x).
void RotateBitmapRight(TDib& bitmap);

} // namespace skin
