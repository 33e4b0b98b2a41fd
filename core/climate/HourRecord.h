#pragma once

namespace porvap {

// One hour of an external climate as the hourly files carry it; hour h stands for h:00 to
// h+1:00 local standard time and its sun is the sun at h:30.
struct HourRecord {
    int month;
    int day;
    int hour;              // 0..23
    double temperature;    // degC
    double humidity;       // fraction, 0..1
    double global;         // W/m2, horizontal
    double beam;           // W/m2, normal to the beam
    double diffuse;        // W/m2, horizontal
    double altitude;       // degrees
    double azimuth;        // degrees from north, east positive, (-180, 180]
    double windSpeed;      // m/s
    double windDirection;  // radians, see ProgramWindDirection
};

}  // namespace porvap
