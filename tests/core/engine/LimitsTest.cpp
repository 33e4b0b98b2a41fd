// The hard limits: the largest element, extreme climates at every model level, and the odd
// tables a material file can hold. Each run ends, or stops with one of its messages, and no
// result file ever holds a NaN or an infinity.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>

#include "EngineFixtures.h"
#include "MaterialFileText.h"
#include "TestSupport.h"
#include "core/cases/CaseFile.h"
#include "core/cases/CaseValidation.h"
#include "core/climate/Psychrometrics.h"
#include "core/common/Messages.h"
#include "core/materials/MaterialCatalog.h"
#include "core/materials/MaterialFile.h"
#include "core/results/ProfileStore.h"
#include "core/results/ResultViews.h"
#include "tools/limits/LimitWall.h"

namespace porvap {
namespace {

namespace fs = std::filesystem;

::testing::AssertionResult FiniteResultFiles() {
    for (const char* name : {"hext.txt", "hint.txt", "flux.txt", "arq.txt", "perfis.txt"}) {
        const std::string text = test::ReadFile(name);
        if (text.find("nan") != std::string::npos || text.find("inf") != std::string::npos)
            return ::testing::AssertionFailure() << name << " holds a NaN or an infinity";
    }
    return ::testing::AssertionSuccess();
}

// A run that ends, or stops with a message of its own.
::testing::AssertionResult EndsOrStopsWithItsMessage(int code) {
    if (code == 0 || (code != kStepContinue && RunCodeMessage(code).text))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "run code " << code << " has no message";
}

// The wall porvap-limits measures, built from the bundled level-0 case in a copy of data/.
class LargestElement : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(test::SourcePath("data"), dir.Path(), fs::copy_options::recursive);
        catalog.LoadCatalog(messages);
        std::string error;
        ASSERT_EQ(ReadCaseFile("cases/wall-level0.sim", base, error), 0) << error;
    }

    ValidationResult Validate(const LimitRun& run) {
        ResetDefaults(*engine);
        return ValidateAndSetUp(LimitWall(base, run), catalog, *engine, settings);
    }

    test::ScratchDir dir;
    RecordingMessageSink messages;
    MaterialCatalog catalog;
    CaseRecord base;
    int progressCounter = 0;
    ResultViews views{progressCounter, nullptr};
    std::unique_ptr<SimulationEngine> engine = CreateEngine(&views);
    RunSettings settings;
};

TEST_F(LargestElement, TwentyThousandSectionsRunToTheEndAtLevelsZeroAndFive) {
    for (int level : {0, 5}) {
        const LimitRun run{
            .nodes = kMaxElementSections + 1, .level = level, .hours = 3, .profileHours = 1};
        const ValidationResult checked = Validate(run);
        ASSERT_TRUE(checked.ok) << checked.message;
        views.ResetResultViews(settings, run.nodes);
        ASSERT_EQ(RunToCompletion(*engine), 0) << "level " << level;
        EXPECT_EQ(engine->NodeCount(), run.nodes);
        EXPECT_TRUE(FiniteResultFiles()) << "level " << level;
        ASSERT_GE(views.Profiles().Count(), 1);
        EXPECT_EQ(views.Profiles().At(0).temperature.size(), 20001u);
    }
}

TEST_F(LargestElement, MoreSectionsOrProfilesBeyondTheBudgetAreRefusedUpFront) {
    ValidationResult checked = Validate({.nodes = kMaxElementSections + 2, .hours = 3});
    EXPECT_EQ(checked.message, "Too many sections in the building element (at most 20000 in all)");
    EXPECT_EQ(checked.control, "Edit23");  // the sum passes the limit at the last layer

    // Hourly profiles of a year at 20 001 nodes would take 2.8 GB; daily ones fit.
    checked = Validate({.hours = kHoursPerYear, .profileHours = 1});
    EXPECT_FALSE(checked.ok);
    EXPECT_EQ(checked.message.rfind("Too many profiles to keep for this many nodes\n", 0), 0u);
    EXPECT_EQ(checked.control, "Edit11");
    EXPECT_TRUE(Validate({.hours = kHoursPerYear, .profileHours = 24}).ok);
    base.graphicalOutput = 0;  // nothing kept for the window: no budget to keep to
    EXPECT_TRUE(Validate({.hours = kHoursPerYear, .profileHours = 1}).ok);
}

TEST(ProfileStoreBudget, CapacityIsCutToTheBudgetAndSavingStopsThere) {
    RunSettings settings;
    settings.profilesByInterval = true;
    settings.profileDays = 365;
    settings.plottingInterval = 0;  // every hour
    EXPECT_EQ(ProfileStore::CapacityFor(settings), 8761);
    settings.profilesByInterval = false;
    settings.profileDates = {"01/01 - 00", "02/01 - 00"};
    EXPECT_EQ(ProfileStore::CapacityFor(settings), 2);

    const int nodes = 20001;
    const int fitting = static_cast<int>(ProfileStore::kMaxNodeSlots / nodes);
    EXPECT_TRUE(ProfileStore::Fits(fitting, nodes));
    EXPECT_FALSE(ProfileStore::Fits(fitting + 1, nodes));
    EXPECT_FALSE(ProfileStore::Fits(std::numeric_limits<int>::max(), 1));

    ProfileStore store;
    store.Reset(std::numeric_limits<int>::max(), 4);
    EXPECT_EQ(store.Capacity(), ProfileStore::kMaxNodeSlots / 4);
    store.Reset(2, 3);
    const std::vector<double> values(3, 1.0);
    EXPECT_TRUE(store.Save("a", values, values, 0, 0, 0));
    EXPECT_TRUE(store.Save("b", values, values, 0, 0, 0));
    EXPECT_FALSE(store.Save("c", values, values, 0, 0, 0));
    EXPECT_EQ(store.Count(), 2);
}

// Engine family at the climate extremes: finite, positive, and rising with temperature.
TEST(ExtremeMoistAir, EngineFunctionsStayPhysicalFromMinusThirtyToFifty) {
    float previous = 0.0f;
    for (float t = -30.0f; t <= 50.0f; t += 0.5f) {
        const float pressureOverT = SaturationPressureOverT(t);
        EXPECT_GT(pressureOverT, previous) << t;  // the cubic turned negative below -13 degC
        previous = pressureOverT;
        EXPECT_TRUE(std::isfinite(SaturationDensity(t)) && SaturationDensity(t) > 0.0f) << t;
        EXPECT_GT(LatentHeat(t), 2.0e6f) << t;
    }
    // Over ice and over water at -30 degC, Pa/K, and a seamless join at 0 degC.
    EXPECT_GT(SaturationPressureOverT(-30.0f), 38.0f / 243.15f);
    EXPECT_LT(SaturationPressureOverT(-30.0f), 51.0f / 243.15f);
    EXPECT_NEAR(SaturationPressureOverT(-1e-4f), SaturationPressureOverT(0.0f), 1e-3f);
    EXPECT_DOUBLE_EQ(HumidityRatio(-30.0, 0.0, 101325.0), 0.0);
    EXPECT_TRUE(std::isfinite(HumidityRatio(50.0, 100.0, 101325.0)));
}

struct ExtremeClimate {
    const char* name;
    double low, high;  // degC outdoors, from midnight to 23h every day
    double outdoorHumidity, indoorHumidity;
    double indoorT = 20.0;  // degC
    // No paint and natural convection on the room face: the room's vapour condenses on it
    // freely, and the flows reported are those the solution used (docs/validation.md,
    // Finding 2, explains the difference a constant coefficient makes).
    bool bareRoomFace = false;
};

constexpr ExtremeClimate kClimates[] = {
    {"ColdDry", -30.0, -30.0, 0.0, 0.0},
    {"ColdSaturated", -30.0, -30.0, 1.0, 0.0},
    {"HotDry", 50.0, 50.0, 0.0, 0.0},
    {"HotSaturated", 50.0, 50.0, 1.0, 1.0},
    {"DailySwing", -30.0, 50.0, 0.5, 0.0},
    // The room's vapour condenses on the cold inner face beyond what its pores hold.
    {"FrostAgainstAHumidRoom", -30.0, -30.0, 0.8, 0.8, 25.0, true},
    {"FreezingAgainstAHumidRoom", 0.0, 0.0, 0.8, 0.8, 25.0, true},
};
constexpr const ExtremeClimate* kCondensing = &kClimates[5];

// The bundled rendered wall: 2 cm mortar, 10 cm brick, 2 cm mortar, all in 4 mm sections.
class ExtremeClimates : public ::testing::TestWithParam<int> {
  protected:
    static constexpr double kSection = 0.004;  // m

    void SetUp() override {
        for (const char* file : {"clay_brick.dat", "cement_lime_mortar.dat"})
            ASSERT_TRUE(LoadMaterialFile(catalog,
                                         test::SourcePath("data/Materials").append(file).string()));
    }

    void SetUpCase(const ExtremeClimate& c) {
        test::WriteClimate(
            "climate.pvh", 4, [&](int h) { return c.low + (c.high - c.low) * (h % 24) / 23.0; },
            c.outdoorHumidity, 0.0);
        const MaterialRecord* brick = catalog.Record(0);
        const MaterialRecord* mortar = catalog.Record(1);
        test::SetUpConstantCase(
            *engine, {Layer(mortar, 5, 0.02), Layer(brick, 25, 0.1), Layer(mortar, 5, 0.02)},
            "climate.pvh", 4, c.indoorT, c.indoorHumidity);
        if (c.bareRoomFace) {
            SetPermeances(*engine, 2e-10f, 1e-6f);
            SetInternalCoefficient(*engine, -1.0f);
            SetInternalNatural(*engine, 1);
        }
        SetModelLevel(*engine, GetParam());
    }

    // Outer surface moisture content at the end of a four-day run.
    double Run(const ExtremeClimate& c) {
        SetUpCase(c);
        EXPECT_EQ(RunToCompletion(*engine), 0) << c.name;
        EXPECT_TRUE(FiniteResultFiles()) << c.name;
        return engine->thetaNew[0];
    }

    // kg/m2; the face nodes hold half a section.
    double StoredWater() const {
        double sections = 0.0;
        for (int i = 0; i <= engine->n; ++i)
            sections += engine->thetaNew[i] * (i == 0 || i == engine->n ? 0.5 : 1.0);
        return sections * kSection * engine->params.waterDensity;
    }

    test::ScratchDir dir;
    MaterialCatalog catalog;
    std::unique_ptr<SimulationEngine> engine = CreateEngine(nullptr);
};

TEST_P(ExtremeClimates, RunToTheEndWithFiniteFiles) {
    for (const ExtremeClimate& climate : kClimates)
        Run(climate);
}

INSTANTIATE_TEST_SUITE_P(ModelLevels, ExtremeClimates, ::testing::Range(0, 6));

// Level 5 moves no moisture.
using MoistExtremeClimates = ExtremeClimates;

// Saturated air at -30 degC must not leave the wall drier than dry air does.
TEST_P(MoistExtremeClimates, FrostySaturatedAirWetsMoreThanFrostyDryAir) {
    const double dry = Run(kClimates[0]);
    EXPECT_GT(Run(kClimates[1]), dry);
}

// Over the recording pass the water the faces let in is stored or drained. The flows are
// reported from another fit of the saturation density than the solution's: tolerance 5 % of
// the water let in, worst measured 2.4 % (levels 0 to 2 at -30 degC).
TEST_P(MoistExtremeClimates, CondensateIsStoredOrDrained) {
    for (const ExtremeClimate* c = kCondensing; c != std::end(kClimates); ++c) {
        SetUpCase(*c);
        RebuildGrid(*engine);
        ASSERT_EQ(StartRun(*engine), 0);
        double before = 0.0, entered = 0.0;  // kg/m2
        for (int code = kStepContinue; code != kRunComplete;) {
            const bool recording = engine->run.pass == 1;
            code = AdvanceTimeStep(*engine);
            ASSERT_TRUE(code == kStepContinue || code == kWarmupComplete || code == kRunComplete)
                << c->name << " stopped with " << code;
            if (recording)
                entered += (engine->boundary.ge + engine->boundary.gi) * engine->params.timeStep;
            if (code == kWarmupComplete)
                before = StoredWater();
        }
        ASSERT_EQ(EnergySummary(*engine), 0);
        const double drained = engine->run.drainedWater;
        EXPECT_GT(drained, 0.0) << c->name;
        EXPECT_NEAR(StoredWater() - before, entered - drained, 0.05 * entered) << c->name;
        EXPECT_NE(DescribeRunEnd(*engine, 0).text.find("\nLiquid water drained from the element: "),
                  std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(ModelLevels, MoistExtremeClimates, ::testing::Range(0, 5));

class OddTables : public ::testing::Test {
  protected:
    // Loads the material file, then runs a one-layer wall of it for two days.
    int RunWith(const test::MaterialFileText& file, int level, double outdoorHumidity = 0.7,
                double indoorHumidity = 0.6) {
        test::WriteFile("odd.dat", file.Text());
        if (!LoadMaterialFile(catalog, "odd.dat"))
            return -100;
        test::WriteConstantClimate("climate.pvh", 2, 25.0, outdoorHumidity, 200.0);
        test::SetUpConstantCase(*engine, {Layer(catalog.Record(catalog.LastIndex()), 10, 0.1)},
                                "climate.pvh", 2, 20.0, indoorHumidity);
        SetModelLevel(*engine, level);
        return RunToCompletion(*engine);
    }

    test::ScratchDir dir;
    MaterialCatalog catalog;
    std::unique_ptr<SimulationEngine> engine = CreateEngine(nullptr);
};

// The inverse lookup's own termination is unit-tested in TablesTest
// (IsothermHumidityAt.TerminatesOnDecreasingMoisture); here a whole run meets it.
TEST_F(OddTables, DecreasingIsothermStopsTheRunWithItsMessage) {
    test::MaterialFileText file;
    // Falling from 0.3 m3/m3 at 72 % to 0.02 at 120 %: the wall's 0.03 has no humidity.
    const double moisture[] = {0.0, 0.05, 0.10, 0.15, 0.2, 0.25, 0.3, 0.2, 0.1, 0.05, 0.02};
    for (int k = 0; k <= 10; ++k)
        file.isotherm[k] = test::Format("%.6f %g 1", 0.12 * k, moisture[k]);
    const int code = RunWith(file, 0);
    EXPECT_EQ(code, kIsothermFailure);
    EXPECT_STREQ(RunCodeMessage(code).text, "Problems with materials isotherms");
    EXPECT_FALSE(engine->files.arq);
}

// Rows in any order, repeated, or beyond the table land where their humidity puts them.
TEST_F(OddTables, IsothermRowsInAnyOrderGiveTheSortedResult) {
    test::MaterialFileText sorted;
    ASSERT_EQ(RunWith(sorted, 0), 0);
    const std::string expected = test::ReadFile("arq.txt");

    test::MaterialFileText shuffled = sorted;
    std::reverse(shuffled.isotherm.begin(), shuffled.isotherm.end());
    shuffled.isotherm[0] = "0.600000 0.9 9";      // repeated humidity: the later row wins
    shuffled.isotherm.back() = "1.900000 0.5 1";  // beyond 1.2: dropped, row 0 left unread
    shuffled.isotherm.push_back("0.000000 0 1");
    shuffled.header = "11 0.12";
    ASSERT_EQ(RunWith(shuffled, 0), 0);
    EXPECT_EQ(test::ReadFile("arq.txt"), expected);
}

// Values a file can hold that no material has: the run ends or stops with its message.
TEST_F(OddTables, OddPropertyValuesEndOrStopWithAMessage) {
    const std::vector<std::string> rows = {"0 0 0 0 0 0", "0 -0.5 -1e-9 -1e-9 -1e-9 -1e-9",
                                           "0 1e30 1e-3 1 1e-3 1", "0 nan 1e-11 2e-9 3e-11 4e-9",
                                           "0 inf 1e-11 2e-9 3e-11 4e-9"};
    for (const std::string& row : rows) {
        for (int level : {0, 3, 5}) {
            test::MaterialFileText file;
            for (int i = 0; i <= 100; ++i)
                file.rows[i] = std::to_string(i) + row.substr(1);
            const int code = RunWith(file, level);
            EXPECT_TRUE(EndsOrStopsWithItsMessage(code)) << row << " level " << level;
            EXPECT_TRUE(FiniteResultFiles()) << row << " level " << level;
        }
    }
}

// A surface drying towards 0 % air passes the isotherm's driest row within a step; it
// reads as dry instead of stopping the run as an isotherm problem.
TEST_F(OddTables, SurfacesDryingPastTheDriestRowRunOn) {
    auto linear = test::MakeMaterial(
        {.k = 0.9f, .dt = 1e-11f, .dteta = 1e-9f, .dtv = 1e-11f, .dtetav = 1e-10f});
    test::WriteConstantClimate("climate.pvh", 4, 50.0, 0.0, 0.0);
    test::SetUpConstantCase(*engine, {Layer(linear.get(), 10, 0.1), Layer(linear.get(), 5, 0.02)},
                            "climate.pvh", 4, 20.0, 0.0);
    EXPECT_EQ(RunToCompletion(*engine), 0);
    EXPECT_LT(engine->thetaNew[0], 0.0);
    EXPECT_TRUE(FiniteResultFiles());

    // The bundled constant-properties material: a flat isotherm at 0.038 m3/m3, above the
    // engine's initial 0.03, stopped every run at its first step, conduction only included.
    ASSERT_TRUE(LoadMaterialFile(
        catalog, test::SourcePath("data/Materials/constant_properties.dat").string()));
    test::WriteConstantClimate("climate.pvh", 2, 10.0, 0.5, 0.0);
    for (int level : {0, 5}) {
        test::SetUpConstantCase(*engine, {Layer(catalog.Record(0), 10, 0.1)}, "climate.pvh", 2,
                                20.0, 0.5);
        SetModelLevel(*engine, level);
        EXPECT_EQ(RunToCompletion(*engine), 0) << "level " << level;
    }
}

TEST_F(OddTables, UnreadableClimateValuesStopWithAMessage) {
    auto material = test::MakeMaterial({.k = 0.9f, .dteta = 1e-9f});
    const double nan = std::numeric_limits<double>::quiet_NaN();
    test::WriteClimate(
        "climate.pvh", 2, [&](int h) { return h == 5 ? nan : 20.0; }, 0.5, 0.0);
    test::SetUpConstantCase(*engine, {Layer(material.get(), 10, 0.1)}, "climate.pvh", 2, 20.0, 0.5);
    EXPECT_EQ(RunToCompletion(*engine), kClimateRecordRefused);
    EXPECT_TRUE(FiniteResultFiles());

    test::WriteConstantClimate("climate.pvh", 2, 20.0, nan, 0.0);
    EXPECT_EQ(RunToCompletion(*engine), kClimateRecordRefused);
}

}  // namespace
}  // namespace porvap
