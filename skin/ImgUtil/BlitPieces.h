// Building blocks shared by the drawing routines (internal).
#pragma once

#include "Dib.h"

#include <windows.h>

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

// Scales `source` of `src` onto `dest` of `dst`. Pieces with no area on
// either side are skipped: a negative size would make GDI mirror the piece.
void CopyPiece(HDC dst, const RECT& dest, HDC src, const RECT& source);

// Repeats `source` of `src` unscaled from the top-left of `target`.
void TilePiece(HDC dst, const RECT& target, HDC src, const RECT& source);

// Copies a rendered work bitmap to (x, y) of the device context: colour-keyed
// or opaque.
void PutWorkBitmap(HDC dc, int x, int y, const TDib& work, bool transparent);

} // namespace skin::detail
