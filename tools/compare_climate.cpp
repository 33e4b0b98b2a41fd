// Compares a generated layout-3 hourly file with the EPW weather file it was modelled on:
//   compare_climate <file.epw> <floext.pvh>
// and prints Markdown tables: monthly figures side by side, and percentiles of the hourly
// values over the year.

#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "core/climate/ClimateFile.h"
#include "core/climate/EpwFile.h"
#include "core/climate/WindDirection.h"
#include "tools/climate/ClimateStatistics.h"

namespace {

using porvap::datagen::HourSample;

constexpr int kLayoutWithWind = 3;
constexpr double kDegree = std::numbers::pi / 180.0;

bool ReadGenerated(const std::string& path, std::vector<HourSample>& hours) {
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file)
        return false;
    porvap::ClimateRecord r;
    while (porvap::ReadExternalFields(file, kLayoutWithWind, r)) {
        const double horizontalBeam =
            r.altitude > 0.0f ? r.beam * std::sin(r.altitude * kDegree) : 0.0;
        hours.push_back({r.month, r.day, r.hour, r.temperature, r.relativeHumidity,
                         horizontalBeam + r.diffuse, r.beam, r.diffuse, r.windSpeed,
                         porvap::MeteorologicalWindDirection(r.windDirection)});
    }
    std::fclose(file);
    return true;
}

double Sum(const std::vector<HourSample>& hours, double HourSample::*field) {
    double sum = 0.0;
    for (const HourSample& h : hours)
        sum += h.*field;
    return sum;
}

void PrintMonths(const std::vector<HourSample>& epw, const std::vector<HourSample>& generated) {
    const auto a = porvap::datagen::SummariseMonths(epw);
    const auto b = porvap::datagen::SummariseMonths(generated);
    std::printf(
        "| Month | T EPW | T gen | Range EPW | Range gen | RH EPW | RH gen | "
        "GHI EPW | GHI gen | Wind EPW | Wind gen | Dir EPW | Dir gen |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (int m = 0; m < 12; ++m) {
        std::printf(
            "| %d | %.2f | %.2f | %.2f | %.2f | %.1f | %.1f | %.1f | %.1f | %.2f | %.2f | "
            "%.0f | %.0f |\n",
            m + 1, a[m].temperature, b[m].temperature, a[m].dailyRange, b[m].dailyRange,
            100 * a[m].humidity, 100 * b[m].humidity, a[m].irradiation, b[m].irradiation,
            a[m].windSpeed, b[m].windSpeed, a[m].prevailing, b[m].prevailing);
    }
    std::printf(
        "\nUnits: degC, K, %%, kWh/m2 per month, m/s, degrees from north (most frequent "
        "45-degree sector).\n\n");
}

void PrintYear(const std::vector<HourSample>& epw, const std::vector<HourSample>& generated) {
    std::printf("| Year | hours | T mean | RH mean | GHI kWh/m2 | DNI kWh/m2 | DHI kWh/m2 |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    for (const auto* hours : {&epw, &generated}) {
        const double n = static_cast<double>(hours->size());
        std::printf(
            "| %s | %zu | %.2f | %.1f | %.0f | %.0f | %.0f |\n",
            hours == &epw ? "EPW" : "generated", hours->size(),
            Sum(*hours, &HourSample::temperature) / n, 100 * Sum(*hours, &HourSample::humidity) / n,
            Sum(*hours, &HourSample::global) / 1000, Sum(*hours, &HourSample::beamNormal) / 1000,
            Sum(*hours, &HourSample::diffuse) / 1000);
    }
    std::printf("\n");
}

void PrintPercentileRow(const char* quantity, const char* source,
                        const std::vector<HourSample>& hours,
                        const std::function<bool(const HourSample&, double&)>& pick) {
    std::vector<double> values;
    for (const HourSample& h : hours) {
        double v = 0.0;
        if (pick(h, v))
            values.push_back(v);
    }
    std::printf("| %s | %s | %zu", quantity, source, values.size());
    for (double p : {5.0, 25.0, 50.0, 75.0, 95.0})
        std::printf(" | %.1f", porvap::datagen::Percentile(values, p));
    std::printf(" |\n");
}

void PrintPercentiles(const std::vector<HourSample>& epw,
                      const std::vector<HourSample>& generated) {
    const std::function<bool(const HourSample&, double&)> picks[] = {
        [](const HourSample& h, double& v) { return v = h.temperature, true; },
        [](const HourSample& h, double& v) { return v = 100 * h.humidity, true; },
        [](const HourSample& h, double& v) { return v = h.global, h.global > 0.0; },
        [](const HourSample& h, double& v) { return v = h.windSpeed, true; },
    };
    const char* names[] = {"T (degC)", "RH (%)", "GHI, daylight (W/m2)", "Wind (m/s)"};
    std::printf("| Quantity | Source | hours | p5 | p25 | p50 | p75 | p95 |\n");
    std::printf("|---|---|---|---|---|---|---|---|\n");
    for (int q = 0; q < 4; ++q) {
        PrintPercentileRow(names[q], "EPW", epw, picks[q]);
        PrintPercentileRow(names[q], "generated", generated, picks[q]);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: compare_climate <file.epw> <layout-3 file>\n");
        return 2;
    }
    porvap::EpwWeather weather;
    std::string error;
    if (!porvap::ReadEpw(argv[1], weather, error)) {
        std::fprintf(stderr, "compare_climate: %s; nothing compared\n", error.c_str());
        return 1;
    }
    const std::vector<HourSample> epw = porvap::datagen::Samples(weather.hours);
    std::vector<HourSample> generated;
    if (!ReadGenerated(argv[2], generated)) {
        std::fprintf(stderr, "compare_climate: generated file %s not found\n", argv[2]);
        return 1;
    }
    PrintMonths(epw, generated);
    PrintYear(epw, generated);
    PrintPercentiles(epw, generated);
    return 0;
}
