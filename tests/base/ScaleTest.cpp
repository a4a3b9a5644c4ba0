// Measures at a display scale: rounded to the nearest pixel, halves away from
// zero, between any two scales.
#include "base/Scale.h"

#include <gtest/gtest.h>

namespace {

TEST(Scale, MeasuresRoundToTheNearestPixelAndHalvesAwayFromZero) {
    EXPECT_EQ(base::ScaleMeasure(7, 96), 7);
    EXPECT_EQ(base::ScaleMeasure(7, 120), 9);   // 8.75
    EXPECT_EQ(base::ScaleMeasure(7, 144), 11);  // 10.5
    EXPECT_EQ(base::ScaleMeasure(-3, 144), -5); // -4.5
    EXPECT_EQ(base::ScaleMeasure(26, 192), 52);
    EXPECT_EQ(base::ScaleMeasure(0, 192), 0);
    EXPECT_EQ(base::ScaleMeasure(1, 72), 1); // 0.75
}

TEST(Scale, BetweenTwoScreensAMeasureGoesThereAndBack) {
    EXPECT_EQ(base::ScaleMeasure(150, 96, 144), 100);
    EXPECT_EQ(base::ScaleMeasure(base::ScaleMeasure(123, 120), 96, 120), 123);
    EXPECT_EQ(base::ScaleMeasure(5, 120, 240), 3); // 2.5
    EXPECT_EQ(base::ScaleMeasure(-5, 120, 240), -3);
    EXPECT_EQ(base::ScaleMeasure(1 << 24, 192), 1 << 25) << "no overflow on the way";
}

} // namespace
