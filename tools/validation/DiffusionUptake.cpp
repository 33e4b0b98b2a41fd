#include "tools/validation/DiffusionUptake.h"

#include <cmath>
#include <numbers>

namespace porvap::validation {

double ScaledErfc(double z) {
    // Below 26 the product stays clear of overflow (exp(709)); above, five terms of the
    // asymptotic series leave an error under 1e-12 of the value.
    if (z < 26.0)
        return std::exp(z * z) * std::erfc(z);
    const double w = 1.0 / (2.0 * z * z);
    return (1.0 - w * (1.0 - 3.0 * w * (1.0 - 5.0 * w * (1.0 - 7.0 * w)))) /
           (z * std::sqrt(std::numbers::pi));
}

double UptakeFraction(double depth, double time, double diffusivity, double transfer) {
    const double root = std::sqrt(diffusivity * time);  // m
    const double eta = depth / (2.0 * root);
    if (std::isinf(transfer))
        return std::erfc(eta);
    // exp(hx + h^2 Dt) erfc(eta + h sqrt(Dt)) = exp(-eta^2) exp(z^2) erfc(z), z = eta + h sqrt(Dt).
    const double z = eta + transfer * root;
    return std::erfc(eta) - std::exp(-eta * eta) * ScaledErfc(z);
}

}  // namespace porvap::validation
