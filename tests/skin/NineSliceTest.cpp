#include "tests/skin/DrawTarget.h"

using namespace skin;
using namespace skintest;

namespace {

const RECT Margins3245 = {3, 2, 4, 5};

TEST(RenderElement, EveryRegionOfTheChosenCellLandsInItsPlace) {
    const TDib strip = RegionStrip(3, 12, 10, 3, 2, 4, 5);
    const TDib out = RenderElement({7, 9, 47, 39}, strip, Margins3245, false, false, 3, 2);
    ASSERT_EQ(out.Width(), 40); // only the target's size counts
    ASSERT_EQ(out.Height(), 30);
    EXPECT_TRUE(PixelsAre(
        out, [](int x, int y) { return RegionColour(2, RegionOf(x, y, 40, 30, 3, 2, 4, 5)); }));
}

TEST(RenderElement, StackedCellsAreCutVertically) {
    const TDib strip = RegionStrip(2, 12, 10, 3, 2, 4, 5, true);
    const TDib out = RenderElement({0, 0, 25, 17}, strip, Margins3245, true, false, 2, 2);
    EXPECT_TRUE(PixelsAre(
        out, [](int x, int y) { return RegionColour(2, RegionOf(x, y, 25, 17, 3, 2, 4, 5)); }));
}

TEST(RenderElement, CornersAreCopiedOneToOne) {
    TDib cell = RegionStrip(1, 12, 10, 3, 2, 4, 5);
    // Give each corner pixel its own colour.
    const auto corner = [](int x, int y) { return MakeColour(uint8_t(x), uint8_t(y), 1); };
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 12; ++x) {
            if (RegionOf(x, y, 12, 10, 3, 2, 4, 5) % 2 == 0 &&
                RegionOf(x, y, 12, 10, 3, 2, 4, 5) != 4) {
                cell.SetPixel(x, y, corner(x, y));
            }
        }
    }
    const TDib out = RenderElement({0, 0, 30, 20}, cell, Margins3245, false, false, 1, 1);
    EXPECT_TRUE(PixelsAre(out, [&](int x, int y) {
        const int region = RegionOf(x, y, 30, 20, 3, 2, 4, 5);
        if (region == 4 || region % 2 == 1)
            return RegionColour(1, region);
        const int sx = x < 3 ? x : x - 30 + 12, sy = y < 2 ? y : y - 20 + 10;
        return corner(sx, sy);
    }));
}

TEST(RenderElement, MarginsWiderThanTheTargetAreDroppedInPairs) {
    // 30 x 20 with margins 20, 5, 20, 5: left and right go, top and bottom
    // stay, so the top edge, centre and bottom edge span the full width.
    const TDib cell = RegionStrip(1, 50, 15, 20, 5, 20, 5);
    const TDib out = RenderElement({0, 0, 30, 20}, cell, {20, 5, 20, 5}, false, false, 1, 1);
    for (int y = 0; y < 20; ++y) {
        const int row = y < 5 ? 0 : y >= 15 ? 2 : 1;
        // Away from the scaled column boundaries (50 -> 30 columns).
        EXPECT_EQ(out.Pixel(2, y), RegionColour(1, row * 3 + 0)) << y;
        EXPECT_EQ(out.Pixel(15, y), RegionColour(1, row * 3 + 1)) << y;
        EXPECT_EQ(out.Pixel(27, y), RegionColour(1, row * 3 + 2)) << y;
    }
    // Negative margins count as nothing rather than mirroring pieces.
    const TDib plain = RegionStrip(1, 10, 10, 0, 0, 0, 0);
    const TDib same = RenderElement({0, 0, 20, 20}, plain, {-3, -3, -3, -3}, false, false, 1, 1);
    EXPECT_TRUE(PixelsAre(same, [](int, int) { return RegionColour(1, 4); }));
}

// A 16 x 16 tile whose pixels all differ, inside a cell with 4-pixel margins
// of uniform edge colours.
TDib TileCell(int margin) {
    const int size = 16 + 2 * margin;
    TDib cell = RegionStrip(1, size, size, margin, margin, margin, margin);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            cell.SetPixel(margin + x, margin + y, MakeColour(uint8_t(x * 16), uint8_t(y * 16), 99));
        }
    }
    return cell;
}

TEST(RenderElement, TiledCentreStartsTopLeftAndEdgesCoverTheOverrun) {
    // Centre area 40 x 40: tiles at 0, 16, 32; the third column and row run
    // 8 pixels past the centre, where the right and bottom edges go on top.
    const TDib out = RenderElement({0, 0, 48, 48}, TileCell(4), {4, 4, 4, 4}, false, true, 1, 1);
    EXPECT_TRUE(PixelsAre(out, [](int x, int y) {
        const int region = RegionOf(x, y, 48, 48, 4, 4, 4, 4);
        if (region != 4)
            return RegionColour(1, region);
        return MakeColour(uint8_t((x - 4) % 16 * 16), uint8_t((y - 4) % 16 * 16), 99);
    }));
}

TEST(RenderElement, TiledCentreWithoutMarginsIsCutByTheBitmap) {
    const TDib out = RenderElement({0, 0, 40, 40}, TileCell(0), {0, 0, 0, 0}, false, true, 1, 1);
    EXPECT_TRUE(PixelsAre(out, [](int x, int y) {
        return MakeColour(uint8_t(x % 16 * 16), uint8_t(y % 16 * 16), 99);
    }));
}

TEST(RenderElement, EmptyOrInvertedTargetsGiveNoBitmap) {
    const TDib cell = RegionStrip(1, 10, 10, 2, 2, 2, 2);
    EXPECT_TRUE(RenderElement({5, 5, 5, 5}, cell, {}, false, false, 1, 1).Empty());
    EXPECT_TRUE(RenderElement({5, 5, 2, 9}, cell, {}, false, false, 1, 1).Empty());
}

TEST(RenderElement, ShrinkingDropsWholePixels) {
    // Corners 1:1, edges and centre scaled down: every pixel is a source pixel.
    const TDib out =
        RenderElement({0, 0, 20, 14}, Checkerboard(30, 24), Margins3245, false, false, 1, 1);
    EXPECT_TRUE(WholeCheckerPixels(out, {0, 0, 20, 14}));
}

TEST(DrawElement, PaintsAtTheTargetAndNothingForEmptyTargets) {
    const TDib cell = RegionStrip(1, 12, 10, 3, 2, 4, 5);
    const Colour back = MakeColour(1, 2, 3);
    TDrawTarget canvas(60, 50, back);
    DrawElement(canvas, {0, 0, 0, 0}, cell, false, false, false, 1, 1, Margins3245);
    DrawElement(canvas, {30, 30, 10, 10}, cell, false, false, false, 1, 1, Margins3245);
    EXPECT_TRUE(PixelsAre(canvas.Pixels(), [&](int, int) { return back; }));

    DrawElement(canvas, {10, 5, 50, 35}, cell, false, false, false, 1, 1, Margins3245);
    EXPECT_TRUE(PixelsAre(canvas.Pixels(), [&](int x, int y) {
        if (x < 10 || x >= 50 || y < 5 || y >= 35)
            return back;
        return RegionColour(1, RegionOf(x - 10, y - 5, 40, 30, 3, 2, 4, 5));
    }));
}

TEST(DrawElement, TransparentDrawLeavesKeyPixelsAlone) {
    TDib cell = RegionStrip(1, 12, 10, 3, 2, 4, 5);
    for (int y = 0; y < 2; ++y) { // top-left corner becomes key colour
        for (int x = 0; x < 3; ++x) {
            cell.SetPixel(x, y, KeyColour);
        }
    }
    const Colour back = MakeColour(9, 9, 9);
    TDrawTarget canvas(40, 30, back);
    DrawElement(canvas, {0, 0, 40, 30}, cell, false, false, true, 1, 1, Margins3245);
    EXPECT_TRUE(PixelsAre(canvas.Pixels(), [&](int x, int y) {
        const int region = RegionOf(x, y, 40, 30, 3, 2, 4, 5);
        return region == 0 ? back : RegionColour(1, region);
    }));
}

TEST(DrawElementRing, ShrinkingDropsWholePixels) {
    TDrawTarget canvas(30, 20, MakeColour(1, 1, 1));
    DrawElementRing(canvas, {0, 0, 30, 20}, Checkerboard(60, 40), false, 1, 1, {8, 6, 8, 6});
    const TDib& pixels = canvas.Pixels();
    EXPECT_TRUE(WholeCheckerPixels(pixels, {0, 0, 30, 6})) << "top";
    EXPECT_TRUE(WholeCheckerPixels(pixels, {0, 6, 8, 14})) << "left";
}

TEST(DrawElementRing, LeavesTheCentreAsItWas) {
    const TDib cell = RegionStrip(2, 12, 10, 3, 2, 4, 5);
    const Colour back = MakeColour(5, 6, 7);
    TDrawTarget canvas(50, 40, back);
    DrawElementRing(canvas, {5, 5, 45, 35}, cell, false, 2, 2, Margins3245);
    EXPECT_TRUE(PixelsAre(canvas.Pixels(), [&](int x, int y) {
        if (x < 5 || x >= 45 || y < 5 || y >= 35)
            return back;
        const int region = RegionOf(x - 5, y - 5, 40, 30, 3, 2, 4, 5);
        return region == 4 ? back : RegionColour(2, region);
    }));
}

} // namespace
