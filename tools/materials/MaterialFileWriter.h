#pragma once

#include <string>

#include "tools/materials/MaterialModel.h"
#include "tools/materials/MaterialProperties.h"

namespace porvap::datagen {

// Isotherm rows written per file: relative humidity 0.00, 0.01, ..., 1.20, one row for each
// entry of the program's 0..1.2 humidity index.
inline constexpr int kIsothermIntervals = 120;

// Writes the material property file: marker, name, dry scalars, the 101 property rows at the
// engine's moisture-content grid, and the isotherm with d(phi)/d(theta) in its third column.
// Returns false when the file cannot be written.
bool WriteMaterialFile(const MaterialModel& material, const VapourState& vapour,
                       const std::string& path);

}  // namespace porvap::datagen
