// Skin art at a display scale. Skins are drawn for 96 dots per inch; at a
// larger scale each measure and bitmap grows by dpi / 96. A bitmap is scaled
// piece by piece between cuts (the margins of its nine slices, the edges of
// its cells), so no filter blends a corner into an edge or one cell into the
// next, and each piece lands where the scaled measures put it.
//
// Colour-keyed art keeps its key exact: whether a pixel is the key colour is
// decided by the nearest source pixel, and only pixels that are not the key
// are blended into the others. Integer scales replicate pixels (sharpest);
// other scales blend: bilinear when growing, by area when shrinking.
#pragma once

#include "skin/ImgUtil/Dib.h"

#include "base/Scale.h"

#include <span>

namespace skin {

using base::DesignDpi;
using base::ScaleMeasure;

// `bitmap`, art drawn for `artDpi` (96, or 192 for double-size art), at
// `dpi`, scaled piece by piece between the given source cuts (positions
// strictly inside the bitmap, ascending; others are ignored). The result is
// 24 bits per pixel, ScaleMeasure(width, dpi, artDpi) by the same of the
// height, and a cut at p in the source lies at ScaleMeasure(p, dpi, artDpi)
// in it. At its own scale it is the bitmap itself.
TDib ScaleArt(const TDib& bitmap, std::span<const int> xCuts, std::span<const int> yCuts, int dpi,
              int artDpi = DesignDpi);

} // namespace skin
