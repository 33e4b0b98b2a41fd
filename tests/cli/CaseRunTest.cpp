#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>

#include "TestSupport.h"
#include "WriteInterruption.h"
#include "cli/CaseRun.h"
#include "core/cases/CaseFile.h"
#include "core/common/FileReplacement.h"
#include "core/common/Messages.h"
#include "core/engine/ResultFolder.h"
#include "core/engine/Run.h"

namespace porvap {
namespace {

namespace fs = std::filesystem;

// A scratch working directory holding a copy of the bundled data.
class BundledCase : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(test::SourcePath("data"), dir.Path(), fs::copy_options::recursive);
    }

    static std::vector<std::string> Lines(const std::string& file) {
        std::istringstream in(test::ReadFile(file));
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    test::ScratchDir dir;
    RecordingMessageSink messages;
};

class WholeYear : public BundledCase, public ::testing::WithParamInterface<int> {};

TEST_P(WholeYear, WritesTheFiveResultFilesOfEveryRecordedHour) {
    const std::string caseFile = "cases/wall-level" + std::to_string(GetParam()) + ".sim";
    ASSERT_EQ(RunCase(caseFile, messages, nullptr).code, 0);
    EXPECT_TRUE(messages.Messages().empty());

    const auto flux = Lines("flux.txt");
    ASSERT_EQ(flux.size(), 1u + 8758u);  // header and every recorded step of the year
    EXPECT_EQ(flux[0], "Date, flow of latent heat, flow of sensible heat, flow of mass");
    const std::regex fluxLine(R"(\d\d/\d\d-\d\d   -?\d+\.\d{6}   -?\d+\.\d{6}   -?\d+\.\d{6})");
    EXPECT_TRUE(std::all_of(flux.begin() + 1, flux.end(), [&](const std::string& line) {
        return std::regex_match(line, fluxLine);
    }));
    EXPECT_EQ(flux[1].substr(0, 8), "01/01-01");  // each step takes the next hourly record
    EXPECT_EQ(flux.back().substr(0, 8), "31/12-22");

    // flux.txt's lines are matched above; no other file may hold a NaN or an infinity.
    for (const char* file : {"arq.txt", "perfis.txt", "hext.txt", "hint.txt"}) {
        const std::string text = test::ReadFile(file);
        EXPECT_EQ(text.find("nan"), std::string::npos) << file;
        EXPECT_EQ(text.find("inf"), std::string::npos) << file;
    }
    const std::string arq = test::ReadFile("arq.txt");
    EXPECT_NE(arq.find("model =" + std::to_string(GetParam())), std::string::npos);
    EXPECT_EQ(arq.substr(arq.size() - 3), "end");
    const std::string perfis = test::ReadFile("perfis.txt");
    EXPECT_NE(perfis.find("Teta(100) 1/14-14 "), std::string::npos);
    EXPECT_EQ(test::ReadFile("hext.txt"), "Not generated");
    EXPECT_EQ(test::ReadFile("hint.txt"), "Not generated");
}

INSTANTIATE_TEST_SUITE_P(ModelLevels, WholeYear, ::testing::Range(0, 6));

TEST_F(BundledCase, DefaultCaseOfANewWindowRuns) {
    EXPECT_EQ(RunCase("cases/default.sim", messages, nullptr).code, 0);
    EXPECT_EQ(test::ReadFile("flux.txt"), "Not generated");
}

TEST_F(BundledCase, RefusedCasesReportTheMessageAndRunNothing) {
    EXPECT_EQ(RunCase("missing.sim", messages, nullptr).code, kCaseRefused);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "File could not be opened for reading");

    CaseRecord wall;
    std::string error;
    ASSERT_EQ(ReadCaseFile("cases/wall-level0.sim", wall, error), 0);
    wall.externalCoefficient = "0";
    ASSERT_EQ(WriteCaseFile("zero.sim", wall), 0);
    messages.Clear();
    EXPECT_EQ(RunCase("zero.sim", messages, nullptr).code, kCaseRefused);
    EXPECT_EQ(messages.Messages().at(0).text, "External convection coeficient less than zero");
    EXPECT_FALSE(fs::exists("arq.txt"));

    wall.externalCoefficient = "12.4";
    wall.start = {0, 1, 0};  // the simulation starts in February, the flows in January
    ASSERT_EQ(WriteCaseFile("narrow.sim", wall), 0);
    messages.Clear();
    EXPECT_EQ(RunCase("narrow.sim", messages, nullptr).code, kCaseRefused);
    EXPECT_TRUE(messages.Messages().at(0).question);
}

TEST_F(BundledCase, RunFailuresCarryTheirCode) {
    fs::remove("BrazilianWeathers/floext.pvh");
    fs::copy_file("BrazilianWeathers/floext_layout2.pvh", "BrazilianWeathers/floext.pvh");
    CaseRecord wall;
    std::string error;
    ASSERT_EQ(ReadCaseFile("cases/wall-level5.sim", wall, error), 0);
    wall.internalFile = "nowhere.pvh";
    ASSERT_EQ(WriteCaseFile("nowhere.sim", wall), 0);
    EXPECT_EQ(RunCase("nowhere.sim", messages, nullptr).code, kInternalClimateUnreadable);
}

// The command itself: exit status and the completion message. It starts by removing what
// a program killed while replacing a file left.
TEST_F(BundledCase, CommandExitsZeroOnlyForACompletedRun) {
    const auto killedReplacing = [] {
        return ReplaceFile("notes.txt", [](std::FILE* file) { std::fputs("notes", file); });
    };
    ASSERT_EQ(test::WriteUnderFileSizeLimit(1, test::AtLimit::Kill, killedReplacing),
              test::Outcome::Killed);
    const std::string command = std::string("\"") + PORVAP_RUN + "\" ";
    EXPECT_EQ(std::system((command + "cases/wall-level5.sim > out.txt 2> err.txt").c_str()), 0);
    const auto entries = test::DirectoryEntries();
    EXPECT_TRUE(std::none_of(entries.begin(), entries.end(),
                             [](const std::string& name) { return name.starts_with(".porvap-"); }));
    EXPECT_EQ(test::ReadFile("out.txt"), "Execution sucessfully terminated\n");
    EXPECT_EQ(test::ReadFile("err.txt"), "");
    EXPECT_NE(std::system((command + "missing.sim > out.txt 2> err.txt").c_str()), 0);
    EXPECT_EQ(test::ReadFile("err.txt"), "Error!: File could not be opened for reading\n");
    EXPECT_EQ(std::system((command + "--help > out.txt").c_str()), 0);
    EXPECT_NE(test::ReadFile("out.txt").find("Usage: porvap-run CASE.sim"), std::string::npos);
}

// A write that fails, here at the file size limit as on a full disk, fails the command and
// leaves the previous results.
TEST_F(BundledCase, CommandFailsWhenItsResultsCannotBeWritten) {
    test::WriteFile("arq.txt", "previous");
    const std::string command = std::string("trap '' XFSZ; ulimit -f 16; exec \"") + PORVAP_RUN +
                                "\" cases/wall-level5.sim > out.txt 2> err.txt";
    EXPECT_NE(std::system(command.c_str()), 0);
    EXPECT_EQ(test::ReadFile("err.txt"), "Couldn't write the result files\n");
    EXPECT_EQ(test::ReadFile("arq.txt"), "previous");
    EXPECT_FALSE(fs::exists("flux.txt"));
}

// Another process holds the working directory's results: the command writes beside them.
TEST_F(BundledCase, CommandBesideAnotherRunWritesIntoAFolderOfItsOwn) {
    ResultFolder held;
    ASSERT_TRUE(held.Hold("", "window"));
    const std::string command = std::string("\"") + PORVAP_RUN + "\" ";
    EXPECT_EQ(std::system((command + "cases/wall-level5.sim > out.txt 2> err.txt").c_str()), 0);
    EXPECT_EQ(test::ReadFile("out.txt"),
              "Execution sucessfully terminated\nAnother run was in progress in the working "
              "folder, so the results of this run are in runs/wall-level5\n");
    EXPECT_TRUE(test::ReadFile("runs/wall-level5/arq.txt").ends_with("end"));
    EXPECT_FALSE(fs::exists("arq.txt"));
}

}  // namespace
}  // namespace porvap
