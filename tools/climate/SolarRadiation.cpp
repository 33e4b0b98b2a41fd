#include "tools/climate/SolarRadiation.h"

#include <cmath>
#include <numbers>

namespace porvap::datagen {

namespace {
constexpr double kDegree = std::numbers::pi / 180.0;
}

double ErbsDiffuseFraction(double clearness) {
    const double k = clearness;
    if (k <= 0.22)
        return 1.0 - 0.09 * k;
    if (k <= 0.80)
        return 0.9511 - 0.1604 * k + 4.388 * k * k - 16.638 * k * k * k + 12.336 * k * k * k * k;
    return 0.165;
}

BeamAndDiffuse SplitGlobal(double global, double extraterrestrialHorizontal, double altitude) {
    if (altitude <= 0.0 || extraterrestrialHorizontal <= 0.0 || global <= 0.0)
        return {0.0, 0.0};
    const double diffuse = ErbsDiffuseFraction(global / extraterrestrialHorizontal) * global;
    return {(global - diffuse) / std::sin(altitude * kDegree), diffuse};
}

}  // namespace porvap::datagen
