#pragma once

#include <vector>

#include "core/climate/HourRecord.h"
#include "tools/climate/ClimateFigures.h"

namespace porvap::datagen {

// The 8760 hours of a 365-day year, 1 January hour 0 to 31 December hour 23. Monthly means of
// temperature, humidity (up to the cap at 1), global irradiation and wind speed follow the
// figures; day-to-day and hourly variation come from the fixed seed.
std::vector<HourRecord> SynthesiseYear(const ClimateFigures& climate);

}  // namespace porvap::datagen
