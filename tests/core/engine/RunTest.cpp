#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "EngineFixtures.h"
#include "TestSupport.h"
#include "WriteInterruption.h"

namespace porvap {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;

const char* const kResultFiles[] = {"hext.txt", "hint.txt", "flux.txt", "arq.txt", "perfis.txt"};

// Results of an earlier run: each file holds its own name.
void WritePreviousResults() {
    for (const char* name : kResultFiles)
        test::WriteFile(name, name);
}

void ExpectPreviousResults(const std::string& except = "") {
    for (const char* name : kResultFiles) {
        if (name != except) {
            EXPECT_EQ(ReadFile(name), name);
        }
    }
    for (const std::string& entry : test::DirectoryEntries())
        EXPECT_FALSE(entry.ends_with(".tmp")) << entry;
}

int CountLines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

class EngineRun : public ::testing::Test {
  protected:
    void Prepare(int days, double outsideRh = 0.7) {
        test::WriteConstantClimate("climate.pvh", days, 25.0, outsideRh, 100.0);
        SetUpCase(*engine, days);
    }
    void SetUpCase(SimulationEngine& e, int days) {
        test::SetUpConstantCase(e, {Layer(material.get(), 5, 0.05), Layer(material.get(), 5, 0.1)},
                                "climate.pvh", days, 22.0, 0.6);
    }

    test::ScratchDir dir;
    std::unique_ptr<MaterialRecord> material =
        test::MakeMaterial({.k = 0.9f, .dteta = 1e-9f, .dtetav = 1e-10f});
    test::CountingObserver observer;
    std::unique_ptr<SimulationEngine> engine = CreateEngine(&observer);
};

TEST_F(EngineRun, RecordsOneStepLessThanTheHourStepsAndEndsPastTheInterval) {
    Prepare(3);
    ASSERT_EQ(RunToCompletion(*engine), 0);
    const int steps = 71;                            // 01/01-00 to 03/01-23
    EXPECT_EQ(observer.behaviour, (steps - 1) + 1);  // recording steps and the warm-up's end
    EXPECT_FLOAT_EQ(observer.interval, steps * 3600.0f);
    EXPECT_FLOAT_EQ(observer.lastElapsed, observer.interval + 3600.0f);
    const std::string flux = ReadFile("flux.txt");
    EXPECT_EQ(flux.rfind("Date, flow of latent heat, flow of sensible heat, flow of mass\n", 0),
              0u);
    EXPECT_EQ(CountLines(flux), 1 + steps - 1);
    EXPECT_NE(flux.find("\n01/01-02   "), std::string::npos);
    EXPECT_EQ(ReadFile("hext.txt"), "Not generated");
    EXPECT_EQ(ReadFile("hint.txt"), "Not generated");
    EXPECT_EQ(ReadFile("perfis.txt"), "\n PROFILES \n\n");
}

TEST_F(EngineRun, SummaryHasPeaksTwelveMonthsAndTheAnnualTotals) {
    Prepare(3);
    ASSERT_EQ(RunToCompletion(*engine), 0);
    const std::string arq = ReadFile("arq.txt");
    EXPECT_EQ(arq.rfind("\n VI & VUV \n\n\ncity = 1   model =0\n==========\n\nPOSITIVE(cooling): "
                        "Qpico_pos = ",
                        0),
              0u);
    EXPECT_NE(arq.find("\nmth Qs_monthly_pos-kWh"), std::string::npos);
    EXPECT_NE(arq.find("\n12 "), std::string::npos);
    EXPECT_NE(arq.find("cooling_anual_energy="), std::string::npos);
    EXPECT_EQ(arq.substr(arq.size() - 5), "\n\nend");
    EXPECT_EQ(arq.find("nan"), std::string::npos);
}

// A case window keeps its engine from run to run: a shorter run must not report the months
// of the one before.
TEST_F(EngineRun, AShorterRunForgetsTheMonthsOfTheRunBefore) {
    test::WriteConstantClimate("climate.pvh", 40, 25.0, 0.7, 100.0);
    auto runUntil = [&](SimulationEngine& e, DayHour end) {
        test::SetUpConstantCase(e, {Layer(material.get(), 5, 0.05)}, "climate.pvh", 5, 22.0, 0.6);
        SetDates(e, DayHour{1, 1, 0}, end);
        return RunToCompletion(e);
    };
    ASSERT_EQ(runUntil(*engine, DayHour{9, 2, 23}), 0);
    ASSERT_EQ(runUntil(*engine, DayHour{12, 1, 23}), 0);
    const std::string reused = ReadFile("arq.txt");
    auto fresh = CreateEngine(nullptr);
    ASSERT_EQ(runUntil(*fresh, DayHour{12, 1, 23}), 0);
    EXPECT_EQ(reused, ReadFile("arq.txt"));
}

TEST_F(EngineRun, FluxFileSaysNotGeneratedWithoutProfiles) {
    Prepare(2);
    SetProfileOutput(*engine, 0);
    ASSERT_EQ(RunToCompletion(*engine), 0);
    EXPECT_EQ(ReadFile("flux.txt"), "Not generated");
}

// The flows of every recording step stay in memory, flux.txt or not, until the next start.
TEST_F(EngineRun, RecordingStepsAreKeptForExports) {
    Prepare(3);
    SetProfileOutput(*engine, 0);
    ASSERT_EQ(RunToCompletion(*engine), 0);
    const std::vector<HourlyFlow>& rows = engine->hourly.Rows();
    ASSERT_EQ(rows.size(), 70u);
    EXPECT_TRUE(engine->hourly.Complete());
    EXPECT_EQ(rows.front().day * 100 + rows.front().hour, 101);
    EXPECT_EQ(rows.back().day * 100 + rows.back().hour, 322);
    ASSERT_EQ(observer.sensible.size(), 71u);  // the warm-up's end comes first
    for (std::size_t k = 0; k < rows.size(); ++k)
        EXPECT_EQ(rows[k].sensible, observer.sensible[k + 1]) << k;
    EXPECT_DOUBLE_EQ(rows.back().indoorTemperature, 22.0);
    EXPECT_DOUBLE_EQ(rows.back().outdoorHumidity, 0.7);

    SetExternalClimateFile(*engine, "missing.pvh");
    EXPECT_EQ(RunToCompletion(*engine), kExternalClimateUnreadable);
    EXPECT_TRUE(engine->hourly.Rows().empty());
    EXPECT_FALSE(engine->hourly.Complete());
}

TEST(HourlyFlowsTest, RowsBeyondTheRunsStepsAreRefusedAndSpoilTheRecord) {
    HourlyFlows flows;
    flows.Start(2, 3600.0f);
    EXPECT_TRUE(flows.Add({}));
    EXPECT_TRUE(flows.Add({}));
    EXPECT_FALSE(flows.Add({}));
    flows.Finish();
    EXPECT_EQ(flows.Rows().size(), 2u);
    EXPECT_FALSE(flows.Complete());

    flows.Start(2, 3600.0f);
    EXPECT_TRUE(flows.Add({}));
    flows.Finish();
    EXPECT_TRUE(flows.Complete());
    flows.Clear();
    EXPECT_FALSE(flows.Complete());
}

TEST_F(EngineRun, ForcedInternalCoefficientIsLoggedOnce) {
    Prepare(2);
    SetInternalCoefficient(*engine, -1.0f);
    SetInternalNatural(*engine, 0);
    ASSERT_EQ(SetForcedConvection(*engine, 0.0f, 0.0f, 0.5f), 0);
    ASSERT_EQ(RunToCompletion(*engine), 0);
    const std::string hint = ReadFile("hint.txt");
    EXPECT_EQ(hint.rfind("Forced coeficient (constant)\n7.57", 0), 0u);
    EXPECT_EQ(CountLines(hint), 2);
}

TEST_F(EngineRun, NaturalInternalCoefficientIsLoggedForEveryInternalRecord) {
    Prepare(2);
    SetInternalCoefficient(*engine, -1.0f);
    SetInternalNatural(*engine, 1);
    ASSERT_EQ(RunToCompletion(*engine), 0);
    const std::string hint = ReadFile("hint.txt");
    EXPECT_EQ(hint.rfind("Natural coeficient\n1  1  0  ", 0), 0u);
    EXPECT_GT(CountLines(hint), 2 * 47);
}

TEST_F(EngineRun, ProfileSnapshotOnTheFourteenthOfJanuary) {
    Prepare(15);
    ASSERT_EQ(RunToCompletion(*engine), 0);
    const std::string perfis = ReadFile("perfis.txt");
    EXPECT_NE(perfis.find("\n===========================================\ncity = 1\npaint = 1\n"
                          "aux_model=0\nTeta(100) 1/14-14 "),
              std::string::npos)
        << perfis;
    EXPECT_NE(perfis.find("\nTemp(C) 1/14-14 "), std::string::npos);
}

// January closes at its last hour, 31/01-23, by the driver, the last month by the summary.
// A run ending on 01/02-00 records that hour last and must not close January again from
// emptied sums; one ending an hour later has a February of one hour.
TEST_F(EngineRun, EachMonthIsClosedOnce) {
    const struct {
        DayHour end;
        int reports;
        int lastMonth;
    } runs[] = {{{1, 2, 0}, 1, 1}, {{1, 2, 1}, 2, 2}, {{28, 2, 23}, 2, 2}};
    for (const auto& [end, reports, lastMonth] : runs) {
        Prepare(59);
        SetDates(*engine, DayHour{1, 1, 0}, end);
        observer.monthlyMeans = 0;
        ASSERT_EQ(RunToCompletion(*engine), 0);
        EXPECT_EQ(observer.monthlyMeans, reports) << end.day << "/" << end.month;
        const RunSummary& s = engine->summary;
        for (int m = 1; m <= 2; ++m)
            EXPECT_EQ(s.meanTemperature[m] > 22.0f, m <= lastMonth) << end.day << " " << m;
        EXPECT_GT(s.qsPos[1], 0.0f) << end.day;
    }
}

// Each node weighs its share of the thickness and each month the steps recorded in it: a
// wall at one temperature reads that temperature and one with a straight profile the mean
// of its faces, whatever its sections and however little of the month is run.
TEST_F(EngineRun, MonthlyMeansAreOverTheThicknessAndTheStepsRecorded) {
    const Layer whole(material.get(), 1, 0.1);
    const Layer coarse(material.get(), 5, 0.02);
    const Layer fine(material.get(), 25, 0.1);
    const struct {
        std::vector<Layer> layers;
        double outside;  // degC, the room at 20
        DayHour end;
    } walls[] = {{{whole}, 20.0, {28, 2, 23}},
                 {{coarse, fine, coarse}, 20.0, {12, 1, 23}},
                 {{whole, Layer(material.get(), 9, 0.1)}, 30.0, {28, 2, 23}}};
    for (const auto& [layers, outside, end] : walls) {
        test::WriteConstantClimate("climate.pvh", 59, outside, 0.6, 0.0);
        test::SetUpConstantCase(*engine, layers, "climate.pvh", 1, 20.0, 0.6);
        SetDates(*engine, DayHour{1, 1, 0}, end);
        SetModelLevel(*engine, 5);
        ASSERT_EQ(RunToCompletion(*engine), 0);
        const double faces = 0.5 * (engine->tNew[0] + engine->tNew[engine->n]);
        for (int m = 1; m <= end.month; ++m) {
            EXPECT_NEAR(engine->summary.meanTemperature[m], faces, 1e-4) << engine->n << " " << m;
            EXPECT_FLOAT_EQ(engine->summary.meanTheta[m], 0.03f) << engine->n << " " << m;
        }
    }
}

TEST_F(EngineRun, ClimateFailuresAreReportedAndCloseEveryFile) {
    WritePreviousResults();
    Prepare(2);
    SetExternalClimateFile(*engine, "missing.pvh");
    EXPECT_EQ(RunToCompletion(*engine), kExternalClimateUnreadable);
    EXPECT_FALSE(engine->files.arq || engine->files.flux || engine->files.hint);

    test::WriteFile("empty.pvh", "");
    test::WriteFile("blank.pvh", " \r\n\n");
    for (const char* room : {"missing.pvh", "empty.pvh", "blank.pvh", ".", "/dev/null"}) {
        Prepare(2);
        SetConstantInternalConditions(*engine, 0, 0.0, 0.0);
        SetInternalClimateFile(*engine, room);
        EXPECT_EQ(RunToCompletion(*engine), kInternalClimateUnreadable) << room;
        EXPECT_FALSE(engine->files.external);
    }

    Prepare(2);
    SetDates(*engine, DayHour{5, 3, 0}, DayHour{6, 3, 0});
    EXPECT_EQ(RunToCompletion(*engine), kClimateStartNotFound);
    ExpectPreviousResults();
    EXPECT_EQ(engine->run.note,
              "External hourly file: climate.pvh\nThe file ends before the record for 05/03-00");
}

using ClimateLines = std::vector<std::string>;

struct ClimateDamage {
    const char* name;
    bool room;  // the internal file is damaged, else the external one
    void (*damage)(ClimateLines& lines);
    const char* note;  // empty when the run completes
    DayHour start{1, 1, 0};
};

// Lines are hours from 01/01-00; line 41 is 02/01-16.
const ClimateDamage kDamages[] = {
    {"EndsEarly", false, [](ClimateLines& l) { l.resize(50); },
     "External hourly file: climate.pvh\nThe file ends before the record for 03/01-02\n"
     "Date reached: 03/01-01"},
    {"Garbage", false, [](ClimateLines& l) { l[40] = "\x01\x7f\xff garbage"; },
     "External hourly file: climate.pvh\nLine 41 is not a record of 6 numbers\n"
     "Date reached: 02/01-15"},
    {"OtherLayout", false, [](ClimateLines& l) { l[40] += " 0 0 0"; },
     "External hourly file: climate.pvh\nLine 41 is not a record of 6 numbers\n"
     "Date reached: 02/01-15"},
    {"HourRepeated", false, [](ClimateLines& l) { l.insert(l.begin() + 41, l[40]); },
     "External hourly file: climate.pvh\nLine 42 holds 02/01-16 instead of 02/01-17\n"
     "Date reached: 02/01-16"},
    {"HoursSwapped", false, [](ClimateLines& l) { std::swap(l[40], l[41]); },
     "External hourly file: climate.pvh\nLine 41 holds 02/01-17 instead of 02/01-16\n"
     "Date reached: 02/01-15"},
    {"NoSuchHour", false, [](ClimateLines& l) { l[40].replace(l[40].rfind(' '), 3, " 24"); },
     "External hourly file: climate.pvh\nLine 41: 02/01-24 is not a date of the year\n"
     "Date reached: 02/01-15"},
    {"TooHot", false, [](ClimateLines& l) { l[40].replace(0, 7, "120.000"); },
     "External hourly file: climate.pvh\nLine 41: air temperature 120 is outside -90...70 degC\n"
     "Date reached: 02/01-15"},
    {"TooHumidAtTheStart", false, [](ClimateLines& l) { l[0].replace(8, 6, "1.3000"); },
     "External hourly file: climate.pvh\nLine 1: relative humidity 1.3 is outside 0...1"},
    {"RoomEndsEarly", true, [](ClimateLines& l) { l.resize(50); },
     "Internal hourly file: room.pvh\nThe file ends before the record for 03/01-02\n"
     "Date reached: 03/01-01"},
    {"RoomGarbage", true, [](ClimateLines& l) { l[40] = "22.00 n/a"; },
     "Internal hourly file: room.pvh\nLine 41 is not a record of 2 numbers\n"
     "Date reached: 02/01-15"},
    {"PastTheEnd", false, [](ClimateLines& l) { l.push_back("garbage"); }, ""},
    {"OneHourAtTheLastRecord", false, [](ClimateLines&) {}, "", DayHour{3, 1, 23}},
    {"TooHotBeforeTheStart", false, [](ClimateLines& l) { l[5].replace(0, 7, "120.000"); }, "",
     DayHour{2, 1, 0}},
};

std::string JoinLines(const ClimateLines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// Only the hours from the start to the end date count; any of them missing, unreadable, out
// of sequence or out of range stops the run with the file, the line and the date reached.
TEST_F(EngineRun, ClimateThatCannotCarryTheRunStopsIt) {
    for (const ClimateDamage& row : kDamages) {
        SCOPED_TRACE(row.name);
        Prepare(3);
        ClimateLines external, room(72, "22.00 0.600");
        std::istringstream text(ReadFile("climate.pvh"));
        for (std::string line; std::getline(text, line);)
            external.push_back(line);
        row.damage(row.room ? room : external);
        test::WriteFile("climate.pvh", JoinLines(external));
        test::WriteFile("room.pvh", JoinLines(room));
        SetConstantInternalConditions(*engine, 0, 0.0, 0.0);
        SetInternalClimateFile(*engine, "room.pvh");
        SetDates(*engine, row.start, DayHour{3, 1, 23});
        const int code = RunToCompletion(*engine);
        const std::string note = row.note;
        EXPECT_EQ(code, note.empty() ? 0 : kClimateRecordRefused);
        EXPECT_EQ(engine->run.note, note);
        if (!note.empty()) {
            EXPECT_EQ(DescribeRunEnd(*engine, code).text,
                      "Hourly file with missing or invalid data\n" + note);
        }
    }
}

// A room humidity beyond the innermost isotherm stops the step.
TEST_F(EngineRun, HumidityOutsideTheIsothermStopsTheStep) {
    Prepare(2);
    SetConstantInternalConditions(*engine, 1, 22.0, 1.3);
    EXPECT_EQ(RunToCompletion(*engine), kIsothermFailure);
    EXPECT_FALSE(engine->files.arq);
}

TEST_F(EngineRun, NonFiniteSolutionStopsTheRunInsteadOfWritingNaN) {
    auto empty = test::MakeMaterial({.k = 0.0f, .density = 0.0f, .heat = 0.0f});
    test::WriteConstantClimate("climate.pvh", 2, 25.0, 0.7, 0.0);
    test::SetUpConstantCase(*engine, {Layer(empty.get(), 4, 0.1)}, "climate.pvh", 2, 22.0, 0.6);
    SetModelLevel(*engine, 5);
    EXPECT_EQ(RunToCompletion(*engine), kNonFiniteSolution);
    EXPECT_EQ(ReadFile("flux.txt").find("nan"), std::string::npos);
}

// Any one of the five that cannot be created refuses the run before it changes the others.
class ResultFileInTheWay : public EngineRun, public ::testing::WithParamInterface<const char*> {};

TEST_P(ResultFileInTheWay, RefusesTheRunAndLeavesThePreviousResults) {
    WritePreviousResults();
    fs::remove(GetParam());
    fs::create_directory(GetParam());
    Prepare(2);
    EXPECT_EQ(RunToCompletion(*engine), kOutputFilesFailed);
    EXPECT_STREQ(RunCodeMessage(kOutputFilesFailed).text, "Couldn't open output files");
    ExpectPreviousResults(GetParam());
    EXPECT_TRUE(fs::is_directory(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(EveryFile, ResultFileInTheWay, ::testing::ValuesIn(kResultFiles),
                         [](const auto& info) { return fs::path(info.param).stem().string(); });

// A write that fails, here at the file size limit as on a full disk, fails the run.
TEST_F(EngineRun, AFailedWriteFailsTheRunAndLeavesThePreviousResults) {
    WritePreviousResults();
    Prepare(3);
    EXPECT_EQ(test::WriteUnderFileSizeLimit(
                  1024, test::AtLimit::Fail,
                  [&] { return RunToCompletion(*engine) == kResultsNotWritten; }),
              test::Outcome::ReportedSuccess);
    const RunMessage message = RunCodeMessage(kResultsNotWritten);
    EXPECT_STREQ(message.text, "Couldn't write the result files");
    EXPECT_STREQ(message.caption, "Error!");
    ExpectPreviousResults();
}

// The first run keeps the folder it was given; each run that starts while it is held writes
// into a folder of its own beside it, named after its case, and says so.
TEST_F(EngineRun, RunsThatMeetInAFolderEachWriteInOneOfTheirOwn) {
    Prepare(2);
    RebuildGrid(*engine);
    ASSERT_EQ(StartRun(*engine), 0);  // as a paused step-by-step run
    auto second = CreateEngine(nullptr);
    auto third = CreateEngine(nullptr);
    for (SimulationEngine* other : {second.get(), third.get()}) {
        SetUpCase(*other, 2);
        SetCaseName(*other, "cases\\wall.sim");
    }
    RebuildGrid(*second);
    ASSERT_EQ(StartRun(*second), 0);
    ASSERT_EQ(RunToCompletion(*third), 0);
    EXPECT_EQ(third->run.results, "runs/wall-2");
    EXPECT_EQ(DescribeRunEnd(*third, 0).text,
              "Execution sucessfully terminated\nAnother run was in progress in the working "
              "folder, so the results of this run are in runs/wall-2");
    EXPECT_FALSE(fs::exists("arq.txt"));
    EXPECT_FALSE(fs::exists("runs/wall/arq.txt"));

    CloseRun(*engine);
    CloseRun(*second);
    ASSERT_EQ(RunToCompletion(*third), 0);
    EXPECT_EQ(third->run.results, "");
    EXPECT_EQ(DescribeRunEnd(*third, 0).text, "Execution sucessfully terminated");
    for (const char* name : kResultFiles)
        EXPECT_EQ(ReadFile(name), ReadFile(fs::path("runs/wall-2") / name)) << name;
}

TEST(EngineState, DefaultsGridAndRefusals) {
    auto engine = CreateEngine(nullptr);
    EXPECT_EQ(engine->NodeCount(), 36);
    EXPECT_FLOAT_EQ(engine->params.he, 12.4f);
    EXPECT_EQ(engine->params.maxIterations, 150);
    EXPECT_EQ(SetExternalCoefficient(*engine, 0.0f), -1);
    EXPECT_FLOAT_EQ(engine->params.he, 12.4f);
    EXPECT_EQ(SetExternalCoefficient(*engine, -3.0f), 0);
    EXPECT_EQ(engine->params.externalComputed, 1);
    EXPECT_FLOAT_EQ(engine->params.he, 0.0f);
    EXPECT_EQ(SetForcedConvection(*engine, 1.0f, -1.0f, 0.5f), -1);
    EXPECT_FLOAT_EQ(engine->params.forcedInputs[0], 1.0f);
    EXPECT_EQ(SetDates(*engine, DayHour{2, 1, 0}, DayHour{1, 1, 23}), -1);
    EXPECT_EQ(engine->params.end.day, 31);

    auto material = test::MakeMaterial({});
    SetLayers(*engine, {Layer(material.get(), 5, 0.05), Layer(material.get(), 25, 0.2),
                        Layer(material.get(), 5, 0.05)});
    RebuildGrid(*engine);
    EXPECT_EQ(engine->n, 35);
    EXPECT_EQ(engine->fixed->Count(), 3);

    auto other = CreateEngine(nullptr);
    SetModelLevel(*engine, 4);
    EXPECT_EQ(other->params.modelLevel, 0);
}

TEST(EngineState, FixedPropertiesTakeTheSampleAboveTheMoisture) {
    auto engine = CreateEngine(nullptr);
    auto material = test::MakeMaterial({});
    MaterialRecord rising;
    for (int i = 0; i < MaterialRecord::kRows; ++i)
        rising.SetRow(i, 1.0f + i, 0, 0, 0, 0);
    SetLayers(*engine, {Layer(&rising, 1, 0.1)});
    RebuildGrid(*engine);
    FillFixedProperties(*engine, 0.0f);
    EXPECT_FLOAT_EQ(engine->fixed->Conductivity(0), 2.0f);
    FillFixedProperties(*engine, 0.0018f * 10);
    EXPECT_FLOAT_EQ(engine->fixed->Conductivity(0), 12.0f);
    FillFixedProperties(*engine, 0.5f);
    EXPECT_FLOAT_EQ(engine->fixed->Conductivity(0), 101.0f);
}

}  // namespace
}  // namespace porvap
