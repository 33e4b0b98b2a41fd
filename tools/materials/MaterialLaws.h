#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace porvap::datagen {

// Published laws that turn a handful of material figures into functions of moisture content
// (theta, m3/m3) or relative humidity (phi, fraction).

// Approximation factor b of Kuenzel's moisture storage function w = wf (b-1) phi / (b-phi),
// chosen so that the curve passes through w80 at phi = 0.8. Needs w80 < 0.8 wf; kg/m3.
double KuenzelApproximationFactor(double w80, double wf);

// The moisture storage function above as theta(phi).
std::function<double(double)> KuenzelSorption(double w80, double wf);

// Equilibrium moisture content of wood, kg/kg, at relative humidity phi and temperature in
// degC: the Hailwood-Horrobin one-hydrate model with the Wood Handbook's SI coefficients.
double WoodEquilibriumMoisture(double phi, double temperature);

// The same as theta(phi) for wood of the given dry density, kg/m3.
std::function<double(double)> WoodSorption(double density, double temperature);

// EN ISO 10456 moisture conversion from the dry state: lambda_dry exp(f_psi theta).
std::function<double(double)> VolumetricMoistureConversion(double lambdaDry, double fPsi);

// The mass-based form lambda_dry exp(f_u u), u = theta rho_w / density, kg/kg.
std::function<double(double)> MassMoistureConversion(double lambdaDry, double fU, double density);

// Conductivity measured at moisture contents u (kg/kg), pairs (u, lambda) in ascending u;
// linear between points, held beyond them.
std::function<double(double)> MeasuredConductivity(std::vector<std::pair<double, double>> points,
                                                   double density);

// Wood across the grain, Wood Handbook: k = G (B + C x) + A with x the moisture content in
// per cent and G the specific gravity (dry density / 1000).
std::function<double(double)> WoodConductivity(double density);

}  // namespace porvap::datagen
