#include "skin/ImgUtil/BlitPieces.h"

#include "skin/ImgUtil/ImgUtil.h"

namespace skin::detail {

void CopyPiece(HDC dst, const RECT& dest, HDC src, const RECT& source) {
    if (WidthOf(dest) <= 0 || HeightOf(dest) <= 0 || WidthOf(source) <= 0 ||
        HeightOf(source) <= 0) {
        return;
    }
    StretchBlt(dst, dest.left, dest.top, WidthOf(dest), HeightOf(dest), src, source.left,
               source.top, WidthOf(source), HeightOf(source), SRCCOPY);
}

void TilePiece(HDC dst, const RECT& target, HDC src, const RECT& source) {
    const int sw = WidthOf(source), sh = HeightOf(source);
    if (sw <= 0 || sh <= 0) {
        return;
    }
    for (int x = target.left; x < target.right; x += sw) {
        for (int y = target.top; y < target.bottom; y += sh) {
            BitBlt(dst, x, y, sw, sh, src, source.left, source.top, SRCCOPY);
        }
    }
}

void PutWorkBitmap(HDC dc, int x, int y, const TDib& work, bool transparent) {
    if (work.Empty()) {
        return;
    }
    if (transparent) {
        TransparentBlit(dc, {x, y, x + work.Width(), y + work.Height()}, work, KeyColour);
        return;
    }
    tk::BitmapDC src(NativeBitmap(work));
    BitBlt(dc, x, y, work.Width(), work.Height(), src, 0, 0, SRCCOPY);
}

} // namespace skin::detail
