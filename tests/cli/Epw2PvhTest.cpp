#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "EpwSample.h"
#include "TestSupport.h"
#include "core/climate/ClimateFile.h"

namespace porvap {
namespace {

namespace fs = std::filesystem;

// Exit status of the converter run with these arguments, its output in out.txt and err.txt.
int Convert(const std::string& arguments) {
    const std::string command =
        std::string("\"") + PORVAP_EPW2PVH + "\" " + arguments + " > out.txt 2> err.txt";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class Epw2Pvh : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto rows = test::EpwDays(
            2023, 3, 1, 2, [](test::EpwRow& r, int k) { r.temperature = 10.0 + 0.5 * k; });
        test::WriteFile("w.epw", test::EpwText(-27.6, -48.55, -3.0, rows));
    }
    test::ScratchDir dir_;
};

TEST_F(Epw2Pvh, WritesTheFilesAndNamesTheSite) {
    ASSERT_EQ(Convert("w.epw w.pvh --partial"), 0) << test::ReadFile("err.txt");
    EXPECT_EQ(test::ReadFile("out.txt"),
              "Testplace (latitude -27.600, longitude -48.550, UTC-3): 48 hours written to "
              "w.pvh\n");
    EXPECT_EQ(test::ReadFile("err.txt"), "");
    EXPECT_EQ(DetectClimateLayout("w.pvh"), 3);

    ASSERT_EQ(Convert("w.epw w.pvh --partial --internal room.pvh --constant 24 0.6"), 0);
    EXPECT_EQ(test::ReadFile("room.pvh").substr(0, 24), "24.00 0.600\n24.00 0.600\n");
    ASSERT_EQ(Convert("w.epw w.pvh --partial --internal room.pvh --outdoor"), 0);
    EXPECT_EQ(test::ReadFile("room.pvh").substr(0, 12), "10.00 0.500\n");
}

// A file whose direct normal field does not match its global and diffuse irradiance is still
// converted, with a warning that names the option; with the option the beam is derived.
TEST_F(Epw2Pvh, MismatchedBeamWarnsAndTheOptionDerivesIt) {
    const Site site{-27.6, -48.55, -3.0};
    const auto clear = test::ClearSkyDays(site, 7, 3);
    const auto mismatched = test::ClearSkyDays(site, 7, 3, true);
    test::WriteFile("sky.epw",
                    test::EpwText(site.latitude, site.longitude, site.utcOffset, mismatched));
    ASSERT_EQ(Convert("sky.epw sky.pvh --partial"), 0) << test::ReadFile("err.txt");
    const std::string warning = test::ReadFile("err.txt");
    EXPECT_EQ(warning.rfind("porvap-epw2pvh: warning: The direct normal irradiance of sky.epw", 0),
              0u)
        << warning;
    EXPECT_NE(warning.find("Convert with --beam-from-global for that.\n"), std::string::npos);
    EXPECT_NE(test::ReadFile("out.txt").find("72 hours written to sky.pvh"), std::string::npos);
    const std::size_t noon = 24 + 12;
    EXPECT_NEAR(test::ReadLayout3("sky.pvh").at(noon).beam, mismatched[noon].beam, 1.0);

    ASSERT_EQ(Convert("sky.epw sky.pvh --partial --beam-from-global --internal room.pvh --outdoor"),
              0);
    EXPECT_EQ(test::ReadFile("err.txt"), "");
    EXPECT_NEAR(test::ReadLayout3("sky.pvh").at(noon).beam, clear[noon].beam, 1.0);
    EXPECT_TRUE(fs::exists("room.pvh"));
}

TEST_F(Epw2Pvh, FailureIsOneWithTheMessage) {
    EXPECT_EQ(Convert("absent.epw w.pvh"), 1);
    EXPECT_EQ(test::ReadFile("err.txt"),
              "porvap-epw2pvh: Cannot open the weather file absent.epw\n");
    EXPECT_EQ(Convert("/dev/zero w.pvh"), 1);
    EXPECT_EQ(test::ReadFile("err.txt"),
              "porvap-epw2pvh: Cannot open the weather file /dev/zero: it is not a regular file\n");
    EXPECT_EQ(Convert("w.epw w.pvh"), 1);
    EXPECT_EQ(
        test::ReadFile("err.txt"),
        "porvap-epw2pvh: w.epw covers 48 hours, 01/03 - 00 to 02/03 - 23, not a whole year of "
        "8760; nothing written. Convert with --partial to keep these hours.\n");
    for (const char* room : {"24 60", "70.5 0.6", "-90.5 0.6"}) {
        EXPECT_EQ(Convert(std::string("w.epw w.pvh --internal room.pvh --constant ") + room), 1);
        EXPECT_EQ(test::ReadFile("err.txt"),
                  "porvap-epw2pvh: Room conditions need a temperature from -90 to 70 degC and a "
                  "relative humidity from 0 to 1\n");
    }
    EXPECT_FALSE(fs::exists("w.pvh"));
}

TEST_F(Epw2Pvh, UsageErrorIsTwoAndHelpIsZero) {
    for (const char* arguments :
         {"", "w.epw", "w.epw a b", "w.epw w.pvh --internal room.pvh",
          "w.epw w.pvh --internal room.pvh --constant 24",
          "w.epw w.pvh --internal room.pvh --constant x 0.5",
          "w.epw w.pvh --internal room.pvh --constant nan 0.5",
          "w.epw w.pvh --internal room.pvh --constant 24 inf", "w.epw w.pvh --partial --partial",
          "w.epw w.pvh --internal room.pvh --outdoor extra", "w.epw w.pvh --outdoor",
          "w.epw w.pvh --internal room.pvh --outdoor --beam-from-global",
          "w.epw w.pvh --beam-from-global --beam-from-global", "w.epw w.pvh --beam-from-global x",
          "w.epw --beam-from-global"}) {
        EXPECT_EQ(Convert(arguments), 2) << arguments;
        EXPECT_NE(test::ReadFile("err.txt").find("Usage: porvap-epw2pvh"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists("w.pvh"));
    EXPECT_EQ(Convert("--help"), 0);
    EXPECT_NE(test::ReadFile("out.txt").find("Usage: porvap-epw2pvh IN.epw OUT.pvh"),
              std::string::npos);
}

}  // namespace
}  // namespace porvap
