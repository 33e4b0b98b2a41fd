#include "core/engine/Assembly.h"
#include "core/engine/SimulationEngine.h"
#include "core/materials/MaterialRecord.h"

namespace porvap {

bool LayerData(const SimulationEngine& engine, int layer, LayerTables& data) {
    if (layer < 0 || layer >= static_cast<int>(engine.layers.size()))
        return false;
    data.layer = &engine.layers[layer];
    data.material = data.layer->Material();
    data.k = &data.material->K();
    data.dteta = &data.material->DTeta();
    data.dt = &data.material->DT();
    data.dtetav = &data.material->DTetaV();
    data.dtv = &data.material->DTV();
    data.specificHeat = data.material->SpecificHeat();
    data.density = data.material->DryDensity();
    return true;
}

float NodeProperty(const SimulationEngine& engine, const PropertyTable& table, int node) {
    return table.Get(engine.grid.UpperIndex(engine.thetaIt[node]));
}

float NodePropertyInterpolated(const SimulationEngine& engine, const PropertyTable& table,
                               int node) {
    return InterpolatedAt(engine, table, node, engine.grid.UpperIndex(engine.thetaIt[node]));
}

float InterpolatedAt(const SimulationEngine& engine, const PropertyTable& table, int node, int k) {
    // The grid ends at index 100: at or above it the top sample is held.
    if (k >= PropertyGrid::kLast)
        return table.Get(PropertyGrid::kLast);
    const float gk = engine.grid.At(k);
    const float gNext = engine.grid.At(k + 1);
    return static_cast<float>(table.Get(k) + (engine.thetaIt[node] - gk) *
                                                 (table.Get(k + 1) - table.Get(k)) / (gNext - gk));
}

float HarmonicMean(float a, float b) {
    return (a + b == 0.0f) ? 0.0f : 2.0f * a * b / (a + b);
}

float LiquidSpecificHeat(float t) {
    return 4217.8f - 1.7245f * t + 0.03398f * t * t - 0.002534f * t * t * t;
}

float MoistSpecificHeat(float t, float theta, float dryHeat, float dryDensity, float waterDensity) {
    return LiquidSpecificHeat(t) * (waterDensity / dryDensity) * theta + dryHeat;
}

}  // namespace porvap
