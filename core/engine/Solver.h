#pragma once

namespace porvap {

struct SimulationEngine;

// Block Thomas algorithm on the 2 x 2 block-tridiagonal system; writes thetaNew and tNew.
void SolveBlockSystem(SimulationEngine& engine);
// Scalar Thomas algorithm on the conduction system; writes tNew.
void SolveConduction(SimulationEngine& engine);

}  // namespace porvap
