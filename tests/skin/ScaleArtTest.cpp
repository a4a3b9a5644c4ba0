// Skin art scaled to a display scale: sizes and cuts where the scaled
// measures put them, the colour key exact, no blending across a cut, and
// pixel replication at whole scales.
#include "skin/ImgUtil/ScaleArt.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace skin;

namespace {

constexpr Colour Red = MakeColour(255, 0, 0);
constexpr Colour Blue = MakeColour(0, 0, 255);
constexpr Colour White = MakeColour(255, 255, 255);
constexpr Colour Black = MakeColour(0, 0, 0);

TDib Filled(int width, int height, Colour colour) {
    TDib dib(width, height);
    dib.Fill(colour);
    return dib;
}

std::set<Colour> ColoursIn(const TDib& dib, int x0, int x1, int y0, int y1) {
    std::set<Colour> colours;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            colours.insert(dib.Pixel(x, y));
        }
    }
    return colours;
}

TEST(ScaleArt, AtTheDesignScaleTheArtIsUntouchedAndAtWholeScalesPixelsAreReplicated) {
    TDib checker(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            checker.SetPixel(x, y, (x + y) % 2 ? White : (x == 2 ? KeyColour : Black));
        }
    }
    EXPECT_EQ(ScaleArt(checker, {}, {}, DesignDpi), checker);
    const std::vector<int> cuts{2, 3};
    const TDib twice = ScaleArt(checker, cuts, {}, 192);
    ASSERT_EQ(twice.Width(), 10);
    ASSERT_EQ(twice.Height(), 6);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 10; ++x) {
            EXPECT_EQ(twice.Pixel(x, y), checker.Pixel(x / 2, y / 2)) << x << "," << y;
        }
    }
}

// White art with keyed holes at 125 % and 150 %: each pixel is the key or
// pure white, never pink; a scaled pixel is the key exactly where its nearest
// source pixel is.
TEST(ScaleArt, TheColourKeyNeverBlendsIntoTheArt) {
    TDib art = Filled(9, 7, White);
    for (const auto& [x, y] : {std::pair{0, 0}, {4, 3}, {5, 3}, {8, 6}, {2, 5}}) {
        art.SetPixel(x, y, KeyColour);
    }
    for (int dpi : {120, 144, 72}) {
        const TDib scaled = ScaleArt(art, {}, {}, dpi);
        EXPECT_EQ(ColoursIn(scaled, 0, scaled.Width(), 0, scaled.Height()),
                  (std::set<Colour>{White, KeyColour}))
            << dpi;
        for (int y = 0; y < scaled.Height(); ++y) {
            for (int x = 0; x < scaled.Width(); ++x) {
                const int sx = std::min(int((x + 0.5) * 9 / scaled.Width()), 8);
                const int sy = std::min(int((y + 0.5) * 7 / scaled.Height()), 6);
                EXPECT_EQ(scaled.Pixel(x, y) == KeyColour, art.Pixel(sx, sy) == KeyColour)
                    << dpi << ": " << x << "," << y;
            }
        }
    }
}

// A red corner four pixels wide beside a blue edge, and two cells stacked:
// cut where the slices and cells meet, no pixel mixes the two; uncut, the
// filter blends across the seam.
TEST(ScaleArt, NoFilterBlendsAcrossACut) {
    TDib art = Filled(10, 8, Blue);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 4; ++x) {
            art.SetPixel(x, y, Red);
        }
    }
    for (int x = 0; x < 10; ++x) {
        art.SetPixel(x, 7, White);
    }
    const std::vector<int> xCuts{4};
    const std::vector<int> yCuts{7};
    const TDib cut = ScaleArt(art, xCuts, yCuts, 144);
    ASSERT_EQ(cut.Width(), 15);
    ASSERT_EQ(cut.Height(), 12);
    EXPECT_EQ(ColoursIn(cut, 0, 6, 0, 11), std::set<Colour>{Red});
    EXPECT_EQ(ColoursIn(cut, 6, 15, 0, 11), std::set<Colour>{Blue});
    EXPECT_EQ(ColoursIn(cut, 0, 15, 11, 12), std::set<Colour>{White});
    const TDib uncut = ScaleArt(art, {}, {}, 144);
    EXPECT_GT(ColoursIn(uncut, 0, 15, 0, 11).size(), 2u);
}

TEST(ScaleArt, ShrinkingAveragesByArea) {
    TDib stripes(4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            stripes.SetPixel(x, y, x % 2 ? White : Black);
        }
    }
    const TDib half = ScaleArt(stripes, {}, {}, 48);
    ASSERT_EQ(half.Width(), 2);
    for (int x = 0; x < 2; ++x) {
        const Colour c = half.Pixel(x, 0);
        EXPECT_NEAR(RedOf(c), 128, 1);
        EXPECT_EQ(RedOf(c), GreenOf(c));
    }
}

// Cuts out of order, repeated or outside the bitmap are passed over; a piece
// that scales to nothing is left out, and a one-pixel art still scales.
TEST(ScaleArt, OddCutsAndTinyArtScaleWithoutFault) {
    const TDib art = Filled(6, 5, Red);
    const std::vector<int> odd{-2, 0, 3, 3, 2, 6, 40};
    const TDib scaled = ScaleArt(art, odd, odd, 120);
    EXPECT_EQ(scaled.Width(), 8);
    EXPECT_EQ(scaled.Height(), 6);
    EXPECT_EQ(ColoursIn(scaled, 0, 8, 0, 6), std::set<Colour>{Red});
    const std::vector<int> everyColumn{1, 2, 3, 4, 5};
    EXPECT_EQ(ScaleArt(art, everyColumn, {}, 48).Width(), 3);
    EXPECT_EQ(ScaleArt(Filled(1, 1, Blue), {}, {}, 144).Pixel(1, 1), Blue);
    EXPECT_TRUE(ScaleArt(TDib(), {}, {}, 192).Empty());
}

} // namespace
