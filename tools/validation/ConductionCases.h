#pragma once

#include <limits>
#include <string>
#include <vector>

#include "tools/validation/TransmissionMatrix.h"

namespace porvap::validation {

// Errors start as NaN, which fails every tolerance: a comparison whose run did not complete
// can never pass.
inline constexpr double kNotMeasured = std::numeric_limits<double>::quiet_NaN();

// A wall for model level 5, external layer first, with the sections of each layer.
struct ConductionWall {
    std::string name;
    std::string label;  // short, for chart legends
    std::vector<SlabLayer> layers;
    std::vector<int> sections;
    SurfaceFilms films;
};

ConductionWall HomogeneousSlab();  // 0.15 m of concrete
ConductionWall TwoLayerWall();     // 0.08 m of insulation outside 0.15 m of concrete

// Heat flow into the room once a constant temperature difference has settled, against
// U (T_e - T_i).
struct SteadyComparison {
    double simulated = 0.0;   // W/m2
    double analytical = 0.0;  // W/m2
    double relativeError = kNotMeasured;
    // Against U from the conductivities as the material records hold them (float): what is
    // left is the engine's own round-off.
    double heldError = kNotMeasured;
};
SteadyComparison CompareSteadyFlow(const ConductionWall& wall, int days);

// The room's heat flow under an outdoor temperature of 20 + 10 sin(2 pi t / 24 h), its
// harmonic taken from the last simulated day, against the transmission matrices with the
// backward Euler rate (discrete) and with i omega (continuous, EN ISO 13786).
struct PeriodicComparison {
    double stepHours = 1.0;
    int days = 0;
    PeriodicResponse simulated{}, discrete{}, continuous{};
    double discreteError = kNotMeasured;       // relative, decrement factor
    double discreteLagError = kNotMeasured;    // h
    double continuousError = kNotMeasured;     // relative, decrement factor
    double continuousLagError = kNotMeasured;  // h
};
PeriodicComparison ComparePeriodic(const ConductionWall& wall, double stepHours, int days);

}  // namespace porvap::validation
