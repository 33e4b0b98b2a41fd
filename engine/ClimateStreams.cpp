#include <cstdio>

#include "climate/Calendar.h"
#include "climate/ClimateFile.h"
#include "climate/TextFiles.h"
#include "engine/Boundary.h"
#include "engine/SimulationEngine.h"

namespace porvap {

namespace {

bool IsStartDate(const ClimateRecord& record, const DayHour& start) {
    return record.month == start.month && record.day == start.day && record.hour == start.hour;
}

void CloseClimate(SimulationEngine& engine) {
    engine.files.external.reset();
    engine.files.internal.reset();
}

}  // namespace

int ReadExternalRecord(SimulationEngine& engine, ClimateRecord& slot) {
    const EngineParameters& p = engine.params;
    if (ReadExternalFields(engine.files.external.get(), p.climateLayout, slot) != 0)
        return 1;
    if (p.climateLayout == 2 || p.climateLayout == 3) {
        slot.irradiance =
            SurfaceIrradiance(slot, SurfaceGeometry{p.orientation, p.inclination, p.reflectance});
    }
    if (p.climateLayout == 3 && p.externalComputed == 1) {
        engine.params.he = ExternalCoefficient(engine, slot.windSpeed, slot.windDirection);
    }
    return 0;
}

int ReadInternalRecord(SimulationEngine& engine, double& temperature, double& humidity,
                       const ClimateRecord& withExternal) {
    EngineParameters& p = engine.params;
    if (p.constantInternal == 1) {
        temperature = p.constantInternalTemperature;
        humidity = p.constantInternalHumidity;
    } else {
        ReadInternalFields(engine.files.internal.get(), temperature, humidity);
    }
    if (p.internalComputed == 1 && p.internalNatural == 1) {
        p.hi = NaturalInternalCoefficient(engine);
        if (engine.files.hint) {
            std::fprintf(engine.files.hint.get(), "%d  %d  %d  %3.25f\n", withExternal.day,
                         withExternal.month, withExternal.hour, p.hi);
        }
    }
    return 0;
}

int OpenClimate(SimulationEngine& engine) {
    EngineParameters& p = engine.params;
    BoundaryState& b = engine.boundary;
    engine.files.external = OpenDataFile(p.externalFile);
    if (!engine.files.external)
        return 1;
    if (p.constantInternal != 1) {
        engine.files.internal = OpenDataFile(p.internalFile);
        if (!engine.files.internal) {
            CloseClimate(engine);
            return 2;
        }
    }
    do {
        if (ReadExternalRecord(engine, b.current) == 1)
            break;
        ReadInternalRecord(engine, b.internalTemperature, b.internalHumidity, b.current);
    } while (!IsStartDate(b.current, p.start));
    if (!IsStartDate(b.current, p.start)) {
        CloseClimate(engine);
        return 3;
    }
    ReadExternalRecord(engine, b.next);
    ReadInternalRecord(engine, b.nextInternalTemperature, b.nextInternalHumidity, b.next);
    engine.run.elapsed = 0.0f;
    p.timeStep = p.hoursPerStep * 3600.0f;
    SetClimateIncrements(b, 3600.0f / p.timeStep);
    const DayHour& s = p.start;
    const DayHour& e = p.end;
    engine.run.intervalLength =
        static_cast<int>(CountHourSteps(s.day, s.month, s.hour, e.day, e.month, e.hour) * 3600.0);
    return 0;
}

}  // namespace porvap
