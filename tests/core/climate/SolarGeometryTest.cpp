#include <cmath>
#include <numbers>

#include "TestSupport.h"
#include "core/climate/SolarGeometry.h"
#include "core/climate/WindDirection.h"

namespace porvap {
namespace {

constexpr Site kFlorianopolis = {-27.60, -48.55, -3.0};
constexpr double kPi = std::numbers::pi;

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
}  // namespace porvap
