// The two Windows colour layouts and the "no colour" sentinel.
#include "base/Colour.h"

#include <gtest/gtest.h>

namespace {

TEST(Colour, ConvertsBetweenColorrefAndDibPixelLayouts) {
    constexpr base::Colour Orange = base::MakeColour(0xFF, 0x80, 0x10);
    static_assert(Orange == 0x1080FF, "red in the low byte");
    EXPECT_EQ(base::ColourPixel(Orange), 0xFF8010u);
    EXPECT_EQ(base::PixelColour(0xCCFF8010u), Orange) << "alpha is dropped";
    EXPECT_EQ(base::PixelColour(base::ColourPixel(Orange)), Orange);
    EXPECT_EQ(base::RedOf(Orange), 0xFF);
    EXPECT_EQ(base::GreenOf(Orange), 0x80);
    EXPECT_EQ(base::BlueOf(Orange), 0x10);
}

TEST(Colour, NoColourIsNeitherAnRgbValueNorASystemColour) {
    EXPECT_GT(uint32_t(base::NoColour), 0xFFFFFFu);
    EXPECT_NE(uint32_t(base::NoColour) & 0xFF000000u, 0xFF000000u);
}

} // namespace
