#include "tools/materials/MaterialLaws.h"

#include <cmath>

#include "tools/materials/MaterialModel.h"

namespace porvap::datagen {

double KuenzelApproximationFactor(double w80, double wf) {
    const double ratio = w80 / wf;
    return 0.8 * (1.0 - ratio) / (0.8 - ratio);
}

std::function<double(double)> KuenzelSorption(double w80, double wf) {
    const double b = KuenzelApproximationFactor(w80, wf);
    return [b, wf](double phi) { return wf * (b - 1.0) * phi / (b - phi) / kWaterDensity; };
}

double WoodEquilibriumMoisture(double phi, double temperature) {
    const double t = temperature;
    const double w = 330.0 + 0.452 * t + 0.00415 * t * t;
    const double k = 0.791 + 4.63e-4 * t - 8.44e-7 * t * t;
    const double k1 = 6.34 + 7.75e-4 * t - 9.35e-5 * t * t;
    const double k2 = 1.09 + 2.84e-2 * t - 9.04e-5 * t * t;
    const double kh = k * phi;
    const double hydrate = k1 * k2 * kh * kh;
    const double percent =
        1800.0 / w * (kh / (1.0 - kh) + (k1 * kh + 2.0 * hydrate) / (1.0 + k1 * kh + hydrate));
    return percent / 100.0;
}

std::function<double(double)> WoodSorption(double density, double temperature) {
    return [density, temperature](double phi) {
        return WoodEquilibriumMoisture(phi, temperature) * density / kWaterDensity;
    };
}

std::function<double(double)> VolumetricMoistureConversion(double lambdaDry, double fPsi) {
    return [lambdaDry, fPsi](double theta) { return lambdaDry * std::exp(fPsi * theta); };
}

std::function<double(double)> MassMoistureConversion(double lambdaDry, double fU, double density) {
    return [lambdaDry, fU, density](double theta) {
        return lambdaDry * std::exp(fU * theta * kWaterDensity / density);
    };
}

std::function<double(double)> MeasuredConductivity(std::vector<std::pair<double, double>> points,
                                                   double density) {
    return [points = std::move(points), density](double theta) {
        const double u = theta * kWaterDensity / density;
        if (u <= points.front().first)
            return points.front().second;
        for (std::size_t i = 1; i < points.size(); ++i) {
            const auto& [u1, k1] = points[i];
            if (u <= u1) {
                const auto& [u0, k0] = points[i - 1];
                return k0 + (k1 - k0) * (u - u0) / (u1 - u0);
            }
        }
        return points.back().second;
    };
}

std::function<double(double)> WoodConductivity(double density) {
    const double gravity = density / kWaterDensity;
    return [gravity, density](double theta) {
        const double percent = 100.0 * theta * kWaterDensity / density;
        return gravity * (0.1941 + 0.004064 * percent) + 0.01864;
    };
}

}  // namespace porvap::datagen
