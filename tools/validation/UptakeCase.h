#pragma once

#include <vector>

#include "tools/validation/ConductionCases.h"

namespace porvap::validation {

// Model level 0 with every coupling to temperature removed (DT = DTV = DTetaV = 0, a
// straight isotherm, equal temperatures everywhere, surface films stiff enough to hold the
// surface temperature), so the moisture equation is linear diffusion with a Robin condition
// at the external face, whose coefficient is the engine's own vapour exchange.
struct UptakeSetUp {
    double diffusivity = 1e-8;  // DTeta, m2/s
    double sorption = 0.05;     // m3/m3 per unit of relative humidity
    double thickness = 0.6;     // m, thick enough to act as semi-infinite
    int sections = 240;
    double airHumidity = 0.9;      // outdoor, fraction
    double roomHumidity = 0.6;     // fraction; the engine starts every wall at 0.03 m3/m3
    double permeance = 1e-8;       // external paint, kg/(m2 s Pa)
    double filmCoefficient = 1e4;  // W/(m2 K), both faces
    double stepHours = 1.0;
    std::vector<double> days{1.0, 3.0, 10.0};  // of the profiles, whole steps
};

struct UptakeProfile {
    double days = 0.0;
    std::vector<double> depth{};      // m
    std::vector<double> simulated{};  // (theta - theta0) / (thetaAir - theta0)
    std::vector<double> analytical{};
    double maxError = kNotMeasured;  // largest |simulated - analytical| over the nodes
};

struct UptakeComparison {
    UptakeSetUp setUp{};
    double transfer = 0.0;  // h of the Robin condition, 1/m
    std::vector<UptakeProfile> profiles{};
    double maxError = kNotMeasured;  // over every profile
};

UptakeComparison CompareUptake(const UptakeSetUp& setUp);

}  // namespace porvap::validation
