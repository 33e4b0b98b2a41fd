#include "core/climate/WindDirection.h"

#include <cmath>
#include <numbers>

namespace porvap {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// Degrees brought into [0, 360).
double WrapDegrees(double degrees) {
    const double wrapped = std::fmod(degrees, 360.0);
    return wrapped < 0.0 ? wrapped + 360.0 : wrapped;
}

}  // namespace

double ProgramWindDirection(double meteorologicalDegrees) {
    return WrapDegrees(180.0 - meteorologicalDegrees) * kDegree;
}

double MeteorologicalWindDirection(double programRadians) {
    return WrapDegrees(180.0 - programRadians / kDegree);
}

}  // namespace porvap
