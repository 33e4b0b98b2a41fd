#include "tools/validation/EngineInputs.h"

#include <cmath>

#include "core/climate/Calendar.h"
#include "core/climate/ClimateWriter.h"
#include "core/engine/Run.h"

namespace porvap::validation {

std::unique_ptr<MaterialRecord> MakeMaterial(const ConstantMaterial& p) {
    auto record = std::make_unique<MaterialRecord>();
    record->SetName("validation material");
    record->SetScalars(p.density, 0.5f, p.specificHeat);
    for (int i = 0; i < MaterialRecord::kRows; ++i) {
        record->SetRow(i, p.conductivity, p.thermalDiffusivity, p.moistureDiffusivity,
                       p.vapourThermalDiffusivity, p.vapourDiffusivity);
    }
    constexpr int kIntervals = 120;  // relative humidity 0 to 1.2 by 0.01
    auto isotherm = std::make_unique<IsothermTable>(kIntervals);
    for (int k = 0; k <= kIntervals; ++k) {
        const double phi = 0.01 * k;
        isotherm->SetRow(phi, p.sorption * phi, 1.0 / p.sorption);
    }
    record->AttachIsotherm(std::move(isotherm));
    return record;
}

DayHour HourDate(int hours) {
    DayHour date{1, 1, hours % 24};
    int days = hours / 24;
    while (date.month < 12 && days >= DaysInMonth(date.month)) {
        days -= DaysInMonth(date.month);
        ++date.month;
    }
    date.day += days;
    return date;
}

bool WriteHourlyClimate(const std::string& path, int days,
                        const std::function<double(int)>& temperature, double humidity) {
    std::vector<HourRecord> hours;
    for (int h = 0; h < 24 * (days + 1); ++h) {
        const DayHour date = HourDate(h);
        HourRecord record{};
        record.month = date.month;
        record.day = date.day;
        record.hour = date.hour;
        record.temperature = temperature(h);
        record.humidity = humidity;
        hours.push_back(record);
    }
    return WriteLayout1(hours, std::vector<double>(hours.size(), 0.0), path);
}

bool DividesTheHour(double stepHours) {
    if (!(stepHours > 0.0 && stepHours <= 1.0))
        return false;
    const double steps = 1.0 / stepHours;
    return std::fabs(steps - std::round(steps)) < 1e-9;
}

void SetUpRun(SimulationEngine& engine, const std::vector<Layer>& layers, const RunConditions& c) {
    ResetDefaults(engine);
    SetLayers(engine, layers);
    SetExternalClimateFile(engine, c.climateFile);
    SetClimateLayout(engine, 1);
    SetConstantInternalConditions(engine, 1, c.roomTemperature, c.roomHumidity);
    SetExternalCoefficient(engine, c.external);
    SetInternalCoefficient(engine, c.internal);
    SetInclination(engine, 90.0f);
    SetDates(engine, DayHour{1, 1, 0}, HourDate(24 * c.days - 1));
    SetModelLevel(engine, c.modelLevel);
    engine.params.hoursPerStep = c.hoursPerStep;
}

int StepRun(SimulationEngine& engine, const StepVisitor& afterStep) {
    RebuildGrid(engine);
    int rc = StartRun(engine);
    if (rc != kStepContinue)
        return rc;
    do {
        // The step that ends the warm-up switches the pass after it has been taken.
        const bool recorded = engine.run.pass == 1;
        rc = AdvanceTimeStep(engine);
        if (rc != kStepContinue && rc != kWarmupComplete && rc != kRunComplete)
            break;
        if (!afterStep(engine, recorded)) {
            CloseRun(engine);
            return 0;
        }
    } while (rc != kRunComplete);
    if (rc == kRunComplete)
        rc = EnergySummary(engine);
    CloseRun(engine);
    return rc;
}

}  // namespace porvap::validation
