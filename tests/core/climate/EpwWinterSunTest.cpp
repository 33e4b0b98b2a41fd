#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "EpwSample.h"
#include "TestSupport.h"
#include "core/climate/Calendar.h"
#include "core/climate/EpwConversion.h"
#include "core/engine/Boundary.h"

// Converted weather files against the weather itself and against the sky: a wall facing the
// equator gets its strongest noon sun in winter, when the sun stands low in front of it.

namespace porvap {
namespace {

namespace fs = std::filesystem;

constexpr float kFacingSouth = 0.0f;    // degrees, the program's orientation
constexpr float kFacingNorth = 180.0f;  // degrees
constexpr float kVertical = 90.0f;      // degrees
constexpr float kGrass = 0.2f;          // ground reflectance

// Monthly means, W/m2, of the irradiance the engine puts on a vertical wall at each day's
// highest sun.
std::array<double, 12> NoonIrradiance(const std::vector<ClimateRecord>& records,
                                      float orientation) {
    std::map<std::pair<int, int>, ClimateRecord> noons;  // (month, day)
    for (const ClimateRecord& r : records) {
        auto [noon, fresh] = noons.try_emplace({r.month, r.day}, r);
        if (r.altitude > noon->second.altitude)
            noon->second = r;
    }
    std::array<double, 12> sums{}, counts{};
    for (const auto& [date, r] : noons) {
        sums[date.first - 1] +=
            SurfaceIrradiance(r, SurfaceGeometry{orientation, kVertical, kGrass});
        counts[date.first - 1] += 1.0;
    }
    for (int m = 0; m < 12; ++m)
        sums[m] /= counts[m];
    return sums;
}

int BrightestMonth(const std::array<double, 12>& months) {
    return static_cast<int>(std::max_element(months.begin(), months.end()) - months.begin()) + 1;
}

std::string Listed(const std::array<double, 12>& months) {
    std::ostringstream text;
    for (double value : months)
        text << static_cast<int>(value) << " ";
    return text.str();
}

// Dry-bulb temperature and relative humidity of every row, read apart from the converter.
std::vector<std::pair<double, double>> TemperatureAndHumidity(const fs::path& epw) {
    std::ifstream in(epw, std::ios::binary);
    std::vector<std::pair<double, double>> rows;
    std::string line;
    for (int k = 0; std::getline(in, line); ++k) {
        if (k < 8)
            continue;
        std::vector<std::string> fields;
        std::istringstream row(line);
        for (std::string field; std::getline(row, field, ',');)
            fields.push_back(field);
        rows.emplace_back(std::atof(fields.at(6).c_str()), std::atof(fields.at(8).c_str()));
    }
    return rows;
}

// The same clear sky every day, at 52 N and at 27.6 S: the wall facing the equator gets its
// strongest noon sun at the winter solstice and much less at the summer one.
TEST(EpwWinterSun, ClearYearOnEitherSideOfTheEquator) {
    test::ScratchDir dir;
    const auto rows = test::EpwDays(2023, 1, 1, 365, [](test::EpwRow& r, int) {
        const bool day = r.hour >= 9 && r.hour <= 16;
        r.beam = day ? 700.0 : 0.0;
        r.diffuse = day ? 100.0 : 0.0;
    });
    struct Site {
        double latitude, longitude, utcOffset;
        float wall;
        int winter, summer;
    };
    for (const Site& site : {Site{52.0, 7.5, 1.0, kFacingSouth, 12, 6},
                             Site{-27.6, -48.55, -3.0, kFacingNorth, 6, 12}}) {
        SCOPED_TRACE(site.latitude);
        test::WriteFile("w.epw",
                        test::EpwText(site.latitude, site.longitude, site.utcOffset, rows));
        ASSERT_TRUE(ConvertEpw("w.epw", "w.pvh").ok);
        const std::vector<ClimateRecord> records = test::ReadLayout3("w.pvh");
        ASSERT_EQ(static_cast<int>(records.size()), kHoursPerYear);
        const auto months = NoonIrradiance(records, site.wall);
        EXPECT_EQ(BrightestMonth(months), site.winter) << Listed(months);
        EXPECT_GT(months[site.winter - 1], 1.5 * months[site.summer - 1]) << Listed(months);
    }
}

// The real files keep their weather as it is. Their direct normal field runs far below
// global minus diffuse at a low sun, which the converter reports; with the beam derived from
// global and diffuse, their sites' noon sun on the wall facing the equator peaks in winter.
TEST(EpwWinterSun, RealWeatherFiles) {
    const fs::path directory = PORVAP_SHARED_WEATHER_DIR;
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(directory, error))
        if (IsEpwFile(entry.path().string()))
            files.push_back(entry.path());
    if (files.empty())
        GTEST_SKIP() << "no weather files in " << directory;
    test::ScratchDir dir;
    for (const fs::path& epw : files) {
        SCOPED_TRACE(epw.filename().string());
        const EpwConversion asGiven = ConvertEpw(epw.string(), "out.pvh");
        ASSERT_TRUE(asGiven.ok) << asGiven.error;
        EXPECT_EQ(asGiven.hours, kHoursPerYear);
        EXPECT_NE(asGiven.warning.find("does not match its global and diffuse"), std::string::npos)
            << asGiven.warning;
        ASSERT_EQ(DetectClimateLayout("out.pvh"), 3);
        const std::vector<ClimateRecord> records = test::ReadLayout3("out.pvh");
        ASSERT_EQ(static_cast<int>(records.size()), kHoursPerYear);

        const auto source = TemperatureAndHumidity(epw);
        ASSERT_EQ(source.size(), records.size());
        for (std::size_t k = 0; k < records.size(); ++k) {
            ASSERT_NEAR(records[k].temperature, source[k].first, 0.005) << "hour " << k;
            ASSERT_NEAR(records[k].relativeHumidity, source[k].second / 100.0, 0.0005)
                << "hour " << k;
        }
        EXPECT_EQ(records.back().month, 12);
        EXPECT_EQ(records.back().day, 31);
        EXPECT_EQ(records.back().hour, 23);

        const EpwConversion derived =
            ConvertEpw(epw.string(), "out.pvh", {}, {.beam = BeamSource::kGlobalAndDiffuse});
        ASSERT_TRUE(derived.ok) << derived.error;
        EXPECT_EQ(derived.warning, "");
        const bool south = derived.location.site.latitude < 0.0;
        const auto months =
            NoonIrradiance(test::ReadLayout3("out.pvh"), south ? kFacingNorth : kFacingSouth);
        const int brightest = BrightestMonth(months);
        if (south)
            EXPECT_TRUE(brightest >= 5 && brightest <= 8) << brightest << ": " << Listed(months);
        else
            EXPECT_TRUE(brightest >= 11 || brightest <= 2) << brightest << ": " << Listed(months);
    }
}

}  // namespace
}  // namespace porvap
