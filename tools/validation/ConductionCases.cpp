#include "tools/validation/ConductionCases.h"

#include <cmath>
#include <numbers>

#include "core/engine/Run.h"
#include "tools/validation/EngineInputs.h"
#include "tools/validation/Harmonic.h"

namespace porvap::validation {

namespace {

constexpr const char* kClimateFile = "validation-conduction.pvh";
constexpr double kRoomTemperature = 20.0;  // degC
constexpr double kPeriod = 86400.0;        // s

ConstantMaterial AsMaterial(const SlabLayer& slab) {
    constexpr float kSpecificHeat = 1000.0f;  // J/(kg K); the density carries the capacity
    return {.conductivity = static_cast<float>(slab.conductivity),
            .density = static_cast<float>(slab.heatCapacity / kSpecificHeat),
            .specificHeat = kSpecificHeat};
}

// The engine's view of the wall; the materials live as long as this object.
struct EngineWall {
    std::vector<std::unique_ptr<MaterialRecord>> materials;
    std::vector<Layer> layers;

    explicit EngineWall(const ConductionWall& wall) {
        for (std::size_t l = 0; l < wall.layers.size(); ++l) {
            materials.push_back(MakeMaterial(AsMaterial(wall.layers[l])));
            layers.emplace_back(materials.back().get(), wall.sections[l], wall.layers[l].thickness);
        }
    }
};

// Every layer with its sections; the engine's walls take no fewer than one of each.
bool Consistent(const ConductionWall& wall) {
    if (wall.layers.empty() || wall.layers.size() != wall.sections.size())
        return false;
    for (const int sections : wall.sections) {
        if (sections < 1)
            return false;
    }
    return true;
}

RunConditions Conditions(const ConductionWall& wall, int days, double stepHours) {
    return {.climateFile = kClimateFile,
            .days = days,
            .roomTemperature = kRoomTemperature,
            .external = static_cast<float>(wall.films.external),
            .internal = static_cast<float>(wall.films.internal),
            .modelLevel = 5,
            .hoursPerStep = static_cast<float>(stepHours)};
}

}  // namespace

ConductionWall HomogeneousSlab() {
    return {"0.15 m concrete", "slab", {{1.6, 2.3e6, 0.15}}, {40}, {25.0, 8.0}};
}

ConductionWall TwoLayerWall() {
    return {"0.08 m insulation + 0.15 m concrete",
            "two layers",
            {{0.04, 30.0 * 1450.0, 0.08}, {1.6, 2.3e6, 0.15}},
            {20, 40},
            {25.0, 8.0}};
}

SteadyComparison CompareSteadyFlow(const ConductionWall& wall, int days) {
    constexpr double kOutdoor = 30.0;  // degC
    SteadyComparison result;
    if (!Consistent(wall) || !WriteHourlyClimate(
                                 kClimateFile, days, [](int) { return kOutdoor; }, 0.6))
        return result;
    EngineWall engineWall(wall);
    auto engine = CreateEngine(nullptr);
    SetUpRun(*engine, engineWall.layers, Conditions(wall, days, 1.0));
    if (RunToCompletion(*engine) != 0)
        return result;
    const double dT = kOutdoor - kRoomTemperature;
    result.simulated = engine->boundary.sensibleFlow;
    result.analytical = Transmittance(wall.layers, wall.films) * dT;
    result.relativeError = std::fabs(result.simulated / result.analytical - 1.0);
    std::vector<SlabLayer> held = wall.layers;
    for (SlabLayer& layer : held)
        layer.conductivity = AsMaterial(layer).conductivity;
    result.heldError = std::fabs(result.simulated / (Transmittance(held, wall.films) * dT) - 1.0);
    return result;
}

PeriodicComparison ComparePeriodic(const ConductionWall& wall, double stepHours, int days) {
    constexpr double kAmplitude = 10.0;  // K
    PeriodicComparison result{.stepHours = stepHours, .days = days};
    const bool written = WriteHourlyClimate(
        kClimateFile, days,
        [](int hour) {
            return kRoomTemperature + kAmplitude * std::sin(2.0 * std::numbers::pi * hour / 24.0);
        },
        0.6);
    if (!written || !Consistent(wall) || !DividesTheHour(stepHours))
        return result;
    EngineWall engineWall(wall);
    auto engine = CreateEngine(nullptr);
    SetUpRun(*engine, engineWall.layers, Conditions(wall, days, stepHours));
    std::vector<double> outdoor, flow;
    const int code = StepRun(*engine, [&](const SimulationEngine& e, bool recorded) {
        if (recorded) {
            outdoor.push_back(e.boundary.externalTemperature);
            flow.push_back(e.boundary.sensibleFlow);
        }
        return true;
    });
    const auto perDay = static_cast<std::size_t>(std::lround(24.0 / stepHours));
    if (code != 0 || flow.size() < perDay)
        return result;
    const std::span<const double> lastT(outdoor.end() - perDay, outdoor.end());
    const std::span<const double> lastQ(flow.end() - perDay, flow.end());
    const double u = Transmittance(wall.layers, wall.films);
    result.simulated = ResponseFromRatio(Fundamental(lastQ) / Fundamental(lastT), u, kPeriod);
    result.discrete = PeriodicReference(wall.layers, wall.films, kPeriod,
                                        ImplicitStepRate(kPeriod, 3600.0 * stepHours));
    result.continuous =
        PeriodicReference(wall.layers, wall.films, kPeriod, ContinuousRate(kPeriod));
    const PeriodicResponse& s = result.simulated;
    result.discreteError = std::fabs(s.decrement / result.discrete.decrement - 1.0);
    result.continuousError = std::fabs(s.decrement / result.continuous.decrement - 1.0);
    result.discreteLagError = LagDifference(s.lag, result.discrete.lag, 24.0);
    result.continuousLagError = LagDifference(s.lag, result.continuous.lag, 24.0);
    return result;
}

}  // namespace porvap::validation
