#include <cmath>
#include <numbers>
#include <set>

#include "TestSupport.h"
#include "tools/climate/Random.h"
#include "tools/climate/SolarGeometry.h"
#include "tools/climate/SolarRadiation.h"
#include "tools/climate/WeatherSynthesis.h"

namespace porvap::datagen {
namespace {

constexpr Site kFlorianopolis = {-27.60, -48.55, -3.0};
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

// Highest sun of the day, searched minute by minute.
SunPosition NoonSun(int dayOfYear) {
    SunPosition best = SolarPosition(kFlorianopolis, dayOfYear, 10.0);
    for (double hour = 10.0; hour < 14.0; hour += 1.0 / 60.0) {
        const SunPosition sun = SolarPosition(kFlorianopolis, dayOfYear, hour);
        if (sun.altitude > best.altitude)
            best = sun;
    }
    return best;
}

TEST(SolarPosition, NoonAltitudesAtTheSolsticesAndTheSunStandsNorth) {
    const SunPosition december = NoonSun(355);
    const SunPosition june = NoonSun(172);
    EXPECT_NEAR(december.altitude, 90.0 - std::fabs(-27.60 + 23.44), 0.3);
    EXPECT_NEAR(june.altitude, 90.0 - (27.60 + 23.44), 0.3);
    EXPECT_NEAR(june.azimuth, 0.0, 2.0);
}

TEST(SolarPosition, AzimuthIsEastInTheMorningWestInTheAfternoonAndInRange) {
    for (int day = 1; day <= 365; day += 7) {
        EXPECT_GT(SolarPosition(kFlorianopolis, day, 9.0).azimuth, 0.0);
        EXPECT_LT(SolarPosition(kFlorianopolis, day, 15.0).azimuth, 0.0);
        for (double hour = 0.5; hour < 24.0; hour += 1.0) {
            const double azimuth = SolarPosition(kFlorianopolis, day, hour).azimuth;
            EXPECT_GT(azimuth, -180.0);
            EXPECT_LE(azimuth, 180.0);
        }
    }
    // At the equinox the sun rises close to due east.
    double hour = 5.0;
    while (SolarPosition(kFlorianopolis, 80, hour).altitude < 0.0)
        hour += 1.0 / 60.0;
    EXPECT_NEAR(SolarPosition(kFlorianopolis, 80, hour).azimuth, 90.0, 1.5);
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

TEST(SurfaceIrradiance, HorizontalSurfaceSeesTheGlobalIrradiance) {
    const Surface roof = {0.0, 0.0, 0.2};
    EXPECT_NEAR(SurfaceIrradiance(800.0, 100.0, 30.0, 45.0, roof), 800.0 * 0.5 + 100.0, 1e-9);
}

TEST(SurfaceIrradiance, NorthWallSeesTheNorthernSunAndNotTheSouthernOne) {
    const Surface wall = {0.0, 90.0, 0.2};
    const double ground = 0.2 * (800.0 + 100.0) / 2.0;
    EXPECT_NEAR(SurfaceIrradiance(800.0, 100.0, 0.0, 0.0, wall), 800.0 + 100.0 + ground, 1e-9);
    EXPECT_NEAR(SurfaceIrradiance(800.0, 100.0, 20.0, 180.0, wall), 100.0 + ground, 1e-9);
}

TEST(WindDirection, IsMeasuredLikeTheOrientationFromSouthTowardEast) {
    EXPECT_NEAR(ProgramWindDirection(180.0), 0.0, 1e-12);        // from the south
    EXPECT_NEAR(ProgramWindDirection(90.0), kPi / 2.0, 1e-12);   // from the east
    EXPECT_NEAR(ProgramWindDirection(0.0), kPi, 1e-12);          // from the north
    EXPECT_NEAR(ProgramWindDirection(270.0), 1.5 * kPi, 1e-12);  // from the west
    EXPECT_NEAR(ProgramWindDirection(-400.0), ProgramWindDirection(320.0), 1e-12);
    for (double degrees : {0.0, 45.0, 181.0, 359.0})
        EXPECT_NEAR(MeteorologicalWindDirection(ProgramWindDirection(degrees)), degrees, 1e-9);
}

}  // namespace
}  // namespace porvap::datagen
