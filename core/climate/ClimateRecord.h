#pragma once

namespace porvap {

// One hour of external climate as read from an hourly file. The surface irradiance is
// read directly in layout 1 and derived from beam and diffuse in layouts 2 and 3.
struct ClimateRecord {
    double temperature = 0.0;       // degC
    double relativeHumidity = 0.0;  // fraction 0..1
    double irradiance = 0.0;        // W/m2 on the element's surface
    float beam = 0.0f;              // W/m2, direct normal
    float diffuse = 0.0f;           // W/m2
    float altitude = 0.0f;          // degrees
    float azimuth = 0.0f;           // degrees, from north, east positive, (-180, 180]
    float windDirection = 0.0f;     // radians
    float windSpeed = 0.0f;         // m/s
    int month = 0;
    int day = 0;
    int hour = 0;
};

}  // namespace porvap
