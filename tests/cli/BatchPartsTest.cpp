// The pieces of porvap-run's batch: command line, case collection, result names, table.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "cli/BatchPlan.h"
#include "cli/CommandLine.h"
#include "cli/SummaryTable.h"

namespace porvap {
namespace {

namespace fs = std::filesystem;

TEST(CommandLineTest, ReadsOptionsInBothFormsAndKeepsInputsInOrder) {
    CommandLine line;
    std::string error;
    ASSERT_TRUE(ParseCommandLine({"-j", "3", "b.sim", "-oout", "a", "--", "-c.sim"}, line, error));
    EXPECT_EQ(line.jobs, 3);
    EXPECT_EQ(line.outputDirectory, "out");
    EXPECT_EQ(line.inputs, (std::vector<std::string>{"b.sim", "a", "-c.sim"}));
    EXPECT_FALSE(line.help);

    ASSERT_TRUE(ParseCommandLine({"-j12", "-o", "x", "-"}, line, error));
    EXPECT_EQ(line.jobs, 12);
    EXPECT_EQ(line.inputs, std::vector<std::string>{"-"});
    ASSERT_TRUE(ParseCommandLine({"--help"}, line, error));
    EXPECT_TRUE(line.help);
}

TEST(CommandLineTest, RefusesWhatItCannotUse) {
    CommandLine line;
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{},
                                                      {"-q", "a.sim"},
                                                      {"--output", "o", "a.sim"},
                                                      {"-j", "0", "a.sim"},
                                                      {"-j", "2x", "a.sim"},
                                                      {"-j", "99999999999", "a.sim"},
                                                      {"a.sim", "-j"},
                                                      {"-o", "", "a.sim"},
                                                      {"-j", "2"}}) {
        std::string error;
        EXPECT_FALSE(ParseCommandLine(arguments, line, error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(CommandLineTest, OnlyOneCaseFileWithoutOutputDirectoryRunsAlone) {
    test::ScratchDir dir;
    fs::create_directory("cases");
    CommandLine line;
    line.inputs = {"a.sim"};
    EXPECT_TRUE(line.SingleCase());
    line.inputs = {"cases"};
    EXPECT_FALSE(line.SingleCase());
    line.inputs = {"a.sim"};
    line.outputDirectory = ".";
    EXPECT_FALSE(line.SingleCase());
    line.outputDirectory.reset();
    line.inputs = {"a.sim", "b.sim"};
    EXPECT_FALSE(line.SingleCase());
}

TEST(BatchPlanTest, DirectoriesGiveTheirCaseFilesInNameOrder) {
    test::ScratchDir dir;
    fs::create_directories("set/inner");
    for (const char* name : {"set/b.sim", "set/a.sim", "set/notes.txt", "set/inner/c.sim"})
        test::WriteFile(name, "");
    fs::create_directory("set/d.sim");  // a directory, not a case
    std::vector<std::string> cases;
    std::string error;
    ASSERT_TRUE(CollectCaseFiles({"z.sim", "set", "missing.sim"}, cases, error));
    EXPECT_EQ(cases,
              (std::vector<std::string>{"z.sim", (fs::path("set") / "a.sim").string(),
                                        (fs::path("set") / "b.sim").string(), "missing.sim"}));
    EXPECT_FALSE(CollectCaseFiles({"set/inner", "set/d.sim"}, cases, error));
    EXPECT_NE(error.find("set/d.sim"), std::string::npos);
}

TEST(BatchPlanTest, SharedNamesAreMadeUniqueWithoutTakingAnotherCasesName) {
    const auto plan = PlanBatch(
        {"a/wall.sim", "b/wall.sim", "wall-2.sim", "c/Wall.sim", "..sim", "x/.sim"}, "out");
    std::vector<std::string> directories;
    for (const BatchCase& job : plan)
        directories.push_back(job.resultsDirectory);
    EXPECT_EQ(directories, (std::vector<std::string>{"out/wall", "out/wall-3", "out/wall-2",
                                                     "out/Wall-4", "out/case", "out/.sim"}));
    EXPECT_EQ(plan[1].casePath, "b/wall.sim");
    EXPECT_EQ(PlanBatch({"cases/one.sim"}, "").front().resultsDirectory, "one");
}

CaseReport Completed(const std::string& path) {
    CaseReport report;
    report.job = {path, "out"};
    report.outcome.code = 0;
    report.status = "Execution sucessfully terminated";
    report.outcome.gain = {12.345, 0.1, {5, 1, 14}};
    report.outcome.loss = {-3.5, 0.2, {20, 7, 9}};
    report.outcome.energy = {1234.5f, -20.0f};
    return report;
}

TEST(SummaryTableTest, ColumnsLineUpAndOnlyCompletedRunsHaveFigures) {
    CaseReport refused;
    refused.job = {"a-rather-long-case-name.sim", "out"};
    refused.status = "External convection coeficient less than zero";
    CaseReport noLoss = Completed("warm.sim");
    noLoss.outcome.loss = Peak{};
    std::istringstream table(SummaryTable({Completed("wall.sim"), refused, noLoss}));
    std::vector<std::string> lines;
    for (std::string line; std::getline(table, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 7u);  // two of legend, two of headings, three rows
    EXPECT_NE(lines[0].find("heat the room gains"), std::string::npos);
    for (std::size_t i = 3; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].size(), lines[2].size()) << lines[i];
    const auto status = lines[2].find("status");
    EXPECT_EQ(lines[5].find("External"), status);
    EXPECT_EQ(lines[5].substr(lines[5].size() - 3), "  -");
    EXPECT_TRUE(lines[4].ends_with(" 12.35  05/01 14:00       3.50  20/07 09:00    0.020    1.234"))
        << lines[4];
    EXPECT_NE(lines[6].find("   0.00            -"), std::string::npos);
}

}  // namespace
}  // namespace porvap
