#include "tools/validation/UptakeCase.h"

#include <algorithm>
#include <cmath>

#include "core/climate/Psychrometrics.h"
#include "core/engine/Boundary.h"
#include "tools/validation/DiffusionUptake.h"
#include "tools/validation/EngineInputs.h"

namespace porvap::validation {

namespace {

constexpr const char* kClimateFile = "validation-uptake.pvh";
constexpr double kTemperature = 20.0;  // degC, air on both sides and the wall
// Molar mass of water over the gas constant, kg K / J: vapour density = this p / T.
constexpr double kVapourDensityFactor = 18.0 / 8307.18;

// The engine's external vapour exchange, g = beta (rho_air - rho_surface) with
// rho_surface = phi(theta) p_ws(T) / (R_v T) and phi = theta / sorption, written as
// D dtheta/dx = -h D (theta_air - theta) at the face.
double RobinTransfer(const UptakeSetUp& s, double waterDensity) {
    const auto t = static_cast<float>(kTemperature);
    const double beta = 1.0 / SurfaceResistance(static_cast<float>(s.filmCoefficient),
                                                static_cast<float>(s.permeance), kTemperature);
    const double vapourPerTheta = kVapourDensityFactor * SaturationPressureOverT(t) / s.sorption;
    return beta * vapourPerTheta / waterDensity / s.diffusivity;
}

UptakeProfile Profile(const SimulationEngine& e, double days, double theta0, double transfer,
                      const UptakeSetUp& s) {
    UptakeProfile p;
    p.days = days;
    const double thetaAir = e.boundary.thetaEqExternal;
    const double spacing = s.thickness / s.sections;
    p.maxError = 0.0;
    for (int i = 0; i <= e.n; ++i) {
        const double x = i * spacing;
        p.depth.push_back(x);
        p.simulated.push_back((e.thetaNew[i] - theta0) / (thetaAir - theta0));
        p.analytical.push_back(UptakeFraction(x, days * 86400.0, s.diffusivity, transfer));
        p.maxError = std::max(p.maxError, std::fabs(p.simulated.back() - p.analytical.back()));
    }
    return p;
}

}  // namespace

UptakeComparison CompareUptake(const UptakeSetUp& setUp) {
    UptakeComparison result{.setUp = setUp};
    UptakeSetUp s = setUp;
    std::sort(s.days.begin(), s.days.end());
    if (s.days.empty() || s.sections < 1 || !DividesTheHour(s.stepHours))
        return result;
    const double lastDay = s.days.back();
    const int runDays = static_cast<int>(std::ceil(lastDay)) + 1;
    if (!WriteHourlyClimate(
            kClimateFile, runDays, [](int) { return kTemperature; }, s.airHumidity)) {
        return result;
    }
    auto material = MakeMaterial({.conductivity = 1.0f,
                                  .moistureDiffusivity = static_cast<float>(s.diffusivity),
                                  .sorption = s.sorption});
    const std::vector<Layer> layers{Layer(material.get(), s.sections, s.thickness)};
    auto engine = CreateEngine(nullptr);
    SetUpRun(*engine, layers,
             {.climateFile = kClimateFile,
              .days = runDays,
              .roomTemperature = kTemperature,
              .roomHumidity = s.roomHumidity,
              .external = static_cast<float>(s.filmCoefficient),
              .internal = static_cast<float>(s.filmCoefficient),
              .modelLevel = 0,
              .hoursPerStep = static_cast<float>(s.stepHours)});
    SetPermeances(*engine, static_cast<float>(s.permeance), engine->params.pi);
    SetTolerance(*engine, 1e-6);
    result.transfer = RobinTransfer(s, engine->params.waterDensity);
    double theta0 = 0.0;
    long steps = 0;
    std::size_t next = 0;
    const int code = StepRun(*engine, [&](const SimulationEngine& e, bool) {
        if (steps++ == 0)
            theta0 = e.thetaOld[0];
        const double elapsedDays = steps * s.stepHours / 24.0;
        while (next < s.days.size() && std::fabs(elapsedDays - s.days[next]) < 1e-9)
            result.profiles.push_back(Profile(e, s.days[next++], theta0, result.transfer, s));
        return next < s.days.size();
    });
    if (code != 0 || result.profiles.size() != s.days.size())
        return result;
    result.maxError = 0.0;
    for (const UptakeProfile& p : result.profiles)
        result.maxError = std::max(result.maxError, p.maxError);
    return result;
}

}  // namespace porvap::validation
