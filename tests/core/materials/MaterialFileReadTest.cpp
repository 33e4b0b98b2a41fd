#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "MaterialFileText.h"
#include "TestSupport.h"
#include "core/materials/MaterialCatalog.h"
#include "core/materials/MaterialFile.h"

namespace porvap {
namespace {

using test::MaterialFileText;

class MaterialFileRead : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Load(MaterialFileText("Alpha"), "alpha.dat"));
        ASSERT_TRUE(Load(MaterialFileText("Beta"), "beta.dat"));
    }

    bool Load(const MaterialFileText& file, const std::string& path = "m.dat") {
        test::WriteFile(path, file.Text());
        return LoadMaterialFile(catalog_, path);
    }

    const MaterialRecord& Last() const { return *catalog_.Record(catalog_.LastIndex()); }

    void ExpectOnlyTheFirstTwo() const {
        ASSERT_EQ(catalog_.Count(), 2);
        EXPECT_EQ(catalog_.Record(0)->Name(), "Alpha");
        EXPECT_EQ(catalog_.Record(1)->Name(), "Beta");
    }

    test::ScratchDir scratch_;
    MaterialCatalog catalog_;
};

struct Spoiler {
    const char* what;
    std::function<void(MaterialFileText&)> spoil;
};

const std::vector<Spoiler>& Spoilers() {
    static const std::vector<Spoiler> spoilers = {
        {"blank after the marker", [](auto& f) { f.marker += " "; }},
        {"marker in another case", [](auto& f) { f.marker = "#porvap file"; }},
        {"two scalars", [](auto& f) { f.scalars = "1800 0.25 x"; }},
        {"rows numbered 1 to 101",
         [](auto& f) {
             for (int i = 0; i <= 100; ++i)
                 f.rows[i] = std::to_string(i + 1) + " 1 1 1 1 1";
         }},
        {"octal row number", [](auto& f) { f.rows[10] = "010 1 1 1 1 1"; }},
        {"malformed row", [](auto& f) { f.rows[50] = "50 1 1 abc 1 1"; }},
        {"short row", [](auto& f) { f.rows[50] = "50 1 1 1 1"; }},
        {"100 rows", [](auto& f) { f.rows.pop_back(); }},
        {"102nd row", [](auto& f) { f.rows.push_back("101 1 1 1 1 1"); }},
        {"blank line before the isotherm marker", [](auto& f) { f.rows[100] += "\n"; }},
        {"wrong isotherm marker", [](auto& f) { f.isothermMarker = "#Isotherm"; }},
        {"header with one field", [](auto& f) { f.header = "10 x"; }},
        {"header count 0", [](auto& f) { f.header = "0 0.01"; }},
        {"header count negative", [](auto& f) { f.header = "-5 0.01"; }},
        {"header count of two thousand million", [](auto& f) { f.header = "2000000000 0.01"; }},
        {"one isotherm row missing", [](auto& f) { f.isotherm.pop_back(); }},
        {"isotherm row with two numbers", [](auto& f) { f.isotherm.back() = "1.2 0.1"; }},
    };
    return spoilers;
}

TEST_F(MaterialFileRead, EveryFailureLeavesTheCatalogAsItWas) {
    for (const auto& spoiler : Spoilers()) {
        SCOPED_TRACE(spoiler.what);
        MaterialFileText file;
        spoiler.spoil(file);
        EXPECT_FALSE(Load(file));
        ExpectOnlyTheFirstTwo();
    }
    EXPECT_FALSE(LoadMaterialFile(catalog_, "missing.dat"));
    test::WriteFile("empty.dat", "");
    EXPECT_FALSE(LoadMaterialFile(catalog_, "empty.dat"));
    EXPECT_FALSE(LoadMaterialFile(catalog_, "/dev/zero"));  // one endless line
    ExpectOnlyTheFirstTwo();
    ASSERT_TRUE(Load(MaterialFileText("Gamma")));
    EXPECT_EQ(Last().Name(), "Gamma");
    EXPECT_EQ(catalog_.LastIndex(), 2);
}

TEST_F(MaterialFileRead, StoresScalarsRowsAndIsotherm) {
    ASSERT_TRUE(Load(MaterialFileText("Gamma", 10), "gamma.dat"));
    const MaterialRecord& m = Last();
    EXPECT_EQ(m.FilePath(), "gamma.dat");
    EXPECT_FLOAT_EQ(m.DryDensity(), 1800.0f);
    EXPECT_FLOAT_EQ(m.DryPorosity(), 0.25f);
    EXPECT_FLOAT_EQ(m.SpecificHeat(), 840.0f);
    for (int i = 0; i <= 100; ++i)
        EXPECT_FLOAT_EQ(m.K().Get(i), 0.5f + 0.01f * i) << i;
    EXPECT_FLOAT_EQ(m.DT().Get(7), 1e-11f);
    EXPECT_FLOAT_EQ(m.DTeta().Get(7), 2e-9f);
    EXPECT_FLOAT_EQ(m.DTV().Get(7), 3e-11f);
    EXPECT_FLOAT_EQ(m.DTetaV().Get(7), 4e-9f);
    ASSERT_NE(m.Isotherm(), nullptr);
    EXPECT_EQ(m.Isotherm()->Intervals(), 10);
    EXPECT_DOUBLE_EQ(m.Isotherm()->Y(10), 0.1);
    EXPECT_DOUBLE_EQ(m.Isotherm()->Z(3), 4.0);
}

TEST_F(MaterialFileRead, RowNumbersFollowCIntegerNotation) {
    MaterialFileText file;
    file.rows[10] = "0xA 1 1 1 1 1";
    file.rows[8] = "010 1 1 1 1 1";
    EXPECT_TRUE(Load(file));
}

TEST_F(MaterialFileRead, NumbersMayWrapAndTrailingTextIsSkipped) {
    MaterialFileText file;
    file.scalars = "1800\n0.25\n840";
    file.rows[40] = "40 1 1\n1 1 1";
    file.rows[100] += "   trailing words";
    file.isotherm.push_back("text after the isotherm");
    ASSERT_TRUE(Load(file));
    EXPECT_FLOAT_EQ(Last().SpecificHeat(), 840.0f);
    EXPECT_FLOAT_EQ(Last().DTetaV().Get(40), 1.0f);
}

TEST_F(MaterialFileRead, CarriageReturnLineFeedFilesLoad) {
    MaterialFileText file("Gamma");
    file.eol = "\r\n";
    ASSERT_TRUE(Load(file));
    EXPECT_EQ(Last().Name(), "Gamma");
}

TEST_F(MaterialFileRead, IsothermWith120IntervalsFillsEveryRowOnce) {
    MaterialFileText file("Gamma", 120);
    for (int k = 0; k <= 120; ++k) {
        file.isotherm[k] = test::Format("%.2f %g 0", k * 0.01, 0.001 * k);
    }
    ASSERT_TRUE(Load(file));
    const IsothermTable& isotherm = *Last().Isotherm();
    for (int k = 0; k <= 120; ++k) {
        EXPECT_TRUE(isotherm.IsDefined(k)) << k;
        EXPECT_DOUBLE_EQ(isotherm.Y(k), 0.001 * k) << k;
    }
}

TEST_F(MaterialFileRead, IsothermCountIsBounded) {
    MaterialFileText file("Largest", kMaxIsothermIntervals);
    EXPECT_TRUE(Load(file));
    file.SetIsotherm(kMaxIsothermIntervals + 1);
    EXPECT_FALSE(Load(file));
    EXPECT_EQ(catalog_.Count(), 3);
}

TEST_F(MaterialFileRead, IsothermRowsOutsideAreSkippedAndLaterRowsReplace) {
    MaterialFileText file("Gamma", 4);  // step 0.3
    file.isotherm = {"0.0 0.01 1", "0.3 0.02 2", "0.31 0.03 3", "-0.1 0.9 9", "1.6 0.9 9"};
    ASSERT_TRUE(Load(file));
    const IsothermTable& isotherm = *Last().Isotherm();
    EXPECT_DOUBLE_EQ(isotherm.X(1), 0.31);
    EXPECT_DOUBLE_EQ(isotherm.Y(1), 0.03);
    for (int k = 2; k <= 4; ++k) {
        EXPECT_FALSE(isotherm.IsDefined(k));
        EXPECT_DOUBLE_EQ(isotherm.Y(k), 0.03);
        EXPECT_DOUBLE_EQ(isotherm.Z(k), 3.0);
    }
    EXPECT_DOUBLE_EQ(isotherm.X(4), 1.2);
    EXPECT_DOUBLE_EQ(isotherm.MoistureAt(1.2), 0.03);
}

TEST_F(MaterialFileRead, LongNamesAreCutLongPathsRefused) {
    MaterialFileText file(std::string(300, 'n'));
    ASSERT_TRUE(Load(file));
    EXPECT_EQ(Last().Name(), std::string(MaterialRecord::kMaxName, 'n'));

    const std::string directory(MaterialRecord::kMaxPath - 6, 'd');
    std::filesystem::create_directory(directory);
    EXPECT_TRUE(Load(MaterialFileText("Fits"), directory + "/a.dat"));
    EXPECT_EQ(Last().FilePath().size(), MaterialRecord::kMaxPath);
    const int count = catalog_.Count();
    EXPECT_FALSE(Load(MaterialFileText("Too long"), directory + "/ab.dat"));
    EXPECT_EQ(catalog_.Count(), count);
}

TEST_F(MaterialFileRead, BackslashesSeparateDirectoriesButThePathIsKeptAsGiven) {
    std::filesystem::create_directory("sub");
    test::WriteFile("sub/g.dat", MaterialFileText("Gamma").Text());
    ASSERT_TRUE(LoadMaterialFile(catalog_, "sub\\g.dat"));
    EXPECT_EQ(Last().FilePath(), "sub\\g.dat");
}

}  // namespace
}  // namespace porvap
