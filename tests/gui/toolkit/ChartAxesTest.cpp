#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gui/toolkit/ChartAxes.h"

namespace porvap {
namespace {

TEST(ChooseTicks, KeepsTheDataSpacingFromTheMinimum) {
    const AxisTicks ticks = ChooseTicks({"Mass", -2.0, 2.0, 0.5});
    EXPECT_DOUBLE_EQ(ticks.minimum, -2.0);
    EXPECT_DOUBLE_EQ(ticks.maximum, 2.0);
    EXPECT_DOUBLE_EQ(ticks.anchor, -2.0);
    EXPECT_DOUBLE_EQ(ticks.interval, 0.5);
    EXPECT_EQ(ticks.decimals, 1);
    // Decimals enough for the spacing, a few figures for one with no short form.
    EXPECT_EQ(ChooseTicks({"Share", 0.0, 100.0, 100.0 / 11.0}).decimals, 2);
    EXPECT_EQ(ChooseTicks({"T", 18.0, 31.0, 1.3}).decimals, 1);
    EXPECT_EQ(ChooseTicks({"Heat", 0.0, 1100.0, 100.0}).decimals, 0);
}

TEST(ChooseTicks, PicksARoundSpacingWhenLeftToTheView) {
    AxisTicks ticks = ChooseTicks({"T", 20.0, 40.0, 0.0});
    EXPECT_DOUBLE_EQ(ticks.interval, 5.0);
    EXPECT_DOUBLE_EQ(ticks.anchor, 20.0);
    EXPECT_EQ(ticks.decimals, 0);

    ticks = ChooseTicks({"T", -0.33, 0.97, 0.0});
    EXPECT_DOUBLE_EQ(ticks.interval, 0.5);
    EXPECT_DOUBLE_EQ(ticks.anchor, 0.0);  // on a round value inside the range
    EXPECT_EQ(ticks.decimals, 1);
}

TEST(ChooseTicks, KeepsTheLastTickOfAnUnevenSplit) {
    // The ticks are laid by repeated addition, which overshoots 100 here by a rounding error.
    const AxisTicks ticks = ChooseTicks({"Share", 0.0, 100.0, 100.0 / 11.0});
    double last = ticks.anchor;
    for (int i = 0; i < 11; ++i)
        last += ticks.interval;
    EXPECT_LE(last, ticks.maximum);
    EXPECT_NEAR(ticks.maximum, 100.0, 1e-9);
    EXPECT_EQ(ChooseTicks({"Flow", -30.0, 30.0, 7.5}).maximum, 30.0);
}

TEST(ChooseTicks, ThinsTheDataSpacingToTheRoomForLabels) {
    AxisTicks ticks = ChooseTicks({"Points", 1.0, 50.0, 1.0}, 20);
    EXPECT_DOUBLE_EQ(ticks.anchor, 1.0);
    EXPECT_DOUBLE_EQ(ticks.interval, 5.0);
    EXPECT_EQ(ticks.decimals, 0);
    EXPECT_DOUBLE_EQ(ChooseTicks({"Points", 1.0, 50.0, 1.0}, 50).interval, 1.0);

    ticks = ChooseTicks({"Mass", -2.0, 2.0, 0.5}, 5);
    EXPECT_DOUBLE_EQ(ticks.interval, 1.0);
    EXPECT_EQ(ticks.decimals, 1);  // written as the data's spacing is

    ticks = ChooseTicks({"T", 20.0, 40.0, 0.0}, 3);
    EXPECT_DOUBLE_EQ(ticks.interval, 10.0);
    EXPECT_DOUBLE_EQ(ChooseTicks({"T", 20.0, 40.0, 0.0}, 0).interval, 20.0);
}

TEST(ChooseTicks, SurvivesUnusableAxes) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // A spacing that would flood the axis, none at all, and ranges with no length.
    for (const ChartAxis& axis :
         {ChartAxis{"", 0.0, 1000.0, 1e-9}, ChartAxis{"", 0.0, 1000.0, -1.0},
          ChartAxis{"", 0.0, 1000.0, nan}, ChartAxis{"", 1.0, 1.0, 1.0},
          ChartAxis{"", 5.0, 2.0, 0.0}, ChartAxis{"", nan, 3.0, 0.0}}) {
        const AxisTicks ticks = ChooseTicks(axis);
        EXPECT_TRUE(std::isfinite(ticks.minimum) && std::isfinite(ticks.maximum));
        EXPECT_GT(ticks.maximum, ticks.minimum);
        EXPECT_GT(ticks.interval, 0.0);
        EXPECT_LE((ticks.maximum - ticks.minimum) / ticks.interval, kMaxTicks);
    }
    EXPECT_DOUBLE_EQ(ChooseTicks({"", 1.0, 1.0, 1.0}).minimum, 1.0);
}

}  // namespace
}  // namespace porvap
