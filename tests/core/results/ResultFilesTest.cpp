#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/common/Messages.h"
#include "core/engine/SimulationEngine.h"
#include "core/results/ProfileStore.h"
#include "core/results/ResultFiles.h"

namespace porvap::test {
namespace {

int CountLines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// A store of `profiles` profiles of `nodes` nodes: T = 20 + node + profile, theta = 0.001 × node.
ProfileStore MakeStore(int profiles, int nodes) {
    ProfileStore store;
    store.Reset(profiles, nodes);
    for (int k = 0; k < profiles; ++k) {
        std::vector<double> temperature(nodes), theta(nodes);
        for (int i = 0; i < nodes; ++i) {
            temperature[i] = 20.0 + i + k;
            theta[i] = 0.001 * i;
        }
        const std::string label = "0" + std::to_string(k + 1) + "/01 - 00";
        store.Save(label, temperature, theta, 0.0f, 0.0f, 0.0f);
    }
    return store;
}

class ResultFilesTest : public ::testing::Test {
  protected:
    ScratchDir scratch_;
};

// Profile exports

TEST_F(ResultFilesTest, OneProfileHasCountLabelAndNodeLines) {
    const ProfileStore store = MakeStore(2, 2);
    ASSERT_TRUE(WriteProfile("perfil.txt", store, 1));
    EXPECT_EQ(ReadFile("perfil.txt"),
              "2\n02/01 - 00\n0 21.000000 0.000000\n1 22.000000 0.001000\n");
}

TEST_F(ResultFilesTest, AllProfilesFollowOneHeaderLine) {
    const ProfileStore store = MakeStore(3, 12);
    ASSERT_TRUE(WriteAllProfiles("perfis.txt", store));
    const std::string text = ReadFile("perfis.txt");
    EXPECT_EQ(CountLines(text), 1 + 3 * 13);
    EXPECT_EQ(text.substr(0, text.find('\n')), "3 12");
    EXPECT_NE(text.find("\n03/01 - 00\n0 22.000000 0.000000\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 23), "\n11 33.000000 0.011000\n");
}

TEST_F(ResultFilesTest, ProfileExportsRefuseWhatTheyCannotWrite) {
    const ProfileStore store = MakeStore(1, 3);
    EXPECT_FALSE(WriteProfile("none.txt", store, 1));
    EXPECT_FALSE(WriteProfile("none.txt", store, -1));
    EXPECT_FALSE(std::filesystem::exists("none.txt"));
    EXPECT_FALSE(WriteProfile("missing/perfil.txt", store, 0));
    EXPECT_FALSE(WriteAllProfiles("missing/perfis.txt", store));
    EXPECT_FALSE(WriteReport("missing/relat1.txt", "a\n"));
}

// Reports

TEST_F(ResultFilesTest, ReportIsWrittenLineByLine) {
    ASSERT_TRUE(WriteReport("relat1.txt", "Month T\n1 20.5\n\n2 21.0"));
    EXPECT_EQ(ReadFile("relat1.txt"), "Month T\n1 20.5\n\n2 21.0\n");
    ASSERT_TRUE(WriteReport("empty.txt", ""));
    EXPECT_EQ(ReadFile("empty.txt"), "");
}

// The files of the engine's last completed run, wherever it left them; none before it.
TEST_F(ResultFilesTest, ReportsAreReadFromTheFilesOfTheLastCompletedRun) {
    std::filesystem::create_directories("runs/wall");
    WriteFile("runs/wall/arq.txt", "averages\r\nline 2\n");
    WriteFile("runs/wall/hext.txt", "external\n");
    WriteFile("runs/wall/hint.txt", "internal");
    WriteFile("runs/wall/flux.txt", std::string(5003, 'x') + "\nafter\n");
    WriteFile("arq.txt", "another run\n");
    auto engine = CreateEngine(nullptr);
    RecordingMessageSink messages;
    const RunReports none = LoadReports(*engine, messages);
    EXPECT_EQ(none.reports[0].title, "Averages");
    EXPECT_EQ(none.reports[0].text, "");
    EXPECT_TRUE(messages.Messages().empty());

    engine->run.results = "runs/wall";
    const auto [reports, location] = LoadReports(*engine, messages);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(location, "Result files in runs/wall");
    EXPECT_EQ(reports[0].title, "Averages");
    EXPECT_EQ(reports[1].title, "Ext. Coef.");
    EXPECT_EQ(reports[2].title, "Int. Coef.");
    EXPECT_EQ(reports[3].title, "Mass and heat");
    EXPECT_EQ(reports[0].text, "averages\nline 2\n");
    EXPECT_EQ(reports[2].text, "internal\n");
    EXPECT_EQ(reports[3].text, std::string(5000, 'x') + "\nafter\n");
}

TEST_F(ResultFilesTest, MissingReportIsAnnouncedAndLeftEmpty) {
    WriteFile("arq.txt", "averages\n");
    WriteFile("hint.txt", "internal\n");
    WriteFile("flux.txt", "flux\n");
    auto engine = CreateEngine(nullptr);
    engine->run.results = "";
    RecordingMessageSink messages;
    const auto [reports, location] = LoadReports(*engine, messages);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "File could not be opened");
    EXPECT_EQ(messages.Messages()[0].caption, "Error!");
    EXPECT_EQ(location, "");
    EXPECT_EQ(reports[0].text, "averages\n");
    EXPECT_EQ(reports[1].title, "Ext. Coef.");
    EXPECT_EQ(reports[1].text, "");
    EXPECT_EQ(reports[3].text, "flux\n");
}

}  // namespace
}  // namespace porvap::test
