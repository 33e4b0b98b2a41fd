#pragma once

namespace porvap {

class MaterialRecord;
struct SimulationEngine;

// Liquid water a material holds, m3/m3: its pore volume, or more where its isotherm's
// wettest row says it holds more.
double HeldWater(const MaterialRecord& material);

// Water beyond what a section's pores hold cannot stay in it: each node is brought back to
// its control volume's capacity. Answers the water that left, kg/m2.
double DrainExcessWater(SimulationEngine& engine);

}  // namespace porvap
