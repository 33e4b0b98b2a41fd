#pragma once

#include <string>
#include <vector>

#include "tools/climate/ClimateStatistics.h"

namespace porvap::datagen {

// Reads the hourly rows of an EnergyPlus weather file (after its eight header lines). EPW
// hour h (1..24) covers h-1:00 to h:00 and becomes hour h-1. Returns false when the file
// cannot be opened; rows with too few fields are skipped.
bool ReadEpw(const std::string& path, std::vector<HourSample>& hours);

}  // namespace porvap::datagen
