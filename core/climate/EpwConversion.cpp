#include "core/climate/EpwConversion.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/climate/Calendar.h"
#include "core/climate/ClimateWriter.h"
#include "core/climate/SolarGeometry.h"
#include "core/climate/WindDirection.h"
#include "core/common/TextFiles.h"

namespace porvap {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kEpwExtension = ".epw";

int DayOfYear(const EpwHour& hour) {
    return HoursInInterval(1, 1, 0, hour.day, hour.month, 23) / 24;
}

bool SamePath(const std::string& a, const std::string& b) {
    std::error_code error;
    if (fs::equivalent(a, b, error))
        return true;
    return fs::absolute(a, error).lexically_normal() == fs::absolute(b, error).lexically_normal();
}

std::string RoomRangeMessage() {
    char text[120];
    std::snprintf(text, sizeof text,
                  "Room conditions need a temperature from %g to %g degC and a relative "
                  "humidity from 0 to 1",
                  kLowestAirTemperature, kHighestAirTemperature);
    return text;
}

// Empty when the request can be met, else the reason.
std::string CheckRequest(const std::string& epwPath, const std::string& externalPath,
                         const RoomConditions& room) {
    if (SamePath(epwPath, externalPath))
        return "The hourly file would replace the weather file " + epwPath;
    if (room.source == RoomSource::kNone)
        return {};
    if (SamePath(room.path, externalPath) || SamePath(room.path, epwPath))
        return "The internal file needs a name of its own: " + room.path;
    if (room.source == RoomSource::kConstant &&
        !(room.temperature >= kLowestAirTemperature && room.temperature <= kHighestAirTemperature &&
          room.humidity >= 0.0 && room.humidity <= 1.0))
        return RoomRangeMessage();
    return {};
}

std::string HourLabel(const EpwHour& hour) {
    return DateLabel({hour.day, hour.month, hour.hour});
}

// Empty when the weather covers a year or a part is allowed, else what it covers.
std::string PartOfYear(const std::string& epwPath, const EpwWeather& weather,
                       const EpwOptions& options) {
    const std::vector<EpwHour>& hours = weather.hours;
    if (options.partYear || hours.size() >= static_cast<std::size_t>(kHoursPerYear))
        return {};
    return epwPath + " covers " + std::to_string(hours.size()) + " hours, " +
           HourLabel(hours.front()) + " to " + HourLabel(hours.back()) + ", not a whole year of " +
           std::to_string(kHoursPerYear);
}

bool WriteRoom(const std::vector<HourRecord>& year, const RoomConditions& room) {
    std::vector<double> temperature, humidity;
    for (const HourRecord& r : year) {
        const bool outdoor = room.source == RoomSource::kOutdoor;
        temperature.push_back(outdoor ? r.temperature : room.temperature);
        humidity.push_back(outdoor ? r.humidity : room.humidity);
    }
    return WriteInternal(temperature, humidity, room.path);
}

// The conversion the user settles on: part of a year only on Yes (nothing when declined), the
// beam derived from global and diffuse on Yes.
std::optional<EpwConversion> ConvertAsAsked(const std::string& epwPath, const std::string& hourly,
                                            MessageSink& messages) {
    const auto convert = [&](const EpwOptions& options) {
        return ConvertEpw(NativePath(epwPath), NativePath(hourly), {}, options);
    };
    EpwOptions options;
    EpwConversion done = convert(options);
    if (done.partYear) {
        if (!messages.AskYesNo(done.error + ".\n\nConvert these hours anyway? A run must then "
                                            "start and end within them.",
                               "Porvap 2.0"))
            return std::nullopt;
        options.partYear = true;
        done = convert(options);
    }
    if (done.ok && !done.warning.empty() &&
        messages.AskYesNo(done.warning + "\n\nDerive the direct normal irradiance from global "
                                         "and diffuse instead?",
                          "Porvap 2.0")) {
        options.beam = BeamSource::kGlobalAndDiffuse;
        done = convert(options);
    }
    return done;
}

}  // namespace

std::vector<HourRecord> ClimateHours(const EpwWeather& weather, BeamSource beam) {
    std::vector<HourRecord> year;
    year.reserve(weather.hours.size());
    for (const EpwHour& h : weather.hours) {
        const SunPosition sun = SolarPosition(weather.location.site, DayOfYear(h), h.hour + 0.5);
        const double beamNormal =
            beam == BeamSource::kFile ? h.beamNormal : BeamFromGlobal(h.global, h.diffuse, sun);
        year.push_back({h.month, h.day, h.hour, h.temperature, h.humidity, h.global, beamNormal,
                        h.diffuse, sun.altitude, sun.azimuth, h.windSpeed,
                        ProgramWindDirection(h.windDirection)});
    }
    return year;
}

EpwConversion ConvertEpw(const std::string& epwPath, const std::string& externalPath,
                         const RoomConditions& room, const EpwOptions& options) {
    EpwConversion result;
    result.error = CheckRequest(epwPath, externalPath, room);
    if (!result.error.empty())
        return result;
    EpwWeather weather;
    if (!ReadEpw(epwPath, weather, result.error))
        return result;
    result.error = PartOfYear(epwPath, weather, options);
    if (!result.error.empty()) {
        result.partYear = true;
        result.hours = static_cast<int>(weather.hours.size());
        return result;
    }
    const std::vector<HourRecord> year = ClimateHours(weather, options.beam);
    if (!WriteLayout3(year, externalPath)) {
        result.error = "Cannot write the hourly file " + externalPath;
        return result;
    }
    if (room.source != RoomSource::kNone && !WriteRoom(year, room)) {
        result.error = "Cannot write the internal file " + room.path;
        return result;
    }
    result.ok = true;
    result.location = weather.location;
    result.hours = static_cast<int>(year.size());
    result.warning = BeamWarning(year, epwPath);
    return result;
}

bool IsEpwFile(const std::string& path) {
    if (path.size() < kEpwExtension.size())
        return false;
    return std::equal(
        kEpwExtension.begin(), kEpwExtension.end(),
        path.end() - static_cast<std::ptrdiff_t>(kEpwExtension.size()),
        [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

std::optional<std::string> ConvertChosenEpw(const std::string& epwPath, MessageSink& messages) {
    const std::string hourly = fs::path(epwPath).replace_extension(".pvh").string();
    std::error_code error;
    if (fs::exists(NativePath(hourly), error) &&
        !messages.AskYesNo(hourly + " exists.\nReplace it with the conversion of " + epwPath + "?",
                           "Porvap 2.0"))
        return std::nullopt;
    const std::optional<EpwConversion> done = ConvertAsAsked(epwPath, hourly, messages);
    if (!done)
        return std::nullopt;
    if (!done->ok) {
        messages.Show(done->error, "Error!");
        return std::nullopt;
    }
    return hourly;
}

}  // namespace porvap
