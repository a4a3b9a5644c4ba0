// The skin with unusual geometry that the frame tests use beside our two:
// loaded into the model, its numbers are the ones no shipped skin has.
#include "skin/WinSkinData/SkinModel.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace skin;

namespace {

struct TestSkin : ::testing::Test {
    TSkinModel m;
    void SetUp() override {
        std::ifstream in(KANVIO_TEST_SKIN, std::ios::binary);
        const std::vector<uint8_t> package{std::istreambuf_iterator<char>(in), {}};
        ASSERT_TRUE(m.LoadSkin(package)) << KANVIO_TEST_SKIN;
    }
    // Thickness of a border: frames side by side for the side borders,
    // stacked for the top and bottom ones.
    static int Thickness(const TDataSkinBorder& b, bool stacked) {
        return (stacked ? b.Bitmap.Height() : b.Bitmap.Width()) / std::max(b.Frame, 1);
    }
};

bool Orange(Colour c) {
    return RedOf(c) > BlueOf(c) + 100;
}
bool Blue(Colour c) {
    return BlueOf(c) > RedOf(c) + 60;
}

TEST_F(TestSkin, EverySideHasItsOwnWidthAndTheTitleBarIsTall) {
    EXPECT_EQ(m.SkinName, "Kanvio Test");
    EXPECT_EQ(Thickness(m.BorderLeft, false), 3);
    EXPECT_EQ(Thickness(m.BorderRight, false), 9);
    EXPECT_EQ(Thickness(m.BorderBottom, true), 6);
    EXPECT_EQ(Thickness(m.BorderTop, true), 40);
    for (const TDataSkinBorder* b :
         {&m.BorderLeft, &m.BorderRight, &m.BorderTop, &m.BorderBottom}) {
        EXPECT_EQ(b->Frame, 2) << b->Name << ": active and inactive";
        EXPECT_EQ(b->Trans, 1) << b->Name << ": shapes the window";
    }
    // The side borders keep the title bar and the rounded bottom corner whole.
    EXPECT_EQ(m.BorderLeft.TopHeight, 40);
    EXPECT_EQ(m.BorderLeft.BottomHeight, 6 + 14);
    EXPECT_EQ(m.BorderRight.BottomHeight, 6 + 14);
}

TEST_F(TestSkin, AllFourBordersHaveKeyedCornersInBothFrames) {
    const TDib& left = m.BorderLeft.Bitmap;
    const TDib& right = m.BorderRight.Bitmap;
    const TDib& top = m.BorderTop.Bitmap;
    const TDib& bottom = m.BorderBottom.Bitmap;
    for (int frame = 0; frame < 2; ++frame) {
        SCOPED_TRACE(frame == 0 ? "active" : "inactive");
        EXPECT_EQ(left.Pixel(frame * 3, 0), KeyColour);
        EXPECT_EQ(left.Pixel(frame * 3, left.Height() - 1), KeyColour);
        EXPECT_EQ(right.Pixel(frame * 9 + 8, 0), KeyColour);
        EXPECT_EQ(right.Pixel(frame * 9 + 8, right.Height() - 1), KeyColour);
        // The radius is larger than either side border, so the corners reach
        // into both ends of the top and bottom borders.
        EXPECT_EQ(top.Pixel(0, frame * 40), KeyColour);
        EXPECT_EQ(top.Pixel(top.Width() - 1, frame * 40), KeyColour);
        EXPECT_EQ(bottom.Pixel(0, frame * 6 + 5), KeyColour);
        EXPECT_EQ(bottom.Pixel(bottom.Width() - 1, frame * 6 + 5), KeyColour);
        // The middles are solid.
        EXPECT_NE(top.Pixel(top.Width() / 2, frame * 40 + 20), KeyColour);
        EXPECT_NE(bottom.Pixel(bottom.Width() / 2, frame * 6 + 5), KeyColour);
        EXPECT_NE(left.Pixel(frame * 3 + 1, left.Height() / 2), KeyColour);
    }
}

TEST_F(TestSkin, ActiveAndInactiveFramesAreOrangeAndBlue) {
    const TDib& top = m.BorderTop.Bitmap;
    const TDib& left = m.BorderLeft.Bitmap;
    const TDib& bottom = m.BorderBottom.Bitmap;
    EXPECT_TRUE(Orange(top.Pixel(120, 20)));
    EXPECT_TRUE(Blue(top.Pixel(120, 40 + 20)));
    EXPECT_TRUE(Orange(left.Pixel(1, 60)));
    EXPECT_TRUE(Blue(left.Pixel(3 + 1, 60)));
    EXPECT_TRUE(Orange(bottom.Pixel(60, 2)));
    EXPECT_TRUE(Blue(bottom.Pixel(60, 6 + 2)));
}

TEST_F(TestSkin, CaptionIsCentredOnATextBackground) {
    EXPECT_EQ(m.Title.TextAlignment, 1);
    EXPECT_EQ(m.Title.TopHeight, 6) << "TextShiftVert";
    EXPECT_EQ(m.Title.RightWidth, 12) << "TextRightClip";
    EXPECT_EQ(m.Title.TXTBackleft, 14);
    EXPECT_EQ(m.Title.TXTBackRight, 14);
    const TDib& back = m.Title.Bitmap;
    ASSERT_FALSE(back.Empty());
    EXPECT_EQ(back.Height(), 2 * 40) << "active and inactive cells stacked, title-bar high";
    EXPECT_EQ(back.Pixel(0, 0), KeyColour) << "keyed around the pill";
    EXPECT_NE(back.Pixel(back.Width() / 2, 20), back.Pixel(back.Width() / 2, 60));
    EXPECT_NE(m.Title.ActiveTextColour, NoColour);
    EXPECT_NE(m.Title.InActiveTextColour, NoColour);
}

TEST_F(TestSkin, CaptionButtonsUseEveryAnchoring) {
    ASSERT_EQ(m.SysButtons.size(), 7u + 3u);
    struct Expected {
        int action, align, visibility, frame;
    };
    const Expected expected[] = {
        {0, 1, 0, 4},    // close, from the right edge
        {1, 1, 6, 4},    // maximise
        {1, 1, 6, 4},    // restore
        {2, 2, 8, 4},    // minimise, left of the caption text
        {3, 0, 0, 6},    // the window icon: no image, so the default count
        {40, 0, 200, 3}, // posted action; three cells derived from the image
        {-1, 9, 0, 6},   // decoration right of the caption; six cells for a negative action
        {7, 100, 100, 4}, {8, 100, 100, 4}, {9, 100, 100, 4},
    };
    for (size_t i = 0; i < m.SysButtons.size(); ++i) {
        const TDataSkinSysButton& b = *m.SysButtons[i];
        SCOPED_TRACE(b.Name);
        EXPECT_EQ(b.Action, expected[i].action);
        EXPECT_EQ(b.Align, expected[i].align);
        EXPECT_EQ(b.Visibility, expected[i].visibility);
        EXPECT_EQ(b.Frame, expected[i].frame);
    }
    EXPECT_TRUE(m.SysButtons[4]->Bitmap.Empty()) << "the icon button shows the window icon";
    EXPECT_EQ(m.SysButtons[5]->Bitmap.Width(), 3 * m.SysButtons[5]->Bitmap.Height());
    EXPECT_EQ(m.SysButtons[0]->Xcoord, 9 + 6 + 30) << "clear of the 9-pixel right border";
    EXPECT_EQ(m.SysButtons[0]->Ycoord, 4) << "not centred in the title bar";
    EXPECT_NE(m.SysButtons[0]->Ycoord, m.SysButtons[3]->Ycoord);
}

} // namespace
