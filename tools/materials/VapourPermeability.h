#pragma once

#include <utility>
#include <vector>

#include "tools/materials/MaterialModel.h"

namespace porvap::datagen {

inline constexpr double kStandardPressure = 101325.0;  // Pa
inline constexpr double kVapourGasConstant = 461.5;    // J/(kg K)

// Vapour permeability of still air, kg/(m s Pa): Schirmer's 2.0e-7 T^0.81 / P, T in K.
double AirVapourPermeability(double temperature, double pressure = kStandardPressure);

// Vapour diffusion coefficient in air, m2/s, from the permeability: delta_a R_v T.
double AirVapourDiffusivity(double temperature, double pressure = kStandardPressure);

// Resistance factors mu = delta_a / delta from cup-test permeabilities measured at the given
// temperature, degC; points are (relative humidity, permeability kg/(m s Pa)).
std::vector<ResistancePoint> ResistanceFromPermeability(
    const std::vector<std::pair<double, double>>& points, double temperature);

// mu at relative humidity phi: permeability 1/mu linear between points, held beyond them.
double ResistanceFactor(const std::vector<ResistancePoint>& points, double phi);

}  // namespace porvap::datagen
