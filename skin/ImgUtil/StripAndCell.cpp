#include "skin/ImgUtil/BlitPieces.h"
#include "skin/ImgUtil/ImgUtil.h"

namespace skin {

using detail::HeightOf;
using detail::WidthOf;

void DrawStrip(HDC dc, const RECT& target, const TDib& bitmap, bool vertical, bool transparent,
               int count, int index, const RECT& margins) {
    const int w = WidthOf(target), h = HeightOf(target);
    const TCell c = FrameCellOf(bitmap, vertical, count, index);
    if (w <= 0 || h <= 0 || detail::Empty(c)) {
        return;
    }
    const int l = margins.left, r = margins.right;
    const int cy = c.y, cb = c.y + c.height, cr = c.x + c.width;
    detail::Guarded([&] {
        TDib work(w, h, bitmap.BitsPerPixel());
        {
            tk::BitmapDC dst(NativeBitmap(work)), src(NativeBitmap(bitmap));
            SetStretchBltMode(dst, COLORONCOLOR);
            detail::CopyPiece(dst, {0, 0, l, h}, src, {c.x, cy, c.x + l, cb});
            const int middle = c.width - l - r;
            if (middle > 0) {
                for (int x = l; x < w - r; x += middle) {
                    detail::CopyPiece(dst, {x, 0, x + middle, h}, src,
                                      {c.x + l, cy, c.x + l + middle, cb});
                }
            }
            detail::CopyPiece(dst, {w - r, 0, w, h}, src, {cr - r, cy, cr, cb});
        }
        GdiFlush();
        detail::PutWorkBitmap(dc, target.left, target.top, work, transparent);
    });
}

void DrawFrameCell(HDC dc, const RECT& target, const TDib& bitmap, bool transparent, int count,
                   int index) {
    const int w = WidthOf(target), h = HeightOf(target);
    const TCell c = FrameCellOf(bitmap, false, count, index);
    if (w <= 0 || h <= 0 || detail::Empty(c)) {
        return;
    }
    detail::Guarded([&] {
        TDib work(w, h, bitmap.BitsPerPixel());
        {
            tk::BitmapDC dst(NativeBitmap(work)), src(NativeBitmap(bitmap));
            SetStretchBltMode(dst, COLORONCOLOR);
            detail::CopyPiece(dst, {0, 0, w, h}, src, {c.x, c.y, c.x + c.width, c.y + c.height});
        }
        GdiFlush();
        detail::PutWorkBitmap(dc, target.left, target.top, work, transparent);
    });
}

void TileBitmap(HDC dc, const RECT& target, const TDib& bitmap, const RECT& source) {
    if (bitmap.Empty()) {
        return;
    }
    detail::Guarded([&] {
        tk::BitmapDC src(NativeBitmap(bitmap));
        detail::TilePiece(dc, target, src, source);
    });
}

} // namespace skin
