// porvap-epw2pvh: converts an EnergyPlus weather file into the program's hourly files.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "core/climate/EpwConversion.h"

namespace {

constexpr const char* kHelp =
    "Usage: porvap-epw2pvh IN.epw OUT.pvh [--beam-from-global] [--partial]\n"
    "                      [--internal OUT_INT.pvh (--constant T RH | --outdoor)]\n"
    "\n"
    "Converts an EnergyPlus weather file into an external hourly file of layout 3:\n"
    "temperature, relative humidity, direct normal and diffuse horizontal irradiance,\n"
    "the sun's altitude and azimuth at the middle of each hour for the file's location and\n"
    "time zone, wind speed and direction, and the date. A 29 February is left out.\n"
    "\n"
    "  --beam-from-global      derives the direct normal irradiance from the global and\n"
    "                          diffuse horizontal fields: (global - diffuse) / sin(altitude),\n"
    "                          zero with the sun below 2 degrees, at most the extraterrestrial\n"
    "                          irradiance. Use it when the file's direct normal field does\n"
    "                          not match them; the converter warns about such a file.\n"
    "  --partial               also converts a file that covers less than a whole year (8760\n"
    "                          hours); a run must then start and end within its hours.\n"
    "                          Without it such a file is refused.\n"
    "  --internal OUT_INT.pvh  also writes an internal hourly file, with either\n"
    "  --constant T RH         a constant room: T in degC (-90 to 70), RH as a fraction 0..1,\n"
    "  --outdoor               or the outdoor air of each hour.\n"
    "\n"
    "The weather file needs its LOCATION line. A row with a missing value, a value that is\n"
    "not a number or one that weather cannot take (air below -90 or above 70 degC, relative\n"
    "humidity above 110 %, irradiance below 0 or above 1415 W/m2) is refused with its line\n"
    "number, and so is a row that cannot be read; nothing is written then. A relative\n"
    "humidity from 100 to 110 % is read as saturation.\n"
    "\n"
    "Exit status: 0 when the files were written (warnings go to standard error), 1 when the\n"
    "conversion failed, 2 for a usage error.\n";

struct Request {
    std::string epw;
    std::string external;
    porvap::RoomConditions room;
    porvap::EpwOptions options;
};

bool Number(const char* text, double& value) {
    const char* end = text + std::strlen(text);
    const auto [stop, status] = std::from_chars(text, end, value);
    return *text != '\0' && status == std::errc() && stop == end && std::isfinite(value);
}

// The room options after --internal PATH; false for anything else.
bool ReadRoom(int argc, char* argv[], porvap::RoomConditions& room) {
    const std::string_view option = argv[0];
    if (argc == 1 && option == "--outdoor") {
        room.source = porvap::RoomSource::kOutdoor;
        return true;
    }
    room.source = porvap::RoomSource::kConstant;
    return argc == 3 && option == "--constant" && Number(argv[1], room.temperature) &&
           Number(argv[2], room.humidity);
}

// A misplaced option is never taken for a file name.
bool IsOption(const char* argument) {
    return std::strncmp(argument, "--", 2) == 0;
}

// An option before --internal, each at most once; false for anything else.
bool ReadFlag(std::string_view argument, porvap::EpwOptions& options) {
    if (argument == "--beam-from-global" && options.beam == porvap::BeamSource::kFile) {
        options.beam = porvap::BeamSource::kGlobalAndDiffuse;
        return true;
    }
    if (argument == "--partial" && !options.partYear) {
        options.partYear = true;
        return true;
    }
    return false;
}

std::optional<Request> ReadArguments(int argc, char* argv[]) {
    if (argc < 3 || IsOption(argv[1]) || IsOption(argv[2]))
        return std::nullopt;
    Request request{argv[1], argv[2], {}, {}};
    int next = 3;
    while (next < argc && ReadFlag(argv[next], request.options))
        ++next;
    if (next == argc)
        return request;
    if (argc - next < 3 || std::string_view(argv[next]) != "--internal")
        return std::nullopt;
    request.room.path = argv[next + 1];
    if (!ReadRoom(argc - next - 2, argv + next + 2, request.room))
        return std::nullopt;
    return request;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    const std::optional<Request> request = ReadArguments(argc, argv);
    if (!request) {
        std::fputs(kHelp, stderr);
        return 2;
    }
    const porvap::EpwConversion done =
        porvap::ConvertEpw(request->epw, request->external, request->room, request->options);
    if (!done.ok) {
        std::fprintf(
            stderr, "porvap-epw2pvh: %s%s\n", done.error.c_str(),
            done.partYear ? "; nothing written. Convert with --partial to keep these hours." : "");
        return 1;
    }
    const porvap::Site& site = done.location.site;
    std::printf("%s (latitude %.3f, longitude %.3f, UTC%+g): %d hours written to %s\n",
                done.location.city.c_str(), site.latitude, site.longitude, site.utcOffset,
                done.hours, request->external.c_str());
    if (!done.warning.empty())
        std::fprintf(stderr,
                     "porvap-epw2pvh: warning: %s Convert with --beam-from-global for that.\n",
                     done.warning.c_str());
    return 0;
}
