#pragma once

#include <string>

namespace porvap {

struct SimulationEngine;

// The last run of an engine as comma-separated text for spreadsheets and data tools: one
// header row naming each column with its unit, then one row per line of data, '.' as the
// decimal point in any locale. Dates carry no year. Both writers answer false when the engine
// holds no completed run, or when the file cannot be created or fully written; a file they
// could not finish is removed.

// One row per recorded hour: month, day and hour of the climate record; sensible, latent and
// total heat to the room, W/m2; water vapour to the room, g/(m2 h) (flux.txt gives the
// opposite direction, into the element, in mg/(m2 s)); outdoor and indoor air temperature,
// degC, and relative humidity, fraction.
bool WriteHourlyFlowsCsv(const std::string& path, const SimulationEngine& engine);

// One row per month the run covered, then a "Year" row: the hours recorded; the element's
// mean temperature, degC, and moisture content, % vol, over its thickness and those hours
// (arq.txt's monthly means); the sensible and latent heat the room gained and lost through
// the element in office hours of working days, kWh/m2, losses as positive amounts. The
// year's means are weighted by hours, its heat amounts are the sums of the months'.
bool WriteMonthlySummaryCsv(const std::string& path, const SimulationEngine& engine);

}  // namespace porvap
