#include "tools/climate/ClimateStatistics.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace porvap::datagen {

namespace {

constexpr int kSectors = 8;
constexpr double kSectorWidth = 360.0 / kSectors;

int Sector(double direction) {
    return static_cast<int>(std::floor(direction / kSectorWidth + 0.5)) % kSectors;
}

std::array<double, 12> MeanDailyRanges(const std::vector<HourSample>& hours) {
    std::map<std::pair<int, int>, std::pair<double, double>> extremes;  // (month, day) -> min, max
    for (const HourSample& h : hours) {
        auto [it, inserted] = extremes.try_emplace({h.month, h.day}, h.temperature, h.temperature);
        it->second.first = std::min(it->second.first, h.temperature);
        it->second.second = std::max(it->second.second, h.temperature);
    }
    std::array<double, 12> sum = {};
    std::array<int, 12> days = {};
    for (const auto& [date, range] : extremes) {
        sum[date.first - 1] += range.second - range.first;
        ++days[date.first - 1];
    }
    for (int m = 0; m < 12; ++m)
        sum[m] = days[m] > 0 ? sum[m] / days[m] : 0.0;
    return sum;
}

}  // namespace

std::vector<HourSample> Samples(const std::vector<EpwHour>& hours) {
    std::vector<HourSample> samples;
    for (const EpwHour& h : hours)
        samples.push_back({h.month, h.day, h.hour, h.temperature, h.humidity, h.global,
                           h.beamNormal, h.diffuse, h.windSpeed, h.windDirection});
    return samples;
}

std::array<MonthSummary, 12> SummariseMonths(const std::vector<HourSample>& hours) {
    std::array<MonthSummary, 12> months = {};
    std::array<int, 12> count = {};
    std::array<std::array<int, kSectors>, 12> sectors = {};
    for (const HourSample& h : hours) {
        if (h.month < 1 || h.month > 12)
            continue;
        MonthSummary& m = months[h.month - 1];
        m.temperature += h.temperature;
        m.humidity += h.humidity;
        m.irradiation += h.global / 1000.0;
        m.windSpeed += h.windSpeed;
        if (h.windSpeed > 0.0)
            ++sectors[h.month - 1][Sector(h.windDirection)];
        ++count[h.month - 1];
    }
    const std::array<double, 12> ranges = MeanDailyRanges(hours);
    for (int i = 0; i < 12; ++i) {
        const double n = std::max(count[i], 1);
        months[i].temperature /= n;
        months[i].humidity /= n;
        months[i].windSpeed /= n;
        months[i].dailyRange = ranges[i];
        const auto& s = sectors[i];
        months[i].prevailing = kSectorWidth * (std::max_element(s.begin(), s.end()) - s.begin());
    }
    return months;
}

double Percentile(std::vector<double> values, double percent) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const double position = percent / 100.0 * (values.size() - 1);
    const std::size_t below = static_cast<std::size_t>(std::floor(position));
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (position - below) * (values[above] - values[below]);
}

}  // namespace porvap::datagen
