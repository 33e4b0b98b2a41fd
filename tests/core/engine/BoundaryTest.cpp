#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "EngineFixtures.h"
#include "TestSupport.h"
#include "core/climate/Calendar.h"
#include "core/climate/ClimateFile.h"
#include "core/engine/Boundary.h"

namespace porvap {
namespace {

float CosRelative(float azimuth, float orientation) {
    return std::cos(RelativeSolarAzimuth(azimuth, orientation) * static_cast<float>(M_PI) / 180.0f);
}

TEST(RelativeSolarAzimuth, WallsFacingTheSunSeeItHeadOn) {
    EXPECT_NEAR(CosRelative(180.0f, 0.0f), 1.0f, 1e-6);    // south wall, sun due south
    EXPECT_NEAR(CosRelative(90.0f, 90.0f), 1.0f, 1e-6);    // east wall, sun due east
    EXPECT_NEAR(CosRelative(-90.0f, 270.0f), 1.0f, 1e-6);  // west wall, sun due west
    EXPECT_NEAR(CosRelative(-90.0f, -90.0f), 1.0f, 1e-6);
    EXPECT_NEAR(CosRelative(10.0f, 180.0f), std::cos(10.0f * M_PI / 180.0f), 1e-6);  // north
    EXPECT_NEAR(CosRelative(170.0f, 180.0f), -std::cos(10.0f * M_PI / 180.0f), 1e-6);
    EXPECT_NEAR(CosRelative(90.0f, 0.0f), 0.0f, 1e-6);  // south wall, sun in the east
    EXPECT_FLOAT_EQ(RelativeSolarAzimuth(0.0f, 45.0f), 0.0f);
}

TEST(SurfaceIrradiance, HorizontalSurfacesHaveNoGroundReflection) {
    ClimateRecord record;
    record.beam = 600.0f;
    record.diffuse = 100.0f;
    record.altitude = 30.0f;
    record.azimuth = 45.0f;
    EXPECT_NEAR(SurfaceIrradiance(record, SurfaceGeometry{0.0f, 0.0f, 0.5f}), 400.0, 1e-3);
    // A vertical wall facing the sun adds half the reflected global-normal sum.
    record.azimuth = 180.0f;
    EXPECT_NEAR(SurfaceIrradiance(record, SurfaceGeometry{0.0f, 90.0f, 0.2f}),
                600.0 * std::cos(M_PI / 6) + 100.0 + 0.2 * 700.0 / 2.0, 1e-2);
}

// A vertical north wall in a southern-hemisphere summer morning, the sun in the south-east
// behind it: the wall gets the diffuse and ground terms, exactly, and never less as the sun
// goes round; the sun in the north-east adds the beam.
TEST(SurfaceIrradiance, SunBehindTheSurfaceTakesNothingAway) {
    const SurfaceGeometry northWall{180.0f, 90.0f, 0.2f};
    ClimateRecord record;
    record.beam = 700.0f;
    record.diffuse = 150.0f;
    record.altitude = 25.0f;
    const double diffuseAndGround = 150.0 + 0.2 * (700.0 + 150.0) / 2.0;
    record.azimuth = 135.0f;
    EXPECT_NEAR(SurfaceIrradiance(record, northWall), diffuseAndGround, 1e-3);
    for (float azimuth = -179.0f; azimuth <= 180.0f; azimuth += 1.0f) {
        record.azimuth = azimuth;
        EXPECT_GE(SurfaceIrradiance(record, northWall), diffuseAndGround - 1e-3) << azimuth;
    }
    record.azimuth = 60.0f;
    EXPECT_NEAR(SurfaceIrradiance(record, northWall),
                diffuseAndGround + 700.0 * std::cos(25.0 * M_PI / 180) * 0.5, 1e-2);
    // A roof tilted away from a low sun.
    record.altitude = 10.0f;
    record.azimuth = 180.0f;
    EXPECT_NEAR(SurfaceIrradiance(record, SurfaceGeometry{180.0f, 45.0f, 0.0f}), 150.0, 1e-3);
}

TEST(ConvectionCoefficients, WindTemperatureAndAirVelocity) {
    auto engine = CreateEngine(nullptr);
    engine->tIt.assign(engine->tIt.size(), 20.0);
    engine->boundary.externalTemperature = 20.0f;
    EXPECT_FLOAT_EQ(ExternalCoefficient(*engine, 0.0f, 0.0f), 0.0f);
    EXPECT_NEAR(ExternalCoefficient(*engine, 2.0f, 0.0f), 2.38f * std::pow(2.0f, 0.89f), 1e-5);
    EXPECT_NEAR(ExternalCoefficient(*engine, 2.0f, static_cast<float>(M_PI)),
                2.86f * std::pow(2.0f, 0.617f), 1e-5);
    SetOrientation(*engine, 90.0f);  // wind at exactly 90 degrees to the wall is windward
    EXPECT_NEAR(ExternalCoefficient(*engine, 2.0f, 0.0f), 2.38f * std::pow(2.0f, 0.89f), 1e-5);
    SetOrientation(*engine, 0.0f);
    engine->tIt[0] = 28.0;
    EXPECT_NEAR(ExternalCoefficient(*engine, 0.0f, 0.0f), 0.84f * 2.0f, 1e-5);
    EXPECT_NEAR(ForcedInternalCoefficient(0.5f), 5.678 * (0.99 + 0.21 * 3.2808399 * 0.5), 1e-5);
    engine->tNew[engine->n] = 22.5;
    engine->boundary.internalTemperature = 20.0;
    const double natural =
        std::pow(std::pow(1.5, 6) + std::pow(1.23 * std::pow(2.5, 0.33), 6), 1 / 6.0);
    EXPECT_NEAR(NaturalInternalCoefficient(*engine), natural, 1e-4);
}

// The bundled layout-1 year carries the irradiance on a vertical north wall with ground
// reflectance 0.2; the engine must find the same from the layout-2 year's beam and diffuse,
// every hour, the sun behind the wall included.
TEST(SurfaceIrradiance, AgreesWithTheBundledNorthWallYear) {
    std::FILE* layout1 =
        std::fopen(test::SourcePath("data/BrazilianWeathers/floext_layout1.pvh").c_str(), "r");
    std::FILE* layout2 =
        std::fopen(test::SourcePath("data/BrazilianWeathers/floext_layout2.pvh").c_str(), "r");
    ASSERT_TRUE(layout1 && layout2);
    ClimateRecord wall, sky;
    int compared = 0;
    while (ReadExternalFields(layout1, 1, wall) && ReadExternalFields(layout2, 2, sky)) {
        const double computed = SurfaceIrradiance(sky, SurfaceGeometry{180.0f, 90.0f, 0.2f});
        EXPECT_NEAR(computed, wall.irradiance, 0.01 * wall.irradiance + 1.0)
            << sky.month << "/" << sky.day << " " << sky.hour;
        ++compared;
    }
    std::fclose(layout1);
    std::fclose(layout2);
    EXPECT_EQ(compared, kHoursPerYear);
}

}  // namespace
}  // namespace porvap
