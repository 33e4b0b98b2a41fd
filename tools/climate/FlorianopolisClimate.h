#pragma once

#include "tools/climate/ClimateFigures.h"

namespace porvap::datagen {

// The typical year of Florianopolis (27.60 S, 48.55 W, UTC-3) summarised into monthly figures.
ClimateFigures FlorianopolisClimate();

}  // namespace porvap::datagen
