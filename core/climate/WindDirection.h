#pragma once

namespace porvap {

// The program compares wind direction with the element's orientation, which is measured from
// south, positive toward east. Wind direction is therefore written in that frame: the
// direction the wind comes from, from south toward east, in [0, 2 pi) (south 0, east pi/2,
// north pi, west 3 pi/2). Takes the meteorological direction in degrees (from north,
// clockwise).
double ProgramWindDirection(double meteorologicalDegrees);

// The inverse: meteorological degrees in [0, 360) from the program's radians.
double MeteorologicalWindDirection(double programRadians);

}  // namespace porvap
