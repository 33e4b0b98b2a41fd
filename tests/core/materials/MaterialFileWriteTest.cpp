#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "WriteInterruption.h"
#include "core/materials/MaterialCatalog.h"
#include "core/materials/MaterialFile.h"

namespace porvap {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

ConstantMaterialTexts Brick() {
    ConstantMaterialTexts texts = DefaultConstantMaterialTexts();
    texts.name = "Brick";
    return texts;
}

TEST(ConstantMaterialFile, ExactFormat) {
    test::ScratchDir scratch;
    ASSERT_TRUE(WriteConstantMaterialFile(Brick(), "brick.dat"));
    const std::string text = test::ReadFile("brick.dat");
    const std::string row =
        "   2.391000   0.000000000017600   0.000000006090000   0.000000000017100   "
        "0.000000000039000";
    const std::string head =
        "#Porvap file\nBrick\n2050.000000   0.180000   932.000000\n0" + row + "\n1" + row + "\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    const auto lines = SplitLines(text);
    ASSERT_EQ(lines.size(), 3u + 101u + 2u + 102u);
    EXPECT_EQ(lines[103], "100" + row);
    EXPECT_EQ(lines[104], "#Isotherms");
    EXPECT_EQ(lines[105], "100   0.01");
    EXPECT_EQ(lines[106], "0.000000   0.038000   8.979000");
    EXPECT_EQ(lines[206], "0.999999   0.038000   8.979000");
    EXPECT_EQ(lines[207], "1.009999   0.038000   8.979000");
}

TEST(ConstantMaterialFile, LoadsBackWithEqualRows) {
    test::ScratchDir scratch;
    ASSERT_TRUE(WriteConstantMaterialFile(Brick(), "brick.dat"));
    MaterialCatalog catalog;
    ASSERT_TRUE(LoadMaterialFile(catalog, "brick.dat"));
    const MaterialRecord& m = *catalog.Record(0);
    EXPECT_EQ(m.Name(), "Brick");
    EXPECT_FLOAT_EQ(m.DryDensity(), 2050.0f);
    EXPECT_FLOAT_EQ(m.DryPorosity(), 0.18f);
    EXPECT_FLOAT_EQ(m.SpecificHeat(), 932.0f);
    for (int i = 0; i <= 100; ++i) {
        EXPECT_EQ(m.K().Get(i), 2.391f);
        EXPECT_EQ(m.DT().Get(i), 176e-13f);
        EXPECT_EQ(m.DTeta().Get(i), 609e-11f);
        EXPECT_EQ(m.DTV().Get(i), 171e-13f);
        EXPECT_EQ(m.DTetaV().Get(i), 390e-13f);
    }
    // Humidity 1.0 is row 83 of a table spanning 1.2; the rows above it take row 83's values.
    const IsothermTable& isotherm = *m.Isotherm();
    ASSERT_EQ(isotherm.Intervals(), 100);
    for (int k = 0; k <= 100; ++k) {
        EXPECT_EQ(isotherm.IsDefined(k), k <= 83) << k;
        EXPECT_DOUBLE_EQ(isotherm.Y(k), 0.038) << k;
        EXPECT_DOUBLE_EQ(isotherm.Z(k), 8.979) << k;
    }
    EXPECT_DOUBLE_EQ(isotherm.MoistureAt(1.2), 0.038);
}

TEST(ConstantMaterialFile, ReplacesAnExistingFileAndReportsUncreatableOnes) {
    test::ScratchDir scratch;
    std::filesystem::create_directory("sub");
    test::WriteFile("sub/brick.dat", std::string(20000, 'x'));
    ASSERT_TRUE(WriteConstantMaterialFile(Brick(), "sub\\brick.dat"));
    EXPECT_EQ(test::ReadFile("sub/brick.dat").find('x'), std::string::npos);
    EXPECT_FALSE(WriteConstantMaterialFile(Brick(), "missing/brick.dat"));
    EXPECT_FALSE(WriteConstantMaterialFile(Brick(), "sub"));
}

TEST(ConstantMaterialFile, FullDiskOrKillPartWayLeavesTheOldFile) {
    test::ScratchDir scratch;
    test::WriteFile("brick.dat", "old");
    const auto write = [] { return WriteConstantMaterialFile(Brick(), "brick.dat"); };
    EXPECT_EQ(test::WriteUnderFileSizeLimit(5000, test::AtLimit::Fail, write),
              test::Outcome::ReportedFailure);
    EXPECT_EQ(test::DirectoryEntries(), std::set<std::string>{"brick.dat"});
    EXPECT_EQ(test::WriteUnderFileSizeLimit(5000, test::AtLimit::Kill, write),
              test::Outcome::Killed);
    EXPECT_EQ(test::ReadFile("brick.dat"), "old");
}

}  // namespace
}  // namespace porvap
