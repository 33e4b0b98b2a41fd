#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "TestSupport.h"
#include "core/materials/EditorRules.h"

namespace porvap {
namespace {

std::string WorkingDirectory() {
    return std::filesystem::current_path().string() + '/';
}

TEST(CatalogPathFor, ShortensOnlyFilesOfTheFirstDirectoryWhenItIsTheWorkingDirectory) {
    test::ScratchDir scratch;
    const std::string here = WorkingDirectory();
    EXPECT_EQ(CatalogPathFor(here + "a.dat", here), "a.dat");
    EXPECT_EQ(CatalogPathFor(here + "sub/a.dat", here), here + "sub/a.dat");
    EXPECT_EQ(CatalogPathFor("a.dat", here), "a.dat");

    std::string windows = here;
    std::replace(windows.begin(), windows.end(), '/', '\\');
    EXPECT_EQ(CatalogPathFor(windows + "a.dat", windows), "a.dat");
    EXPECT_EQ(CatalogPathFor(windows + "a.dat", here), windows + "a.dat")
        << "the first directory is compared as written";

    // Relative catalog paths are taken from the working directory, not the first directory.
    std::filesystem::create_directory("other");
    const std::string other = here + "other/";
    EXPECT_EQ(CatalogPathFor(other + "a.dat", other), other + "a.dat");
}

TEST(MaterialNameProblem, NamesMustFitTheNameColumn) {
    EXPECT_EQ(MaterialNameProblem("Solid clay brick"), "");
    EXPECT_EQ(MaterialNameProblem("Gypsum=board"), "");
    EXPECT_EQ(MaterialNameProblem(std::string(40, 'x')), "");
    EXPECT_EQ(MaterialNameProblem(std::string(41, 'x')),
              "Material name too long: at most 40 characters");
}

TEST(IsMaterialValue, TakesFiniteNumbersInSinglePrecision) {
    for (const char* text : {"2050.0", "0", "176e-13", "-3.5", "3e38"})
        EXPECT_TRUE(IsMaterialValue(text)) << text;
    for (const char* text : {"", "abc", "...", "nan", "inf", "-inf", "1e999", "4e38", "-1e39"})
        EXPECT_FALSE(IsMaterialValue(text)) << text;
}

}  // namespace
}  // namespace porvap
