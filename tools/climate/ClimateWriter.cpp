#include "tools/climate/ClimateWriter.h"

#include <cstdio>
#include <functional>

#include "tools/OutputFile.h"

namespace porvap::datagen {

namespace {

bool WriteLines(const std::string& path, std::size_t count,
                const std::function<void(std::FILE*, std::size_t)>& line) {
    OutputFile file = OpenOutput(path);
    if (!file)
        return false;
    for (std::size_t k = 0; k < count; ++k)
        line(file.get(), k);
    return std::ferror(file.get()) == 0;
}

}  // namespace

bool WriteLayout3(const std::vector<HourRecord>& year, const std::string& path) {
    return WriteLines(path, year.size(), [&](std::FILE* f, std::size_t k) {
        const HourRecord& r = year[k];
        std::fprintf(f, "%.2f %.3f %.0f %.0f %.1f %.1f %.2f %.3f %d %d %d\n", r.temperature,
                     r.humidity, r.beam, r.diffuse, r.altitude, r.azimuth, r.windSpeed,
                     r.windDirection, r.month, r.day, r.hour);
    });
}

bool WriteLayout2(const std::vector<HourRecord>& year, const std::string& path) {
    return WriteLines(path, year.size(), [&](std::FILE* f, std::size_t k) {
        const HourRecord& r = year[k];
        std::fprintf(f, "%.2f %.3f %.0f %.0f %.1f %.1f %d %d %d\n", r.temperature, r.humidity,
                     r.beam, r.diffuse, r.altitude, r.azimuth, r.month, r.day, r.hour);
    });
}

bool WriteLayout1(const std::vector<HourRecord>& year, const Surface& surface,
                  const std::string& path) {
    return WriteLines(path, year.size(), [&](std::FILE* f, std::size_t k) {
        const HourRecord& r = year[k];
        const double irradiance =
            SurfaceIrradiance(r.beam, r.diffuse, r.altitude, r.azimuth, surface);
        std::fprintf(f, "%.2f %.3f %.1f %d %d %d\n", r.temperature, r.humidity, irradiance, r.month,
                     r.day, r.hour);
    });
}

bool WriteInternal(const std::vector<double>& temperature, const std::vector<double>& humidity,
                   const std::string& path) {
    return WriteLines(path, temperature.size(), [&](std::FILE* f, std::size_t k) {
        std::fprintf(f, "%.2f %.3f\n", temperature[k], humidity[k]);
    });
}

}  // namespace porvap::datagen
