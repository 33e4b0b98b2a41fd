#include "core/climate/SolarGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace porvap {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

struct SpencerTerms {
    double declination;     // rad
    double equationOfTime;  // minutes
    double distanceFactor;  // (r0/r)^2
};

SpencerTerms Spencer(int dayOfYear) {
    const double g = 2.0 * std::numbers::pi * (dayOfYear - 1) / 365.0;
    const double c1 = std::cos(g), s1 = std::sin(g);
    const double c2 = std::cos(2 * g), s2 = std::sin(2 * g);
    const double c3 = std::cos(3 * g), s3 = std::sin(3 * g);
    return {0.006918 - 0.399912 * c1 + 0.070257 * s1 - 0.006758 * c2 + 0.000907 * s2 -
                0.002697 * c3 + 0.00148 * s3,
            229.18 * (0.000075 + 0.001868 * c1 - 0.032077 * s1 - 0.014615 * c2 - 0.04089 * s2),
            1.000110 + 0.034221 * c1 + 0.001280 * s1 + 0.000719 * c2 + 0.000077 * s2};
}

}  // namespace

SunPosition SolarPosition(const Site& site, int dayOfYear, double standardHour) {
    const SpencerTerms terms = Spencer(dayOfYear);
    const double solarHour =
        standardHour +
        (4.0 * (site.longitude - 15.0 * site.utcOffset) + terms.equationOfTime) / 60.0;
    const double hourAngle = 15.0 * (solarHour - 12.0) * kDegree;
    const double lat = site.latitude * kDegree;
    const double dec = terms.declination;
    const double sinAltitude =
        std::sin(lat) * std::sin(dec) + std::cos(lat) * std::cos(dec) * std::cos(hourAngle);
    const double east = -std::cos(dec) * std::sin(hourAngle);
    const double north =
        std::sin(dec) * std::cos(lat) - std::cos(dec) * std::sin(lat) * std::cos(hourAngle);
    double azimuth = std::atan2(east, north) / kDegree;
    if (azimuth <= -180.0)
        azimuth += 360.0;
    return {std::asin(std::clamp(sinAltitude, -1.0, 1.0)) / kDegree, azimuth,
            kSolarConstant * terms.distanceFactor};
}

}  // namespace porvap
