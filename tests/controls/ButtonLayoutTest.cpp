// Where glyph and caption go: the four layouts with every Margin / Spacing
// combination, checked against the sums they must satisfy.
#include "skin/WinSubClass/ButtonLayout.h"

#include <gtest/gtest.h>

using namespace skin;

namespace {

constexpr TLayoutSize Button{100, 40};
constexpr TLayoutSize Glyph{16, 12};
constexpr TLayoutSize Text{30, 14};

TEST(ButtonLayout, FreeMarginAndSpacingSplitTheRoomIntoThreeEqualParts) {
    const TButtonPlacement across =
        CalcButtonLayout(Button, Glyph, Text, TGlyphLayout::Left, -1, -1);
    // (100 - 46) / 3 = 18 before the glyph, 18 between, the rest after.
    EXPECT_EQ(across.glyph.x, 18);
    EXPECT_EQ(across.text.x, 18 + 16 + 18);
    EXPECT_EQ(across.glyph.y, (40 - 12 + 1) / 2);
    EXPECT_EQ(across.text.y, (40 - 14 + 1) / 2);
    EXPECT_EQ(across.align, TCaptionAlign::Left);
    const TButtonPlacement down = CalcButtonLayout(Button, Glyph, Text, TGlyphLayout::Top, -1, -1);
    // (40 - 26) / 3 = 4.
    EXPECT_EQ(down.glyph.y, 4);
    EXPECT_EQ(down.text.y, 4 + 12 + 4);
    EXPECT_EQ(down.glyph.x, (100 - 16 + 1) / 2);
    EXPECT_EQ(down.text.x, (100 - 30 + 1) / 2);
    EXPECT_EQ(down.align, TCaptionAlign::Centre);
}

TEST(ButtonLayout, AFreeMarginWithAGivenSpacingCentresBothTogether) {
    const TButtonPlacement left = CalcButtonLayout(Button, Glyph, Text, TGlyphLayout::Left, -1, 4);
    EXPECT_EQ(left.glyph.x, (100 - 50) / 2);
    EXPECT_EQ(left.text.x, 25 + 16 + 4);
    const TButtonPlacement right =
        CalcButtonLayout(Button, Glyph, Text, TGlyphLayout::Right, -1, 4);
    EXPECT_EQ(right.glyph.x, 100 - 25 - 16);
    EXPECT_EQ(right.text.x, right.glyph.x - 4 - 30);
    EXPECT_EQ(right.align, TCaptionAlign::Right);
    const TButtonPlacement bottom =
        CalcButtonLayout(Button, Glyph, Text, TGlyphLayout::Bottom, -1, 2);
    // (40 - 28) / 2 = 6 from the bottom.
    EXPECT_EQ(bottom.glyph.y, 40 - 6 - 12);
    EXPECT_EQ(bottom.text.y, bottom.glyph.y - 2 - 14);
    // A speed button puts them one pixel further on.
    const TButtonPlacement speed =
        CalcButtonLayout(Button, Glyph, Text, TGlyphLayout::Left, -1, 4, true);
    EXPECT_EQ(speed.glyph.x, left.glyph.x + 1);
}

TEST(ButtonLayout, AGivenMarginWithAFreeSpacingCentresTheCaptionInTheRest) {
    const TButtonPlacement left = CalcButtonLayout(Button, Glyph, Text, TGlyphLayout::Left, 5, -1);
    EXPECT_EQ(left.glyph.x, 5);
    // ((100 - 5 - 16) - 30) / 2 = 24.
    EXPECT_EQ(left.text.x, 5 + 16 + 24);
    const TButtonPlacement top = CalcButtonLayout(Button, Glyph, Text, TGlyphLayout::Top, 3, -1);
    EXPECT_EQ(top.glyph.y, 3);
    // ((40 - 3 - 12) - 14) / 2 = 5.
    EXPECT_EQ(top.text.y, 3 + 12 + 5);
}

TEST(ButtonLayout, GivenMarginAndSpacingAreTakenAsTheyAre) {
    const TButtonPlacement right = CalcButtonLayout(Button, Glyph, Text, TGlyphLayout::Right, 6, 3);
    EXPECT_EQ(right.glyph.x, 100 - 6 - 16);
    EXPECT_EQ(right.text.x, 100 - 6 - 16 - 3 - 30);
    const TButtonPlacement bottom =
        CalcButtonLayout(Button, Glyph, Text, TGlyphLayout::Bottom, 2, 1);
    EXPECT_EQ(bottom.glyph.y, 40 - 2 - 12);
    EXPECT_EQ(bottom.text.y, 40 - 2 - 12 - 1 - 14);
}

TEST(ButtonLayout, WithoutAGlyphOrACaptionThereIsNoSpacing) {
    const TButtonPlacement noGlyph = CalcButtonLayout(Button, {}, Text, TGlyphLayout::Left, -1, -1);
    // Spacing 0, then the margin centres the caption alone.
    EXPECT_EQ(noGlyph.text.x, (100 - 30) / 2);
    const TButtonPlacement noText = CalcButtonLayout(Button, Glyph, {}, TGlyphLayout::Left, -1, 10);
    EXPECT_EQ(noText.glyph.x, (100 - 16) / 2);
}

TEST(ButtonLayout, ARoomTooSmallGivesNegativeOffsetsTruncatedTowardZero) {
    const TButtonPlacement tight =
        CalcButtonLayout({20, 10}, Glyph, Text, TGlyphLayout::Left, -1, -1);
    // (20 - 46) / 3 = -8 (toward zero, not -9).
    EXPECT_EQ(tight.glyph.x, -8);
    EXPECT_EQ(tight.text.x, -8 + 16 - 8);
    EXPECT_EQ(tight.glyph.y, (10 - 12 + 1) / 2);
}

TEST(ButtonLayout, LayoutNamesIgnoreCaseAndUnknownOnesAreLeft) {
    EXPECT_EQ(GlyphLayoutFromName("blGlyphRight"), TGlyphLayout::Right);
    EXPECT_EQ(GlyphLayoutFromName("BLGLYPHTOP"), TGlyphLayout::Top);
    EXPECT_EQ(GlyphLayoutFromName("blglyphbottom"), TGlyphLayout::Bottom);
    EXPECT_EQ(GlyphLayoutFromName("sideways"), TGlyphLayout::Left);
    EXPECT_EQ(GlyphLayoutFromName(nullptr), TGlyphLayout::Left);
}

} // namespace
