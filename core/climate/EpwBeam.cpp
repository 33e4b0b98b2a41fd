#include "core/climate/EpwBeam.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace porvap {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kLowestSun = 2.0;               // degrees, for a derived beam
constexpr double kCheckedSun = 10.0;             // degrees
constexpr double kCheckedHorizontalBeam = 50.0;  // W/m2
constexpr double kTolerance = 0.15;              // of the ratio

}  // namespace

double BeamFromGlobal(double global, double diffuse, const SunPosition& sun) {
    if (sun.altitude < kLowestSun || global <= diffuse)
        return 0.0;
    return std::min((global - diffuse) / std::sin(sun.altitude * kDegree),
                    sun.extraterrestrialNormal);
}

std::optional<double> HorizontalBeamRatio(const std::vector<HourRecord>& year) {
    double fromBeam = 0.0, fromGlobal = 0.0;  // W h/m2
    for (const HourRecord& r : year) {
        const double horizontal = r.global - r.diffuse;
        if (r.altitude > kCheckedSun && horizontal > kCheckedHorizontalBeam) {
            fromBeam += r.beam * std::sin(r.altitude * kDegree);
            fromGlobal += horizontal;
        }
    }
    if (fromGlobal == 0.0)
        return std::nullopt;
    return fromBeam / fromGlobal;
}

std::string BeamWarning(const std::vector<HourRecord>& year, const std::string& source) {
    const std::optional<double> ratio = HorizontalBeamRatio(year);
    if (!ratio || std::fabs(*ratio - 1.0) <= kTolerance)
        return {};
    char figures[200];
    std::snprintf(figures, sizeof figures,
                  "with the sun above %g degrees, direct normal x sin(altitude) adds up to %.2f "
                  "times global - diffuse (more than %g %% off). ",
                  kCheckedSun, *ratio, kTolerance * 100.0);
    return "The direct normal irradiance of " + source +
           " does not match its global and diffuse horizontal irradiance: " + figures +
           "The sun on walls and roofs follows the direct normal irradiance, which can be "
           "derived from global and diffuse instead.";
}

}  // namespace porvap
