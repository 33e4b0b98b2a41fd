#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/climate/EpwBeam.h"
#include "core/climate/EpwFile.h"
#include "core/climate/HourRecord.h"
#include "core/common/Messages.h"

namespace porvap {

// The rows of a weather file as the program's hourly records: values as read, the sun of
// the file's site at the middle of each hour, wind direction in the program's frame, the
// direct normal irradiance from the given source.
std::vector<HourRecord> ClimateHours(const EpwWeather& weather,
                                     BeamSource beam = BeamSource::kFile);

// What the internal file written beside a converted year holds, if one is written.
enum class RoomSource {
    kNone,
    kConstant,  // the given temperature and humidity every hour
    kOutdoor,   // the outdoor air of each hour
};

struct RoomConditions {
    RoomSource source = RoomSource::kNone;
    std::string path;          // internal hourly file
    double temperature = 0.0;  // degC, for kConstant, within the air temperatures of weather
    double humidity = 0.0;     // fraction 0..1, for kConstant
};

struct EpwOptions {
    BeamSource beam = BeamSource::kFile;
    bool partYear = false;  // converts a file that covers less than a year, too
};

struct EpwConversion {
    bool ok = false;
    std::string error;      // the reason, when not ok
    bool partYear = false;  // refused only because the file covers less than a year
    EpwLocation location;
    int hours = 0;        // records written, or the hours covered when refused for partYear
    std::string warning;  // a doubt about the written year's values (BeamWarning), or empty
};

// Converts a weather file into an external hourly file of layout 3 and, when the room asks
// for one, an internal hourly file. Output paths must differ from each other and from the
// weather file. Nothing is written unless the whole weather file reads and, unless the
// options allow a part, covers a year; a failed write is reported, never a partial file as
// success.
EpwConversion ConvertEpw(const std::string& epwPath, const std::string& externalPath,
                         const RoomConditions& room = {}, const EpwOptions& options = {});

// True for a path ending in ".epw", in any case.
bool IsEpwFile(const std::string& path);

// A weather file chosen as a case's external climate, converted into the layout-3 file of the
// same name with the extension ".pvh" beside it; asks before replacing an existing one and
// before converting a file that covers less than a year, and offers to derive the beam from
// global and diffuse when the file's own beam does not match them. Returns that file's path, or
// nothing when the user keeps the existing file, declines part of a year, or the conversion failed
// (its message shown).
std::optional<std::string> ConvertChosenEpw(const std::string& epwPath, MessageSink& messages);

}  // namespace porvap
