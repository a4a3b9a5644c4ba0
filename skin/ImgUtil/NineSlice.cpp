#include "skin/ImgUtil/BlitPieces.h"
#include "skin/ImgUtil/ImgUtil.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace skin {
namespace {

using detail::HeightOf;
using detail::WidthOf;

struct TSlice {
    RECT dest;
    RECT source;
    bool centre;
};

// The nine slices of a W x H target in drawing order, without those whose
// margins are 0. The order matters: tiles of the centre may run right and
// down past it, and only the slices after it (bottom-right corner, right and
// bottom edges) lie there to cover the overrun.
struct TNineSlice {
    std::array<TSlice, 9> slices{};
    int count = 0;

    TNineSlice(int w, int h, const TCell& c, const RECT& margins) {
        int l = std::max<int>(margins.left, 0), t = std::max<int>(margins.top, 0);
        int r = std::max<int>(margins.right, 0), b = std::max<int>(margins.bottom, 0);
        if (int64_t(l) + r > w) {
            l = r = 0;
        }
        if (int64_t(t) + b > h) {
            t = b = 0;
        }
        const int cx = c.x, cy = c.y, cr = c.x + c.width, cb = c.y + c.height;
        Add(l > 0 && t > 0, {0, 0, l, t}, {cx, cy, cx + l, cy + t});
        Add(l > 0 && b > 0, {0, h - b, l, h}, {cx, cb - b, cx + l, cb});
        Add(r > 0 && t > 0, {w - r, 0, w, t}, {cr - r, cy, cr, cy + t});
        Add(l > 0, {0, t, l, h - b}, {cx, cy + t, cx + l, cb - b});
        Add(t > 0, {l, 0, w - r, t}, {cx + l, cy, cr - r, cy + t});
        Add(true, {l, t, w - r, h - b}, {cx + l, cy + t, cr - r, cb - b}, true);
        Add(r > 0 && b > 0, {w - r, h - b, w, h}, {cr - r, cb - b, cr, cb});
        Add(r > 0, {w - r, t, w, h - b}, {cr - r, cy + t, cr, cb - b});
        Add(b > 0, {l, h - b, w - r, h}, {cx + l, cb - b, cr - r, cb});
    }

    void Add(bool wanted, RECT dest, RECT source, bool centre = false) {
        if (wanted) {
            slices[size_t(count++)] = {dest, source, centre};
        }
    }
};

} // namespace

TDib RenderElement(const RECT& target, const TDib& bitmap, const RECT& margins, bool vertical,
                   bool tile, int count, int index) {
    const int w = WidthOf(target), h = HeightOf(target);
    const TCell cell = FrameCellOf(bitmap, vertical, count, index);
    if (w <= 0 || h <= 0 || detail::Empty(cell)) {
        return {};
    }
    TDib result;
    detail::Guarded([&] {
        TDib work(w, h, bitmap.BitsPerPixel());
        {
            tk::BitmapDC dst(NativeBitmap(work)), src(NativeBitmap(bitmap));
            SetStretchBltMode(dst, COLORONCOLOR);
            const TNineSlice plan(w, h, cell, margins);
            for (int i = 0; i < plan.count; ++i) {
                const TSlice& s = plan.slices[size_t(i)];
                if (s.centre && tile) {
                    detail::TilePiece(dst, s.dest, src, s.source);
                } else {
                    detail::CopyPiece(dst, s.dest, src, s.source);
                }
            }
        }
        GdiFlush();
        result = std::move(work);
    });
    return result;
}

void DrawElement(HDC dc, const RECT& target, const TDib& bitmap, bool vertical, bool tile,
                 bool transparent, int count, int index, const RECT& margins) {
    if (detail::Inverted(target)) {
        return;
    }
    detail::Guarded([&] {
        const TDib work = RenderElement(target, bitmap, margins, vertical, tile, count, index);
        detail::PutWorkBitmap(dc, target.left, target.top, work, transparent);
    });
}

void DrawElementRing(HDC dc, const RECT& target, const TDib& bitmap, bool vertical, int count,
                     int index, const RECT& margins) {
    const int w = WidthOf(target), h = HeightOf(target);
    const TCell cell = FrameCellOf(bitmap, vertical, count, index);
    if (w <= 0 || h <= 0 || detail::Empty(cell)) {
        return;
    }
    detail::Guarded([&] {
        tk::BitmapDC src(NativeBitmap(bitmap));
        const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
        const TNineSlice plan(w, h, cell, margins);
        for (int i = 0; i < plan.count; ++i) {
            const TSlice& s = plan.slices[size_t(i)];
            if (s.centre) {
                continue;
            }
            RECT dest = s.dest;
            OffsetRect(&dest, target.left, target.top);
            detail::CopyPiece(dc, dest, src, s.source);
        }
        SetStretchBltMode(dc, oldMode);
    });
}

} // namespace skin
