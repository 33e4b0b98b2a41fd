#pragma once

#include <array>
#include <vector>

#include "tools/validation/Plot.h"
#include "tools/validation/Validation.h"

namespace porvap::validation {

inline constexpr const char* kDecrementPlot = "periodic-decrement.png";
inline constexpr const char* kLagPlot = "periodic-lag.png";
inline constexpr const char* kUptakePlot = "moisture-uptake.png";
inline constexpr const char* kEnergyPlot = "energy-balance.png";
inline constexpr const char* kGridPlot = "grid-convergence.png";
inline constexpr const char* kRoundOffPlot = "steady-round-off.png";

// Quoted from the report before the linear systems moved to double precision.
struct QuotedError {
    int sections;
    double error;  // relative
};
inline constexpr std::array<QuotedError, 3> kSinglePrecisionSteadyError{
    {{10, 9.7e-6}, {40, 1.9e-4}, {320, 1.2e-2}}};            // the slab's steady flow
inline constexpr double kSinglePrecisionImbalance = 0.3125;  // MJ/m2, level 5 over the year

std::vector<Plot> ValidationPlots(const ValidationResults& results);

}  // namespace porvap::validation
