#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/engine/Run.h"
#include "tools/validation/EngineInputs.h"

namespace porvap::validation {
namespace {

TEST(HourDate, WalksTheClimateCalendar) {
    const auto same = [](DayHour a, DayHour b) {
        return a.day == b.day && a.month == b.month && a.hour == b.hour;
    };
    EXPECT_TRUE(same(HourDate(0), {1, 1, 0}));
    EXPECT_TRUE(same(HourDate(31 * 24 - 1), {31, 1, 23}));
    EXPECT_TRUE(same(HourDate(31 * 24), {1, 2, 0}));
    EXPECT_TRUE(same(HourDate(59 * 24 + 5), {1, 3, 5}));  // no leap years
    EXPECT_TRUE(same(HourDate(8759), {31, 12, 23}));
}

TEST(DividesTheHour, AcceptsAnHourAndItsWholeParts) {
    for (const double step : {1.0, 0.5, 0.25, 1.0 / 3.0, 0.0625})
        EXPECT_TRUE(DividesTheHour(step)) << step;
    for (const double step : {0.0, -0.5, 0.4, 0.7, 2.0, std::nan("")})
        EXPECT_FALSE(DividesTheHour(step)) << step;
}

TEST(MakeMaterial, IsothermIsTheStraightLineWithItsSlope) {
    const auto material = MakeMaterial({.conductivity = 0.7f, .sorption = 0.08});
    const IsothermTable& isotherm = *material->Isotherm();
    EXPECT_NEAR(isotherm.MoistureAt(0.9), 0.072, 1e-12);
    EXPECT_NEAR(isotherm.HumidityAt(0.03), 0.375, 1e-12);
    EXPECT_NEAR(isotherm.SlopeAt(0.03), 12.5, 1e-12);
    EXPECT_FLOAT_EQ(material->K().Get(0), 0.7f);
    EXPECT_FLOAT_EQ(material->K().Get(MaterialRecord::kRows - 1), 0.7f);
}

class Run : public ::testing::Test {
  protected:
    RunConditions Conditions(int days) const {
        return {.climateFile = "climate.pvh", .days = days, .modelLevel = 5};
    }
    test::ScratchDir dir;
    std::unique_ptr<MaterialRecord> material = MakeMaterial({});
    std::vector<Layer> layers{Layer(material.get(), 4, 0.1)};
};

TEST_F(Run, ClimateFileHoldsADayMoreThanTheRun) {
    ASSERT_TRUE(WriteHourlyClimate(
        "climate.pvh", 2, [](int h) { return 10.0 + h; }, 0.7));
    std::ifstream in("climate.pvh");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 3u * 24u);
    EXPECT_EQ(lines.front(), "10.00 0.700 0.0 1 1 0");
    EXPECT_EQ(lines.back(), "81.00 0.700 0.0 1 3 23");
}

TEST_F(Run, VisitsEveryStepAndMarksTheRecordingPass) {
    ASSERT_TRUE(WriteHourlyClimate(
        "climate.pvh", 2, [](int) { return 20.0; }, 0.6));
    auto engine = CreateEngine(nullptr);
    SetUpRun(*engine, layers, Conditions(2));
    int warmUp = 0, recorded = 0;
    ASSERT_EQ(StepRun(*engine,
                      [&](const SimulationEngine&, bool isRecorded) {
                          ++(isRecorded ? recorded : warmUp);
                          return true;
                      }),
              0);
    // Each pass takes the 47 hour steps from the first to the last hour of two days, less
    // one.
    EXPECT_EQ(warmUp, 46);
    EXPECT_EQ(recorded, 46);
}

TEST_F(Run, CallerCanEndTheRunEarly) {
    ASSERT_TRUE(WriteHourlyClimate(
        "climate.pvh", 2, [](int) { return 20.0; }, 0.6));
    auto engine = CreateEngine(nullptr);
    SetUpRun(*engine, layers, Conditions(2));
    int steps = 0;
    EXPECT_EQ(StepRun(*engine, [&](const SimulationEngine&, bool) { return ++steps < 5; }), 0);
    EXPECT_EQ(steps, 5);
    EXPECT_FALSE(engine->files.arq);  // the run's files are closed
}

TEST_F(Run, MissingClimateStopsTheRunWithItsCode) {
    auto engine = CreateEngine(nullptr);
    SetUpRun(*engine, layers, Conditions(2));
    int steps = 0;
    EXPECT_EQ(StepRun(*engine,
                      [&](const SimulationEngine&, bool) {
                          ++steps;
                          return true;
                      }),
              kExternalClimateUnreadable);
    EXPECT_EQ(steps, 0);
}

}  // namespace
}  // namespace porvap::validation
