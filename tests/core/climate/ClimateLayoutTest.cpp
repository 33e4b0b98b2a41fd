#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TestSupport.h"
#include "core/climate/ClimateFile.h"
#include "core/common/TextFiles.h"

namespace porvap {
namespace {

using test::ScratchDir;
using test::WriteFile;

std::string Fields(int count, const std::string& separator = " ") {
    std::string line = "1";
    for (int field = 2; field <= count; ++field)
        line += separator + std::to_string(field);
    return line;
}

TEST(DetectClimateLayout, CountsGapsOnTheFirstLine) {
    ScratchDir dir;
    const struct {
        std::string text;
        int layout;
    } cases[] = {
        {Fields(6) + "\n" + Fields(2) + "\n", 1},
        {Fields(6) + " \n", 1},
        {Fields(7) + "\n", 1},
        {Fields(8) + "\n", -1},
        {Fields(8) + " \n", 2},
        {Fields(9) + "\n", 2},
        {Fields(10) + "\n", 2},
        {Fields(11) + "\n", 3},
        {Fields(5) + "\n", -1},
        {Fields(13) + "\n", -1},
        {Fields(9, "\t") + "\n", 2},
        {Fields(9, " \t  ") + "\n", 2},
        {" \t " + Fields(11) + "\n", 3},
        {Fields(6) + "\f", 1},
        {Fields(9) + "\r\n", 2},
        {Fields(8) + "\r\n", -1},
        {Fields(11) + " \r\n", 3},
        {Fields(6), -1},
        {"\n" + Fields(6) + "\n", -1},
        {"", -1},
    };
    for (const auto& c : cases) {
        WriteFile("ext.pvh", c.text);
        EXPECT_EQ(DetectClimateLayout("ext.pvh"), c.layout) << '"' << c.text << '"';
    }
    EXPECT_EQ(DetectClimateLayout("missing.pvh"), -1);
    EXPECT_EQ(DetectClimateLayout("/dev/zero"), -1);  // a first line without end
}

TEST(DetectClimateLayout, AcceptsBackslashSeparators) {
    ScratchDir dir;
    std::filesystem::create_directories("weather");
    WriteFile("weather/ext.pvh", Fields(11) + "\n");
    EXPECT_EQ(DetectClimateLayout(".\\weather\\ext.pvh"), 3);
    EXPECT_EQ(NativePath("a\\b/c"), "a/b/c");
}

TEST(OpenDataFile, OpensRegularFilesOnly) {
    ScratchDir dir;
    WriteFile("ext.pvh", Fields(6) + "\n");
    std::filesystem::create_directory("folder.pvh");
    ASSERT_EQ(mkfifo("pipe.pvh", 0600), 0);
    EXPECT_NE(OpenDataFile(".\\ext.pvh"), nullptr);
    for (const char* refused : {"missing.pvh", "/dev/zero", "/dev/null", "folder.pvh", "pipe.pvh"})
        EXPECT_EQ(OpenDataFile(refused), nullptr) << refused;
}

}  // namespace
}  // namespace porvap
