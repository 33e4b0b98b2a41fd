#include <algorithm>

#include "CaseWindowFixture.h"
#include "EpwSample.h"
#include "core/climate/Calendar.h"
#include "core/climate/ClimateFile.h"

namespace porvap::test {
namespace {

namespace fs = std::filesystem;

// Browsing for the external file: a weather file is taken as its conversion beside it.
class CaseWindowEpw : public CaseWindowTest {
  protected:
    void SetUp() override {
        CaseWindowTest::SetUp();
        fs::create_directory("weather");
        const auto rows =
            EpwDays(2023, 1, 1, 365, [](EpwRow& r, int k) { r.temperature = k % 24; });
        WriteFile("weather/site.epw", EpwText(-27.6, -48.55, -3.0, rows));
    }

    // The user picks this file in the external file's Browse dialog.
    void BrowseExternal(const std::string& chosen) {
        host_.prompts.files.push_back(chosen);
        Click("Button12");
    }

    std::string ExternalFile() { return Edit("Edit2")->text().toStdString(); }
};

TEST_F(CaseWindowEpw, WeatherFileIsConvertedAndItsHourlyFileChosen) {
    BrowseExternal("weather/site.epw");
    ASSERT_EQ(host_.prompts.dialogs.size(), 1u);
    const auto& filters = host_.prompts.dialogs[0].filters;
    EXPECT_NE(std::find(filters.begin(), filters.end(), "EnergyPlus weather|*.epw"), filters.end());
    EXPECT_TRUE(host_.prompts.shown.empty());
    EXPECT_EQ(ExternalFile(), "weather/site.pvh");
    EXPECT_EQ(DetectClimateLayout("weather/site.pvh"), 3);
    EXPECT_EQ(ReadLayout3("weather/site.pvh").size(), std::size_t{kHoursPerYear});
}

TEST_F(CaseWindowEpw, ExistingHourlyFileIsReplacedOnlyOnYes) {
    WriteFile("weather/site.pvh", kWindClimateLine);
    BrowseExternal("weather/site.epw");
    ASSERT_EQ(host_.prompts.shown.size(), 1u);
    EXPECT_TRUE(host_.prompts.shown[0].question);
    EXPECT_NE(host_.prompts.shown[0].text.find("weather/site.pvh exists"), std::string::npos);
    EXPECT_EQ(ReadFile("weather/site.pvh"), kWindClimateLine);
    EXPECT_EQ(ExternalFile(), ".\\BrazilianWeathers\\floext.pvh");

    host_.prompts.answers.push_back(true);
    BrowseExternal("weather/site.epw");
    EXPECT_EQ(ReadLayout3("weather/site.pvh").size(), std::size_t{kHoursPerYear});
    EXPECT_EQ(ExternalFile(), "weather/site.pvh");
}

TEST_F(CaseWindowEpw, FailedConversionShowsWhyAndKeepsTheFile) {
    WriteFile("weather/bad.epw", "not a weather file\n");
    BrowseExternal("weather/bad.epw");
    ASSERT_EQ(host_.prompts.shown.size(), 1u);
    EXPECT_FALSE(host_.prompts.shown[0].question);
    EXPECT_NE(host_.prompts.shown[0].text.find("no LOCATION line"), std::string::npos);
    EXPECT_EQ(ExternalFile(), ".\\BrazilianWeathers\\floext.pvh");
    EXPECT_FALSE(fs::exists("weather/bad.pvh"));
}

// A file whose beam does not match its global and diffuse irradiance: the user is told and
// chooses between its own beam and the derived one.
TEST_F(CaseWindowEpw, MismatchedBeamIsReportedAndDerivedOnYes) {
    const Site site{-27.6, -48.55, -3.0};
    const auto clear = ClearSkyDays(site, 1, 365);
    const auto mismatched = ClearSkyDays(site, 1, 365, true);
    WriteFile("weather/sky.epw",
              EpwText(site.latitude, site.longitude, site.utcOffset, mismatched));
    for (bool derive : {false, true}) {
        SCOPED_TRACE(derive);
        fs::remove("weather/sky.pvh");
        host_.prompts.shown.clear();
        host_.prompts.answers.push_back(derive);
        BrowseExternal("weather/sky.epw");
        ASSERT_EQ(host_.prompts.shown.size(), 1u);
        const std::string& text = host_.prompts.shown[0].text;
        EXPECT_TRUE(host_.prompts.shown[0].question);
        EXPECT_NE(text.find("of weather/sky.epw does not match"), std::string::npos) << text;
        EXPECT_NE(text.find("Derive the direct normal irradiance from global and diffuse instead?"),
                  std::string::npos)
            << text;
        EXPECT_EQ(ExternalFile(), "weather/sky.pvh");
        const auto records = ReadLayout3("weather/sky.pvh");
        ASSERT_EQ(records.size(), std::size_t{kHoursPerYear});
        const std::size_t noon = 24 + 12;
        EXPECT_NEAR(records[noon].beam, (derive ? clear : mismatched)[noon].beam, 1.0);
    }
}

// A file that covers less than a year is converted only when the user agrees.
TEST_F(CaseWindowEpw, PartOfAYearIsConvertedOnlyOnYes) {
    WriteFile("weather/part.epw",
              EpwText(-27.6, -48.55, -3.0, EpwDays(2023, 1, 1, 2, [](EpwRow&, int) {})));
    for (bool convert : {false, true}) {
        SCOPED_TRACE(convert);
        host_.prompts.shown.clear();
        host_.prompts.answers.push_back(convert);
        BrowseExternal("weather/part.epw");
        ASSERT_EQ(host_.prompts.shown.size(), 1u);
        EXPECT_TRUE(host_.prompts.shown[0].question);
        EXPECT_EQ(host_.prompts.shown[0].text,
                  "weather/part.epw covers 48 hours, 01/01 - 00 to 02/01 - 23, not a whole year of "
                  "8760.\n\nConvert these hours anyway? A run must then start and end within "
                  "them.");
        EXPECT_EQ(fs::exists("weather/part.pvh"), convert);
        EXPECT_EQ(ExternalFile(),
                  convert ? "weather/part.pvh" : ".\\BrazilianWeathers\\floext.pvh");
    }
}

// The internal file's Browse takes whatever is chosen, unconverted.
TEST_F(CaseWindowEpw, InternalFileIsNeverConverted) {
    host_.prompts.files.push_back("weather/site.epw");
    Click("Button14");
    const auto& filters = host_.prompts.dialogs.at(0).filters;
    EXPECT_EQ(std::find(filters.begin(), filters.end(), "EnergyPlus weather|*.epw"), filters.end());
    EXPECT_EQ(Edit("Edit3")->text().toStdString(), "weather/site.epw");
    EXPECT_FALSE(fs::exists("weather/site.pvh"));
}

}  // namespace
}  // namespace porvap::test
