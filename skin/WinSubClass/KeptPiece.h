// A piece of a skinned control rendered once from a cell of a skin element
// and kept: painted again at the same size and cell, the control copies it
// in memory instead of scaling the skin's cell anew. Shared by the scroll bar
// and track bar skinners.
//
// Error policy: nothing throws out of Render (a piece that cannot be made is
// empty); CopyKeyed copies what fits and ignores the rest.
#pragma once

#include "skin/ImgUtil/Dib.h"

#include <windows.h>

namespace skin {

class TDataSkinObject;

struct TKeptPiece {
    const TDib* source = nullptr;
    int width = 0;
    int height = 0;
    int count = 0;
    int cell = 0;
    TDib pixels;

    // Cell `cell` of the element's `count` cells at w x h, scaled with the
    // margins (the centre repeated with `tile`): rendered when the element,
    // size or cell differ from the kept one, the kept one otherwise.
    const TDib& Render(const TDataSkinObject& element, int w, int h, int count, int cell,
                       const RECT& margins, bool tile);
};

// Copies `piece` onto `image` at (x, y), leaving out its key-coloured pixels
// when `keyed`: a few thousand pixels, copied in memory rather than through
// device contexts and a mask blit, which cost more than the rest of a paint.
void CopyKeyed(TDib& image, int x, int y, const TDib& piece, bool keyed);

} // namespace skin
