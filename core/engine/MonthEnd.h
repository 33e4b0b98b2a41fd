#pragma once

namespace porvap {

struct SimulationEngine;

// Closing a month of the recording pass: shared by the driver and the final summary. The
// means are over the steps recorded since the last close; there must be at least one.
void CloseMonthMeans(SimulationEngine& engine, int month);
void CloseMonthEnergies(SimulationEngine& engine, int month);
void ReportMonth(SimulationEngine& engine, int month);

}  // namespace porvap
