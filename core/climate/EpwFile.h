#pragma once

#include <string>
#include <vector>

#include "core/climate/SolarGeometry.h"

namespace porvap {

// Air temperatures that weather can reach, degC: the extremes on record near the ground are
// -89.2 (Vostok, 1983) and 56.7 (Death Valley, 1913) in the WMO archive of weather extremes.
inline constexpr double kLowestAirTemperature = -90.0;  // degC
inline constexpr double kHighestAirTemperature = 70.0;  // degC

// The LOCATION line of an EnergyPlus weather file.
struct EpwLocation {
    std::string city;
    Site site;
    double elevation;  // m
};

// One hourly row on the program's calendar: EPW hour h (1..24) covers h-1:00 to h:00 local
// standard time and becomes hour h-1.
struct EpwHour {
    int month;
    int day;
    int hour;              // 0..23
    double temperature;    // degC, dry bulb
    double humidity;       // fraction, at most 1
    double global;         // W/m2, horizontal
    double beamNormal;     // W/m2
    double diffuse;        // W/m2, horizontal
    double windDirection;  // degrees, meteorological (from north, clockwise, where it blows from)
    double windSpeed;      // m/s
};

struct EpwWeather {
    EpwLocation location;
    std::vector<EpwHour> hours;
};

// Reads an EnergyPlus weather file: header lines, known by their keywords (LOCATION, DESIGN
// CONDITIONS, ... DATA PERIODS), however many of them there are, then the hourly rows.
// 29 February rows are dropped so that a leap year fits the program's 365-day calendar.
// Returns false with the reason in error, naming the line, for a path that is not a regular
// file, no valid LOCATION line before the rows (the sun's position needs it), a row with too
// few fields, a field that is not a finite number, a missing-value code, a value that weather
// cannot take, a date outside the calendar, a row that does not follow the one before it by
// one hour, or no rows at all. Nothing is kept from a refused file.
bool ReadEpw(const std::string& path, EpwWeather& weather, std::string& error);

}  // namespace porvap
