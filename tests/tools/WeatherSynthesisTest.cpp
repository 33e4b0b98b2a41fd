#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/climate/Calendar.h"
#include "core/climate/EpwFile.h"
#include "tools/climate/ClimateStatistics.h"
#include "tools/climate/FlorianopolisClimate.h"
#include "tools/climate/RoomModel.h"
#include "tools/climate/WeatherSynthesis.h"

namespace porvap::datagen {
namespace {

using test::Near;

constexpr double kDegree = std::numbers::pi / 180.0;

class SynthesisedYear : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { year_ = SynthesiseYear(FlorianopolisClimate()); }
    static std::vector<HourSample> Samples() {
        std::vector<HourSample> samples;
        for (const HourRecord& r : year_)
            samples.push_back({r.month, r.day, r.hour, r.temperature, r.humidity, r.global, r.beam,
                               r.diffuse, r.windSpeed, 0.0});
        return samples;
    }
    static inline std::vector<HourRecord> year_;
};

TEST_F(SynthesisedYear, RunsFromNewYearToNewYearEveInOrder) {
    ASSERT_EQ(static_cast<int>(year_.size()), kHoursPerYear);
    int k = 0;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= DaysInMonth(month); ++day)
            for (int hour = 0; hour < 24; ++hour, ++k) {
                ASSERT_EQ(year_[k].month, month);
                ASSERT_EQ(year_[k].day, day);
                ASSERT_EQ(year_[k].hour, hour);
            }
}

TEST_F(SynthesisedYear, MeetsTheMonthlyFigures) {
    const auto climate = FlorianopolisClimate();
    const auto months = SummariseMonths(Samples());
    for (int m = 0; m < 12; ++m) {
        const MonthlyFigures& f = climate.months[m];
        EXPECT_NEAR(months[m].temperature, f.temperature, 1e-9) << "month " << m + 1;
        EXPECT_NEAR(months[m].humidity, f.humidity, 0.002) << "month " << m + 1;
        EXPECT_NEAR(months[m].windSpeed, f.windSpeed, 1e-9) << "month " << m + 1;
        EXPECT_TRUE(Near(months[m].irradiation * 1000.0 / DaysInMonth(m + 1), f.irradiation, 0.005))
            << "month " << m + 1;
        EXPECT_NEAR(months[m].dailyRange, f.dailyRange, 1.0) << "month " << m + 1;
    }
}

TEST_F(SynthesisedYear, ValuesArePhysical) {
    for (const HourRecord& r : year_) {
        ASSERT_GT(r.humidity, 0.0);
        ASSERT_LE(r.humidity, 1.0);
        ASSERT_GE(r.beam, 0.0);
        ASSERT_GE(r.diffuse, 0.0);
        ASSERT_GE(r.windSpeed, 0.0);
        ASSERT_GE(r.windDirection, 0.0);
        ASSERT_LT(r.windDirection, 2.0 * std::numbers::pi);
        if (r.altitude <= 0.0) {
            ASSERT_EQ(r.global, 0.0);
        } else {
            ASSERT_NEAR(r.beam * std::sin(r.altitude * kDegree) + r.diffuse, r.global, 1e-6);
        }
    }
}

TEST_F(SynthesisedYear, HumidityFallsAsTheDayWarms) {
    double tt = 0.0, hh = 0.0, th = 0.0, t = 0.0, h = 0.0;
    for (const HourRecord& r : year_) {
        t += r.temperature, h += r.humidity;
        tt += r.temperature * r.temperature, hh += r.humidity * r.humidity;
        th += r.temperature * r.humidity;
    }
    const double n = static_cast<double>(year_.size());
    const double correlation =
        (th / n - t / n * h / n) / std::sqrt((tt / n - t * t / n / n) * (hh / n - h * h / n / n));
    EXPECT_LT(correlation, -0.4);
}

TEST_F(SynthesisedYear, IsTheSameEveryTime) {
    const auto again = SynthesiseYear(FlorianopolisClimate());
    ASSERT_EQ(again.size(), year_.size());
    for (std::size_t k = 0; k < year_.size(); ++k) {
        ASSERT_EQ(again[k].temperature, year_[k].temperature) << k;
        ASSERT_EQ(again[k].global, year_[k].global) << k;
        ASSERT_EQ(again[k].windDirection, year_[k].windDirection) << k;
    }
}

TEST(RoomModel, DampsTheDailySwingAndKeepsTheMean) {
    const double tau = 8.0;
    std::vector<double> outdoor(24 * 365);
    for (std::size_t k = 0; k < outdoor.size(); ++k)
        outdoor[k] = 20.0 + 5.0 * std::sin(2.0 * std::numbers::pi * k / 24.0);
    const std::vector<double> room = FreeRunningTemperature(outdoor, tau);
    double low = 1e9, high = -1e9, sum = 0.0;
    for (std::size_t k = outdoor.size() - 24; k < outdoor.size(); ++k) {
        low = std::min(low, room[k]), high = std::max(high, room[k]);
        sum += room[k];
    }
    const double omega = 2.0 * std::numbers::pi / 24.0;
    EXPECT_TRUE(Near((high - low) / 2.0, 5.0 / std::sqrt(1.0 + omega * omega * tau * tau), 0.03));
    EXPECT_NEAR(sum / 24.0, 20.0, 0.05);
}

TEST(RoomModel, KeepsTheOutdoorVapourPressure) {
    EXPECT_DOUBLE_EQ(RoomHumidity(20.0, 0.6, 20.0), 0.6);
    EXPECT_LT(RoomHumidity(15.0, 0.9, 20.0), 0.9);
    EXPECT_DOUBLE_EQ(RoomHumidity(25.0, 0.9, 15.0), 1.0);
}

TEST(Percentile, InterpolatesBetweenOrderStatistics) {
    EXPECT_DOUBLE_EQ(Percentile({4.0, 1.0, 3.0, 2.0}, 50.0), 2.5);
    EXPECT_DOUBLE_EQ(Percentile({4.0, 1.0, 3.0, 2.0}, 0.0), 1.0);
    EXPECT_DOUBLE_EQ(Percentile({4.0, 1.0, 3.0, 2.0}, 100.0), 4.0);
    EXPECT_EQ(Percentile({}, 50.0), 0.0);
}

// The monthly figures in FlorianopolisClimate were transcribed from the INMET file; this
// recomputes them.
TEST(FlorianopolisFigures, MatchTheWeatherFileTheyCameFrom) {
    const std::filesystem::path epw =
        std::filesystem::path(PORVAP_SHARED_WEATHER_DIR) / "BRA_SC_Florianopolis.838970_INMET.epw";
    if (!std::filesystem::exists(epw))
        GTEST_SKIP() << "weather file not available: " << epw;
    EpwWeather weather;
    std::string error;
    ASSERT_TRUE(ReadEpw(epw.string(), weather, error)) << error;
    const std::vector<HourSample> hours = Samples(weather.hours);
    ASSERT_EQ(static_cast<int>(hours.size()), kHoursPerYear);
    const auto climate = FlorianopolisClimate();
    const auto months = SummariseMonths(hours);
    for (int m = 0; m < 12; ++m) {
        const MonthlyFigures& f = climate.months[m];
        EXPECT_NEAR(months[m].temperature, f.temperature, 0.006) << "month " << m + 1;
        EXPECT_NEAR(months[m].dailyRange, f.dailyRange, 0.006) << "month " << m + 1;
        EXPECT_NEAR(months[m].humidity, f.humidity, 0.0006) << "month " << m + 1;
        EXPECT_NEAR(months[m].irradiation * 1000.0 / DaysInMonth(m + 1), f.irradiation, 0.6)
            << "month " << m + 1;
        EXPECT_NEAR(months[m].windSpeed, f.windSpeed, 0.006) << "month " << m + 1;
        EXPECT_EQ(months[m].prevailing, f.windDirection) << "month " << m + 1;
    }
}

}  // namespace
}  // namespace porvap::datagen
