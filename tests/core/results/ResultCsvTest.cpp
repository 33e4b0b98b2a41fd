#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/cases/CaseFile.h"
#include "core/cases/CaseValidation.h"
#include "core/common/Messages.h"
#include "core/engine/Run.h"
#include "core/engine/SimulationEngine.h"
#include "core/materials/MaterialCatalog.h"
#include "core/results/ResultCsv.h"

namespace porvap::test {
namespace {

using Table = std::vector<std::vector<std::string>>;

Table ReadCsv(const std::string& path) {
    Table table;
    std::istringstream text(ReadFile(path));
    for (std::string line; std::getline(text, line);) {
        std::vector<std::string>& row = table.emplace_back();
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');)
            row.push_back(cell);
    }
    return table;
}

double Number(const std::string& cell) {
    return std::stod(cell);
}

// A flux.txt line: date, latent and sensible heat to the room in W/m2, and vapour into the
// element in mg/(m2 s).
struct FluxRow {
    int day = 0, month = 0, hour = 0;
    double latent = 0.0, sensible = 0.0, vapour = 0.0;
};

std::vector<FluxRow> ReadFlux() {
    std::vector<FluxRow> rows;
    std::istringstream text(ReadFile("flux.txt"));
    std::string line;
    std::getline(text, line);  // the header
    for (FluxRow row; std::getline(text, line);) {
        EXPECT_EQ(std::sscanf(line.c_str(), "%d/%d-%d %lf %lf %lf", &row.day, &row.month, &row.hour,
                              &row.latent, &row.sensible, &row.vapour),
                  6)
            << line;
        rows.push_back(row);
    }
    return rows;
}

// arq.txt's line of a month: energies in Wh/m2 (labelled kWh), moisture % vol, degC.
struct ArqMonth {
    double sensibleGain = 0.0, sensibleLoss = 0.0, latentGain = 0.0, latentLoss = 0.0;
    double moisture = 0.0, temperature = 0.0;
};

ArqMonth ReadArqMonth(int month) {
    const std::string arq = ReadFile("arq.txt");
    const std::size_t at = arq.find("\n" + std::to_string(month) + " ", arq.find("\nmth "));
    ArqMonth m;
    EXPECT_NE(at, std::string::npos) << month;
    if (at != std::string::npos) {
        EXPECT_EQ(
            std::sscanf(arq.c_str() + at, "%*d %lf %lf %lf %lf %lf %lf", &m.sensibleGain,
                        &m.sensibleLoss, &m.latentGain, &m.latentLoss, &m.moisture, &m.temperature),
            6);
    }
    return m;
}

// The rendered brick wall at level 0 from 29/01 00 to 02/02 23 on a copy of the bundled
// data: the recording pass dates its steps 29/01-01 to 02/02-22, 71 of them in January
// and 47 in February.
class ResultCsvTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy(SourcePath("data"), scratch_.Path(),
                              std::filesystem::copy_options::recursive);
        catalog_.LoadCatalog(messages_);
        std::string message;
        ASSERT_EQ(ReadCaseFile("cases/wall-level0.sim", wall_, message), 0) << message;
        wall_.start = {28, 0, 0};
        wall_.finish = {1, 1, 23};
        wall_.profiles = true;
        wall_.profileStart = wall_.start;
        wall_.profileStop = wall_.finish;
    }

    void SetUpRun(const CaseRecord& record) {
        ResetDefaults(*engine_);
        RunSettings settings;
        const ValidationResult checked = ValidateAndSetUp(record, catalog_, *engine_, settings);
        EXPECT_TRUE(checked.ok) << checked.message;
    }

    int Run(const CaseRecord& record) {
        SetUpRun(record);
        return RunToCompletion(*engine_);
    }

    Table Hourly() {
        EXPECT_TRUE(WriteHourlyFlowsCsv("flows.csv", *engine_));
        return ReadCsv("flows.csv");
    }

    Table Monthly() {
        EXPECT_TRUE(WriteMonthlySummaryCsv("monthly.csv", *engine_));
        return ReadCsv("monthly.csv");
    }

    ScratchDir scratch_;
    RecordingMessageSink messages_;
    MaterialCatalog catalog_;
    CaseRecord wall_;
    std::unique_ptr<SimulationEngine> engine_ = CreateEngine(nullptr);
};

TEST_F(ResultCsvTest, HourlyRowsAreTheRowsOfFluxTxt) {
    ASSERT_EQ(Run(wall_), 0);
    const Table csv = Hourly();
    const std::vector<FluxRow> flux = ReadFlux();
    ASSERT_EQ(flux.size(), 118u);
    ASSERT_EQ(csv.size(), 1 + flux.size());
    EXPECT_EQ(csv[0], (std::vector<std::string>{
                          "Month", "Day", "Hour", "Sensible heat to room (W/m2)",
                          "Latent heat to room (W/m2)", "Total heat to room (W/m2)",
                          "Water vapour to room (g/(m2 h))", "Outdoor temperature (degC)",
                          "Outdoor relative humidity (fraction)", "Indoor temperature (degC)",
                          "Indoor relative humidity (fraction)"}));
    for (std::size_t k = 0; k < flux.size(); ++k) {
        const std::vector<std::string>& row = csv[k + 1];
        ASSERT_EQ(row.size(), 11u) << k;
        EXPECT_EQ(std::stoi(row[0]), flux[k].month) << k;
        EXPECT_EQ(std::stoi(row[1]), flux[k].day) << k;
        EXPECT_EQ(std::stoi(row[2]), flux[k].hour) << k;
        EXPECT_NEAR(Number(row[3]), flux[k].sensible, 1e-6) << k;
        EXPECT_NEAR(Number(row[4]), flux[k].latent, 1e-6) << k;
        EXPECT_NEAR(Number(row[5]), flux[k].sensible + flux[k].latent, 3e-6) << k;
        // mg/(m2 s) into the element against g/(m2 h) into the room.
        EXPECT_NEAR(Number(row[6]), -3.6 * flux[k].vapour, 4e-6) << k;
    }
    EXPECT_EQ(csv[1][0] + "/" + csv[1][1] + "-" + csv[1][2], "1/29-1");
    EXPECT_EQ(csv.back()[0] + "/" + csv.back()[1] + "-" + csv.back()[2], "2/2-22");
}

// Every completed run is kept, with profile output or without.
TEST_F(ResultCsvTest, FlowsAreKeptWithoutFluxTxt) {
    ASSERT_EQ(Run(wall_), 0);
    ASSERT_TRUE(WriteHourlyFlowsCsv("with.csv", *engine_));
    wall_.profiles = false;
    ASSERT_EQ(Run(wall_), 0);
    EXPECT_EQ(ReadFile("flux.txt"), "Not generated");
    ASSERT_TRUE(WriteHourlyFlowsCsv("without.csv", *engine_));
    EXPECT_EQ(ReadFile("without.csv"), ReadFile("with.csv"));
}

TEST_F(ResultCsvTest, MonthlyRowsAgreeWithArqTxtAndAddUpToTheYear) {
    ASSERT_EQ(Run(wall_), 0);
    const Table csv = Monthly();
    ASSERT_EQ(csv.size(), 4u);  // header, January, February, year
    EXPECT_EQ(csv[0], (std::vector<std::string>{"Month", "Hours", "Mean element temperature (degC)",
                                                "Mean element moisture content (% vol)",
                                                "Sensible heat gain in office hours (kWh/m2)",
                                                "Sensible heat loss in office hours (kWh/m2)",
                                                "Latent heat gain in office hours (kWh/m2)",
                                                "Latent heat loss in office hours (kWh/m2)"}));
    EXPECT_EQ(csv[1][0], "1");
    EXPECT_EQ(csv[2][0], "2");
    EXPECT_EQ(csv[3][0], "Year");
    const double hours[] = {71.0, 47.0};
    for (int m = 0; m < 2; ++m) {
        const std::vector<std::string>& row = csv[m + 1];
        ASSERT_EQ(row.size(), 8u);
        const ArqMonth arq = ReadArqMonth(m + 1);
        EXPECT_EQ(Number(row[1]), hours[m]);
        // Both are means over the hours recorded; arq.txt rounds them to four decimals.
        EXPECT_NEAR(Number(row[2]), arq.temperature, 0.6e-4);
        EXPECT_NEAR(Number(row[3]), arq.moisture, 0.6e-4);
        EXPECT_GT(Number(row[2]), 20.0);
        EXPECT_TRUE(Near(1000.0 * Number(row[4]), arq.sensibleGain, 1e-5));
        EXPECT_NEAR(-1000.0 * Number(row[5]), arq.sensibleLoss, 1e-3);
        EXPECT_NEAR(1000.0 * Number(row[6]), arq.latentGain, 1e-3);
        EXPECT_NEAR(-1000.0 * Number(row[7]), arq.latentLoss, 1e-3);
        for (int c = 4; c < 8; ++c)
            EXPECT_GE(Number(row[c]), 0.0) << c;
    }
    const std::vector<std::string>& year = csv[3];
    EXPECT_EQ(Number(year[1]), 118.0);
    for (int c = 2; c < 4; ++c) {
        const double weighted = (71.0 * Number(csv[1][c]) + 47.0 * Number(csv[2][c])) / 118.0;
        EXPECT_NEAR(Number(year[c]), weighted, 2e-6) << c;
    }
    for (int c = 4; c < 8; ++c)
        EXPECT_NEAR(Number(year[c]), Number(csv[1][c]) + Number(csv[2][c]), 2e-6) << c;
}

// Only a run that went to its summary can be exported; a later run that fails forgets it.
TEST_F(ResultCsvTest, NothingIsWrittenWithoutACompletedRun) {
    EXPECT_FALSE(WriteHourlyFlowsCsv("flows.csv", *engine_));
    EXPECT_FALSE(WriteMonthlySummaryCsv("monthly.csv", *engine_));

    ASSERT_EQ(Run(wall_), 0);
    EXPECT_TRUE(engine_->hourly.Complete());
    SetUpRun(wall_);
    std::filesystem::rename("BrazilianWeathers", "elsewhere");
    EXPECT_EQ(RunToCompletion(*engine_), kExternalClimateUnreadable);
    EXPECT_FALSE(WriteHourlyFlowsCsv("flows.csv", *engine_));
    EXPECT_FALSE(WriteMonthlySummaryCsv("monthly.csv", *engine_));
    EXPECT_FALSE(std::filesystem::exists("flows.csv"));
    EXPECT_FALSE(std::filesystem::exists("monthly.csv"));
}

TEST_F(ResultCsvTest, StoppedRunsAreNotExported) {
    ASSERT_EQ(Run(wall_), 0);
    SetUpRun(wall_);
    RebuildGrid(*engine_);
    ASSERT_EQ(StartRun(*engine_), 0);
    int rc = kStepContinue;
    for (int step = 0; step < 150 && (rc == kStepContinue || rc == kWarmupComplete); ++step)
        rc = AdvanceTimeStep(*engine_);
    ASSERT_EQ(rc, kStepContinue);
    CloseRun(*engine_);
    EXPECT_FALSE(engine_->hourly.Rows().empty());
    EXPECT_FALSE(WriteHourlyFlowsCsv("flows.csv", *engine_));
}

TEST_F(ResultCsvTest, FilesThatCannotBeWrittenAreReported) {
    ASSERT_EQ(Run(wall_), 0);
    for (const char* path : {"missing/flows.csv", "cases"}) {
        EXPECT_FALSE(WriteHourlyFlowsCsv(path, *engine_)) << path;
        EXPECT_FALSE(WriteMonthlySummaryCsv(path, *engine_)) << path;
    }
    EXPECT_FALSE(std::filesystem::exists("missing"));
    // A device that takes no data: the failure shows at the close, and the device stays.
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    EXPECT_FALSE(WriteHourlyFlowsCsv("/dev/full", *engine_));
    EXPECT_FALSE(WriteMonthlySummaryCsv("/dev/full", *engine_));
    EXPECT_TRUE(std::filesystem::exists("/dev/full"));
}

}  // namespace
}  // namespace porvap::test
