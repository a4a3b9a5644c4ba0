#include "tests/skin/DrawTarget.h"

#include <vector>

using namespace skin;
using namespace skintest;

namespace {

// Cell of the strip tests: 10 x 4, left cap 2 columns, right cap 3, and a
// middle of 5 columns each with its own colour; rows are uniform.
Colour StripColumn(int cell, int x) {
    return MakeColour(uint8_t(10 * x + 5), uint8_t(cell * 50), 7);
}

TDib StripCells(int count) {
    TDib dib(10 * count, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 10 * count; ++x) {
            dib.SetPixel(x, y, StripColumn(x / 10 + 1, x % 10));
        }
    }
    return dib;
}

TEST(DrawStrip, MiddleRepeatsAtItsOwnWidthAndTheRightCapCoversTheOverrun) {
    const Colour back = MakeColour(1, 1, 1);
    TDrawTarget canvas(30, 12, back);
    // W = 23: middle pieces at 2, 7, 12, 17 (the last runs to 22), right cap 20..22.
    DrawStrip(canvas, {4, 2, 27, 10}, StripCells(2), false, false, 2, 2, {2, 0, 3, 0});
    EXPECT_TRUE(PixelsAre(canvas.Pixels(), [&](int x, int y) {
        if (x < 4 || x >= 27 || y < 2 || y >= 10)
            return back;
        const int sx = x - 4;
        const int column = sx < 2 ? sx : sx >= 20 ? 10 - 23 + sx : 2 + (sx - 2) % 5;
        return StripColumn(2, column);
    }));
}

TEST(DrawStrip, NoMiddleWhenTheCapsFillTheCell) {
    const Colour back = MakeColour(1, 1, 1);
    TDrawTarget canvas(20, 4, back);
    DrawStrip(canvas, {0, 0, 20, 4}, StripCells(1), false, false, 1, 1, {5, 0, 5, 0});
    EXPECT_TRUE(PixelsAre(canvas.Pixels(), [&](int x, int) {
        return x < 5 ? StripColumn(1, x) : x >= 15 ? StripColumn(1, x - 10) : Colour(0);
    })) << "the gap stays as the fresh work bitmap has it";
}

TEST(DrawFrameCell, PicksTheCellAndScalesItToTheTarget) {
    TDib cells(30, 5); // three uniform 10 x 5 cells
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 30; ++x) {
            cells.SetPixel(x, y, RegionColour(x / 10 + 1, 0));
        }
    }
    const Colour back = MakeColour(3, 3, 3);
    TDrawTarget canvas(40, 40, back);
    DrawFrameCell(canvas, {5, 5, 35, 25}, cells, false, 3, 3);
    EXPECT_TRUE(PixelsAre(canvas.Pixels(), [&](int x, int y) {
        return x >= 5 && x < 35 && y >= 5 && y < 25 ? RegionColour(3, 0) : back;
    }));
}

TEST(DrawStrip, TransparentDrawLeavesKeyColumnsAlone) {
    TDib cells = StripCells(1);
    for (int y = 0; y < 4; ++y) {
        cells.SetPixel(0, y, KeyColour); // in the left cap
        cells.SetPixel(4, y, KeyColour); // in the middle
    }
    const Colour back = MakeColour(1, 1, 1);
    TDrawTarget canvas(20, 4, back);
    // W = 20: middle pieces at 2, 7, 12 (running to 16), right cap 17..19.
    DrawStrip(canvas, {0, 0, 20, 4}, cells, false, true, 1, 1, {2, 0, 3, 0});
    EXPECT_TRUE(PixelsAre(canvas.Pixels(), [&](int x, int) {
        const int column = x < 2 ? x : x >= 17 ? x - 10 : 2 + (x - 2) % 5;
        return column == 0 || column == 4 ? back : StripColumn(1, column);
    }));
}

TEST(DrawStrip, ShrinkingDropsWholeRows) {
    TDrawTarget canvas(23, 5, MakeColour(1, 1, 1));
    DrawStrip(canvas, {0, 0, 23, 5}, Checkerboard(10, 12), false, false, 1, 1, {2, 0, 3, 0});
    EXPECT_TRUE(WholeCheckerPixels(canvas.Pixels(), {0, 0, 23, 5}));
}

TEST(DrawFrameCell, TransparentDrawLeavesKeyPixelsAlone) {
    TDib cells(20, 5); // two 10 x 5 cells; the left half of the second is key
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 20; ++x) {
            cells.SetPixel(x, y, x >= 10 && x < 15 ? KeyColour : RegionColour(x / 10 + 1, 0));
        }
    }
    const Colour back = MakeColour(3, 3, 3);
    TDrawTarget canvas(30, 20, back);
    DrawFrameCell(canvas, {5, 5, 25, 15}, cells, true, 2, 2);
    EXPECT_TRUE(PixelsAre(canvas.Pixels(), [&](int x, int y) {
        return x >= 15 && x < 25 && y >= 5 && y < 15 ? RegionColour(2, 0) : back;
    }));
}

TEST(DrawFrameCell, ShrinkingDropsWholePixels) {
    TDrawTarget canvas(7, 6, MakeColour(3, 3, 3));
    DrawFrameCell(canvas, {0, 0, 7, 6}, Checkerboard(36, 13), false, 3, 2);
    EXPECT_TRUE(WholeCheckerPixels(canvas.Pixels(), {0, 0, 7, 6}));
}

TEST(TileBitmap, WholePiecesFromTheTopLeftUnclippedByTheTarget) {
    TDib source(6, 6);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            source.SetPixel(x, y, MakeColour(uint8_t(x * 30), uint8_t(y * 30), 50));
        }
    }
    const Colour back = MakeColour(2, 2, 2);
    TDrawTarget canvas(30, 30, back);
    // A 4 x 3 piece from (1, 2), over a 10 x 7 target: 3 x 3 pieces up to 22 x 19.
    TileBitmap(canvas, {10, 10, 20, 17}, source, {1, 2, 5, 5});
    EXPECT_TRUE(PixelsAre(canvas.Pixels(), [&](int x, int y) {
        if (x < 10 || x >= 22 || y < 10 || y >= 19)
            return back;
        return source.Pixel(1 + (x - 10) % 4, 2 + (y - 10) % 3);
    }));
    TDrawTarget untouched(10, 10, back);
    TileBitmap(untouched, {0, 0, 10, 10}, source, {3, 3, 3, 6});
    TileBitmap(untouched, {0, 0, 10, 10}, source, {3, 3, 1, 6});
    EXPECT_TRUE(PixelsAre(untouched.Pixels(), [&](int, int) { return back; }));
}

// Black and magenta only: only the black pixels may reach the target.
TDib BlackOnKey() {
    TDib dib(6, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            dib.SetPixel(x, y, (x + y) % 3 == 0 ? Colour(0) : KeyColour);
        }
    }
    return dib;
}

TEST(TransparentBlit, KeyPixelsLeaveTheTargetOnBothCopyPaths) {
    using Blit = void (*)(HDC, const RECT&, const TDib&, Colour);
    for (Blit blit : {Blit(&TransparentBlit), Blit(&TransparentBlitXor)}) {
        const Colour back = MakeColour(200, 100, 50);
        TDrawTarget canvas(12, 10, back);
        const TDib source = BlackOnKey();
        // A target larger than the bitmap: the copy is 1:1 and stops at its edge.
        blit(canvas, {2, 3, 12, 10}, source, KeyColour);
        EXPECT_TRUE(PixelsAre(canvas.Pixels(), [&](int x, int y) {
            const int sx = x - 2, sy = y - 3;
            if (sx < 0 || sy < 0 || sx >= 6 || sy >= 4)
                return back;
            return source.Pixel(sx, sy) == KeyColour ? back : Colour(0);
        }));
        blit(canvas, {5, 5, 1, 1}, source, KeyColour); // inverted: nothing
    }
}

// The rectangles of a region, in the order GDI keeps them.
std::vector<RECT> RectsOf(HRGN region) {
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<uint8_t> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    GetRegionData(region, size, data);
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    return {rects, rects + data->rdh.nCount};
}

TEST(RegionFromBitmap, NonKeyRunsBecomeRectanglesAtTheOffset) {
    TDib dib(3, 2);
    dib.Fill(KeyColour);
    dib.SetPixel(1, 0, MakeColour(0, 0, 255));
    const tk::OwnedRegion region = RegionFromBitmap(dib, 10, 5, 1, 1, 1, KeyColour);
    const std::vector<RECT> rects = RectsOf(region.get());
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].left, 11);
    EXPECT_EQ(rects[0].top, 5);
    EXPECT_EQ(rects[0].right, 12);
    EXPECT_EQ(rects[0].bottom, 6);
}

TEST(RegionFromBitmap, ToleranceCountsUpwardsFromTheKeyOnly) {
    TDib dib(5, 1);
    dib.SetPixel(0, 0, MakeColour(255, 1, 255)); // within tolerance 1: key
    dib.SetPixel(1, 0, MakeColour(255, 0, 255));
    dib.SetPixel(2, 0, MakeColour(254, 0, 255)); // below the key: not key
    dib.SetPixel(3, 0, MakeColour(255, 2, 255)); // beyond the tolerance
    dib.SetPixel(4, 0, MakeColour(255, 1, 255));
    const tk::OwnedRegion region = RegionFromBitmap(dib, 0, 0, 1, 1, 1, KeyColour);
    const std::vector<RECT> rects = RectsOf(region.get());
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].left, 2);
    EXPECT_EQ(rects[0].right, 4);
    // One-row bitmaps and all-key bitmaps are fine; the latter give an empty region.
    TDib allKey(4, 1);
    allKey.Fill(KeyColour);
    RECT box;
    EXPECT_EQ(GetRgnBox(RegionFromBitmap(allKey, 0, 0, 1, 1, 1, KeyColour).get(), &box),
              NULLREGION);
}

TEST(RegionFromBitmap, ManyRectanglesAreUnitedAcrossBatches) {
    // A checkerboard of 120 x 50: 60 runs a row, 3000 rectangles in all.
    TDib dib(120, 50);
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 120; ++x) {
            dib.SetPixel(x, y, (x + y) % 2 ? KeyColour : MakeColour(0, 128, 0));
        }
    }
    const tk::OwnedRegion region = RegionFromBitmap(dib, -3, 7, 0, 0, 0, KeyColour);
    int wrong = 0;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 120; ++x) {
            wrong += bool(PtInRegion(region.get(), x - 3, y + 7)) != ((x + y) % 2 == 0);
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST(DrawSkinText, DrawsWideTextAndReturnsItsHeight) {
    TDrawTarget canvas(120, 30, MakeColour(255, 255, 255));
    SetTextColor(canvas, RGB(0, 0, 0));
    SetBkMode(canvas, TRANSPARENT);
    const RECT rect = {2, 2, 118, 28};
    const int height =
        DrawSkinText(canvas, L"\x9713\x8679 Kanvio", rect, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_GT(height, 0);
    EXPECT_TRUE(PixelsAre(canvas.Pixels(), [](int, int) { return MakeColour(255, 255, 255); }))
        << "DT_CALCRECT measures only";
    EXPECT_EQ(DrawSkinText(canvas, L"Kanvio", rect, DT_SINGLELINE), height);
    int dark = 0;
    const TDib& pixels = canvas.Pixels();
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 120; ++x) {
            dark += pixels.Pixel(x, y) == 0;
        }
    }
    EXPECT_GT(dark, 20);
}

} // namespace
