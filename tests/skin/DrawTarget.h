// Test helpers: a bitmap selected into a memory device context to draw on,
// and bitmaps whose regions or pixels carry distinct colours so any pixel
// that lands in the wrong place shows.
#pragma once

#include "skin/ImgUtil/ImgUtil.h"

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
    for (int y = 0; y < dib.Height(); ++y) {
        for (int x = 0; x < dib.Width(); ++x) {
            if (dib.Pixel(x, y) != expected(x, y) && ++wrong <= 5) {
                char line[96];
                std::snprintf(line, sizeof line, " (%d,%d) is %06X, expected %06X;", x, y,
                              unsigned(dib.Pixel(x, y)), unsigned(expected(x, y)));
                report += line;
            }
        }
    }
    if (wrong == 0) {
        return ::testing::AssertionSuccess();
    }
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
    for (int cell = 0; cell < count; ++cell) {
        for (int y = 0; y < ch; ++y) {
            for (int x = 0; x < cw; ++x) {
                dib.SetPixel(vertical ? x : cell * cw + x, vertical ? cell * ch + y : y,
                             RegionColour(cell + 1, RegionOf(x, y, cw, ch, l, t, r, b)));
            }
        }
    }
    return dib;
}

// Two colours whose blend, AND and OR are none of them: a scaled copy that
// merges pixels instead of dropping or repeating whole ones shows.
constexpr Colour CheckerA = MakeColour(200, 30, 90);
constexpr Colour CheckerB = MakeColour(20, 180, 60);

// A w x h bitmap of single-pixel squares of the two checker colours.
inline TDib Checkerboard(int w, int h) {
    TDib dib(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            dib.SetPixel(x, y, (x + y) % 2 ? CheckerB : CheckerA);
        }
    }
    return dib;
}

// Every pixel of `area` is a whole checker pixel, and both colours are there.
inline ::testing::AssertionResult WholeCheckerPixels(const TDib& dib, const RECT& area) {
    int a = 0, b = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const Colour c = dib.Pixel(x, y);
            if (c != CheckerA && c != CheckerB) {
                char text[64];
                std::snprintf(text, sizeof text, "(%d,%d) is %06X, a merged pixel", x, y,
                              unsigned(c));
                return ::testing::AssertionFailure() << text;
            }
            (c == CheckerA ? a : b)++;
        }
    }
    if (a == 0 || b == 0) {
        return ::testing::AssertionFailure() << "the detail is lost: one colour only";
    }
    return ::testing::AssertionSuccess();
}

} // namespace skintest
