#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>

#include "TestSupport.h"
#include "WriteInterruption.h"
#include "core/common/FileReplacement.h"

namespace porvap {
namespace {

namespace fs = std::filesystem;

const std::string kOld = "old content\n";
const std::string kNew(20000, 'n');

bool WriteNew(const std::string& path) {
    return ReplaceFile(path, [](std::FILE* file) { std::fputs(kNew.c_str(), file); });
}

class FileReplacement : public ::testing::Test {
  protected:
    void SetUp() override { test::WriteFile("data.txt", kOld); }
    void ExpectOldFileAlone() {
        EXPECT_EQ(test::ReadFile("data.txt"), kOld);
        EXPECT_EQ(test::DirectoryEntries(), std::set<std::string>{"data.txt"});
    }
    test::ScratchDir scratch_;
};

TEST_F(FileReplacement, ReplacesTheWholeFileAndLeavesNothingElse) {
    ASSERT_TRUE(WriteNew("data.txt"));
    EXPECT_EQ(test::ReadFile("data.txt"), kNew);
    EXPECT_EQ(test::DirectoryEntries(), std::set<std::string>{"data.txt"});

    fs::create_directory("sub");
    ASSERT_TRUE(WriteNew("sub\\new.txt"));
    EXPECT_EQ(test::ReadFile("sub/new.txt"), kNew);
    EXPECT_EQ(test::DirectoryEntries("sub"), std::set<std::string>{"new.txt"});
}

// Renaming over a pipe or a directory would swap it for a regular file: they are refused.
TEST_F(FileReplacement, OnlyRegularFilesAreReplaced) {
    ASSERT_EQ(mkfifo("pipe", 0600), 0);
    fs::create_directory("folder");
    EXPECT_FALSE(WriteNew("pipe"));
    EXPECT_FALSE(WriteNew("folder"));
    EXPECT_TRUE(fs::is_fifo("pipe"));
    EXPECT_TRUE(fs::is_directory("folder"));
    EXPECT_EQ(test::DirectoryEntries(), (std::set<std::string>{"data.txt", "folder", "pipe"}));
}

TEST_F(FileReplacement, KeepsPermissionsAndSymbolicLinks) {
    fs::permissions("data.txt",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteNew("data.txt"));
    EXPECT_EQ(fs::status("data.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    fs::create_directory("real");
    test::WriteFile("real/target.txt", kOld);
    fs::create_symlink("real/target.txt", "link.txt");
    ASSERT_TRUE(WriteNew("link.txt"));
    EXPECT_TRUE(fs::is_symlink("link.txt"));
    EXPECT_EQ(test::ReadFile("real/target.txt"), kNew);
    EXPECT_EQ(test::DirectoryEntries("real"), std::set<std::string>{"target.txt"});
}

TEST_F(FileReplacement, FailuresLeaveTheOldFileAndNoTemporary) {
    fs::create_directory("dir");
    EXPECT_FALSE(WriteNew("dir"));
    EXPECT_TRUE(fs::is_directory("dir"));
    EXPECT_TRUE(fs::is_empty("dir"));
    EXPECT_FALSE(WriteNew("missing/data.txt"));
    fs::remove("dir");

    const auto throwing = [](std::FILE* file) {
        std::fputs("partial", file);
        throw std::runtime_error("writer failed");
    };
    EXPECT_THROW(ReplaceFile("data.txt", throwing), std::runtime_error);
    ExpectOldFileAlone();
}

// Root may write any file, so this holds only for other users.
TEST_F(FileReplacement, ReadOnlyFileIsNotReplaced) {
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    fs::permissions("data.txt", fs::perms::owner_read);
    EXPECT_FALSE(WriteNew("data.txt"));
    fs::permissions("data.txt", fs::perms::owner_read | fs::perms::owner_write);
    ExpectOldFileAlone();
}

TEST_F(FileReplacement, FullDiskAtAnyPointLeavesTheOldFileAlone) {
    for (const rlim_t limit : {0, 1, 4095, 4096, 4097, 19999}) {
        const auto outcome = test::WriteUnderFileSizeLimit(limit, test::AtLimit::Fail,
                                                           [] { return WriteNew("data.txt"); });
        EXPECT_EQ(outcome, test::Outcome::ReportedFailure) << limit;
        ExpectOldFileAlone();
    }
    EXPECT_EQ(test::WriteUnderFileSizeLimit(20000, test::AtLimit::Fail,
                                            [] { return WriteNew("data.txt"); }),
              test::Outcome::ReportedSuccess);
    EXPECT_EQ(test::ReadFile("data.txt"), kNew);
}

TEST_F(FileReplacement, KillPartWayLeavesTheOldFile) {
    const auto outcome = test::WriteUnderFileSizeLimit(10000, test::AtLimit::Kill,
                                                       [] { return WriteNew("data.txt"); });
    ASSERT_EQ(outcome, test::Outcome::Killed);
    EXPECT_EQ(test::ReadFile("data.txt"), kOld);
}

// The child writes half the content, tells the parent and waits; the parent kills it there.
TEST_F(FileReplacement, SigkillPartWayLeavesTheOldFileAndAPartialTemporary) {
    int written[2], never[2];
    ASSERT_EQ(pipe(written), 0);
    ASSERT_EQ(pipe(never), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ReplaceFile("data.txt", [&](std::FILE* file) {
            std::fputs(kNew.substr(0, 10000).c_str(), file);
            std::fflush(file);
            char byte = 1;
            if (write(written[1], &byte, 1) == 1) [[maybe_unused]]
                const auto blocked = read(never[0], &byte, 1);
        });
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(written[0], &byte, 1), 1);
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    for (int fd : {written[0], written[1], never[0], never[1]})
        close(fd);

    EXPECT_EQ(test::ReadFile("data.txt"), kOld);
    auto entries = test::DirectoryEntries();
    ASSERT_EQ(entries.size(), 2u);
    entries.erase("data.txt");
    EXPECT_EQ(test::ReadFile(*entries.begin()), kNew.substr(0, 10000));
    ASSERT_TRUE(WriteNew("data.txt"));
    EXPECT_EQ(test::ReadFile("data.txt"), kNew);

    RemoveStaleTemporaries(".");
    EXPECT_EQ(test::DirectoryEntries(), std::set<std::string>{"data.txt"});
}

// Only exact temporary names of writers that have ended: the temporary of a live writer,
// names that only look alike, and a directory or a link under a temporary's name stay.
TEST_F(FileReplacement, LeftoverTemporariesOfEndedWritersAreRemoved) {
    const std::string ended = std::to_string(test::EndedProcessId());
    const std::string live = std::to_string(getpid());
    const std::set<std::string> staying = {
        "data.txt",
        ".porvap-" + live + "-3.tmp",
        "porvap-" + ended + "-0.tmp",
        ".porvap-" + ended + "-0.tmp.bak",
        ".porvap-" + ended + ".tmp",
        ".porvap-" + ended + "-x.tmp",
        ".porvap--0.tmp",
        ".porvap-" + ended + "-1.tmp",  // a directory
        ".porvap-" + ended + "-2.tmp",  // a link
    };
    for (const std::string& name : staying)
        test::WriteFile(name, "x");
    fs::remove(".porvap-" + ended + "-1.tmp");
    fs::create_directory(".porvap-" + ended + "-1.tmp");
    fs::remove(".porvap-" + ended + "-2.tmp");
    fs::create_symlink("data.txt", ".porvap-" + ended + "-2.tmp");
    test::WriteFile(".porvap-" + ended + "-0.tmp", "partial");
    test::WriteFile(".porvap-" + ended + "-12.tmp", "partial");

    RemoveStaleTemporaries(".");
    EXPECT_EQ(test::DirectoryEntries(), staying);
}

}  // namespace
}  // namespace porvap
