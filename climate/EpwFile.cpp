#include "climate/EpwFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <string_view>

#include "climate/Calendar.h"

namespace porvap {

namespace {

constexpr int kHeaderLines = 8;
constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// Where a row's values sit and what the format allows in them; a value at or above
// `missing` is the format's code for "not measured".
struct FieldRule {
    std::size_t index;
    const char* name;
    double low;
    double high;
    double missing;
};

constexpr FieldRule kTemperature = {6, "dry-bulb temperature", -70.0, 70.0, 99.9};
constexpr FieldRule kHumidity = {8, "relative humidity", 0.0, 110.0, 999.0};
constexpr FieldRule kGlobal = {13, "global horizontal radiation", 0.0, kUnbounded, 9999.0};
constexpr FieldRule kBeam = {14, "direct normal radiation", 0.0, kUnbounded, 9999.0};
constexpr FieldRule kDiffuse = {15, "diffuse horizontal radiation", 0.0, kUnbounded, 9999.0};
constexpr FieldRule kWindDirection = {20, "wind direction", 0.0, 360.0, 999.0};
constexpr FieldRule kWindSpeed = {21, "wind speed", 0.0, 40.0, 999.0};
constexpr std::size_t kFieldsUsed = 22;

// LOCATION,city,state,country,source,station,latitude,longitude,time zone,elevation
constexpr std::size_t kLocationFields = 10;

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The whole field as a number, whatever the C locale says about decimal points.
template <class T>
bool ParseNumber(std::string_view field, T& value) {
    field = Trim(field);
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    const char* end = field.data() + field.size();
    const auto [stop, status] = std::from_chars(field.data(), end, value);
    return !field.empty() && status == std::errc() && stop == end;
}

class RowReader {
  public:
    RowReader(const std::string& path, int line)
        : where_(path + ", line " + std::to_string(line)) {}

    bool Read(const std::vector<std::string_view>& fields, EpwHour& hour, std::string& error) {
        if (fields.size() < kFieldsUsed)
            return Fail(error, "has " + std::to_string(fields.size()) + " fields; " +
                                   std::to_string(kFieldsUsed) + " are needed");
        return Date(fields, hour, error) && Value(fields, kTemperature, hour.temperature, error) &&
               Value(fields, kHumidity, hour.humidity, error) &&
               Value(fields, kGlobal, hour.global, error) &&
               Value(fields, kBeam, hour.beamNormal, error) &&
               Value(fields, kDiffuse, hour.diffuse, error) &&
               Value(fields, kWindDirection, hour.windDirection, error) &&
               Value(fields, kWindSpeed, hour.windSpeed, error);
    }

    bool Fail(std::string& error, const std::string& what) const {
        error = where_ + ": " + what;
        return false;
    }

  private:
    bool Date(const std::vector<std::string_view>& fields, EpwHour& hour, std::string& error) {
        const char* names[] = {"month", "day", "hour"};
        int* targets[] = {&hour.month, &hour.day, &hour.hour};
        for (std::size_t k = 0; k < 3; ++k) {
            if (!ParseNumber(fields[k + 1], *targets[k]))
                return Fail(error, std::string("the ") + names[k] + " is not a whole number");
        }
        const bool leapDay = hour.month == 2 && hour.day == 29;
        if (hour.day < 1 || (hour.day > DaysInMonth(hour.month) && !leapDay) || hour.hour < 1 ||
            hour.hour > 24)
            return Fail(error, "no such date and hour: " + std::to_string(hour.month) + "/" +
                                   std::to_string(hour.day) + " hour " + std::to_string(hour.hour));
        --hour.hour;
        return true;
    }

    bool Value(const std::vector<std::string_view>& fields, const FieldRule& rule, double& value,
               std::string& error) {
        const std::string text(Trim(fields[rule.index]));
        if (!ParseNumber(fields[rule.index], value))
            return Fail(error,
                        std::string("the ") + rule.name + " \"" + text + "\" is not a number");
        if (value >= rule.missing)
            return Fail(error, std::string("the ") + rule.name + " is missing (" + text + ")");
        if (value < rule.low || value > rule.high)
            return Fail(error,
                        std::string("the ") + rule.name + " " + text + " is out of its range");
        return true;
    }

    std::string where_;
};

bool ReadLocation(const std::string& line, EpwLocation& location) {
    const std::vector<std::string_view> f = SplitFields(line);
    if (f.size() < kLocationFields || Trim(f[0]) != "LOCATION")
        return false;
    location.city = std::string(Trim(f[1]));
    Site& site = location.site;
    return ParseNumber(f[6], site.latitude) && std::abs(site.latitude) <= 90.0 &&
           ParseNumber(f[7], site.longitude) && std::abs(site.longitude) <= 180.0 &&
           ParseNumber(f[8], site.utcOffset) && site.utcOffset >= -12.0 && site.utcOffset <= 14.0 &&
           ParseNumber(f[9], location.elevation);
}

// 1 for 1 January hour 0, kHoursPerYear for 31 December hour 23.
int PositionInYear(const EpwHour& hour) {
    return HoursInInterval(1, 1, 0, hour.day, hour.month, hour.hour);
}

bool ReadLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

}  // namespace

bool ReadEpw(const std::string& path, EpwWeather& weather, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "Cannot open the weather file " + path;
        return false;
    }
    EpwWeather read;
    std::string line;
    if (!ReadLine(file, line) || !ReadLocation(line, read.location)) {
        error = path +
                ": the first line is not a LOCATION line with latitude, longitude, time zone "
                "and elevation";
        return false;
    }
    int lineNumber = 1;
    for (; lineNumber < kHeaderLines; ++lineNumber) {
        if (!ReadLine(file, line)) {
            error = path + ": the file ends within its " + std::to_string(kHeaderLines) +
                    " header lines";
            return false;
        }
    }
    while (ReadLine(file, line)) {
        ++lineNumber;
        if (Trim(line).empty())
            continue;
        RowReader row(path, lineNumber);
        EpwHour hour{};
        if (!row.Read(SplitFields(line), hour, error))
            return false;
        // The format allows up to 110 %; the program's air holds at most saturation.
        hour.humidity = std::min(hour.humidity / 100.0, 1.0);
        if (hour.month == 2 && hour.day == 29)
            continue;
        if (!read.hours.empty() &&
            PositionInYear(hour) != PositionInYear(read.hours.back()) % kHoursPerYear + 1)
            return row.Fail(error, "this hour does not follow the row before it");
        read.hours.push_back(hour);
    }
    if (file.bad()) {
        error = path + ": the file could not be read to its end";
        return false;
    }
    if (read.hours.empty()) {
        error = path + ": the file has no hourly rows";
        return false;
    }
    weather = std::move(read);
    return true;
}

}  // namespace porvap
