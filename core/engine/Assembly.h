#pragma once

namespace porvap {

struct SimulationEngine;
class Layer;
class MaterialRecord;
class PropertyTable;

// One set of equations per iteration, by model level (0 the full model, 5 conduction only).
// Levels 0 to 4 fill the block system; level 5 also solves its scalar system.
void AssembleLevel0(SimulationEngine& engine);
void AssembleLevel1(SimulationEngine& engine);
void AssembleLevel2(SimulationEngine& engine);
void AssembleLevel3(SimulationEngine& engine);
void AssembleLevel4(SimulationEngine& engine);
void AssembleLevel5(SimulationEngine& engine);
void AssembleModelLevel(SimulationEngine& engine);

// Interior or interface node from the coefficients held in engine.face.
void AssembleInteriorNode(SimulationEngine& engine, int node);

struct LayerTables {
    const Layer* layer = nullptr;
    const MaterialRecord* material = nullptr;
    const PropertyTable* k = nullptr;
    const PropertyTable* dteta = nullptr;
    const PropertyTable* dt = nullptr;
    const PropertyTable* dtetav = nullptr;
    const PropertyTable* dtv = nullptr;
    float specificHeat = 0.0f;  // J/(kg K)
    float density = 0.0f;       // kg/m3
};
bool LayerData(const SimulationEngine& engine, int layer, LayerTables& data);

// Table value at the upper end of the grid interval holding node's moisture content.
float NodeProperty(const SimulationEngine& engine, const PropertyTable& table, int node);
// The line through that sample and the next, at the node's moisture content.
float NodePropertyInterpolated(const SimulationEngine& engine, const PropertyTable& table,
                               int node);
// The same with the node's grid index already known.
float InterpolatedAt(const SimulationEngine& engine, const PropertyTable& table, int node, int k);
float HarmonicMean(float a, float b);
float LiquidSpecificHeat(float t);
float MoistSpecificHeat(float t, float theta, float dryHeat, float dryDensity, float waterDensity);

}  // namespace porvap
