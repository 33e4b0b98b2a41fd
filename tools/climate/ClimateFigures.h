#pragma once

#include <array>
#include <cstdint>

#include "core/climate/SolarGeometry.h"

namespace porvap::datagen {

// Monthly figures of a climate, the targets of the hourly synthesis.
struct MonthlyFigures {
    double temperature;      // degC, mean of the hourly values
    double dailyRange;       // K, mean of the daily maximum minus minimum
    double humidity;         // fraction, mean of the hourly values
    double irradiation;      // Wh/m2 per day, global horizontal, mean daily sum
    double clearnessSpread;  // standard deviation of the daily clearness index
    double windSpeed;        // m/s, mean
    double windDirection;    // degrees, prevailing, from north clockwise (where it blows from)
};

// How the weather varies from day to day and within the day.
struct Variability {
    double temperatureSd;    // K, daily mean about the monthly mean
    double temperatureLag1;  // day-to-day autocorrelation
    double humiditySd;       // fraction, daily mean about the monthly mean
    double humidityLag1;
    double humidityClearness;  // correlation of daily humidity with daily clearness
    double clearnessLag1;
    double rangeSd;         // K, daily range about the monthly mean range
    double rangeClearness;  // correlation of daily range with daily clearness
    double windSd;          // spread of the log of the daily wind factor
    double windLag1;
    double windHourlySd;    // spread of the log of the hourly wind factor
    double windHourlyLag1;  // hour-to-hour autocorrelation, speed and direction
    double directionSd;     // degrees, daily wind direction about the prevailing one
    double directionLag1;
    double directionHourlySd;    // degrees
    double hourlyClearnessSd;    // hourly clearness about the daily value
    double hourlyClearnessLag1;  // hour-to-hour autocorrelation
};

struct ClimateFigures {
    Site site;
    std::array<MonthlyFigures, 12> months;
    Variability variability;
    // Hour h (h:00 to h+1:00 local standard time) of the mean day: temperature about the
    // daily mean as a fraction of the daily range (zero mean, span one), and wind speed as a
    // fraction of the daily mean (mean one).
    std::array<double, 24> temperatureShape;
    std::array<double, 24> windShape;
    std::uint64_t seed;
};

}  // namespace porvap::datagen
