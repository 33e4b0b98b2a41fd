#include "tools/materials/MaterialProperties.h"

#include <algorithm>
#include <cmath>

#include "core/climate/Psychrometrics.h"
#include "tools/materials/VapourPermeability.h"

namespace porvap::datagen {

namespace {
constexpr double kExtensionSpan = MoistureStorage::kTopHumidity - 1.0;
constexpr double kSlopeStep = 1e-6;  // relative humidity step of the numeric derivative
constexpr int kBisections = 80;
// Capillary conduction is taken to start at the moisture content of 80 % relative humidity;
// below it the sorbed water moves as vapour only.
constexpr double kHygroscopicLimit = 0.8;
}  // namespace

double MoistureStorage::Theta(double phi) const {
    if (phi <= 1.0)
        return material_.sorption(std::max(phi, 0.0));
    const double t = std::min(phi - 1.0, kExtensionSpan) / kExtensionSpan;
    return material_.freeSaturation + t * (material_.porosity - material_.freeSaturation);
}

double MoistureStorage::Humidity(double theta) const {
    if (theta <= 0.0)
        return 0.0;
    if (theta >= material_.freeSaturation) {
        const double t =
            (theta - material_.freeSaturation) / (material_.porosity - material_.freeSaturation);
        return 1.0 + std::min(t, 1.0) * kExtensionSpan;
    }
    double lo = 0.0;
    double hi = 1.0;
    for (int i = 0; i < kBisections; ++i) {
        const double mid = 0.5 * (lo + hi);
        (Theta(mid) < theta ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

double MoistureStorage::ThetaSlope(double phi) const {
    if (phi > 1.0)
        return (material_.porosity - material_.freeSaturation) / kExtensionSpan;
    const double lo = std::max(phi - kSlopeStep, 0.0);
    const double hi = std::min(phi + kSlopeStep, 1.0);
    return (Theta(hi) - Theta(lo)) / (hi - lo);
}

double MoistureStorage::HumiditySlope(double phi) const {
    return 1.0 / ThetaSlope(phi);
}

VapourState VapourStateAt(double temperature) {
    const float t = static_cast<float>(temperature);
    const double above = SaturationDensity(t + 0.5f);
    const double below = SaturationDensity(t - 0.5f);
    return {AirVapourDiffusivity(temperature), SaturationDensity(t), above - below};
}

double LiquidDiffusivity(const MaterialModel& material, double theta) {
    if (material.absorption <= 0.0 || theta < material.sorption(kHygroscopicLimit))
        return 0.0;
    const double wf = material.freeSaturation * kWaterDensity;
    const double ratio = std::min(theta / material.freeSaturation, 1.0);
    const double scale = material.absorption / wf;
    return 3.8 * scale * scale * std::pow(1000.0, ratio - 1.0);
}

PropertyRow PropertiesAt(const MaterialModel& material, const VapourState& vapour, double theta) {
    const MoistureStorage storage(material);
    const double content = std::min(theta, material.porosity);
    const double phi = storage.Humidity(content);
    const double vapourPhi = std::min(phi, 1.0);
    const double diffusivity =
        vapour.airDiffusivity / ResistanceFactor(material.resistance, vapourPhi);
    const double dtetav =
        diffusivity * vapour.saturationDensity / kWaterDensity * storage.HumiditySlope(phi);
    const double dtv = diffusivity * vapourPhi * vapour.saturationDensitySlope / kWaterDensity;
    return {material.conductivity(content), dtv, LiquidDiffusivity(material, content) + dtetav, dtv,
            dtetav};
}

}  // namespace porvap::datagen
