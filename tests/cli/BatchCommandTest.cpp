// porvap-run with several cases: result directories, the summary table, exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "cli/BatchRunner.h"
#include "cli/CaseRun.h"
#include "core/cases/CaseFile.h"
#include "core/common/Messages.h"
#include "core/engine/Run.h"
#include "core/materials/MaterialCatalog.h"

namespace porvap {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kResultFiles = {"hext.txt", "hint.txt", "flux.txt", "arq.txt",
                                               "perfis.txt"};

// A scratch copy of the bundled data with two short cases in batch/: the bundled wall at
// model levels 0 and 5 over the first two weeks of May (both heat gains and losses).
class Batch : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(test::SourcePath("data"), dir.Path(), fs::copy_options::recursive);
        fs::create_directory("batch");
        WriteCase("batch/brick.sim", ShortWall(0));
        WriteCase("batch/conduction.sim", ShortWall(5));
    }

    static CaseRecord ShortWall(int level) {
        CaseRecord wall;
        std::string error;
        EXPECT_EQ(ReadCaseFile("cases/wall-level" + std::to_string(level) + ".sim", wall, error),
                  0);
        wall.start = wall.profileStart = {0, 4, 0};
        wall.finish = wall.profileStop = {13, 4, 23};
        return wall;
    }

    static void WriteCase(const std::string& path, const CaseRecord& record) {
        ASSERT_EQ(WriteCaseFile(path, record), 0);
    }

    // Exit status of porvap-run with the arguments; its output goes to out.txt and err.txt.
    static int Run(const std::string& arguments) {
        const std::string command =
            std::string("\"") + PORVAP_RUN + "\" " + arguments + " > out.txt 2> err.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // The table row of a case, split at runs of two or more blanks.
    static std::vector<std::string> Row(const std::string& casePath) {
        std::istringstream out(test::ReadFile("out.txt"));
        for (std::string line; std::getline(out, line);) {
            if (line.rfind(casePath + "  ", 0) != 0)
                continue;
            std::vector<std::string> cells;
            const std::regex gap(" {2,}");
            std::copy(std::sregex_token_iterator(line.begin(), line.end(), gap, -1),
                      std::sregex_token_iterator(), std::back_inserter(cells));
            return cells;
        }
        return {};
    }

    // The result files of the case run alone, in the working directory.
    static std::vector<std::string> AloneResults(const std::string& casePath) {
        RecordingMessageSink messages;
        EXPECT_EQ(RunCase(casePath, messages, nullptr).code, 0);
        std::vector<std::string> texts;
        for (const std::string& name : kResultFiles)
            texts.push_back(test::ReadFile(name));
        return texts;
    }

    static void ExpectResults(const fs::path& directory, const std::vector<std::string>& texts) {
        for (std::size_t f = 0; f < kResultFiles.size(); ++f)
            EXPECT_EQ(test::ReadFile(directory / kResultFiles[f]), texts[f])
                << directory / kResultFiles[f];
    }

    test::ScratchDir dir;
};

TEST_F(Batch, EachCaseGetsTheResultsOfARunAloneInItsOwnDirectory) {
    ASSERT_EQ(Run("-j 2 -o out batch"), 0) << test::ReadFile("err.txt");
    ASSERT_EQ(Run("-j 2 batch/conduction.sim batch/brick.sim"), 0);
    EXPECT_FALSE(fs::exists("arq.txt"));  // nothing lands in the working directory itself
    EXPECT_EQ(test::ReadFile("err.txt"), "");
    const std::string out = test::ReadFile("out.txt");
    EXPECT_NE(out.find("] batch/brick.sim -> brick: Execution sucessfully terminated\n"),
              std::string::npos);
    EXPECT_LT(out.find("\nbatch/conduction.sim  "), out.find("\nbatch/brick.sim  "));

    for (const std::string stem : {"brick", "conduction"}) {
        const auto alone = AloneResults("batch/" + stem + ".sim");
        ExpectResults(fs::path("out") / stem, alone);
        ExpectResults(stem, alone);
    }
}

// Each case of a batch leaves its CSV exports beside its result files, an hour per row.
TEST_F(Batch, EachCaseLeavesItsHourlyAndMonthlyCsv) {
    ASSERT_EQ(Run("-j 2 -o out batch"), 0) << test::ReadFile("err.txt");
    for (const std::string stem : {"brick", "conduction"}) {
        const fs::path directory = fs::path("out") / stem;
        const std::string flows = test::ReadFile(directory / "flows.csv");
        const std::string monthly = test::ReadFile(directory / "monthly.csv");
        EXPECT_EQ(flows.rfind("Month,Day,Hour,Sensible heat to room (W/m2),", 0), 0u) << stem;
        const std::string flux = test::ReadFile(directory / "flux.txt");  // header and hours
        EXPECT_EQ(std::count(flows.begin(), flows.end(), '\n'),
                  std::count(flux.begin(), flux.end(), '\n'))
            << stem;
        EXPECT_NE(monthly.find("\nYear,"), std::string::npos) << stem;
    }
}

// A case whose exports cannot be written is not reported as completed.
TEST_F(Batch, ACsvThatCannotBeWrittenFailsItsCase) {
    fs::create_directories("out/brick/flows.csv");  // a directory where the file should go
    EXPECT_EQ(Run("-o out batch"), 1);
    const std::string out = test::ReadFile("out.txt");
    EXPECT_NE(out.find("brick: Couldn't open output files"), std::string::npos) << out;
    EXPECT_NE(out.find("conduction: Execution sucessfully terminated"), std::string::npos);
}

TEST_F(Batch, OneCaseWithoutAnOutputDirectoryRunsAsBefore) {
    ASSERT_EQ(Run("-j 2 batch/brick.sim"), 0);
    EXPECT_EQ(test::ReadFile("out.txt"), "Execution sucessfully terminated\n");
    EXPECT_TRUE(fs::exists("arq.txt"));
    EXPECT_FALSE(fs::exists("brick"));
}

TEST_F(Batch, RefusedCasesAreReportedAndTheOthersComplete) {
    CaseRecord zero = ShortWall(0);
    zero.externalCoefficient = "0";
    WriteCase("batch/zero.sim", zero);
    EXPECT_EQ(Run("-j 2 -o out batch missing.sim"), 1);
    EXPECT_EQ(
        Row("batch/zero.sim"),
        (std::vector<std::string>{"batch/zero.sim", "External convection coeficient less than zero",
                                  "-", "-", "-", "-", "-", "-"}));
    EXPECT_EQ(Row("missing.sim").at(1), "File could not be opened for reading");
    EXPECT_FALSE(fs::exists("out/zero/arq.txt"));
    for (const std::string stem : {"brick", "conduction"}) {
        EXPECT_EQ(Row("batch/" + stem + ".sim").at(1), "Execution sucessfully terminated");
        EXPECT_TRUE(test::ReadFile("out/" + stem + "/arq.txt").ends_with("end"));
    }
}

// Peaks, their dates and the yearly totals of arq.txt, heat losses as positive figures and
// the totals in kWh/m2 rather than arq.txt's Wh/m2.
TEST_F(Batch, TableAgreesWithEachCasesArqFile) {
    ASSERT_EQ(Run("-o out batch"), 0);
    for (const std::string stem : {"brick", "conduction"}) {
        SCOPED_TRACE(stem);
        const std::string arq = test::ReadFile("out/" + stem + "/arq.txt");
        double gain = 0.0, loss = 0.0, cooling = 0.0, heating = 0.0;
        int gainDate[3] = {}, lossDate[3] = {};
        const auto peak = arq.find("\nPOSITIVE");
        ASSERT_NE(peak, std::string::npos);
        ASSERT_EQ(std::sscanf(arq.c_str() + peak,
                              "\nPOSITIVE(cooling): Qpico_pos = %lf W/m^2 rate_pos_Heat(Ql/Qt) = "
                              "%*f DATE: %d/%d-%d h\nNEGATIVE(heating): Qpico_neg = %lf W/m^2 "
                              "rate_neg_Heat(Ql/Qt) = %*f DATE: %d/%d-%d h",
                              &gain, &gainDate[0], &gainDate[1], &gainDate[2], &loss, &lossDate[0],
                              &lossDate[1], &lossDate[2]),
                  8);
        const auto year = arq.find("cooling_anual_energy=");
        ASSERT_EQ(std::sscanf(arq.c_str() + year,
                              "cooling_anual_energy=%lf kW \nheating_anual_energy=%lf", &cooling,
                              &heating),
                  2);
        ASSERT_LT(loss, 0.0);
        const auto row = Row("batch/" + stem + ".sim");
        ASSERT_EQ(row.size(), 8u);
        char date[32];
        EXPECT_NEAR(std::stod(row[2]), gain, 0.005);
        std::snprintf(date, sizeof date, "%02d/%02d %02d:00", gainDate[0], gainDate[1],
                      gainDate[2]);
        EXPECT_EQ(row[3], date);
        EXPECT_NEAR(std::stod(row[4]), -loss, 0.005);
        std::snprintf(date, sizeof date, "%02d/%02d %02d:00", lossDate[0], lossDate[1],
                      lossDate[2]);
        EXPECT_EQ(row[5], date);
        EXPECT_NEAR(std::stod(row[6]), -heating / 1000.0, 0.0005);
        EXPECT_NEAR(std::stod(row[7]), cooling / 1000.0, 0.0005);
        EXPECT_GT(cooling, 1.0);
        EXPECT_LT(heating, -1.0);
    }
}

TEST_F(Batch, CasesSharingANameGetDirectoriesOfTheirOwn) {
    fs::create_directory("other");
    fs::copy_file("batch/conduction.sim", "other/brick.sim");
    fs::copy_file("batch/brick.sim", "brick-2.sim");
    ASSERT_EQ(Run("-o out batch/brick.sim other/brick.sim brick-2.sim"), 0);
    const std::string out = test::ReadFile("out.txt");
    EXPECT_NE(out.find("other/brick.sim -> out/brick-3:"), std::string::npos);
    EXPECT_EQ(test::ReadFile("out/brick/arq.txt"), test::ReadFile("out/brick-2/arq.txt"));
    EXPECT_NE(test::ReadFile("out/brick/arq.txt"), test::ReadFile("out/brick-3/arq.txt"));
}

TEST_F(Batch, UsageErrorsExitWithTwoAndRunNothing) {
    fs::create_directory("empty");
    test::WriteFile("empty/notes.txt", "not a case");
    for (const std::string arguments : {"", "-x batch", "-j 0 batch", "-o out", "batch empty"}) {
        EXPECT_EQ(Run(arguments), 2) << arguments;
        EXPECT_EQ(test::ReadFile("err.txt").rfind("porvap-run: ", 0), 0u) << arguments;
        EXPECT_EQ(test::ReadFile("out.txt"), "") << arguments;
    }
    EXPECT_FALSE(fs::exists("out"));
    EXPECT_FALSE(fs::exists("brick"));
}

// The runner itself: a results directory that cannot be made stops only its own case.
TEST_F(Batch, RunnerReportsEveryCaseOnceWhateverHappensToTheOthers) {
    test::WriteFile("taken", "a file where a directory should go");
    RecordingMessageSink messages;
    MaterialCatalog catalog;
    catalog.LoadCatalog(messages);
    const std::vector<BatchCase> cases = {{"batch/brick.sim", "taken/brick"},
                                          {"batch/conduction.sim", "out/conduction"},
                                          {"batch/brick.sim", "out/brick"}};
    std::vector<std::size_t> counts;
    const auto reports = RunBatch(cases, catalog, 2,
                                  [&](const CaseReport&, std::size_t finished, std::size_t total) {
                                      EXPECT_EQ(total, 3u);
                                      counts.push_back(finished);
                                  });
    EXPECT_EQ(counts, (std::vector<std::size_t>{1, 2, 3}));
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0].outcome.code, kOutputFilesFailed);
    EXPECT_EQ(reports[0].status.rfind("Results directory could not be created", 0), 0u);
    EXPECT_TRUE(reports[1].Completed());
    EXPECT_EQ(reports[2].job.resultsDirectory, "out/brick");
    EXPECT_TRUE(reports[2].Completed());
    EXPECT_GT(reports[2].outcome.gain.value, 0.0);
}

TEST_F(Batch, AMissingOutputDirectoryFailsTheRun) {
    RecordingMessageSink messages;
    MaterialCatalog catalog;
    catalog.LoadCatalog(messages);
    EXPECT_EQ(RunCase("batch/brick.sim", "nowhere", catalog, messages, nullptr).code,
              kOutputFilesFailed);
    EXPECT_FALSE(fs::exists("arq.txt"));
}

}  // namespace
}  // namespace porvap
