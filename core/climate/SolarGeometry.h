#pragma once

namespace porvap {

// A place on the earth and its clock.
struct Site {
    double latitude;   // degrees, north positive
    double longitude;  // degrees, east positive
    double utcOffset;  // hours of local standard time ahead of UTC (UTC-3 is -3)
};

inline constexpr double kSolarConstant = 1367.0;  // W/m2

// Position of the sun. Azimuth in degrees from north, positive toward east, negative
// toward west, in (-180, 180] (the convention of the program's climate files).
struct SunPosition {
    double altitude;                // degrees above the horizon, no refraction
    double azimuth;                 // degrees
    double extraterrestrialNormal;  // W/m2, on a plane normal to the beam
};

// Spencer's (1971) Fourier series for declination, equation of time and eccentricity
// correction, evaluated at the given day of a 365-day year (1..365) and local standard time
// in hours (12.5 = half past noon).
SunPosition SolarPosition(const Site& site, int dayOfYear, double standardHour);

}  // namespace porvap
