#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "EpwSample.h"
#include "TestSupport.h"
#include "WriteInterruption.h"
#include "core/climate/ClimateFile.h"
#include "core/climate/ClimateWriter.h"
#include "core/climate/EpwConversion.h"
#include "core/climate/SolarGeometry.h"
#include "core/climate/WindDirection.h"
#include "core/common/TextFiles.h"

namespace porvap {
namespace {

namespace fs = std::filesystem;
using test::EpwDays;
using test::EpwRow;

// 52 N at the middle of its time zone's half hour: the sun culminates at about 12:30 local
// standard time, the middle of the record for hour 12.
constexpr Site kNorth = {52.0, 7.5, 1.0};
constexpr Site kSouth = {-30.0, -52.5, -3.0};
constexpr double kDegree = std::numbers::pi / 180.0;
// The tests' weather files cover a few days.
constexpr EpwOptions kPart{.partYear = true};

void WriteEpw(const std::string& path, const Site& site, const std::vector<EpwRow>& rows) {
    test::WriteFile(path, test::EpwText(site.latitude, site.longitude, site.utcOffset, rows));
}

// 27 February to 1 March of a leap year, every value different.
std::vector<EpwRow> LeapDays() {
    return EpwDays(2024, 2, 27, 4, [](EpwRow& r, int k) {
        r.temperature = -10.0 + 0.25 * k;
        r.humidity = 20.0 + k % 80;
        r.beam = 3.0 * k;
        r.diffuse = k;
        r.windDirection = 45 * (k % 8);
        r.windSpeed = 0.5 * (k % 10);
    });
}

class EpwConversionTest : public ::testing::Test {
  protected:
    test::ScratchDir dir_;
};

TEST_F(EpwConversionTest, RecordsFollowTheWeatherFileHourByHour) {
    const std::vector<EpwRow> rows = LeapDays();
    WriteEpw("w.epw", kNorth, rows);
    const EpwConversion done = ConvertEpw("w.epw", "w.pvh", {}, kPart);
    ASSERT_TRUE(done.ok) << done.error;
    EXPECT_EQ(done.location.city, "Testplace");
    EXPECT_EQ(done.hours, 72);

    ASSERT_EQ(DetectClimateLayout("w.pvh"), 3);
    const std::vector<ClimateRecord> records = test::ReadLayout3("w.pvh");
    ASSERT_EQ(records.size(), 72u);
    // Where the wind comes from, measured from south toward east: north, east, south, west.
    const double pi = std::numbers::pi;
    EXPECT_NEAR(records[0].windDirection, pi, 0.0005);
    EXPECT_NEAR(records[2].windDirection, pi / 2, 0.0005);
    EXPECT_NEAR(records[4].windDirection, 0.0, 0.0005);
    EXPECT_NEAR(records[6].windDirection, 3 * pi / 2, 0.0005);
    std::size_t k = 0;
    for (const EpwRow& row : rows) {
        if (row.month == 2 && row.day == 29)
            continue;
        const ClimateRecord& r = records[k++];
        ASSERT_EQ(r.month, row.month);
        ASSERT_EQ(r.day, row.day);
        ASSERT_EQ(r.hour, row.hour - 1);
        EXPECT_NEAR(r.temperature, row.temperature, 0.005);
        EXPECT_NEAR(r.relativeHumidity, row.humidity / 100.0, 0.0005);
        EXPECT_EQ(r.beam, row.beam);
        EXPECT_EQ(r.diffuse, row.diffuse);
        EXPECT_NEAR(r.windSpeed, row.windSpeed, 0.005);
        EXPECT_NEAR(r.windDirection, ProgramWindDirection(row.windDirection), 0.0005);
        // The sun of the hour's middle, on the 365-day calendar (1 March is day 60).
        const int dayOfYear = row.month == 2 ? 31 + row.day : 60;
        const SunPosition sun = SolarPosition(kNorth, dayOfYear, row.hour - 0.5);
        EXPECT_NEAR(r.altitude, sun.altitude, 0.05)
            << row.month << "/" << row.day << " " << row.hour;
        EXPECT_NEAR(r.azimuth, sun.azimuth, 0.05) << row.month << "/" << row.day << " " << row.hour;
    }
}

// The record for hour 12 carries the sun at 12:30, which is solar noon at these sites: its
// altitude is 90 - |latitude - declination|, its azimuth toward the equator (loosely: with
// the sun near the zenith, the minutes of the equation of time turn it by degrees).
TEST_F(EpwConversionTest, SunIsTakenAtTheMiddleOfTheHour) {
    struct Noon {
        Site site;
        int month;
        double declination;  // degrees, at the solstice
        double azimuth;      // degrees, where the noon sun stands
    };
    const Noon noons[] = {{kNorth, 6, 23.44, 180.0},
                          {kNorth, 12, -23.44, 180.0},
                          {kSouth, 6, 23.44, 0.0},
                          {kSouth, 12, -23.44, 0.0}};
    for (const Noon& noon : noons) {
        WriteEpw("w.epw", noon.site, EpwDays(2023, noon.month, 21, 1, [](EpwRow&, int) {}));
        ASSERT_TRUE(ConvertEpw("w.epw", "w.pvh", {}, kPart).ok);
        const ClimateRecord r = test::ReadLayout3("w.pvh").at(12);
        EXPECT_NEAR(r.altitude, 90.0 - std::fabs(noon.site.latitude - noon.declination), 0.2)
            << noon.site.latitude << " month " << noon.month;
        EXPECT_NEAR(std::fabs(r.azimuth), noon.azimuth, 10.0)
            << noon.site.latitude << " month " << noon.month;
    }
}

TEST_F(EpwConversionTest, InternalFileHoldsTheRoomOrTheOutdoorAir) {
    WriteEpw("w.epw", kNorth, LeapDays());
    RoomConditions room{RoomSource::kConstant, "room.pvh", 21.5, 0.55};
    ASSERT_TRUE(ConvertEpw("w.epw", "w.pvh", room, kPart).ok);
    std::string constant;
    for (int k = 0; k < 72; ++k)
        constant += "21.50 0.550\n";
    EXPECT_EQ(test::ReadFile("room.pvh"), constant);

    room.source = RoomSource::kOutdoor;
    ASSERT_TRUE(ConvertEpw("w.epw", "w.pvh", room, kPart).ok);
    const std::vector<ClimateRecord> outdoor = test::ReadLayout3("w.pvh");
    FileHandle file = OpenFile("room.pvh", "r");
    for (const ClimateRecord& r : outdoor) {
        double t = 0.0, h = 0.0;
        ReadInternalFields(file.get(), t, h);
        EXPECT_EQ(t, r.temperature);
        EXPECT_EQ(h, r.relativeHumidity);
    }
    const std::string text = test::ReadFile("room.pvh");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 72);

    room.path = "absent/room.pvh";
    const EpwConversion unwritable = ConvertEpw("w.epw", "w.pvh", room, kPart);
    EXPECT_FALSE(unwritable.ok);
    EXPECT_EQ(unwritable.error, "Cannot write the internal file absent/room.pvh");
}

// A refused request writes nothing and leaves earlier files as they were.
TEST_F(EpwConversionTest, RefusedRequestsWriteNothing) {
    WriteEpw("w.epw", kNorth, LeapDays());
    const std::string weather = test::ReadFile("w.epw");
    test::WriteFile("old.pvh", "earlier\n");
    struct Case {
        const char* what;
        std::string external;
        RoomConditions room;
        const char* message;
    };
    const Case cases[] = {
        {"humidity in percent",
         "new.pvh",
         {RoomSource::kConstant, "room.pvh", 25.0, 80.0},
         "Room conditions need a temperature from -90 to 70 degC and a relative humidity from 0 "
         "to 1"},
        {"room hotter than weather",
         "new.pvh",
         {RoomSource::kConstant, "room.pvh", 70.5, 0.5},
         "temperature from -90 to 70 degC"},
        {"room over the external file",
         "new.pvh",
         {RoomSource::kOutdoor, "./new.pvh", 0, 0},
         "The internal file needs a name of its own: ./new.pvh"},
        {"room over the weather file",
         "new.pvh",
         {RoomSource::kOutdoor, "w.epw", 0, 0},
         "needs a name of its own"},
        {"external over the weather file", "sub/../w.epw", {}, "would replace the weather file"},
        {"external in no directory",
         "absent/new.pvh",
         {},
         "Cannot write the hourly file absent/new.pvh"},
    };
    for (const Case& c : cases) {
        const EpwConversion done = ConvertEpw("w.epw", c.external, c.room, kPart);
        EXPECT_FALSE(done.ok) << c.what;
        EXPECT_NE(done.error.find(c.message), std::string::npos) << c.what << ": " << done.error;
    }
    // Less than a year only when a part is asked for.
    const EpwConversion part = ConvertEpw("w.epw", "new.pvh");
    EXPECT_FALSE(part.ok);
    EXPECT_TRUE(part.partYear);
    EXPECT_EQ(part.hours, 72);
    EXPECT_EQ(part.error,
              "w.epw covers 72 hours, 27/02 - 00 to 01/03 - 23, not a whole year of 8760");
    EXPECT_EQ(test::ReadFile("w.epw"), weather);
    EXPECT_FALSE(fs::exists("new.pvh"));
    EXPECT_FALSE(fs::exists("room.pvh"));

    test::WriteFile("bad.epw", "LOCATION,nowhere\n");
    const EpwConversion bad = ConvertEpw("bad.epw", "old.pvh");
    EXPECT_FALSE(bad.ok);
    EXPECT_NE(bad.error.find("bad.epw, line 1: the LOCATION line needs"), std::string::npos)
        << bad.error;
    EXPECT_EQ(test::ReadFile("old.pvh"), "earlier\n");
}

// A disk that fills up part-way is a failure, and the earlier file survives.
TEST_F(EpwConversionTest, FullDiskIsAFailure) {
    WriteEpw("w.epw", kNorth, LeapDays());
    test::WriteFile("w.pvh", "earlier\n");
    const auto outcome = test::WriteUnderFileSizeLimit(
        1000, test::AtLimit::Fail, [] { return ConvertEpw("w.epw", "w.pvh", {}, kPart).ok; });
    EXPECT_EQ(outcome, test::Outcome::ReportedFailure);
    EXPECT_EQ(test::ReadFile("w.pvh"), "earlier\n");
    EXPECT_EQ(test::DirectoryEntries(), (std::set<std::string>{"w.epw", "w.pvh"}));
}

// The beam check and its remedy on clear skies: a consistent file passes, one whose direct
// normal field carries an extra sin(altitude) warns, and its beam derived from global and
// diffuse is the true one again.
TEST_F(EpwConversionTest, BeamThatDoesNotMatchGlobalAndDiffuseWarnsAndCanBeDerived) {
    const std::vector<EpwRow> clear = test::ClearSkyDays(kSouth, 6, 10);
    WriteEpw("clear.epw", kSouth, clear);
    const EpwConversion consistent = ConvertEpw("clear.epw", "w.pvh", {}, kPart);
    ASSERT_TRUE(consistent.ok) << consistent.error;
    EXPECT_EQ(consistent.warning, "");

    WriteEpw("bad.epw", kSouth, test::ClearSkyDays(kSouth, 6, 10, true));
    const EpwConversion asGiven = ConvertEpw("bad.epw", "w.pvh", {}, kPart);
    ASSERT_TRUE(asGiven.ok) << asGiven.error;
    EXPECT_NE(asGiven.warning.find("The direct normal irradiance of bad.epw does not match"),
              std::string::npos)
        << asGiven.warning;
    EXPECT_NE(asGiven.warning.find("derived from global and diffuse"), std::string::npos);

    const EpwConversion derived =
        ConvertEpw("bad.epw", "w.pvh", {}, {BeamSource::kGlobalAndDiffuse, true});
    ASSERT_TRUE(derived.ok) << derived.error;
    EXPECT_EQ(derived.warning, "");
    const std::vector<ClimateRecord> records = test::ReadLayout3("w.pvh");
    ASSERT_EQ(records.size(), clear.size());
    int sunny = 0;
    for (std::size_t k = 0; k < records.size(); ++k) {
        // Below 2 degrees the true beam is at most a few W/m2 and the derived one is zero.
        EXPECT_NEAR(records[k].beam, clear[k].beam, 3.0) << "hour " << k;
        sunny += records[k].altitude > 2.0f && records[k].beam > 100.0f;
    }
    EXPECT_GT(sunny, 50);
}

TEST(BeamFromGlobal, DividesTheHorizontalBeamBySinAltitudeWithinLimits) {
    const double e0 = 1400.0;  // W/m2, extraterrestrial normal
    EXPECT_NEAR(BeamFromGlobal(600.0, 100.0, {30.0, 0.0, e0}), 1000.0, 1e-9);
    EXPECT_NEAR(BeamFromGlobal(60.0, 10.0, {2.5, 0.0, e0}), 50.0 / std::sin(2.5 * kDegree), 1e-9);
    EXPECT_EQ(BeamFromGlobal(600.0, 100.0, {3.0, 0.0, e0}), e0);  // 9554 W/m2 uncapped
    EXPECT_EQ(BeamFromGlobal(600.0, 100.0, {1.9, 0.0, e0}), 0.0);
    EXPECT_EQ(BeamFromGlobal(600.0, 100.0, {-5.0, 0.0, 0.0}), 0.0);
    EXPECT_EQ(BeamFromGlobal(90.0, 100.0, {40.0, 0.0, e0}), 0.0);  // diffuse above global
}

TEST(BeamCheck, CountsHighSunHoursWithBeamAndWarnsOutsideFifteenPercent) {
    // Global and diffuse with a horizontal beam of 200 W/m2 and the sun at 30 degrees, whose
    // direct normal field gives `fraction` of it.
    auto hour = [](double fraction, double altitude = 30.0, double horizontal = 200.0) {
        return HourRecord{
            1,     1,        12,  20,  0.5, 100.0 + horizontal, 2.0 * horizontal * fraction,
            100.0, altitude, 0.0, 1.0, 0.0};
    };
    EXPECT_FALSE(HorizontalBeamRatio({}).has_value());
    EXPECT_FALSE(HorizontalBeamRatio({hour(0.2, 9.0), hour(0.2, 30.0, 40.0)}).has_value());
    // Low sun and little beam are left out; the rest is a ratio of sums.
    const std::vector<HourRecord> mixed = {hour(0.5), hour(1.0, 30.0, 600.0), hour(0.0, 9.0),
                                           hour(0.0, 30.0, 49.0)};
    EXPECT_NEAR(*HorizontalBeamRatio(mixed), (100.0 + 600.0) / 800.0, 1e-12);

    EXPECT_EQ(BeamWarning({hour(0.86)}, "w.epw"), "");
    EXPECT_EQ(BeamWarning({hour(1.14)}, "w.epw"), "");
    EXPECT_EQ(BeamWarning({hour(0.2, 5.0)}, "w.epw"), "");
    for (double fraction : {0.84, 1.16}) {
        const std::string warning = BeamWarning({hour(fraction)}, "w.epw");
        char ratio[40];
        std::snprintf(ratio, sizeof ratio, "adds up to %.2f times", fraction);
        EXPECT_NE(warning.find(ratio), std::string::npos) << warning;
        EXPECT_NE(warning.find("of w.epw"), std::string::npos) << warning;
    }
}

TEST(ClimateWriter, AzimuthStaysInsideTheConventionsRangeWhenRounded) {
    test::ScratchDir dir;
    HourRecord r{1, 1, 0, 20, 0.5, 0, 0, 0, -40, -179.96, 1, 0};
    ASSERT_TRUE(WriteLayout3({r}, "a.pvh"));
    EXPECT_EQ(test::ReadFile("a.pvh"), "20.00 0.500 0 0 -40.0 180.0 1.00 0.000 1 1 0\n");
    r.azimuth = -179.94;
    ASSERT_TRUE(WriteLayout2({r}, "a.pvh"));
    EXPECT_EQ(test::ReadFile("a.pvh"), "20.00 0.500 0 0 -40.0 -179.9 1 1 0\n");
}

TEST(ClimateWriter, CountsThatDoNotMatchWriteNothing) {
    test::ScratchDir dir;
    const HourRecord r{1, 1, 0, 20, 0.5, 0, 0, 0, -40, 10, 1, 0};
    EXPECT_FALSE(WriteLayout1({r, r}, {100.0}, "a.pvh"));
    EXPECT_FALSE(WriteInternal({20.0, 21.0}, {0.5}, "a.pvh"));
    EXPECT_FALSE(fs::exists("a.pvh"));
}

TEST(IsEpwFile, LooksAtTheExtensionOnly) {
    EXPECT_TRUE(IsEpwFile("a.epw"));
    EXPECT_TRUE(IsEpwFile("C:\\weather\\A.EPW"));
    EXPECT_FALSE(IsEpwFile("a.epw.pvh"));
    EXPECT_FALSE(IsEpwFile("epw"));
    EXPECT_FALSE(IsEpwFile(""));
}

}  // namespace
}  // namespace porvap
