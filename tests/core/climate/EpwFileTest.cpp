#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "EpwSample.h"
#include "TestSupport.h"
#include "core/climate/EpwFile.h"

namespace porvap {
namespace {

using test::EpwDays;
using test::EpwRow;
using test::EpwRowText;

// Rows k of one day, 1 January of a common year; row k sits on line 9 + k.
std::vector<EpwRow> OneDay() {
    return EpwDays(2023, 1, 1, 1, [](EpwRow& r, int k) {
        r.temperature = 10.0 + k;
        r.humidity = 40.0 + k;
        r.beam = 10.0 * k;
        r.diffuse = 5.0 * k;
        r.windDirection = 15.0 * k;
        r.windSpeed = 0.5 * k;
    });
}

std::string Lines(const std::vector<std::string>& rows) {
    std::string text = test::EpwHeader(52.0, 7.5, 1.0);
    for (const std::string& row : rows)
        text += row + "\n";
    return text;
}

std::vector<std::string> RowTexts(const std::vector<EpwRow>& rows) {
    std::vector<std::string> texts;
    for (const EpwRow& row : rows)
        texts.push_back(EpwRowText(row));
    return texts;
}

// The row with field `index` (0-based) replaced by `value`.
std::string WithField(const std::string& row, std::size_t index, const std::string& value) {
    std::size_t start = 0;
    for (std::size_t k = 0; k < index; ++k)
        start = row.find(',', start) + 1;
    const std::size_t end = row.find(',', start);
    return row.substr(0, start) + value + (end == std::string::npos ? "" : row.substr(end));
}

std::string FirstFields(const std::string& row, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t k = 0; k < count; ++k)
        end = row.find(',', end) + 1;
    return row.substr(0, end - 1);
}

class EpwRead : public ::testing::Test {
  protected:
    // Reads text as a weather file into a result that already holds one hour, which a
    // refused file must leave in place.
    bool Read(const std::string& text) {
        test::WriteFile("w.epw", text);
        weather_.hours.assign(1, EpwHour{7, 7, 7, 0, 0, 0, 0, 0, 0, 0});
        return ReadEpw("w.epw", weather_, error_);
    }

    test::ScratchDir dir_;
    EpwWeather weather_;
    std::string error_;
};

TEST_F(EpwRead, TakesTheLocationAndTheRowsOnTheProgramsCalendar) {
    // 28 February to 1 March of a leap year, with CR LF line ends.
    const auto rows = EpwDays(2024, 2, 28, 3, [](EpwRow& r, int k) {
        r.temperature = -5.0 + 0.25 * k;
        r.humidity = 105.0 - k;
        r.windDirection = 359.0;
    });
    std::string text = test::EpwText(-30.25, -52.5, -3.0, rows);
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.insert(at, "\r");
    ASSERT_TRUE(Read(text)) << error_;
    EXPECT_EQ(weather_.location.city, "Testplace");
    EXPECT_EQ(weather_.location.site.latitude, -30.25);
    EXPECT_EQ(weather_.location.site.longitude, -52.5);
    EXPECT_EQ(weather_.location.site.utcOffset, -3.0);
    EXPECT_EQ(weather_.location.elevation, 10.0);

    ASSERT_EQ(weather_.hours.size(), 48u);  // 29 February left out
    for (int k = 0; k < 48; ++k) {
        const EpwHour& h = weather_.hours[k];
        const int source = k < 24 ? k : k + 24;
        EXPECT_EQ(h.month, k < 24 ? 2 : 3);
        EXPECT_EQ(h.day, k < 24 ? 28 : 1);
        EXPECT_EQ(h.hour, k % 24);
        EXPECT_DOUBLE_EQ(h.temperature, rows[source].temperature);
        // Above saturation (the format allows 110 %) the humidity is saturation.
        EXPECT_DOUBLE_EQ(h.humidity, std::min(rows[source].humidity / 100.0, 1.0));
        EXPECT_EQ(h.windDirection, 359.0);
    }
}

TEST_F(EpwRead, YearMayWrapAroundNewYear) {
    const auto rows = EpwDays(2023, 12, 31, 2, [](EpwRow&, int) {});
    ASSERT_TRUE(Read(test::EpwText(52.0, 7.5, 1.0, rows))) << error_;
    ASSERT_EQ(weather_.hours.size(), 48u);
    EXPECT_EQ(weather_.hours[24].month, 1);
    EXPECT_EQ(weather_.hours[24].hour, 0);
}

// Header lines are known by their keywords, not counted: none of the hourly rows is taken for
// one, whichever header lines a file has, and LOCATION need not come first.
TEST_F(EpwRead, HeaderLinesAreKnownByTheirKeywords) {
    const std::string header = test::EpwHeader(52.0, 7.5, 1.0);
    const std::string location = header.substr(0, header.find('\n') + 1);
    std::string rows;
    for (const std::string& row : RowTexts(OneDay()))
        rows += row + "\n";
    for (const std::string& lines :
         {location, "COMMENTS 1,x\n" + location + "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31\n"}) {
        ASSERT_TRUE(Read(lines + rows)) << error_;
        ASSERT_EQ(weather_.hours.size(), 24u) << lines;
        EXPECT_EQ(weather_.hours[0].temperature, 10.0) << lines;
        EXPECT_EQ(weather_.location.site.latitude, 52.0) << lines;
    }
}

struct Refusal {
    const char* what;
    std::string text;
    const char* message;
};

// Each refusal names the file and, for a row, its line; nothing read is kept.
TEST_F(EpwRead, RefusesWhatItCannotConvertAndSaysWhere) {
    const std::vector<std::string> day = RowTexts(OneDay());
    auto changed = [&](std::size_t row, std::size_t field, const std::string& value) {
        std::vector<std::string> rows = day;
        rows[row] = WithField(rows[row], field, value);
        return Lines(rows);
    };
    auto without = [&](std::size_t row) {
        std::vector<std::string> rows = day;
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(row));
        return Lines(rows);
    };
    std::vector<std::string> shortened = day;
    shortened[1] = FirstFields(day[1], 21);
    std::vector<std::string> duplicated = day;
    duplicated.insert(duplicated.begin() + 3, day[2]);
    std::vector<std::string> commented = day;
    commented.insert(commented.begin() + 2, "COMMENTS 2,late");
    const std::string header = test::EpwHeader(52.0, 7.5, 1.0);
    const std::string afterLocation = Lines(day).substr(header.find('\n') + 1);
    const std::vector<Refusal> refusals = {
        {"no LOCATION", afterLocation,
         "w.epw: no LOCATION line before the hourly rows; the sun's position needs its "
         "latitude, longitude and time zone"},
        {"latitude not a number", "LOCATION,x,,,,,5O.0,7.5,1,0\n" + afterLocation,
         "w.epw, line 1: the LOCATION line needs latitude (-90 to 90), longitude (-180 to 180), "
         "time zone (-12 to 14) and elevation as numbers"},
        {"latitude beyond the pole", "LOCATION,x,,,,,95,7.5,1,0\n" + afterLocation,
         "line 1: the LOCATION line needs"},
        {"elevation nan", "LOCATION,x,,,,,50,7.5,1,nan\n" + afterLocation,
         "line 1: the LOCATION line needs"},
        {"header line among the rows", Lines(commented),
         "w.epw, line 11: a header line among the hourly rows"},
        {"no rows", header + "\n\n", "w.epw: the file has no hourly rows"},
        {"short row", Lines(shortened), "w.epw, line 10: has 21 fields; 22 are needed"},
        {"temperature not a number", changed(0, 6, "2O.5"),
         "w.epw, line 9: the dry-bulb temperature \"2O.5\" is not a number"},
        {"temperature nan", changed(0, 6, "nan"),
         "line 9: the dry-bulb temperature \"nan\" is not"},
        {"humidity inf", changed(1, 8, "inf"), "line 10: the relative humidity \"inf\" is not a"},
        {"wind speed nan", changed(2, 21, "-nan"), "line 11: the wind speed \"-nan\" is not a"},
        {"empty temperature", changed(0, 6, ""), "line 9: the dry-bulb temperature \"\" is not"},
        {"temperature missing", changed(5, 6, "99.9"),
         "w.epw, line 14: the dry-bulb temperature is missing (99.9)"},
        {"temperature below the coldest", changed(5, 6, "-90.5"),
         "w.epw, line 14: the dry-bulb temperature -90.5 is outside -90 to 70 degC"},
        {"temperature above the hottest", changed(5, 6, "70.5"),
         "line 14: the dry-bulb temperature 70.5 is outside -90 to 70 degC"},
        {"humidity missing", changed(6, 8, "999"), "line 15: the relative humidity is missing"},
        {"humidity far above saturation", changed(6, 8, "120"),
         "line 15: the relative humidity 120 is outside 0 to 110 %"},
        {"negative humidity", changed(6, 8, "-1"), "line 15: the relative humidity -1 is outside"},
        {"global missing", changed(7, 13, "9999"), "line 16: the global horizontal radiation is"},
        {"global beyond the sun's", changed(7, 13, "1500"),
         "line 16: the global horizontal radiation 1500 is outside 0 to 1415 W/m2"},
        {"beam missing", changed(7, 14, "9999"), "line 16: the direct normal radiation is missing"},
        {"negative beam", changed(7, 14, "-3"),
         "line 16: the direct normal radiation -3 is outside 0 to 1415 W/m2"},
        {"diffuse missing", changed(8, 15, "9999"), "line 17: the diffuse horizontal radiation is"},
        {"diffuse beyond the sun's", changed(8, 15, "1416"),
         "line 17: the diffuse horizontal radiation 1416 is outside"},
        {"wind direction missing", changed(9, 20, "999"), "line 18: the wind direction is missing"},
        {"wind speed missing", changed(10, 21, "999"), "line 19: the wind speed is missing"},
        {"month 13", changed(0, 1, "13"), "line 9: no such date and hour: 13/1 hour 1"},
        {"30 February", Lines({WithField(WithField(day[0], 1, "2"), 2, "30")}),
         "line 9: no such date and hour: 2/30 hour 1"},
        {"hour 0", changed(0, 3, "0"), "line 9: no such date and hour: 1/1 hour 0"},
        {"hour 25", changed(23, 3, "25"), "line 32: no such date and hour: 1/1 hour 25"},
        {"fractional hour", changed(4, 3, "5.5"), "line 13: the hour is not a whole number"},
        {"gap", without(4), "w.epw, line 13: this hour does not follow the row before it"},
        {"repeat", Lines(duplicated), "line 12: this hour does not follow the row before it"},
    };
    for (const Refusal& r : refusals) {
        EXPECT_FALSE(Read(r.text)) << r.what;
        EXPECT_NE(error_.find(r.message), std::string::npos) << r.what << ": " << error_;
        EXPECT_EQ(weather_.hours.size(), 1u) << r.what;
    }
    EXPECT_FALSE(ReadEpw("absent.epw", weather_, error_));
    EXPECT_EQ(error_, "Cannot open the weather file absent.epw");
    // A device would be read forever, a pipe waited on.
    ASSERT_EQ(mkfifo("pipe.epw", 0600), 0);
    for (const std::string path : {"/dev/zero", "pipe.epw"}) {
        EXPECT_FALSE(ReadEpw(path, weather_, error_));
        EXPECT_EQ(error_, "Cannot open the weather file " + path + ": it is not a regular file");
    }
}

}  // namespace
}  // namespace porvap
