#include <cmath>
#include <numbers>
#include <set>

#include "TestSupport.h"
#include "tools/climate/Random.h"
#include "tools/climate/SolarRadiation.h"

namespace porvap::datagen {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(Random, SequenceDependsOnTheSeedOnly) {
    Random a(838970), b(838970), c(1);
    std::set<std::uint64_t> seen;
    for (int i = 0; i < 1000; ++i) {
        const std::uint64_t x = a.NextBits();
        EXPECT_EQ(x, b.NextBits());
        seen.insert(x);
    }
    EXPECT_EQ(seen.size(), 1000u);
    EXPECT_NE(Random(838970).NextBits(), c.NextBits());
}

TEST(Random, NormalsHaveUnitVarianceAndAutoregressionItsLag) {
    Random random(7);
    Autoregression series(0.6);
    const int n = 200000;
    double sum = 0.0, squares = 0.0, lagged = 0.0, previous = 0.0;
    for (int i = 0; i < n; ++i) {
        const double x = series.Next(random);
        sum += x;
        squares += x * x;
        lagged += x * previous;
        previous = x;
    }
    EXPECT_NEAR(sum / n, 0.0, 0.02);
    EXPECT_NEAR(squares / n, 1.0, 0.02);
    EXPECT_NEAR(lagged / n, 0.6, 0.02);
}

TEST(Erbs, CorrelationIsContinuousAtItsBreakpoints) {
    EXPECT_NEAR(ErbsDiffuseFraction(0.2199), ErbsDiffuseFraction(0.2201), 1e-3);
    EXPECT_NEAR(ErbsDiffuseFraction(0.7999), ErbsDiffuseFraction(0.8001), 1e-3);
    EXPECT_DOUBLE_EQ(ErbsDiffuseFraction(0.9), 0.165);
}

TEST(Erbs, SplitRebuildsTheGlobalIrradianceAndIsZeroAtNight) {
    const double altitude = 30.0;
    const double g0 = 1360.0 * std::sin(altitude * kPi / 180.0);
    for (double global : {50.0, 300.0, 500.0}) {
        const BeamAndDiffuse split = SplitGlobal(global, g0, altitude);
        EXPECT_NEAR(split.beamNormal * std::sin(altitude * kPi / 180.0) + split.diffuse, global,
                    1e-9);
        EXPECT_GE(split.beamNormal, 0.0);
    }
    const BeamAndDiffuse night = SplitGlobal(100.0, g0, -1.0);
    EXPECT_EQ(night.beamNormal, 0.0);
    EXPECT_EQ(night.diffuse, 0.0);
}

}  // namespace
}  // namespace porvap::datagen
