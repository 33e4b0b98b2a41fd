#pragma once

#include <string>
#include <vector>

#include "core/climate/HourRecord.h"

namespace porvap {

// Hourly files as the program reads them: one record per line, fields separated by single
// blanks, no header, line feeds. A file is replaced in full or not at all (ReplaceFile);
// each returns false when the file cannot be written.

// Layout 3: T RH beam diffuse altitude azimuth wind_speed wind_direction month day hour.
bool WriteLayout3(const std::vector<HourRecord>& year, const std::string& path);

// Layout 2: T RH beam diffuse altitude azimuth month day hour.
bool WriteLayout2(const std::vector<HourRecord>& year, const std::string& path);

// Layout 1: T RH irradiance-on-the-surface month day hour, with the surface's irradiance
// (W/m2) given hour by hour; false, writing nothing, when the counts differ.
bool WriteLayout1(const std::vector<HourRecord>& year, const std::vector<double>& irradiance,
                  const std::string& path);

// Internal file: room temperature (degC) and relative humidity (fraction); false, writing
// nothing, when the counts differ.
bool WriteInternal(const std::vector<double>& temperature, const std::vector<double>& humidity,
                   const std::string& path);

}  // namespace porvap
