#pragma once

#include <limits>

namespace porvap::validation {

// Isothermal moisture uptake of a semi-infinite layer with constant diffusivity D, initially
// uniform, whose face meets air of another equilibrium moisture content at t = 0 through a
// surface transfer D du/dx = -h D (u_air - u) (Crank, The Mathematics of Diffusion, 2nd ed.,
// 1975, chapter 3, semi-infinite medium with a surface evaporation condition):
//   (u - u0) / (u_air - u0)
//       = erfc(x / 2 sqrt(Dt)) - exp(hx + h^2 Dt) erfc(x / 2 sqrt(Dt) + h sqrt(Dt)).
// An infinite h holds the face at the air's value: erfc alone (Crank, p. 32).
inline constexpr double kFixedSurface = std::numeric_limits<double>::infinity();

// The fraction above at depth x (m) after t (s), D in m2/s, h in 1/m.
double UptakeFraction(double depth, double time, double diffusivity, double transfer);

// exp(z^2) erfc(z), for any z >= 0 without overflow.
double ScaledErfc(double z);

}  // namespace porvap::validation
