// Writes the bundled hourly climate files of Florianopolis:
//   make_climate <data directory>
// creates BrazilianWeathers/floext.pvh (layout 3), floext_layout2.pvh, floext_layout1.pvh
// (irradiance on a vertical wall facing north) and InternalConditions(0HeatGain)/FLOint0g.pvh.

#include <cstdio>
#include <filesystem>
#include <vector>

#include "core/climate/ClimateRecord.h"
#include "core/climate/ClimateWriter.h"
#include "core/engine/Boundary.h"
#include "tools/climate/FlorianopolisClimate.h"
#include "tools/climate/RoomModel.h"
#include "tools/climate/WeatherSynthesis.h"

namespace {

// Room without heat gains: a medium-weight room's response to outdoor temperature.
constexpr double kRoomTimeConstant = 8.0;  // hours

// The layout-1 surface: vertical, facing north (toward the sun at this latitude), grass-like
// ground.
constexpr porvap::SurfaceGeometry kNorthWall = {180.0f, 90.0f, 0.2f};

// The engine's own rule, so that layout 1 holds what a run finds from layouts 2 and 3.
bool WriteNorthWallFile(const std::vector<porvap::HourRecord>& year,
                        const std::filesystem::path& path) {
    std::vector<double> irradiance;
    for (const auto& r : year) {
        porvap::ClimateRecord sky;
        sky.beam = static_cast<float>(r.beam);
        sky.diffuse = static_cast<float>(r.diffuse);
        sky.altitude = static_cast<float>(r.altitude);
        sky.azimuth = static_cast<float>(r.azimuth);
        irradiance.push_back(porvap::SurfaceIrradiance(sky, kNorthWall));
    }
    return porvap::WriteLayout1(year, irradiance, path.string());
}

bool WriteInternalFile(const std::vector<porvap::HourRecord>& year,
                       const std::filesystem::path& path) {
    std::vector<double> outdoor;
    for (const auto& r : year)
        outdoor.push_back(r.temperature);
    const std::vector<double> room =
        porvap::datagen::FreeRunningTemperature(outdoor, kRoomTimeConstant);
    std::vector<double> humidity;
    for (std::size_t k = 0; k < year.size(); ++k)
        humidity.push_back(
            porvap::datagen::RoomHumidity(year[k].temperature, year[k].humidity, room[k]));
    return porvap::WriteInternal(room, humidity, path.string());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_climate <data directory>\n");
        return 2;
    }
    const std::filesystem::path data = argv[1];
    const std::filesystem::path external = data / "BrazilianWeathers";
    const std::filesystem::path internal = data / "InternalConditions(0HeatGain)";
    std::error_code error;
    std::filesystem::create_directories(external, error);
    std::filesystem::create_directories(internal, error);

    const auto year = porvap::datagen::SynthesiseYear(porvap::datagen::FlorianopolisClimate());
    const bool ok = porvap::WriteLayout3(year, (external / "floext.pvh").string()) &&
                    porvap::WriteLayout2(year, (external / "floext_layout2.pvh").string()) &&
                    WriteNorthWallFile(year, external / "floext_layout1.pvh") &&
                    WriteInternalFile(year, internal / "FLOint0g.pvh");
    if (!ok) {
        std::fprintf(stderr, "make_climate: could not write under %s\n", argv[1]);
        return 1;
    }
    return 0;
}
