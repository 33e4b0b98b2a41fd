#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "TestSupport.h"
#include "WriteInterruption.h"
#include "core/workspace/DirectoryConfig.h"

namespace porvap {
namespace {

std::string Current() {
    return std::filesystem::current_path().string() + "/";
}

TEST(DirectoryConfig, MissingFileGivesTheCurrentDirectoryToBoth) {
    test::ScratchDir scratch;
    DirectoryConfig config;
    EXPECT_FALSE(config.Read());
    EXPECT_EQ(config.FirstDirectory(), Current());
    EXPECT_EQ(config.SecondDirectory(), Current());
    ASSERT_TRUE(config.Write());
    EXPECT_EQ(test::ReadFile(DirectoryConfig::kFileName), Current() + "\n" + Current() + "\n");
}

TEST(DirectoryConfig, LinesAreWrittenBackEndingInASeparator) {
    test::ScratchDir scratch;
    test::WriteFile(DirectoryConfig::kFileName, "C:\\Data\r\n/home/me/cases\n");
    DirectoryConfig config;
    ASSERT_TRUE(config.Read());
    EXPECT_EQ(config.FirstDirectory(), "C:\\Data/");
    EXPECT_EQ(config.SecondDirectory(), "/home/me/cases/");
    ASSERT_TRUE(config.Write());
    EXPECT_EQ(test::ReadFile(DirectoryConfig::kFileName), "C:\\Data/\n/home/me/cases/\n");

    test::WriteFile(DirectoryConfig::kFileName, "C:\\Data\\\nd/\n");
    ASSERT_TRUE(config.Read());
    EXPECT_EQ(config.FirstDirectory(), "C:\\Data\\");
    EXPECT_EQ(config.SecondDirectory(), "d/");
}

TEST(DirectoryConfig, LongLinesAreCutAndEmptyOnesFallBack) {
    test::ScratchDir scratch;
    test::WriteFile(DirectoryConfig::kFileName, std::string(250, 'd') + "\n");
    DirectoryConfig config;
    ASSERT_TRUE(config.Read());
    EXPECT_EQ(config.FirstDirectory(), std::string(DirectoryConfig::kMaxLineLength, 'd') + "/");
    EXPECT_EQ(config.SecondDirectory(), Current());

    test::WriteFile(DirectoryConfig::kFileName, "\nsecond\n");
    ASSERT_TRUE(config.Read());
    EXPECT_EQ(config.FirstDirectory(), Current());
}

TEST(DirectoryConfig, WriteReportsAFileThatCannotBeCreated) {
    test::ScratchDir scratch;
    DirectoryConfig config;
    config.Read();
    std::filesystem::create_directory(DirectoryConfig::kFileName);
    EXPECT_FALSE(config.Write());
}

TEST(DirectoryConfig, FullDiskOrKillPartWayLeavesTheOldFile) {
    test::ScratchDir scratch;
    const std::string line(DirectoryConfig::kMaxLineLength, 'd');
    test::WriteFile(DirectoryConfig::kFileName, line + "\n" + line + "\n");
    DirectoryConfig config;
    ASSERT_TRUE(config.Read());
    const std::string old = "old/\nold/\n";
    test::WriteFile(DirectoryConfig::kFileName, old);
    const auto write = [&] { return config.Write(); };

    EXPECT_EQ(test::WriteUnderFileSizeLimit(100, test::AtLimit::Fail, write),
              test::Outcome::ReportedFailure);
    EXPECT_EQ(test::ReadFile(DirectoryConfig::kFileName), old);
    EXPECT_EQ(test::DirectoryEntries(), std::set<std::string>{DirectoryConfig::kFileName});
    EXPECT_EQ(test::WriteUnderFileSizeLimit(100, test::AtLimit::Kill, write),
              test::Outcome::Killed);
    EXPECT_EQ(test::ReadFile(DirectoryConfig::kFileName), old);
}

}  // namespace
}  // namespace porvap
