// Building blocks shared by the drawing routines (internal).
#pragma once

#include "skin/ImgUtil/Dib.h"
#include "skin/ImgUtil/FrameCell.h"

#include <windows.h>

#include <new>
#include <stdexcept>

namespace skin::detail {

inline int WidthOf(const RECT& r) {
    return r.right - r.left;
}
inline int HeightOf(const RECT& r) {
    return r.bottom - r.top;
}
inline bool Inverted(const RECT& r) {
    return r.right < r.left || r.bottom < r.top;
}
// A cell with no pixels: of an empty bitmap, or of more cells than it holds.
inline bool Empty(const TCell& c) {
    return c.width <= 0 || c.height <= 0;
}

// Runs a drawing step that allocates bitmaps. A bitmap that cannot be made
// (larger than a bitmap may be, or no memory) ends the step with nothing
// more drawn: a failure must never leave a paint.
template <class Step> void Guarded(Step&& step) {
    try {
        step();
    } catch (const std::bad_alloc&) {
        // out of memory: the rest of the step is left undrawn
    } catch (const std::length_error&) {
        // larger than a bitmap may be: likewise
    }
}

// Scales `source` of `src` onto `dest` of `dst`. Pieces with no area on
// either side are skipped: a negative size would make GDI mirror the piece.
void CopyPiece(HDC dst, const RECT& dest, HDC src, const RECT& source);

// Repeats `source` of `src` unscaled from the top-left of `target`.
void TilePiece(HDC dst, const RECT& target, HDC src, const RECT& source);

// Copies a rendered work bitmap to (x, y) of the device context: colour-keyed
// or opaque.
void PutWorkBitmap(HDC dc, int x, int y, const TDib& work, bool transparent);

} // namespace skin::detail
