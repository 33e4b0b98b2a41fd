#include "core/climate/ClimateFile.h"

#include <cctype>
#include <cmath>

#include "core/climate/Calendar.h"
#include "core/common/TextFiles.h"

namespace porvap {

namespace {

bool IsBlank(int c) {
    return c == ' ' || c == '\t';
}

// Next character with a carriage return before a line feed dropped, as text mode does on
// the system the files come from.
int NextChar(std::FILE* file) {
    const int c = std::fgetc(file);
    if (c != '\r')
        return c;
    const int next = std::fgetc(file);
    if (next == '\n')
        return next;
    std::ungetc(next, file);
    return c;
}

// Runs of blanks on the first line, trailing run included; -1 when the line is unterminated.
int CountFirstLineGaps(std::FILE* file) {
    int c = NextChar(file);
    while (IsBlank(c))
        c = NextChar(file);
    int gaps = 0;
    bool inGap = false;
    for (; c != '\n' && c != '\f'; c = NextChar(file)) {
        if (c == EOF)
            return -1;
        if (IsBlank(c) && !inGap)
            ++gaps;
        inGap = IsBlank(c);
    }
    return gaps;
}

int LayoutForGaps(int gaps) {
    if (gaps == 5 || gaps == 6)
        return 1;
    if (gaps == 8 || gaps == 9)
        return 2;
    if (gaps == 10 || gaps == 11)
        return 3;
    return -1;
}

// Bounds of the values a record may hold.
// Air temperatures measured at the earth's surface lie between -89.2 degC (Vostok, 1983) and
// 56.7 degC (Death Valley, 1913), the extremes of the WMO archive of weather and climate
// extremes; a room's lie between them too.
constexpr ValueRange kAirTemperature{"air temperature", -90.0, 70.0, "degC"};
constexpr ValueRange kRelativeHumidity{"relative humidity", 0.0, 1.0, ""};
// Hygrometers near saturation read a few per cent high (their stated accuracy there is 2 to
// 3 % RH, and condensation on the sensor adds to it); readings up to this much above 1 are
// saturated air. Further above, the column holds something else, such as per cent.
constexpr double kSaturationExcess = 0.05;  // fraction
// The solar constant is 1361 W/m2 (Kopp and Lean, Geophys. Res. Lett. 38, L01706, 2011);
// hourly irradiance at the ground, cloud enhancement and reflection from snow included, stays
// well below one and a half times it.
constexpr double kMaxIrradiance = 2000.0;  // W/m2
// Files write irradiance to whole W/m2 or finer; a computed zero can come out as a small
// negative number, which is read as 0. Anything further below 0 is no irradiance.
constexpr double kIrradianceRounding = 0.5;  // W/m2
constexpr ValueRange kSurfaceIrradiance{"solar irradiance", 0.0, kMaxIrradiance, "W/m2"};
constexpr ValueRange kBeamIrradiance{"beam irradiance", 0.0, kMaxIrradiance, "W/m2"};
constexpr ValueRange kDiffuseIrradiance{"diffuse irradiance", 0.0, kMaxIrradiance, "W/m2"};
constexpr ValueRange kSolarAltitude{"solar altitude", -90.0, 90.0, "degrees"};
// Azimuths are counted either way round: (-180, 180] or [0, 360).
constexpr ValueRange kSolarAzimuth{"solar azimuth", -180.0, 360.0, "degrees"};
// No hourly mean exceeds the highest gust measured at the surface, 113.3 m/s (Barrow Island,
// 1996, WMO archive of weather and climate extremes).
constexpr ValueRange kWindSpeed{"wind speed", 0.0, 113.3, "m/s"};
// One turn, 2 pi, rounded up so that it passes written to any number of decimals; a direction
// beyond it is in degrees.
constexpr ValueRange kWindDirection{"wind direction", -6.3, 6.3, "rad"};

bool Read(std::FILE* file, double& value) {
    return std::fscanf(file, "%lf", &value) == 1;
}
bool Read(std::FILE* file, float& value) {
    return std::fscanf(file, "%f", &value) == 1;
}
bool Read(std::FILE* file, int& value) {
    return std::fscanf(file, "%d", &value) == 1;
}

bool ReadSolarAndWind(std::FILE* file, int layout, ClimateRecord& record) {
    if (layout == 1)
        return Read(file, record.irradiance);
    const bool solar = Read(file, record.beam) && Read(file, record.diffuse) &&
                       Read(file, record.altitude) && Read(file, record.azimuth);
    if (!solar || layout == 2)
        return solar;
    return Read(file, record.windSpeed) && Read(file, record.windDirection);
}

bool ReadRecord(std::FILE* file, int layout, ClimateRecord& record) {
    return Read(file, record.temperature) && Read(file, record.relativeHumidity) &&
           ReadSolarAndWind(file, layout, record) && Read(file, record.month) &&
           Read(file, record.day) && Read(file, record.hour);
}

// Skips blank space and line ends up to the next field; false at the end of the file.
bool SkipToField(std::FILE* file) {
    int c = std::fgetc(file);
    while (c != EOF && std::isspace(c))
        c = std::fgetc(file);
    if (c == EOF)
        return false;
    std::ungetc(c, file);
    return true;
}

// Only blanks may follow a record's last field on its line.
bool AtLineEnd(std::FILE* file) {
    int c = std::fgetc(file);
    while (c != EOF && c != '\n' && c != '\f' && std::isspace(c))
        c = std::fgetc(file);
    return c == EOF || c == '\n' || c == '\f';
}

// Starts a read at the next record: kEnd when there is none.
ClimateRead BeginRecord(std::FILE* file) {
    ClimateRead read;
    if (!file) {
        read.fault = ReadFault::kEnd;
        return read;
    }
    if (!SkipToField(file))
        read.fault = ReadFault::kEnd;
    read.offset = std::ftell(file);
    return read;
}

bool Within(const ValueRange& range, double value, ClimateRead& read) {
    if (std::isfinite(value) && range.low <= value && value <= range.high)
        return true;
    read.fault = ReadFault::kRange;
    read.range = &range;
    read.value = value;
    return false;
}

bool HumidityWithin(double& humidity, ClimateRead& read) {
    if (humidity > 1.0 && humidity <= 1.0 + kSaturationExcess)
        humidity = 1.0;
    return Within(kRelativeHumidity, humidity, read);
}

template <typename Real>
bool IrradianceWithin(const ValueRange& range, Real& irradiance, ClimateRead& read) {
    if (irradiance < 0 && irradiance >= -kIrradianceRounding)
        irradiance = 0;
    return Within(range, irradiance, read);
}

bool IsDate(const ClimateRecord& record) {
    return record.day >= 1 && record.day <= DaysInMonth(record.month) && record.hour >= 0 &&
           record.hour <= 23;
}

bool SolarWithin(ClimateRecord& record, ClimateRead& read) {
    return IrradianceWithin(kBeamIrradiance, record.beam, read) &&
           IrradianceWithin(kDiffuseIrradiance, record.diffuse, read) &&
           Within(kSolarAltitude, record.altitude, read) &&
           Within(kSolarAzimuth, record.azimuth, read);
}

bool WindWithin(const ClimateRecord& record, ClimateRead& read) {
    return Within(kWindSpeed, record.windSpeed, read) &&
           Within(kWindDirection, record.windDirection, read);
}

bool ExternalValuesWithin(int layout, ClimateRecord& record, ClimateRead& read) {
    if (!Within(kAirTemperature, record.temperature, read) ||
        !HumidityWithin(record.relativeHumidity, read))
        return false;
    if (layout == 1)
        return IrradianceWithin(kSurfaceIrradiance, record.irradiance, read);
    return SolarWithin(record, read) && (layout == 2 || WindWithin(record, read));
}

}  // namespace

int DetectClimateLayout(const std::string& path) {
    const FileHandle file = OpenDataFile(path);
    if (!file)
        return -1;
    return LayoutForGaps(CountFirstLineGaps(file.get()));
}

int LayoutFieldCount(int layout) {
    switch (layout) {
        case 1:
            return 6;
        case 2:
            return 9;
        case 3:
            return 11;
        default:
            return 0;
    }
}

ClimateRead ReadExternalFields(std::FILE* file, int layout, ClimateRecord& record) {
    ClimateRead read = BeginRecord(file);
    if (read.fault != ReadFault::kNone)
        return read;
    ClimateRecord fields = record;
    if (LayoutFieldCount(layout) == 0 || !ReadRecord(file, layout, fields) || !AtLineEnd(file)) {
        read.fault = ReadFault::kUnreadable;
        return read;
    }
    record = fields;
    if (!IsDate(record))
        read.fault = ReadFault::kDate;
    else
        ExternalValuesWithin(layout, record, read);
    return read;
}

ClimateRead ReadInternalFields(std::FILE* file, double& temperature, double& humidity) {
    ClimateRead read = BeginRecord(file);
    if (read.fault != ReadFault::kNone)
        return read;
    double readTemperature = 0.0, readHumidity = 0.0;
    if (!Read(file, readTemperature) || !Read(file, readHumidity) || !AtLineEnd(file)) {
        read.fault = ReadFault::kUnreadable;
        return read;
    }
    if (Within(kAirTemperature, readTemperature, read))
        HumidityWithin(readHumidity, read);
    temperature = readTemperature;
    humidity = readHumidity;
    return read;
}

bool NoRecordLeft(std::FILE* file) {
    return !SkipToField(file);
}

int LineAt(std::FILE* file, long offset) {
    const long position = std::ftell(file);
    std::rewind(file);
    int line = 1;
    for (long k = 0; k < offset; ++k) {
        const int c = std::fgetc(file);
        if (c == EOF)
            break;
        line += c == '\n';
    }
    std::fseek(file, position, SEEK_SET);
    return line;
}

}  // namespace porvap
