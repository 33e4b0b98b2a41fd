#include <gtest/gtest.h>

#include "TestSupport.h"
#include "core/climate/Psychrometrics.h"

namespace porvap {
namespace {

using test::Near;

constexpr double kChartPressure = 101125.0;  // Pa

TEST(ChartMoistAir, ReferenceValuesAndIceWaterSwitchAtZero) {
    EXPECT_NEAR(SaturationPressure(0.0), 610.8, 0.05);
    EXPECT_NEAR(SaturationPressure(-0.1), 606.1, 0.05);
    EXPECT_NEAR(SaturationPressure(20.0), 2336.6, 0.05);
    EXPECT_NEAR(SaturatedHumidityRatio(20.0, kChartPressure), 0.01471, 5e-6);
    EXPECT_DOUBLE_EQ(HumidityRatio(20.0, 100.0, kChartPressure),
                     SaturatedHumidityRatio(20.0, kChartPressure));
    EXPECT_DOUBLE_EQ(VapourPressure(20.0, 50.0), 0.5 * SaturationPressure(20.0));
}

TEST(ChartMoistAir, WetBulbAtDryBulbIsSaturated) {
    for (double t : {-5.0, 10.0, 30.0})
        EXPECT_TRUE(Near(WetBulbHumidityRatio(t, t, kChartPressure),
                         SaturatedHumidityRatio(t, kChartPressure), 1e-12))
            << t;
}

TEST(ChartMoistAir, DewPointSearchFindsTheGridPointAndAlwaysEnds) {
    EXPECT_NEAR(DewPointSearch(0.010, kChartPressure, 25.0), 13.9, 1e-9);
    // Dry air has no dew point; a start this large cannot be stepped down.
    EXPECT_LT(DewPointSearch(0.0, kChartPressure, 25.0), -100.0);
    EXPECT_DOUBLE_EQ(DewPointSearch(0.010, kChartPressure, 1e20), 1e20);
}

TEST(EngineMoistAir, ReferenceValues) {
    EXPECT_NEAR(SaturationDensity(20.0f), 0.01728f, 5e-6f);
    EXPECT_NEAR(SaturationPressureOverT(20.0f), 8.06f, 0.01f);
    EXPECT_NEAR(LatentHeat(0.0f), 2503700.0f, 0.5f);
    EXPECT_NEAR(LatentHeat(20.0f), 2453948.0f, 1.0f);
}

}  // namespace
}  // namespace porvap
