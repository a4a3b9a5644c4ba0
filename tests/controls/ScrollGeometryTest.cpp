// The arithmetic of skinned scroll bars: arrows of short bars, the thumb's
// size and place for every page rule, hit testing by part, the positions a
// dragged thumb passes to both ends and beyond, and where a window's bars lie.
#include "skin/WinSubClass/ScrollGeometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using skin::TBarGeometry;
using skin::TBarPart;
using skin::TScrollRange;

// Our test system: 17-pixel arrows, a 17-pixel default thumb, the NT minimum.
constexpr skin::TBarMetrics Metrics{17, 17, skin::NtMinimumThumb};

TBarGeometry Bar(int length) {
    TBarGeometry bar;
    skin::SetBarLength(bar, length, Metrics.arrow);
    return bar;
}

TEST(ScrollGeometry, MulDivRoundsHalvesAwayFromZeroAndRefusesZeroDivisors) {
    EXPECT_EQ(skin::MulDivRound(5, 1, 2), 3);
    EXPECT_EQ(skin::MulDivRound(-5, 1, 2), -3);
    EXPECT_EQ(skin::MulDivRound(5, -1, 2), -3);
    EXPECT_EQ(skin::MulDivRound(5, 1, -2), -3);
    EXPECT_EQ(skin::MulDivRound(7, 3, 4), 5); // 5.25
    EXPECT_EQ(skin::MulDivRound(1, 1, 0), -1);
    EXPECT_EQ(skin::MulDivRound(std::numeric_limits<int>::max(), 4, 1), -1);
}

TEST(ScrollGeometry, ABarShorterThanTwoArrowsHasTwoHalfArrowsAndNoTrack) {
    EXPECT_EQ(Bar(200), (TBarGeometry{17, 166, 0, 0}));
    EXPECT_EQ(Bar(34), (TBarGeometry{17, 0, 0, 0}));
    EXPECT_EQ(Bar(33), (TBarGeometry{16, 0, 0, 0}));
    EXPECT_EQ(Bar(25), (TBarGeometry{12, 0, 0, 0}));
    EXPECT_EQ(Bar(1), (TBarGeometry{0, 0, 0, 0}));
    EXPECT_EQ(Bar(-5), (TBarGeometry{0, 0, 0, 0}));
}

TEST(ScrollGeometry, WindowThumbFollowsPageAndPosition) {
    TBarGeometry bar = Bar(200); // track 166
    ASSERT_TRUE(skin::WindowThumb(bar, {0, 100, 20, 0}, Metrics));
    EXPECT_EQ(bar.thumbSize, 33); // 20 * 166 / 100 = 33.2
    EXPECT_EQ(bar.thumbPos, 0);
    ASSERT_TRUE(skin::WindowThumb(bar, {0, 100, 20, 80}, Metrics));
    EXPECT_EQ(bar.thumbPos, 166 - 33);
    ASSERT_TRUE(skin::WindowThumb(bar, {0, 100, 20, 40}, Metrics));
    EXPECT_EQ(bar.thumbPos, 67); // 40 * 133 / 80 = 66.5
    // Past the last position the thumb stays at the track's end.
    ASSERT_TRUE(skin::WindowThumb(bar, {0, 100, 20, 100}, Metrics));
    EXPECT_EQ(bar.thumbPos, 166 - 33);
    // An offset range.
    ASSERT_TRUE(skin::WindowThumb(bar, {-50, 50, 20, -10}, Metrics));
    EXPECT_EQ(bar.thumbPos, 67);
}

TEST(ScrollGeometry, WindowThumbNeverShrinksBelowTheMinimumNorGrowsPastTheTrack) {
    TBarGeometry bar = Bar(200);
    ASSERT_TRUE(skin::WindowThumb(bar, {0, 100000, 10, 0}, Metrics));
    EXPECT_EQ(bar.thumbSize, skin::NtMinimumThumb);
    ASSERT_TRUE(skin::WindowThumb(bar, {0, 100, 0, 50}, Metrics));
    EXPECT_EQ(bar.thumbSize, Metrics.defaultThumb) << "no page: the system's thumb";
    EXPECT_EQ(bar.thumbPos, skin::MulDivRound(50, 166 - 17, 100));
    TBarGeometry tiny = Bar(40); // track 6: even the default thumb does not fit
    ASSERT_TRUE(skin::WindowThumb(tiny, {0, 100, 0, 50}, Metrics));
    EXPECT_EQ(tiny.thumbSize, 6);
    EXPECT_EQ(tiny.thumbPos, 0);
    EXPECT_TRUE(skin::ThumbShown(tiny));
    EXPECT_EQ(skin::MinimumThumb(17, true), 8);
    EXPECT_EQ(skin::MinimumThumb(21, true), 10);
    EXPECT_EQ(skin::MinimumThumb(21, false), skin::NtMinimumThumb);
}

TEST(ScrollGeometry, APageAsLargeAsTheRangeFillsTheTrackLessOnePixelAtTheStart) {
    TBarGeometry bar = Bar(200);
    ASSERT_TRUE(skin::WindowThumb(bar, {0, 100, 100, 37}, Metrics));
    EXPECT_EQ(bar.thumbSize, 165);
    EXPECT_EQ(bar.thumbPos, 0);
    // A page beyond the range fills the track and stays inside it.
    ASSERT_TRUE(skin::WindowThumb(bar, {0, 100, 150, 37}, Metrics));
    EXPECT_EQ(bar.thumbSize, 166);
    EXPECT_EQ(bar.thumbPos, 0);
    // A position before the range keeps the thumb at the start.
    ASSERT_TRUE(skin::WindowThumb(bar, {10, 100, 20, 0}, Metrics));
    EXPECT_EQ(bar.thumbPos, 0);
}

TEST(ScrollGeometry, AnEmptyOrInvertedRangeKeepsThePreviousThumb) {
    TBarGeometry bar = Bar(200);
    ASSERT_TRUE(skin::WindowThumb(bar, {0, 100, 20, 40}, Metrics));
    const TBarGeometry before = bar;
    EXPECT_FALSE(skin::WindowThumb(bar, {5, 5, 1, 5}, Metrics));
    EXPECT_FALSE(skin::WindowThumb(bar, {10, 0, 1, 5}, Metrics));
    EXPECT_EQ(bar, before);
    // The full 32-bit span neither overflows nor is refused for a window bar.
    EXPECT_TRUE(skin::WindowThumb(
        bar, {std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), 0x40000000u, 0},
        Metrics));
    EXPECT_EQ(bar.thumbSize, 42); // a quarter of the track, rounded up
}

TEST(ScrollGeometry, ControlThumbCountsBothEndsOfItsRange) {
    TBarGeometry bar = Bar(121); // track 87
    ASSERT_TRUE(skin::ControlThumb(bar, {0, 99, 10, 0}, Metrics));
    EXPECT_EQ(bar.thumbSize, 9); // 10 * 87 / 100 = 8.7
    ASSERT_TRUE(skin::ControlThumb(bar, {0, 99, 10, 90}, Metrics));
    EXPECT_EQ(bar.thumbPos, 87 - 9) << "the last position puts the thumb at the end";
    ASSERT_TRUE(skin::ControlThumb(bar, {0, 99, 100, 50}, Metrics));
    EXPECT_EQ(bar.thumbSize, 86) << "everything shown: the track less one pixel";
    EXPECT_EQ(bar.thumbPos, 0);
    ASSERT_TRUE(skin::ControlThumb(bar, {3, 3, 0, 3}, Metrics)) << "one value is a range";
    const TBarGeometry before = bar;
    EXPECT_FALSE(skin::ControlThumb(bar, {5, 4, 0, 4}, Metrics));
    EXPECT_FALSE(skin::ControlThumb(bar, {0, std::numeric_limits<int>::max(), 0, 0}, Metrics));
    EXPECT_EQ(bar, before);
}

TEST(ScrollGeometry, HitTestFindsEveryPartAlongTheBar) {
    TBarGeometry bar = Bar(200);
    ASSERT_TRUE(skin::WindowThumb(bar, {0, 100, 20, 40}, Metrics)); // thumb 67..100 of track
    const int thumbStart = 17 + 67;
    const int thumbEnd = thumbStart + 33;
    EXPECT_EQ(skin::HitTestBar(bar, -1), TBarPart::Nothing);
    EXPECT_EQ(skin::HitTestBar(bar, 0), TBarPart::LineUp);
    EXPECT_EQ(skin::HitTestBar(bar, 16), TBarPart::LineUp);
    EXPECT_EQ(skin::HitTestBar(bar, 17), TBarPart::PageUp);
    EXPECT_EQ(skin::HitTestBar(bar, thumbStart - 1), TBarPart::PageUp);
    EXPECT_EQ(skin::HitTestBar(bar, thumbStart), TBarPart::Thumb);
    EXPECT_EQ(skin::HitTestBar(bar, thumbEnd - 1), TBarPart::Thumb);
    EXPECT_EQ(skin::HitTestBar(bar, thumbEnd), TBarPart::PageDown);
    EXPECT_EQ(skin::HitTestBar(bar, 182), TBarPart::PageDown);
    EXPECT_EQ(skin::HitTestBar(bar, 183), TBarPart::LineDown);
    EXPECT_EQ(skin::HitTestBar(bar, 199), TBarPart::LineDown);
    EXPECT_EQ(skin::HitTestBar(bar, 200), TBarPart::Nothing);
}

TEST(ScrollGeometry, AThumbThatIsNotDrawnCannotBeHit) {
    TBarGeometry bar = Bar(25); // two half arrows, no track
    ASSERT_TRUE(skin::WindowThumb(bar, {0, 100, 20, 40}, Metrics));
    EXPECT_FALSE(skin::ThumbShown(bar));
    EXPECT_EQ(skin::HitTestBar(bar, 11), TBarPart::LineUp);
    EXPECT_EQ(skin::HitTestBar(bar, 12), TBarPart::LineDown);
    EXPECT_EQ(skin::HitTestBar(bar, 23), TBarPart::LineDown);
    EXPECT_EQ(skin::HitTestBar(bar, 24), TBarPart::Nothing);
}

TEST(ScrollGeometry, DragWithAPageReachesTheLastPagePlusOneAndNoFurther) {
    TBarGeometry bar = Bar(200);
    const TScrollRange info{0, 100, 20, 0};
    ASSERT_TRUE(skin::WindowThumb(bar, info, Metrics));
    EXPECT_EQ(skin::DragThumbTo(bar, info, 0), (skin::TDragStep{0, 0}));
    EXPECT_EQ(skin::DragThumbTo(bar, info, -500), (skin::TDragStep{0, 0}));
    EXPECT_EQ(skin::DragThumbTo(bar, info, 83).position, 50); // 83 * 100 / 166
    const int room = 166 - 33;
    EXPECT_EQ(skin::DragThumbTo(bar, info, 166), (skin::TDragStep{room, 81}));
    EXPECT_EQ(skin::DragThumbTo(bar, info, 5000), (skin::TDragStep{room, 81}));
    int last = -1;
    for (int t = -20; t < 400; ++t) {
        const skin::TDragStep step = skin::DragThumbTo(bar, info, t);
        EXPECT_GE(step.position, last) << "at " << t;
        EXPECT_LE(step.position, 100 - 20 + 1);
        EXPECT_GE(step.thumbPos, 0);
        EXPECT_LE(step.thumbPos, room) << "the thumb leaves its track at " << t;
        last = step.position;
    }
    EXPECT_EQ(last, 81);
}

TEST(ScrollGeometry, DragWithoutAPageReachesTheMaximumWhenTheThumbMeetsTheEnd) {
    TBarGeometry bar = Bar(200);
    const TScrollRange info{10, 60, 0, 10};
    ASSERT_TRUE(skin::WindowThumb(bar, info, Metrics));
    const int room = 166 - 17;
    EXPECT_EQ(skin::DragThumbTo(bar, info, 0), (skin::TDragStep{0, 10}));
    EXPECT_EQ(skin::DragThumbTo(bar, info, room), (skin::TDragStep{room, 60}));
    EXPECT_EQ(skin::DragThumbTo(bar, info, room + 300), (skin::TDragStep{room, 60}));
    EXPECT_EQ(skin::DragThumbTo(bar, info, room / 2).position, 35);
    // Every pixel the thumb passes shows where a repaint would put it.
    for (int t = 0; t <= room; ++t) {
        const skin::TDragStep step = skin::DragThumbTo(bar, info, t);
        TBarGeometry after = bar;
        ASSERT_TRUE(skin::WindowThumb(after, {10, 60, 0, step.position}, Metrics));
        EXPECT_NEAR(after.thumbPos, step.thumbPos, 2) << "at " << t;
    }
}

TEST(ScrollGeometry, DragOverAThumbThatFillsItsTrackStaysAtTheMinimum) {
    TBarGeometry bar = Bar(50); // track 16, default thumb 17 shrinks to 16
    const TScrollRange info{0, 9, 0, 0};
    ASSERT_TRUE(skin::WindowThumb(bar, info, Metrics));
    EXPECT_EQ(skin::DragThumbTo(bar, info, 40), (skin::TDragStep{0, 0}));
}

TEST(ScrollGeometry, BarsSitInsideTheBorderOnTheRightOrLeft) {
    // A 200 x 150 window with a 2-pixel border and both bars.
    const auto both =
        skin::LayoutBars(200, 150, 179, 129, skin::HorzBarStyle | skin::VertBarStyle, 0, 17, 2);
    ASSERT_TRUE(both.hasHorz && both.hasVert);
    EXPECT_EQ(both.horz, (skin::TBarRect{2, 131, 181, 148}));
    EXPECT_EQ(both.vert, (skin::TBarRect{181, 2, 198, 131}));
    EXPECT_EQ(both.corner, (skin::TBarRect{181, 131, 198, 148}));
    const auto left = skin::LayoutBars(200, 150, 179, 129, skin::HorzBarStyle | skin::VertBarStyle,
                                       skin::LeftBarExStyle, 17, 2);
    EXPECT_EQ(left.horz, (skin::TBarRect{19, 131, 198, 148}));
    EXPECT_EQ(left.vert, (skin::TBarRect{2, 2, 19, 131}));
    EXPECT_EQ(left.corner, (skin::TBarRect{2, 131, 19, 148}));
    const auto vert = skin::LayoutBars(200, 150, 179, 146, skin::VertBarStyle, 0, 17, 2);
    EXPECT_FALSE(vert.hasHorz);
    EXPECT_EQ(vert.vert, (skin::TBarRect{181, 2, 198, 148}));
    const auto vertLeft =
        skin::LayoutBars(200, 150, 179, 146, skin::VertBarStyle, skin::LeftBarExStyle, 17, 2);
    EXPECT_EQ(vertLeft.vert, (skin::TBarRect{2, 2, 19, 148}));
    // A borderless window with only a horizontal bar.
    const auto horz = skin::LayoutBars(200, 150, 200, 133, skin::HorzBarStyle, 0, 17, 2);
    EXPECT_FALSE(horz.hasVert);
    EXPECT_EQ(horz.horz, (skin::TBarRect{0, 133, 200, 150}));
    const auto none = skin::LayoutBars(200, 150, 196, 146, 0, 0, 17, 2);
    EXPECT_FALSE(none.hasHorz || none.hasVert);
}

} // namespace
