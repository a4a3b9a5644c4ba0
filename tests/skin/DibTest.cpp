#include "skin/ImgUtil/BmpCodec.h"
#include "skin/ImgUtil/Dib.h"
#include "skin/ImgUtil/FrameCell.h"
#include "skin/ImgUtil/PixelTransforms.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace skin;

namespace {

// A bitmap whose every pixel has its own colour, so any misplaced pixel shows.
TDib Numbered(int w, int h, int bpp = 24) {
    TDib dib(w, h, bpp);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            dib.SetPixel(x, y, MakeColour(uint8_t(x * 10 + 1), uint8_t(y * 20 + 2), 77));
        }
    }
    return dib;
}

TEST(Dib, SizesCopiesAndConversion) {
    TDib empty;
    EXPECT_TRUE(empty.Empty());
    EXPECT_TRUE(TDib(0, 5).Empty());
    EXPECT_THROW(TDib(-1, 5), std::length_error);
    EXPECT_THROW(TDib(1 << 14, 1 << 14), std::length_error);

    TDib a = Numbered(5, 3);
    EXPECT_EQ(a.Stride(), 16); // 15 bytes padded to 4
    TDib copy = a;
    copy.SetPixel(0, 0, 0);
    EXPECT_NE(a.Pixel(0, 0), 0u) << "copies own their pixels";
    TDib moved = std::move(copy);
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(moved.Pixel(0, 0), 0u);

    TDib wide = a;
    wide.ConvertTo(32);
    EXPECT_EQ(wide.BitsPerPixel(), 32);
    EXPECT_TRUE(wide == a) << "conversion keeps every colour";
}

TEST(FrameCell, CellsTruncateAndStayInside) {
    const TDib strip(100, 20);
    const TCell third = FrameCellOf(strip, false, 3, 3);
    EXPECT_EQ(third.x, 66);
    EXPECT_EQ(third.width, 33); // column 99 is never used
    const TDib stacked(10, 50);
    const TCell second = FrameCellOf(stacked, true, 2, 2);
    EXPECT_EQ(second.y, 25);
    EXPECT_EQ(second.height, 25);
    // Bad counts and indexes never leave the bitmap.
    EXPECT_EQ(FrameCellOf(strip, false, 0, 1).width, 100);
    EXPECT_EQ(FrameCellOf(strip, false, 4, 9).x, 75);
    EXPECT_EQ(FrameCellOf(strip, false, 4, -3).x, 0);
}

TEST(PixelTransforms, GreyIsTheTruncatedMean) {
    TDib red(2, 2, 32);
    red.Fill(MakeColour(255, 0, 0));
    red.SetPixel(1, 1, MakeColour(1, 1, 2));
    GrayBitmap(red);
    EXPECT_EQ(red.BitsPerPixel(), 24);
    EXPECT_EQ(red.Pixel(0, 0), MakeColour(85, 85, 85));
    EXPECT_EQ(red.Pixel(1, 1), MakeColour(1, 1, 1));
}

TEST(PixelTransforms, MirrorFlipAndTurnsMovePixelsByTheirRules) {
    const TDib start = Numbered(4, 3);
    TDib m = start;
    MirrorBitmap(m);
    EXPECT_EQ(m.Pixel(0, 1), start.Pixel(3, 1));
    EXPECT_EQ(m.Pixel(1, 2), start.Pixel(2, 2));
    TDib f = start;
    FlipBitmap(f);
    EXPECT_EQ(f.Pixel(2, 0), start.Pixel(2, 2));
    EXPECT_EQ(f.Pixel(2, 1), start.Pixel(2, 1));

    TDib left = start;
    RotateBitmapLeft(left);
    ASSERT_EQ(left.Width(), 3);
    ASSERT_EQ(left.Height(), 4);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(left.Pixel(y, 4 - 1 - x), start.Pixel(x, y));
        }
    }
    TDib right = start;
    RotateBitmapRight(right);
    ASSERT_EQ(right.Width(), 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(right.Pixel(3 - 1 - y, x), start.Pixel(x, y));
        }
    }
}

TEST(PixelTransforms, EachTransformUndoesItself) {
    for (int bpp : {24, 32}) {
        const TDib start = Numbered(5, 3, bpp);
        TDib b = start;
        RotateBitmapLeft(b);
        RotateBitmapRight(b);
        EXPECT_TRUE(b == start);
        FlipBitmap(b);
        EXPECT_FALSE(b == start);
        FlipBitmap(b);
        EXPECT_TRUE(b == start);
        MirrorBitmap(b);
        MirrorBitmap(b);
        EXPECT_TRUE(b == start);
        TDib empty;
        RotateBitmapLeft(empty);
        MirrorBitmap(empty);
        EXPECT_TRUE(empty.Empty());
    }
}

} // namespace
