#pragma once

namespace porvap {

// Moist-air functions in two families that must not be mixed: the chart family draws the
// psychrometric chart, the engine family drives the boundary conditions and the balances.
// Temperatures t in degC, pressures in Pa, humidity ratios W in kg water per kg dry air.

// Chart family.

// Saturation vapour pressure, Pa: over ice below 0 degC, over water from 0 degC.
double SaturationPressure(double t);

// Vapour pressure, Pa, at relative humidity rhPercent (0..100).
double VapourPressure(double t, double rhPercent);

// Humidity ratio at relative humidity rhPercent (0..100) and total pressure, Pa.
double HumidityRatio(double t, double rhPercent, double totalPressure);

double SaturatedHumidityRatio(double t, double totalPressure);

// Humidity ratio of air at dry-bulb t whose wet-bulb temperature is tWet, degC.
double WetBulbHumidityRatio(double t, double tWet, double totalPressure);

// Dew point, degC, of humidity ratio w, searched downwards from startT (which must lie
// above it) on a 0.3 degC grid. Gives up below -100 degC and returns the last temperature.
double DewPointSearch(double w, double totalPressure, double startT);

// Engine family, single precision throughout so that results reproduce.

// Saturated vapour density, kg/m3.
float SaturationDensity(float t);

// Saturation pressure over absolute temperature, Pa/K.
float SaturationPressureOverT(float t);

// Latent heat of vaporisation, J/kg.
float LatentHeat(float t);

}  // namespace porvap
