#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "core/climate/Calendar.h"
#include "core/climate/Psychrometrics.h"
#include "core/engine/Assembly.h"
#include "core/engine/Boundary.h"
#include "core/engine/Drainage.h"
#include "core/engine/MonthEnd.h"
#include "core/engine/Run.h"
#include "core/engine/SimulationEngine.h"
#include "core/engine/Solver.h"

namespace porvap {

namespace {

constexpr float kTemperatureCriterion = 0.001f;

// Relative change of one node; a zero iterate has no relative change, so the absolute
// change stands in for it.
double RelativeChange(double iterate, double value) {
    const double change = std::fabs(iterate - value);
    return iterate == 0.0 ? change : change / std::fabs(iterate);
}

bool AllFinite(const SimulationEngine& engine) {
    for (int i = 0; i <= engine.n; ++i) {
        if (!std::isfinite(engine.thetaNew[i]) || !std::isfinite(engine.tNew[i]))
            return false;
    }
    return true;
}

void SetFilmConductances(SimulationEngine& engine) {
    BoundaryState& b = engine.boundary;
    const EngineParameters& p = engine.params;
    b.re = SurfaceResistance(p.he, p.pe, engine.tIt[0]);
    b.ri = SurfaceResistance(NaturalInternalCoefficient(engine), p.pi, engine.tIt[engine.n]);
    b.betaE = 1.0f / b.re;
    b.betaI = 1.0f / b.ri;
}

// Iterates assembly and solution until the largest relative changes fall below the criteria
// or the iteration limit is reached; a step that does not converge is accepted as it is.
int Iterate(SimulationEngine& engine) {
    RunState& run = engine.run;
    run.iterations = 0;
    do {
        engine.tIt = engine.tNew;
        engine.thetaIt = engine.thetaNew;
        SetFilmConductances(engine);
        if (VapourBoundaryTerms(engine) < 0)
            return kIsothermFailure;
        AssembleModelLevel(engine);
        if (engine.params.modelLevel != 5)
            SolveBlockSystem(engine);
        if (!AllFinite(engine))
            return kNonFiniteSolution;
        double changeT = 0.0, changeTheta = 0.0;
        for (int i = 0; i <= engine.n; ++i) {
            changeT = std::max(changeT, RelativeChange(engine.tIt[i], engine.tNew[i]));
            changeTheta =
                std::max(changeTheta, RelativeChange(engine.thetaIt[i], engine.thetaNew[i]));
        }
        run.maxChangeT = static_cast<float>(changeT);
        run.maxChangeTheta = static_cast<float>(changeTheta);
        ++run.iterations;
    } while (
        (run.maxChangeT > kTemperatureCriterion || run.maxChangeTheta > engine.params.tolerance) &&
        run.iterations <= engine.params.maxIterations);
    return kStepContinue;
}

bool IsMonthEnd(const SimulationEngine& engine) {
    const ClimateRecord& now = engine.boundary.current;
    return now.month >= 1 && now.hour >= 23 && engine.boundary.subStepCounter == 0.0f &&
           DaysInMonth(now.month) <= now.day && now.month <= 11;
}

bool IsDayEnd(const SimulationEngine& engine) {
    return engine.boundary.current.hour >= 23 && engine.boundary.subStepCounter == 0.0f;
}

// Mean over the thickness: each section gives half its width to the node at either end, so
// a face node weighs half a section and a node between two layers half of each.
double ThicknessMean(const SimulationEngine& engine, const std::vector<double>& field) {
    double sum = 0.0, thickness = 0.0;
    int node = 0;
    for (const Layer& layer : engine.layers) {
        const double dx = layer.Spacing();
        for (int k = 0; k < layer.Sections(); ++k, ++node) {
            sum += 0.5 * dx * (field[node] + field[node + 1]);
            thickness += dx;
        }
    }
    return sum / thickness;
}

void AddToMonthMeans(SimulationEngine& engine) {
    RunSummary& s = engine.summary;
    s.sumTheta += ThicknessMean(engine, engine.thetaNew);
    s.sumTemperature += ThicknessMean(engine, engine.tNew);
    ++s.monthSteps;
}

// Office hours of working days only: days 1 and 2 of each seven-day cycle are left out.
int AccumulateEnergies(SimulationEngine& engine) {
    RunSummary& s = engine.summary;
    const BoundaryState& b = engine.boundary;
    const int hour = b.current.hour;
    if (s.dayCounter == s.firstWeekday || s.dayCounter == s.firstWeekday + 1)
        return 0;
    if (hour < 8 || hour > 17)
        return 0;
    const float dt = engine.params.timeStep;
    (b.sensibleFlow < 0.0 ? s.sensibleNeg : s.sensiblePos) +=
        static_cast<float>(b.sensibleFlow * dt);
    (b.latentFlow < 0.0 ? s.latentNeg : s.latentPos) += static_cast<float>(b.latentFlow * dt);
    return RoomHeatFlows(engine);
}

int Record(SimulationEngine& engine) {
    BoundaryState& b = engine.boundary;
    RunSummary& s = engine.summary;
    const int month = b.current.month;
    AddToMonthMeans(engine);
    if (IsMonthEnd(engine)) {
        CloseMonthMeans(engine, month);
        if (engine.owner)
            engine.owner->MonthlyMeans(s.meanTheta, s.meanTemperature, month);
    }
    const double surfaceT = engine.tNew[engine.n];
    b.sensibleFlow = (surfaceT - b.internalTemperature) * engine.params.hi;
    if (SurfaceFluxes(engine) < 0)
        return kIsothermFailure;
    b.latentFlow = -LatentHeat(static_cast<float>(surfaceT)) * b.gi;
    if (IsMonthEnd(engine)) {
        CloseMonthEnergies(engine, month);
        if (engine.owner) {
            engine.owner->MonthlyGains(month, s.qsPos[month], s.qlPos[month]);
            engine.owner->MonthlyLosses(month, s.qsNeg[month], s.qlNeg[month]);
        }
    }
    if (AccumulateEnergies(engine) < 0)
        return kIsothermFailure;
    if (IsDayEnd(engine) && ++s.dayCounter == 8)
        s.dayCounter = s.firstWeekday;
    return kStepContinue;
}

void ShowState(SimulationEngine& engine) {
    if (!engine.owner)
        return;
    const ClimateRecord& now = engine.boundary.current;
    const BoundaryState& b = engine.boundary;
    engine.owner->Profiles(now.month, now.day, now.hour, engine.thetaNew, engine.tNew, engine.n);
    engine.owner->Behaviour(now.month, now.day, now.hour, engine.thetaNew, engine.tNew, engine.n,
                            b.latentFlow, b.sensibleFlow, b.gi);
}

// Kept whether or not flux.txt is written, for the exports after the run.
void RecordFlows(SimulationEngine& engine) {
    const BoundaryState& b = engine.boundary;
    const ClimateRecord& now = b.current;
    engine.hourly.Add({now.month, now.day, now.hour, b.sensibleFlow, b.latentFlow, b.gi,
                       now.temperature, now.relativeHumidity, b.internalTemperature,
                       b.internalHumidity});
}

void WriteOutputs(SimulationEngine& engine) {
    const ClimateRecord& now = engine.boundary.current;
    const BoundaryState& b = engine.boundary;
    RecordFlows(engine);
    std::FILE* flux = engine.files.flux.get();
    if (engine.params.profileOutput && flux) {
        std::fprintf(flux, "%02d/%02d-%02d   ", now.day, now.month, now.hour);
        std::fprintf(flux, "%f   %f   %f\n", b.latentFlow, b.sensibleFlow, b.gi * 1000000.0);
    }
    ShowState(engine);
    if (now.month != 1 || now.day != 14 || now.hour != 14)
        return;
    std::FILE* perfis = engine.files.perfis.get();
    std::fputs("\n===========================================", perfis);
    std::fprintf(perfis, "\ncity = %d\npaint = %d\naux_model=%d", engine.params.climateClass,
                 engine.summary.paint, engine.params.modelLevel);
    std::fprintf(perfis, "\nTeta(100) %d/%d-%d ", now.month, now.day, now.hour);
    for (int i = 0; i <= engine.n; ++i)
        std::fprintf(perfis, "%5.3e ", 100.0 * engine.thetaNew[i]);
    std::fprintf(perfis, "\nTemp(C) %d/%d-%d ", now.month, now.day, now.hour);
    for (int i = 0; i <= engine.n; ++i)
        std::fprintf(perfis, "%6.3f ", engine.tNew[i]);
}

// The warm-up pass has reached the end of the interval: start it again, keeping the fields.
int RestartInterval(SimulationEngine& engine) {
    RunState& run = engine.run;
    engine.files.external.reset();
    engine.files.internal.reset();
    run.repositionResult = OpenClimate(engine);
    run.elapsed += engine.params.timeStep;
    ShowState(engine);
    if (run.repositionResult != 0) {
        engine.files.arq.reset();
        engine.files.perfis.reset();
        return run.repositionResult;
    }
    run.pass = 1;
    // The recording pass is one step short of the interval's steps.
    const float steps = static_cast<float>(run.intervalLength) / engine.params.timeStep;
    engine.hourly.Start(static_cast<std::size_t>(std::max(steps, 0.0f)), engine.params.timeStep);
    if (engine.owner) {
        engine.owner->WarmupRanges(run.maxTheta0, run.maxT0, run.minTheta0, run.minT0);
    }
    return kWarmupComplete;
}

void TrackWarmupExtremes(SimulationEngine& engine) {
    RunState& run = engine.run;
    const auto theta = static_cast<float>(engine.thetaNew[0]);
    const auto t = static_cast<float>(engine.tNew[0]);
    run.maxTheta0 = std::max(run.maxTheta0, theta);
    run.minTheta0 = std::min(run.minTheta0, theta);
    run.maxT0 = std::max(run.maxT0, t);
    run.minT0 = std::min(run.minT0, t);
}

// Condensate beyond what the pores hold runs off; the recording pass counts it.
void Drain(SimulationEngine& engine) {
    if (engine.params.modelLevel == 5)
        return;
    const double drained = DrainExcessWater(engine);
    if (engine.run.pass == 1)
        engine.run.drainedWater += drained;
}

void NoteDrainedWater(RunState& run) {
    if (run.pass != 1 || run.drainedWater <= 0.0)
        return;
    char line[96];
    std::snprintf(line, sizeof line, "Liquid water drained from the element: %.3f kg/m2",
                  run.drainedWater);
    run.note += (run.note.empty() ? "" : "\n") + std::string(line);
}

}  // namespace

int AdvanceTimeStep(SimulationEngine& engine) {
    RunState& run = engine.run;
    engine.tOld = engine.tNew;
    engine.thetaOld = engine.thetaNew;
    engine.tIt = engine.tNew;
    engine.thetaIt = engine.thetaNew;
    if (const int climate = UpdateBoundaryClimate(engine); climate != kStepContinue)
        return climate;
    if (const int iterated = Iterate(engine); iterated != kStepContinue)
        return iterated;
    Drain(engine);
    if (run.pass == 1) {
        if (const int recorded = Record(engine); recorded != kStepContinue)
            return recorded;
        WriteOutputs(engine);
    }
    int result = kStepContinue;
    if (run.pass == 0 && static_cast<float>(run.intervalLength) == run.elapsed) {
        result = RestartInterval(engine);
        if (result > 0)
            return result;
    }
    run.elapsed += engine.params.timeStep;
    if (run.pass == 0)
        TrackWarmupExtremes(engine);
    if (engine.owner)
        engine.owner->Progress(static_cast<float>(run.intervalLength), run.elapsed);
    if (static_cast<float>(run.intervalLength) < run.elapsed) {
        NoteDrainedWater(run);
        return kRunComplete;
    }
    return result;
}

}  // namespace porvap

namespace porvap {

int RunToCompletion(SimulationEngine& engine) {
    RebuildGrid(engine);
    int rc = StartRun(engine);
    while (rc == kStepContinue || rc == kWarmupComplete)
        rc = AdvanceTimeStep(engine);
    if (rc == kRunComplete)
        rc = EnergySummary(engine);
    CloseRun(engine);
    return rc;
}

}  // namespace porvap
