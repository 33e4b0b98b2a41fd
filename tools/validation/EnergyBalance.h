#pragma once

#include <string>
#include <vector>

#include "tools/validation/BundledWall.h"
#include "tools/validation/ConductionCases.h"

namespace porvap::validation {

// Heat the element stores and heat through its two faces over the recording pass of a
// bundled wall, J/m2.
//   stored: sum over steps and nodes of C (T_new - T_old) V, C the node's volumetric heat
//     capacity at the step's end (dry material plus its water at levels 0 to 3, dry at 4 and
//     5), V its control volume: the sensible heat of the model's heat equation.
//   external: h_e (T_e - T_0) + a I - e L_w, plus L g_e at levels 0 to 4.
//   internal: -(sensible + latent flow to the room), the latent flow only at levels 0 to 4.
// The model keeps no separate latent store: vapour that condenses inside gives up its latent
// heat there as sensible heat, so latent heat enters the balance only at the faces.
struct EnergyBalance {
    int level = 0;
    std::string failure{};  // empty when the run completed
    int steps = 0;
    double stored = 0.0;
    double externalSensible = 0.0, externalLatent = 0.0;
    double internalSensible = 0.0, internalLatent = 0.0;
    double throughput = 0.0;         // half the sum of |external| and |internal| per step
    double residual = kNotMeasured;  // |stored - external - internal| / throughput
    // At the end of every recorded day: (stored - external - internal) / throughput so far.
    std::vector<double> dailyResidual{};
    // Levels 0 to 4: water stored, rho_l sum of dtheta V, against the vapour flows the engine
    // reports at the faces (ge, gi), kg/m2.
    double storedWater = 0.0, externalVapour = 0.0, internalVapour = 0.0;
    double moistureResidual = kNotMeasured;  // |stored - in| / (|external| + |internal|)
};

EnergyBalance CompareEnergyBalance(const BundledRun& run);

}  // namespace porvap::validation
