// Pictures at another size: whole factors replicate pixels, growth blends
// neighbours, shrinking averages by area, and a key colour stays exact and
// never bleeds into the pixels beside it.
#include "base/ScalePixels.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

using Pixels = std::vector<uint32_t>;

constexpr uint32_t Key = 0xFF00FF;
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Black = 0x000000;

TEST(ScalePixels, WholeFactorsReplicateEachPixelIntoASharpBlock) {
    const Pixels source{1, 2, 3, 4};
    EXPECT_EQ(base::ScalePixels(source, 2, 2, 4, 4),
              (Pixels{1, 1, 2, 2, 1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 4, 4}));
    EXPECT_EQ(base::ScalePixels(source, 2, 2, 2, 2), source) << "the same size changes nothing";
    EXPECT_EQ(base::ScalePixels(source, 2, 2, 6, 2), (Pixels{1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4}))
        << "each axis on its own";
}

TEST(ScalePixels, GrowingByAFractionBlendsNeighboursAndKeepsTheEdges) {
    // Black to white over 2 pixels, at 3: the ends stay, the middle is grey.
    EXPECT_EQ(base::ScalePixels(Pixels{Black, White}, 2, 1, 3, 1),
              (Pixels{Black, 0x808080, White}));
}

TEST(ScalePixels, ShrinkingAveragesThePixelsEachTargetPixelCovers) {
    EXPECT_EQ(base::ScalePixels(Pixels{0, 100, 200, 250}, 4, 1, 2, 1), (Pixels{50, 225}));
    // 3 to 2: each target pixel covers one whole source pixel and half the middle one.
    EXPECT_EQ(base::ScalePixels(Pixels{0, 90, 180}, 3, 1, 2, 1), (Pixels{30, 150}));
    // A checker of black and white at a quarter of its size is an even grey.
    const Pixels checker{Black, White, White, Black};
    EXPECT_EQ(base::ScalePixels(checker, 2, 2, 1, 1), (Pixels{0x808080}));
}

TEST(ScalePixels, EveryByteIsBlendedOnItsOwnAlphaToo) {
    EXPECT_EQ(base::ScalePixels(Pixels{0xFF0000FF, 0x00FFFF00}, 2, 1, 1, 1), (Pixels{0x80808080}));
}

TEST(ScalePixels, TheKeyColourStaysExactAndNeverBleedsIntoItsNeighbours) {
    // Growing: a target pixel whose nearest source pixel is the key is the key.
    EXPECT_EQ(base::ScalePixels(Pixels{White, Key}, 2, 1, 3, 1, Key), (Pixels{White, Key, Key}));
    // Shrinking: the key's share is left out of the blend, so no pink tinge.
    EXPECT_EQ(base::ScalePixels(Pixels{White, Key, Black}, 3, 1, 2, 1, Key),
              (Pixels{White, Black}));
    // Without a key the same colour is blended like any other.
    EXPECT_EQ(base::ScalePixels(Pixels{White, Key, Black}, 3, 1, 2, 1),
              (Pixels{0xFFAAFF, 0x550055}));
    // A picture that is all key stays all key at any size.
    EXPECT_EQ(base::ScalePixels(Pixels(4, Key), 2, 2, 3, 3, Key), Pixels(9, Key));
}

TEST(ScalePixels, EmptySidesGiveNoPixelsAndBadSidesAreRefusedWithAReason) {
    EXPECT_TRUE(base::ScalePixels(Pixels{}, 0, 0, 5, 5).empty());
    EXPECT_TRUE(base::ScalePixels(Pixels{1, 2}, 2, 1, 0, 3).empty());
    EXPECT_THROW(base::ScalePixels(Pixels{1, 2}, -2, 1, 4, 2), std::invalid_argument);
    EXPECT_THROW(base::ScalePixels(Pixels{1, 2}, 2, 1, 4, -2), std::invalid_argument);
    try {
        base::ScalePixels(Pixels{1, 2, 3}, 2, 2, 4, 4);
        ADD_FAILURE() << "a short source was read past its end";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "a picture has fewer pixels than its sides say");
    }
}

} // namespace
