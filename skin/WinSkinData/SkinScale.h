// The skin at a display scale. A package is drawn for 96 dots per inch; at
// another scale every measure the skin gives (margins, caption button places,
// the caption font and text placement) grows by dpi / 96, and every bitmap
// with it, cell by cell: cell k of a strip of n cells starts at k times the
// scaled cell size, so the skinners' cell arithmetic (the bitmap's size over
// its cell count) finds each cell whole. Within a cell the element's margins
// are cuts no filter blends across (see ScaleArt.h). Done once per load.
//
// From 175 % on, a bitmap the package also holds at twice the size
// ("name@2x.bmp") is scaled from that art instead: at 200 % it is used as it
// stands.
#pragma once

#include "skin/WinSkinData/SkinModel.h"

#include <map>

namespace skin {

// The scale from which double-size art is used.
constexpr int DoubleArtDpi = 168;
// The scale double-size art is drawn for.
constexpr int DoubleArtDrawnDpi = 2 * base::DesignDpi;

// Scales the model, parsed at 96 DPI, to `dpi` and sets its dpi. `doubleArt`
// maps bitmaps of the model to their double-size art. At 96 DPI nothing
// changes.
void ScaleSkin(TSkinModel& model, int dpi, const std::map<const TDib*, TDib>& doubleArt);

} // namespace skin
