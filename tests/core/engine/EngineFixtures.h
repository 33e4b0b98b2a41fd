#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/climate/Calendar.h"
#include "core/engine/Run.h"
#include "core/engine/SimulationEngine.h"
#include "core/materials/MaterialRecord.h"

namespace porvap::test {

struct ConstantProperties {
    float k = 1.0f;           // W/(m K)
    float dt = 0.0f;          // m2/(s K)
    float dteta = 0.0f;       // m2/s
    float dtv = 0.0f;         // m2/(s K)
    float dtetav = 0.0f;      // m2/s
    float density = 2000.0f;  // kg/m3
    float heat = 1000.0f;     // J/(kg K)
    double sorption = 0.05;   // m3/m3 per unit of relative humidity
};

// A material whose tables are constant and whose isotherm is the straight line
// theta = sorption * phi, with the engine's slope column d(phi)/d(theta).
inline std::unique_ptr<MaterialRecord> MakeMaterial(const ConstantProperties& p) {
    auto record = std::make_unique<MaterialRecord>();
    record->SetName("test material");
    record->SetScalars(p.density, 0.5f, p.heat);
    for (int i = 0; i < MaterialRecord::kRows; ++i)
        record->SetRow(i, p.k, p.dt, p.dteta, p.dtv, p.dtetav);
    auto isotherm = std::make_unique<IsothermTable>(120);
    for (int k = 0; k <= 120; ++k) {
        const double phi = 0.01 * k;
        isotherm->SetRow(phi, p.sorption * phi, 1.0 / p.sorption);
    }
    record->AttachIsotherm(std::move(isotherm));
    return record;
}

// Writes a layout-1 file, one record per hour from 01/01-00 for the given number of days;
// the temperature may follow the hour counted from the start.
inline void WriteClimate(const std::string& path, int days,
                         const std::function<double(int)>& temperature, double humidity,
                         double irradiance) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    int month = 1, day = 1;
    for (int d = 0; d < days; ++d) {
        for (int h = 0; h < 24; ++h)
            std::fprintf(file, "%.4f %.4f %.2f %d %d %d\n", temperature(24 * d + h), humidity,
                         irradiance, month, day, h);
        if (++day > DaysInMonth(month)) {
            day = 1;
            ++month;
        }
    }
    std::fclose(file);
}

inline void WriteConstantClimate(const std::string& path, int days, double temperature,
                                 double humidity, double irradiance) {
    WriteClimate(
        path, days, [temperature](int) { return temperature; }, humidity, irradiance);
}

// Counts what a run reports.
struct CountingObserver : EngineObserver {
    int behaviour = 0;
    std::vector<double> sensible;
    int monthlyMeans = 0;
    float lastElapsed = 0.0f;
    float interval = 0.0f;
    void Behaviour(int, int, int, std::span<const double>, std::span<const double>, int, double,
                   double sensibleFlow, double) override {
        ++behaviour;
        sensible.push_back(sensibleFlow);
    }
    void MonthlyMeans(const MonthlyArray&, const MonthlyArray&, int) override { ++monthlyMeans; }
    void Progress(float length, float elapsed) override {
        interval = length;
        lastElapsed = elapsed;
    }
};

// A run over the constant climate with constant internal conditions.
inline void SetUpConstantCase(SimulationEngine& engine, const std::vector<Layer>& layers,
                              const std::string& climate, int lastDay, double insideT,
                              double insideRh) {
    ResetDefaults(engine);
    SetLayers(engine, layers);
    SetExternalClimateFile(engine, climate);
    SetClimateLayout(engine, 1);
    SetConstantInternalConditions(engine, 1, insideT, insideRh);
    SetInternalCoefficient(engine, 8.0f);
    SetExternalCoefficient(engine, 25.0f);
    SetOrientation(engine, 0.0f);
    SetInclination(engine, 90.0f);
    SetDates(engine, DayHour{1, 1, 0}, DayHour{lastDay, 1, 23});
    SetProfileOutput(engine, 1);
}

}  // namespace porvap::test
