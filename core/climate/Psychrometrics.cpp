#include "core/climate/Psychrometrics.h"

#include <cmath>

namespace porvap {

namespace {

constexpr double kCelsiusToKelvin = 273.15;
constexpr double kCriticalTemperature = 647.3;  // K
constexpr double kCriticalPressure = 22.12e6;   // Pa
constexpr double kWaterToAirMolarMass = 0.62198;
constexpr double kDewPointStep = 0.3;     // degC
constexpr double kLowestDewPoint = -100;  // degC

// ln(p_ws / critical pressure) over ice, theta = T / critical temperature.
double LogReducedPressureOverIce(double theta) {
    return -8.7664698 / theta + 16.43008815 - 6.26446777 * theta + 0.2606821 * theta * theta +
           0.56271617 * theta * theta * theta - 0.16650032 * theta * theta * theta * theta +
           4.1635019 * std::log(theta);
}

// ln(p_ws / critical pressure) over water. The powers of x are taken as exp(k ln x) so that
// chart values reproduce to the last digit.
double LogReducedPressureOverWater(double theta) {
    constexpr double kF[] = {-7.691234564, -26.08023696, -168.1706546, 64.23285504, -118.9646225};
    const double x = 1.0 - theta;
    double sum = 0.0;
    for (int k = 1; k <= 5; ++k)
        sum += kF[k - 1] * std::exp(k * std::log(x));
    return sum / (theta * (1.0 + 4.16711732 * x + 20.9750676 * x * x)) -
           x / (10000000000.0 * x * x + 6.0);
}

double HumidityRatioOfPressure(double vapourPressure, double totalPressure) {
    return kWaterToAirMolarMass * vapourPressure / (totalPressure - vapourPressure);
}

}  // namespace

double SaturationPressure(double t) {
    const double theta = (t + kCelsiusToKelvin) / kCriticalTemperature;
    const double logReduced =
        t < 0.0 ? LogReducedPressureOverIce(theta) : LogReducedPressureOverWater(theta);
    return kCriticalPressure * std::exp(logReduced);
}

double VapourPressure(double t, double rhPercent) {
    return SaturationPressure(t) * rhPercent * 0.01;
}

double HumidityRatio(double t, double rhPercent, double totalPressure) {
    return HumidityRatioOfPressure(VapourPressure(t, rhPercent), totalPressure);
}

double SaturatedHumidityRatio(double t, double totalPressure) {
    return HumidityRatioOfPressure(SaturationPressure(t), totalPressure);
}

double WetBulbHumidityRatio(double t, double tWet, double totalPressure) {
    return ((2501.0 - 2.381 * tWet) * SaturatedHumidityRatio(tWet, totalPressure) - (t - tWet)) /
           (2501.0 + 1.805 * t - 4.186 * tWet);
}

double DewPointSearch(double w, double totalPressure, double startT) {
    const double vapourPressure = totalPressure * w / (kWaterToAirMolarMass + w);
    // Whole pascals, so the search ends where the rounded difference starts to grow.
    double previous = 1e12;
    double t = startT;
    while (t >= kLowestDewPoint) {
        const double next = t - kDewPointStep;
        if (next == t)
            break;  // a start so large that the step vanishes
        t = next;
        const double difference = std::fabs(std::trunc(vapourPressure - SaturationPressure(t)));
        if (!(difference <= previous))  // growing again, or not a number
            return t + kDewPointStep;
        previous = difference;
    }
    return t;
}

// The engine polynomials are summed term by term in single precision, in the order written
// down with their coefficients: the pressure polynomial cancels heavily, and another
// evaluation order shifts its result in the third decimal.

float SaturationDensity(float t) {
    const float t2 = t * t, t3 = t2 * t, t4 = t3 * t, t5 = t4 * t;
    const float exponent = -2.3142974f + 0.029878380f * t - 1.2207899e-4f * t2 +
                           3.9891117e-7f * t3 - 8.3629992e-10f * t4 + 8.2544057e-13f * t5;
    return std::pow(10.0f, exponent);
}

namespace {

constexpr float kFreezingKelvin = 273.15f;

float PressureOverTCubic(float kelvin) {
    const float kelvin2 = kelvin * kelvin, kelvin3 = kelvin2 * kelvin;
    return -3650.1516f + 40.1627f * kelvin - 0.1479f * kelvin2 + 0.00018238f * kelvin3;
}

float PressureOverTCubicSlope(float kelvin) {
    return 40.1627f - 2.0f * 0.1479f * kelvin + 3.0f * 0.00018238f * kelvin * kelvin;
}

}  // namespace

// The cubic is fitted above freezing; below it turns over and goes negative near -13 degC,
// which would make frozen surfaces draw vapour as if below a vacuum. There the exponential
// that meets it in value and slope at 0 degC takes over (within 20 % of the values over
// ice and water down to -30 degC).
float SaturationPressureOverT(float t) {
    if (t < 0.0f) {
        const float atFreezing = PressureOverTCubic(kFreezingKelvin);
        const float rate = PressureOverTCubicSlope(kFreezingKelvin) / atFreezing;  // 1/K
        return atFreezing * std::exp(rate * t);
    }
    return PressureOverTCubic(t + kFreezingKelvin);
}

float LatentHeat(float t) {
    const float t2 = t * t, t3 = t2 * t, t4 = t3 * t, t5 = t4 * t;
    return 1000.0f * (2503.7f - 2.7913723f * t + 0.012413792f * t2 + 1.2963935e-4f * t3 +
                      4.7175172e-7f * t4 - 6.9851352e-10f * t5);
}

}  // namespace porvap
