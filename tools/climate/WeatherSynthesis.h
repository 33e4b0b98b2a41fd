#pragma once

#include <vector>

#include "tools/climate/ClimateFigures.h"

namespace porvap::datagen {

// One synthetic hour; hour h stands for h:00 to h+1:00 local standard time and its sun is
// the sun at h:30.
struct HourRecord {
    int month;
    int day;
    int hour;
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

// The program compares wind direction with the element's orientation, which is measured from
// south, positive toward east. Wind direction is therefore written in that frame: the
// direction the wind comes from, from south toward east, in [0, 2 pi) (south 0, east pi/2,
// north pi, west 3 pi/2). Takes the meteorological direction in degrees (from north,
// clockwise).
double ProgramWindDirection(double meteorologicalDegrees);

// The inverse: meteorological degrees in [0, 360) from the program's radians.
double MeteorologicalWindDirection(double programRadians);

// The 8760 hours of a 365-day year, 1 January hour 0 to 31 December hour 23. Monthly means of
// temperature, humidity (up to the cap at 1), global irradiation and wind speed follow the
// figures; day-to-day and hourly variation come from the fixed seed.
std::vector<HourRecord> SynthesiseYear(const ClimateFigures& climate);

}  // namespace porvap::datagen
