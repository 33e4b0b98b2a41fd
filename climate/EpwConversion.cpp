#include "climate/EpwConversion.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "climate/Calendar.h"
#include "climate/ClimateWriter.h"
#include "climate/SolarGeometry.h"
#include "climate/TextFiles.h"
#include "climate/WindDirection.h"

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
        !(std::isfinite(room.temperature) && room.humidity >= 0.0 && room.humidity <= 1.0))
        return "Room conditions need a temperature in degC and a relative humidity between 0 "
               "and 1";
    return {};
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
                         const RoomConditions& room, BeamSource beam) {
    EpwConversion result;
    result.error = CheckRequest(epwPath, externalPath, room);
    if (!result.error.empty())
        return result;
    EpwWeather weather;
    if (!ReadEpw(epwPath, weather, result.error))
        return result;
    const std::vector<HourRecord> year = ClimateHours(weather, beam);
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
    EpwConversion done = ConvertEpw(NativePath(epwPath), NativePath(hourly));
    if (done.ok && !done.warning.empty() &&
        messages.AskYesNo(done.warning + "\n\nDerive the direct normal irradiance from global "
                                         "and diffuse instead?",
                          "Porvap 2.0"))
        done =
            ConvertEpw(NativePath(epwPath), NativePath(hourly), {}, BeamSource::kGlobalAndDiffuse);
    if (!done.ok) {
        messages.Show(done.error, "Error!");
        return std::nullopt;
    }
    return hourly;
}

}  // namespace porvap
