#pragma once

#include <cstdio>
#include <string>

#include "core/climate/ClimateRecord.h"

namespace porvap {

// Layouts of an external hourly file, told apart by the number of fields on the first line:
// 1 = temperature, humidity, surface irradiance, month, day, hour;
// 2 = temperature, humidity, beam, diffuse, altitude, azimuth, month, day, hour;
// 3 = as 2 with wind speed and wind direction before the date.
// Returns 1, 2 or 3, or -1 when the file cannot be opened or its first line fits no layout.
int DetectClimateLayout(const std::string& path);

// Fields of one external record of a layout (1, 2, 3); 0 for any other layout.
int LayoutFieldCount(int layout);
constexpr int kInternalFieldCount = 2;

// The values a quantity of a record may take.
struct ValueRange {
    const char* quantity;
    double low, high;  // in unit
    const char* unit;
};

enum class ReadFault {
    kNone,
    kEnd,         // nothing but blank space left: the file has no further record
    kUnreadable,  // a field is no number, the file ends within the record, or fields follow
                  // the record on its last line (a line of another layout)
    kDate,        // a month, day or hour that the climate calendar does not have
    kRange,       // a value outside its physical range
};

// What reading one record found.
struct ClimateRead {
    ReadFault fault = ReadFault::kNone;
    long offset = 0;  // where the record's first field begins in the file, or the file ends
    const ValueRange* range = nullptr;  // kRange: the quantity refused
    double value = 0.0;                 // kRange: its value, in the range's unit
    explicit operator bool() const { return fault == ReadFault::kNone; }
};

// Reads one external record of the given layout into record. Its fields may run over several
// lines, but the record ends with a line. A record read whole is kept in record as read, its
// date or values refused or not; one that is not leaves record unchanged. Relative humidity a
// little above 1 and irradiance a little below 0 are read as 1 and 0.
ClimateRead ReadExternalFields(std::FILE* file, int layout, ClimateRecord& record);

// Reads one internal record, room temperature (degC) and relative humidity (fraction), on the
// same terms.
ClimateRead ReadInternalFields(std::FILE* file, double& temperature, double& humidity);

// True when nothing but blank space is left to read.
bool NoRecordLeft(std::FILE* file);

// The line, counted from 1, that holds the given offset; the stream keeps its position.
int LineAt(std::FILE* file, long offset);

}  // namespace porvap
