#pragma once

#include <memory>

#include "tools/validation/Plot.h"

namespace porvap::validation {

// The pictures' painter: Qt Charts when the GUI is built, none (nullptr) otherwise.
std::unique_ptr<PlotSink> MakePlotSink(int& argc, char** argv);

}  // namespace porvap::validation
