#include "tools/materials/VapourPermeability.h"

#include <cmath>

namespace porvap::datagen {

namespace {
constexpr double kCelsiusToKelvin = 273.15;
}

double AirVapourPermeability(double temperature, double pressure) {
    return 2.0e-7 * std::pow(temperature + kCelsiusToKelvin, 0.81) / pressure;
}

double AirVapourDiffusivity(double temperature, double pressure) {
    return AirVapourPermeability(temperature, pressure) * kVapourGasConstant *
           (temperature + kCelsiusToKelvin);
}

std::vector<ResistancePoint> ResistanceFromPermeability(
    const std::vector<std::pair<double, double>>& points, double temperature) {
    const double air = AirVapourPermeability(temperature);
    std::vector<ResistancePoint> resistance;
    for (const auto& [phi, permeability] : points)
        resistance.push_back({phi, air / permeability});
    return resistance;
}

double ResistanceFactor(const std::vector<ResistancePoint>& points, double phi) {
    if (phi <= points.front().humidity)
        return points.front().mu;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (phi <= points[i].humidity) {
            const ResistancePoint& a = points[i - 1];
            const ResistancePoint& b = points[i];
            const double t = (phi - a.humidity) / (b.humidity - a.humidity);
            return 1.0 / (1.0 / a.mu + t * (1.0 / b.mu - 1.0 / a.mu));
        }
    }
    return points.back().mu;
}

}  // namespace porvap::datagen
