// Test helpers: a bitmap selected into a memory device context to draw on,
// and bitmaps whose regions or pixels carry distinct colours so any pixel
// that lands in the wrong place shows.
#pragma once

#include "ImgUtil.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace skintest {

using skin::Colour;
using skin::MakeColour;
using skin::TDib;

// A bitmap filled with one colour and selected into a memory DC.
class TDrawTarget {
public:
    TDrawTarget(int w, int h, Colour background) : dib_(w, h), dc_(skin::NativeBitmap(dib_)) {
        dib_.Fill(background);
    }
    operator HDC() const { return dc_; }
    // The pixels as they are after all GDI drawing so far.
    const TDib& Pixels() const {
        GdiFlush();
        return dib_;
    }

private:
    TDib dib_;
    tk::BitmapDC dc_;
};

// Compares every pixel with `expected(x, y)` and reports the first few
// differences.
inline ::testing::AssertionResult PixelsAre(const TDib& dib,
                                            const std::function<Colour(int, int)>& expected) {
    int wrong = 0;
    std::string report;
    for (int y = 0; y < dib.Height(); ++y)
        for (int x = 0; x < dib.Width(); ++x)
            if (dib.Pixel(x, y) != expected(x, y) && ++wrong <= 5) {
                char line[96];
                std::snprintf(line, sizeof line, " (%d,%d) is %06X, expected %06X;", x, y,
                              unsigned(dib.Pixel(x, y)), unsigned(expected(x, y)));
                report += line;
            }
    if (wrong == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong << " pixels differ:" << report;
}

// Region index 0..8 (row-major: top-left, top, top-right, left, centre, ...)
// of a point in a w x h area with margins l, t, r, b.
inline int RegionOf(int x, int y, int w, int h, int l, int t, int r, int b) {
    const int col = x < l ? 0 : x >= w - r ? 2 : 1;
    const int row = y < t ? 0 : y >= h - b ? 2 : 1;
    return row * 3 + col;
}

// Colour of region `region` in cell `cell`: every region of every cell differs.
inline Colour RegionColour(int cell, int region) {
    return MakeColour(uint8_t(20 + 25 * region), uint8_t(40 * cell + 10),
                      uint8_t(200 - 9 * region));
}

// `count` cells side by side (or stacked) of cw x ch, each painted with the
// nine region colours of margins l, t, r, b.
inline TDib RegionStrip(int count, int cw, int ch, int l, int t, int r, int b,
                        bool vertical = false) {
    TDib dib(vertical ? cw : cw * count, vertical ? ch * count : ch);
    for (int cell = 0; cell < count; ++cell)
        for (int y = 0; y < ch; ++y)
            for (int x = 0; x < cw; ++x)
                dib.SetPixel(vertical ? x : cell * cw + x, vertical ? cell * ch + y : y,
                             RegionColour(cell + 1, RegionOf(x, y, cw, ch, l, t, r, b)));
    return dib;
}

} // namespace skintest
