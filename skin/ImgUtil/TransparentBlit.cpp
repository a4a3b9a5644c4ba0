#include "skin/ImgUtil/BlitPieces.h"
#include "skin/ImgUtil/ImgUtil.h"

#include <algorithm>
#include <vector>

namespace skin {
namespace {

// Foreground operation of the four-operand raster code: leave the
// destination as it is where the mask is 1.
constexpr DWORD KeepDestination = 0x00AA0029;

// A monochrome bitmap of w x h with 1 where the bitmap has the key colour.
tk::OwnedBitmap KeyMask(const TDib& bitmap, int w, int h, Colour key) {
    const int rowBytes = ((w + 15) / 16) * 2; // CreateBitmap rows are word-aligned
    std::vector<uint8_t> bits(size_t(rowBytes) * size_t(h), 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (bitmap.Pixel(x, y) == key) {
                bits[size_t(y) * size_t(rowBytes) + size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
            }
        }
    }
    return tk::OwnedBitmap(CreateBitmap(w, h, 1, 1, bits.data()));
}

// The part of the target the bitmap covers: the copy is 1:1 from the origin.
bool CopySize(const RECT& target, const TDib& bitmap, int& w, int& h) {
    if (detail::Inverted(target) || bitmap.Empty()) {
        return false;
    }
    w = std::min(detail::WidthOf(target), bitmap.Width());
    h = std::min(detail::HeightOf(target), bitmap.Height());
    return w > 0 && h > 0;
}

} // namespace

void TransparentBlit(HDC dc, const RECT& target, const TDib& bitmap, Colour key) {
    int w = 0, h = 0;
    if (!CopySize(target, bitmap, w, h)) {
        return;
    }
    bool done = false;
    detail::Guarded([&] {
        const tk::OwnedBitmap mask = KeyMask(bitmap, w, h, key);
        tk::BitmapDC src(NativeBitmap(bitmap));
        done = MaskBlt(dc, target.left, target.top, w, h, src, 0, 0, mask.get(), 0, 0,
                       MAKEROP4(KeepDestination, SRCCOPY));
    });
    if (!done) {
        TransparentBlitXor(dc, target, bitmap, key);
    }
}

void TransparentBlitXor(HDC dc, const RECT& target, const TDib& bitmap, Colour key) {
    int w = 0, h = 0;
    if (!CopySize(target, bitmap, w, h)) {
        return;
    }
    detail::Guarded([&] {
        const tk::OwnedBitmap mask = KeyMask(bitmap, w, h, key);
        tk::BitmapDC src(NativeBitmap(bitmap)), maskDC(mask.get());
        // A monochrome source reaches a colour device as background colour for
        // 1 bits and text colour for 0 bits: key pixels keep dest ^ src, which
        // the second invert turns back into dest; the others become src.
        const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
        const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
        BitBlt(dc, target.left, target.top, w, h, src, 0, 0, SRCINVERT);
        BitBlt(dc, target.left, target.top, w, h, maskDC, 0, 0, SRCAND);
        BitBlt(dc, target.left, target.top, w, h, src, 0, 0, SRCINVERT);
        SetBkColor(dc, oldBack);
        SetTextColor(dc, oldText);
    });
}

} // namespace skin
