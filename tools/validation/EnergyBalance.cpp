#include "tools/validation/EnergyBalance.h"

#include <cmath>

#include "core/climate/Psychrometrics.h"
#include "core/engine/Assembly.h"
#include "tools/validation/EngineInputs.h"

namespace porvap::validation {

namespace {

constexpr int kFirstDryCapacityLevel = 4;

// Volumetric heat capacity, J/(m3 K), of a layer's material at one node's state.
double Capacity(const SimulationEngine& e, const Layer& layer, int node) {
    const MaterialRecord& m = *layer.Material();
    if (e.params.modelLevel >= kFirstDryCapacityLevel)
        return m.DryDensity() * m.SpecificHeat();
    return m.DryDensity() *
           MoistSpecificHeat(static_cast<float>(e.tNew[node]), static_cast<float>(e.thetaNew[node]),
                             m.SpecificHeat(), m.DryDensity(), e.params.waterDensity);
}

// A quantity per unit volume summed over the element: each section gives half its volume
// to the node at either end, at its own layer's properties.
template <class PerVolume>
double OverControlVolumes(const SimulationEngine& e, PerVolume perVolume) {
    double sum = 0.0;
    int first = 0;
    for (const Layer& layer : e.layers) {
        const double half = 0.5 * layer.Spacing();
        for (int node = first; node < first + layer.Sections(); ++node) {
            for (const int end : {node, node + 1})
                sum += half * perVolume(layer, end);
        }
        first += layer.Sections();
    }
    return sum;
}

double StoredThisStep(const SimulationEngine& e) {
    return OverControlVolumes(e, [&e](const Layer& layer, int node) {
        return Capacity(e, layer, node) * (e.tNew[node] - e.tOld[node]);
    });
}

double WaterThisStep(const SimulationEngine& e) {
    return OverControlVolumes(e, [&e](const Layer&, int node) {
        return e.params.waterDensity * (e.thetaNew[node] - e.thetaOld[node]);
    });
}

struct FaceFlows {
    double externalSensible, externalLatent, internalSensible, internalLatent;  // W/m2, in
};

FaceFlows Flows(const SimulationEngine& e) {
    const EngineParameters& p = e.params;
    const BoundaryState& b = e.boundary;
    const bool moisture = p.modelLevel != kConductionOnly;
    const double t0 = e.tNew[0];
    return {p.he * (b.externalTemperature - t0) + p.absorptivity * b.current.irradiance -
                p.emissivity * p.longWave,
            moisture ? LatentHeat(static_cast<float>(t0)) * b.ge : 0.0, -b.sensibleFlow,
            moisture ? -b.latentFlow : 0.0};
}

}  // namespace

EnergyBalance CompareEnergyBalance(const BundledRun& run) {
    EnergyBalance result{.level = run.level};
    BundledWall wall;
    result.failure = wall.Load(run);
    if (!result.failure.empty())
        return result;
    double recordedSeconds = 0.0;
    const int code = StepRun(wall.Engine(), [&](const SimulationEngine& e, bool recorded) {
        if (!recorded)
            return true;
        const double dt = e.params.timeStep;
        const FaceFlows f = Flows(e);
        result.stored += StoredThisStep(e);
        result.externalSensible += f.externalSensible * dt;
        result.externalLatent += f.externalLatent * dt;
        result.internalSensible += f.internalSensible * dt;
        result.internalLatent += f.internalLatent * dt;
        result.throughput += 0.5 * dt *
                             (std::fabs(f.externalSensible + f.externalLatent) +
                              std::fabs(f.internalSensible + f.internalLatent));
        result.storedWater += WaterThisStep(e);
        result.externalVapour += e.boundary.ge * dt;
        result.internalVapour += e.boundary.gi * dt;
        ++result.steps;
        recordedSeconds += dt;
        if (std::fmod(recordedSeconds, 86400.0) < 1e-3) {
            const double in = result.externalSensible + result.externalLatent +
                              result.internalSensible + result.internalLatent;
            result.dailyResidual.push_back((result.stored - in) / result.throughput);
        }
        return true;
    });
    if (code != 0) {
        result.failure = "the run stopped with code " + std::to_string(code);
        return result;
    }
    const double in = result.externalSensible + result.externalLatent + result.internalSensible +
                      result.internalLatent;
    result.residual = std::fabs(result.stored - in) / result.throughput;
    if (run.level == kConductionOnly)
        return result;
    result.moistureResidual =
        std::fabs(result.storedWater - result.externalVapour - result.internalVapour) /
        (std::fabs(result.externalVapour) + std::fabs(result.internalVapour));
    return result;
}

}  // namespace porvap::validation
