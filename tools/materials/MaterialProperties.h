#pragma once

#include "tools/materials/MaterialModel.h"

namespace porvap::datagen {

// The isotherm the program reads: the material's sorption curve up to relative humidity 1,
// then a straight line from free saturation there to the porosity at 1.2, the top of the
// program's humidity index. Strictly increasing when porosity > free saturation.
class MoistureStorage {
  public:
    static constexpr double kTopHumidity = 1.2;

    explicit MoistureStorage(const MaterialModel& material) : material_(material) {}

    double Theta(double phi) const;       // m3/m3, phi in [0, 1.2]
    double Humidity(double theta) const;  // the inverse, clamped to [0, 1.2]
    // d(phi)/d(theta) at phi; one-sided at 0 and at 1 (from below), so always finite.
    double HumiditySlope(double phi) const;

  private:
    double ThetaSlope(double phi) const;

    const MaterialModel& material_;
};

// Vapour in air at the tabulation temperature.
struct VapourState {
    double airDiffusivity;          // m2/s
    double saturationDensity;       // kg/m3
    double saturationDensitySlope;  // kg/(m3 K)
};

// Air diffusivity from Schirmer's formula; saturation density and its slope from the
// engine's own saturation-density function, so the tables match what the engine assumes.
VapourState VapourStateAt(double temperature);

// One row of the material file: the five transport properties at one moisture content.
struct PropertyRow {
    double k;       // W/(m K)
    double dt;      // m2/(s K)
    double dteta;   // m2/s
    double dtv;     // m2/(s K)
    double dtetav;  // m2/s
};

// Liquid diffusivity, m2/s: Kuenzel's 3.8 (A/w_f)^2 1000^(w/w_f - 1) from the moisture
// content at 80 % relative humidity up to free saturation, held above it, zero below it.
double LiquidDiffusivity(const MaterialModel& material, double theta);

// The row at moisture content theta; contents above the porosity take the porosity's values.
// Vapour terms use relative humidity capped at 1 and the isotherm's slope; the liquid
// thermal diffusivity is taken as zero.
PropertyRow PropertiesAt(const MaterialModel& material, const VapourState& vapour, double theta);

}  // namespace porvap::datagen
