#pragma once

namespace porvap {

struct SimulationEngine;

// Closing a month of the recording pass: shared by the driver and the final summary.
void CloseMonthMeans(SimulationEngine& engine, int month);
void CloseMonthEnergies(SimulationEngine& engine, int month);
void ReportMonth(SimulationEngine& engine, int month);

}  // namespace porvap
