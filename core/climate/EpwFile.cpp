#include "core/climate/EpwFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string_view>
#include <system_error>
#include <type_traits>

#include "core/climate/Calendar.h"
#include "core/common/TextFiles.h"

namespace porvap {

namespace {

// Sensors near saturation read a few per cent above 100; the weather format allows up to 110.
constexpr double kHighestReadHumidity = 110.0;  // %
// The program's sun above the atmosphere at its strongest, early January: the solar constant
// and 3.5 % more. No hour's mean irradiance on the ground reaches beyond it.
constexpr double kHighestIrradiance = 1415.0;  // W/m2
constexpr double kHighestWindSpeed = 40.0;     // m/s, the weather format's bound

// Where a row's values sit and what weather allows in them; a value at or above `missing`
// is the format's code for "not measured".
struct FieldRule {
    std::size_t index;
    const char* name;
    double low;
    double high;
    const char* unit;
    double missing;
};

constexpr FieldRule kTemperature = {
    6, "dry-bulb temperature", kLowestAirTemperature, kHighestAirTemperature, "degC", 99.9};
constexpr FieldRule kHumidity = {8, "relative humidity", 0.0, kHighestReadHumidity, "%", 999.0};
constexpr FieldRule kGlobal = {
    13, "global horizontal radiation", 0.0, kHighestIrradiance, "W/m2", 9999.0};
constexpr FieldRule kBeam = {14,    "direct normal radiation", 0.0, kHighestIrradiance, "W/m2",
                             9999.0};
constexpr FieldRule kDiffuse = {
    15, "diffuse horizontal radiation", 0.0, kHighestIrradiance, "W/m2", 9999.0};
constexpr FieldRule kWindDirection = {20, "wind direction", 0.0, 360.0, "degrees", 999.0};
constexpr FieldRule kWindSpeed = {21, "wind speed", 0.0, kHighestWindSpeed, "m/s", 999.0};
constexpr std::size_t kFieldsUsed = 22;

constexpr std::string_view kLocationKeyword = "LOCATION";
constexpr std::string_view kHeaderKeywords[] = {kLocationKeyword,
                                                "DESIGN CONDITIONS",
                                                "TYPICAL/EXTREME PERIODS",
                                                "GROUND TEMPERATURES",
                                                "HOLIDAYS/DAYLIGHT SAVINGS",
                                                "COMMENTS 1",
                                                "COMMENTS 2",
                                                "DATA PERIODS"};

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

// The whole field as a finite number, whatever the C locale says about decimal points.
template <class T>
bool ParseNumber(std::string_view field, T& value) {
    field = Trim(field);
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    const char* end = field.data() + field.size();
    const auto [stop, status] = std::from_chars(field.data(), end, value);
    if (field.empty() || status != std::errc() || stop != end)
        return false;
    if constexpr (std::is_floating_point_v<T>)
        return std::isfinite(value);
    return true;
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

class LineReader {
  public:
    LineReader(const std::string& path, int line)
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
            return Fail(error, std::string("the ") + rule.name + " " + text + " is outside " +
                                   Number(rule.low) + " to " + Number(rule.high) + " " + rule.unit);
        return true;
    }

    std::string where_;
};

bool ReadLocation(const std::vector<std::string_view>& f, EpwLocation& location) {
    if (f.size() < kLocationFields)
        return false;
    location.city = std::string(Trim(f[1]));
    Site& site = location.site;
    return ParseNumber(f[6], site.latitude) && std::abs(site.latitude) <= 90.0 &&
           ParseNumber(f[7], site.longitude) && std::abs(site.longitude) <= 180.0 &&
           ParseNumber(f[8], site.utcOffset) && site.utcOffset >= -12.0 && site.utcOffset <= 14.0 &&
           ParseNumber(f[9], location.elevation);
}

bool IsHeader(std::string_view firstField) {
    return std::find(std::begin(kHeaderKeywords), std::end(kHeaderKeywords), Trim(firstField)) !=
           std::end(kHeaderKeywords);
}

// 1 for 1 January hour 0, kHoursPerYear for 31 December hour 23.
int PositionInYear(const EpwHour& hour) {
    return HoursInInterval(1, 1, 0, hour.day, hour.month, hour.hour);
}

// A line without its line end; reads what a file holds, never more, whatever its bytes.
bool ReadLine(std::FILE* file, std::string& line) {
    line.clear();
    int c = 0;
    while ((c = std::getc(file)) != EOF && c != '\n')
        line.push_back(static_cast<char>(c));
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return c == '\n' || !line.empty();
}

std::string CannotOpen(const std::string& path) {
    std::error_code error;
    const auto type = std::filesystem::status(NativePath(path), error).type();
    const bool other = type != std::filesystem::file_type::not_found &&
                       type != std::filesystem::file_type::none &&
                       type != std::filesystem::file_type::regular;
    return "Cannot open the weather file " + path + (other ? ": it is not a regular file" : "");
}

// The header lines and hourly rows of one file, line by line.
class EpwReader {
  public:
    explicit EpwReader(const std::string& path) : path_(path) {}

    bool Take(const std::string& line, int number, std::string& error) {
        const std::vector<std::string_view> fields = SplitFields(line);
        if (IsHeader(fields[0]))
            return Header(fields, number, error);
        if (Trim(line).empty())
            return true;
        rows_ = true;
        return Located(error) && Row(fields, number, error);
    }

    // The weather read, once every line is taken.
    bool Finish(EpwWeather& weather, std::string& error) {
        if (!Located(error))
            return false;
        if (read_.hours.empty()) {
            error = path_ + ": the file has no hourly rows";
            return false;
        }
        weather = std::move(read_);
        return true;
    }

  private:
    bool Located(std::string& error) const {
        if (!located_)
            error = path_ +
                    ": no LOCATION line before the hourly rows; the sun's position needs its "
                    "latitude, longitude and time zone";
        return located_;
    }

    bool Header(const std::vector<std::string_view>& fields, int number, std::string& error) {
        const LineReader line(path_, number);
        if (rows_)
            return line.Fail(error, "a header line among the hourly rows");
        if (Trim(fields[0]) != kLocationKeyword)
            return true;
        located_ = ReadLocation(fields, read_.location);
        return located_ || line.Fail(error,
                                     "the LOCATION line needs latitude (-90 to 90), longitude "
                                     "(-180 to 180), time zone (-12 to 14) and elevation as "
                                     "numbers");
    }

    bool Row(const std::vector<std::string_view>& fields, int number, std::string& error) {
        LineReader row(path_, number);
        EpwHour hour{};
        if (!row.Read(fields, hour, error))
            return false;
        // The program's air holds at most saturation.
        hour.humidity = std::min(hour.humidity / 100.0, 1.0);
        if (hour.month == 2 && hour.day == 29)
            return true;
        if (!read_.hours.empty() &&
            PositionInYear(hour) != PositionInYear(read_.hours.back()) % kHoursPerYear + 1)
            return row.Fail(error, "this hour does not follow the row before it");
        read_.hours.push_back(hour);
        return true;
    }

    std::string path_;
    EpwWeather read_;
    bool located_ = false;
    bool rows_ = false;
};

}  // namespace

bool ReadEpw(const std::string& path, EpwWeather& weather, std::string& error) {
    const FileHandle file = OpenDataFile(path);
    if (!file) {
        error = CannotOpen(path);
        return false;
    }
    EpwReader reader(path);
    std::string line;
    for (int number = 1; ReadLine(file.get(), line); ++number) {
        if (!reader.Take(line, number, error))
            return false;
    }
    if (std::ferror(file.get())) {
        error = path + ": the file could not be read to its end";
        return false;
    }
    return reader.Finish(weather, error);
}

}  // namespace porvap
