#pragma once

#include <array>

#include "core/common/ChartData.h"

namespace porvap {

// The six result charts as they stand before any run, in the order of the pages G1 to G6.
std::array<ChartData, 6> MakeResultCharts();

struct AxisRange {
    double minimum = 0.0;
    double maximum = 1.0;
    double increment = 0.0;
};

// Sets one axis of chart and raises its revision.
void SetAxis(ChartData& chart, ChartAxis& axis, const AxisRange& range);

// Temperature (degC) or moisture (% vol) axis a whole unit beyond the range on each side.
AxisRange MarginAxis(double low, double high);

// G6 heat-flow axis (W/m2), in tens and symmetric about zero.
AxisRange FlowAxis(double low, double high);

// G4 and G5 energy axis (kJ/m2) from the extremes of the monthly totals (J/m2), in hundreds.
AxisRange EnergyAxis(double lowTotal, double highTotal);

// Moves maximum or minimum out to value; true when either moved.
bool Extend(double& maximum, double& minimum, double value);

// Every how many G6 points a date label is shown, for a store of this capacity.
int FlowLabelSpacing(int capacity);

}  // namespace porvap
