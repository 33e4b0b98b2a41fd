#pragma once

#include <string>
#include <vector>

#include "tools/climate/SolarRadiation.h"
#include "tools/climate/WeatherSynthesis.h"

namespace porvap::datagen {

// Hourly files as the program reads them: one record per line, fields separated by single
// blanks, no header, line feeds. Each returns false when the file cannot be written.

// Layout 3: T RH beam diffuse altitude azimuth wind_speed wind_direction month day hour.
bool WriteLayout3(const std::vector<HourRecord>& year, const std::string& path);

// Layout 2: T RH beam diffuse altitude azimuth month day hour.
bool WriteLayout2(const std::vector<HourRecord>& year, const std::string& path);

// Layout 1: T RH irradiance-on-the-surface month day hour.
bool WriteLayout1(const std::vector<HourRecord>& year, const Surface& surface,
                  const std::string& path);

// Internal file: room temperature and relative humidity.
bool WriteInternal(const std::vector<double>& temperature, const std::vector<double>& humidity,
                   const std::string& path);

}  // namespace porvap::datagen
