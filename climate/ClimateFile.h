#pragma once

#include <cstdio>
#include <string>

#include "climate/ClimateRecord.h"

namespace porvap {

// Layouts of an external hourly file, told apart by the number of fields on the first line:
// 1 = temperature, humidity, surface irradiance, month, day, hour;
// 2 = temperature, humidity, beam, diffuse, altitude, azimuth, month, day, hour;
// 3 = as 2 with wind speed and wind direction before the date.
// Returns 1, 2 or 3, or -1 when the file cannot be opened or its first line fits no layout.
int DetectClimateLayout(const std::string& path);

// Reads the fields of one external record of the given layout into record. Returns 0, or 1
// when the stream was already at its end, the record is incomplete, the layout is unknown or
// the month read lies outside 1..12. An incomplete record leaves record unchanged, so the
// last complete record is held once the file ends; a record with an invalid month is kept.
int ReadExternalFields(std::FILE* file, int layout, ClimateRecord& record);

// Reads one internal record: room temperature, degC, and relative humidity, fraction.
// Both keep their values unless the whole record is read. Always returns 0: an internal file
// shorter than the external one holds its last values.
int ReadInternalFields(std::FILE* file, double& temperature, double& humidity);

}  // namespace porvap
