#pragma once

#include <array>
#include <vector>

#include "core/climate/EpwFile.h"

namespace porvap::datagen {

// One hour of any climate file, reduced to what the comparison looks at.
struct HourSample {
    int month;
    int day;
    int hour;              // 0..23
    double temperature;    // degC
    double humidity;       // fraction
    double global;         // W/m2, horizontal
    double beamNormal;     // W/m2
    double diffuse;        // W/m2, horizontal
    double windSpeed;      // m/s
    double windDirection;  // degrees, meteorological (from north, clockwise)
};

std::vector<HourSample> Samples(const std::vector<EpwHour>& hours);

struct MonthSummary {
    double temperature;  // degC, mean
    double dailyRange;   // K, mean of daily maximum minus minimum
    double humidity;     // fraction, mean
    double irradiation;  // kWh/m2, global horizontal, month total
    double windSpeed;    // m/s, mean
    double prevailing;   // degrees, centre of the most frequent 45-degree sector (calm excluded)
};

std::array<MonthSummary, 12> SummariseMonths(const std::vector<HourSample>& hours);

// The percent-th percentile (0..100), linear between order statistics; 0 for no values.
double Percentile(std::vector<double> values, double percent);

}  // namespace porvap::datagen
