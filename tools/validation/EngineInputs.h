#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/engine/Layer.h"
#include "core/engine/SimulationEngine.h"
#include "core/materials/MaterialRecord.h"

namespace porvap::validation {

// A material whose property tables are constant and whose isotherm is the straight line
// theta = sorption * phi (the engine's slope column d(phi)/d(theta) = 1 / sorption).
struct ConstantMaterial {
    float conductivity = 1.0f;              // W/(m K)
    float moistureDiffusivity = 0.0f;       // DTeta, m2/s
    float thermalDiffusivity = 0.0f;        // DT, m2/(s K)
    float vapourDiffusivity = 0.0f;         // DTetaV, m2/s
    float vapourThermalDiffusivity = 0.0f;  // DTV, m2/(s K)
    float density = 2000.0f;                // kg/m3
    float specificHeat = 1000.0f;           // J/(kg K)
    double sorption = 0.05;                 // m3/m3 per unit of relative humidity
};

std::unique_ptr<MaterialRecord> MakeMaterial(const ConstantMaterial& properties);

// Date of the hour that lies `hours` after 1 January 00h of the climate calendar.
DayHour HourDate(int hours);

// An hourly layout-1 climate file for a run of `days` days from 1 January 00h, no
// irradiance; the temperature (degC) as a function of the hour counted from the start. The
// file holds a day more than the run: past its last record the engine holds the climate
// still, and the last steps would see that. False when the file cannot be written.
bool WriteHourlyClimate(const std::string& path, int days,
                        const std::function<double(int)>& temperature, double humidity);

// Surroundings of a run on such a file: constant room conditions and fixed films.
struct RunConditions {
    std::string climateFile;
    int days = 1;
    double roomTemperature = 20.0;  // degC
    double roomHumidity = 0.6;      // fraction
    float external = 25.0f;         // W/(m2 K)
    float internal = 8.0f;          // W/(m2 K)
    int modelLevel = 5;
    float hoursPerStep = 1.0f;  // h; the climate is interpolated between records
};

// Steps the comparisons can take: an hour, or an hour split into whole steps (the engine
// interpolates the climate within the hour).
bool DividesTheHour(double stepHours);

// Resets the engine and sets it up for the conditions, the run ending at the last hour of
// the last day. The layers' materials must outlive the runs.
void SetUpRun(SimulationEngine& engine, const std::vector<Layer>& layers,
              const RunConditions& conditions);

// Runs the engine step by step, warm-up then recording pass: after every step `afterStep`
// sees the engine and whether the step was one of the recording pass, and may end the run
// early by answering false. Answers 0 when the run completed or was ended by the caller,
// otherwise the code that stopped it.
using StepVisitor = std::function<bool(const SimulationEngine& engine, bool recorded)>;
int StepRun(SimulationEngine& engine, const StepVisitor& afterStep);

}  // namespace porvap::validation
