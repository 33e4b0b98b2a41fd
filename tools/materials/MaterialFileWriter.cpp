#include "tools/materials/MaterialFileWriter.h"

#include <cstdio>

#include "core/engine/PropertyGrid.h"
#include "core/materials/MaterialRecord.h"
#include "tools/OutputFile.h"

namespace porvap::datagen {

namespace {

void WritePropertyRows(std::FILE* file, const MaterialModel& material, const VapourState& vapour) {
    const PropertyGrid grid;
    for (int i = 0; i < MaterialRecord::kRows; ++i) {
        const PropertyRow row = PropertiesAt(material, vapour, grid.At(i));
        std::fprintf(file, "%d   %f   %3.15f   %3.15f   %3.15f   %3.15f\n", i, row.k, row.dt,
                     row.dteta, row.dtv, row.dtetav);
    }
}

void WriteIsotherm(std::FILE* file, const MaterialModel& material) {
    const MoistureStorage storage(material);
    const double step = MoistureStorage::kTopHumidity / kIsothermIntervals;
    std::fprintf(file, "#Isotherms\n%d   %g\n", kIsothermIntervals, step);
    for (int k = 0; k <= kIsothermIntervals; ++k) {
        const double phi = k * step;
        std::fprintf(file, "%f   %f   %f\n", phi, storage.Theta(phi), storage.HumiditySlope(phi));
    }
}

}  // namespace

bool WriteMaterialFile(const MaterialModel& material, const VapourState& vapour,
                       const std::string& path) {
    OutputFile file = OpenOutput(path);
    if (!file)
        return false;
    std::fprintf(file.get(), "#Porvap file\n%s\n", material.name.c_str());
    std::fprintf(file.get(), "%f   %f   %f\n", material.density, material.porosity,
                 material.specificHeat);
    WritePropertyRows(file.get(), material, vapour);
    WriteIsotherm(file.get(), material);
    return std::ferror(file.get()) == 0;
}

}  // namespace porvap::datagen
