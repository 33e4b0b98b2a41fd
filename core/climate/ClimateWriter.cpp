#include "core/climate/ClimateWriter.h"

#include <cstdio>
#include <functional>

#include "core/common/FileReplacement.h"

namespace porvap {

namespace {

// Every record or none: an earlier file of that name stays when a write fails.
bool WriteLines(const std::string& path, std::size_t count,
                const std::function<void(std::FILE*, std::size_t)>& line) {
    return ReplaceFile(path, [&](std::FILE* file) {
        for (std::size_t k = 0; k < count; ++k)
            line(file, k);
    });
}

// Printed to one decimal, an azimuth just above -180 would read -180.0, outside the
// convention's (-180, 180].
double PrintableAzimuth(double azimuth) {
    return azimuth < -179.95 ? azimuth + 360.0 : azimuth;
}

}  // namespace

bool WriteLayout3(const std::vector<HourRecord>& year, const std::string& path) {
    return WriteLines(path, year.size(), [&](std::FILE* f, std::size_t k) {
        const HourRecord& r = year[k];
        std::fprintf(f, "%.2f %.3f %.0f %.0f %.1f %.1f %.2f %.3f %d %d %d\n", r.temperature,
                     r.humidity, r.beam, r.diffuse, r.altitude, PrintableAzimuth(r.azimuth),
                     r.windSpeed, r.windDirection, r.month, r.day, r.hour);
    });
}

bool WriteLayout2(const std::vector<HourRecord>& year, const std::string& path) {
    return WriteLines(path, year.size(), [&](std::FILE* f, std::size_t k) {
        const HourRecord& r = year[k];
        std::fprintf(f, "%.2f %.3f %.0f %.0f %.1f %.1f %d %d %d\n", r.temperature, r.humidity,
                     r.beam, r.diffuse, r.altitude, PrintableAzimuth(r.azimuth), r.month, r.day,
                     r.hour);
    });
}

bool WriteLayout1(const std::vector<HourRecord>& year, const std::vector<double>& irradiance,
                  const std::string& path) {
    if (irradiance.size() != year.size())
        return false;
    return WriteLines(path, year.size(), [&](std::FILE* f, std::size_t k) {
        const HourRecord& r = year[k];
        std::fprintf(f, "%.2f %.3f %.1f %d %d %d\n", r.temperature, r.humidity, irradiance[k],
                     r.month, r.day, r.hour);
    });
}

bool WriteInternal(const std::vector<double>& temperature, const std::vector<double>& humidity,
                   const std::string& path) {
    if (humidity.size() != temperature.size())
        return false;
    return WriteLines(path, temperature.size(), [&](std::FILE* f, std::size_t k) {
        std::fprintf(f, "%.2f %.3f\n", temperature[k], humidity[k]);
    });
}

}  // namespace porvap
