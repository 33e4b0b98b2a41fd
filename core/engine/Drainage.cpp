#include "core/engine/Drainage.h"

#include <cmath>

#include "core/engine/SimulationEngine.h"
#include "core/materials/MaterialRecord.h"

namespace porvap {

namespace {

struct ControlVolume {
    double width;  // m
    double held;   // m3/m3
};

// A node shared by two layers holds half a section of each; a node within one layer, or on
// a face, holds exactly what its material holds.
ControlVolume NodeVolume(const SimulationEngine& engine, int i) {
    const Layer* west = i > 0 ? &engine.layers[engine.faceLayer[i - 1]] : nullptr;
    const Layer* east = i < engine.n ? &engine.layers[engine.faceLayer[i]] : nullptr;
    if (!west)
        return {0.5 * east->Spacing(), HeldWater(*east->Material())};
    if (!east)
        return {0.5 * west->Spacing(), HeldWater(*west->Material())};
    if (west == east)
        return {west->Spacing(), HeldWater(*west->Material())};
    const double w = 0.5 * west->Spacing();
    const double e = 0.5 * east->Spacing();
    return {w + e, (w * HeldWater(*west->Material()) + e * HeldWater(*east->Material())) / (w + e)};
}

}  // namespace

double HeldWater(const MaterialRecord& material) {
    const IsothermTable& isotherm = *material.Isotherm();
    return std::fmax(material.DryPorosity(), isotherm.Y(isotherm.Intervals()));
}

double DrainExcessWater(SimulationEngine& engine) {
    double drained = 0.0;
    for (int i = 0; i <= engine.n; ++i) {
        const ControlVolume volume = NodeVolume(engine, i);
        if (engine.thetaNew[i] > volume.held) {
            drained += (engine.thetaNew[i] - volume.held) * volume.width;
            engine.thetaNew[i] = volume.held;
        }
    }
    return drained * engine.params.waterDensity;
}

}  // namespace porvap
