#pragma once

#include <vector>

namespace porvap::datagen {

// Air temperature of a free-running room without heat gains, degC, hour by hour: a single
// thermal capacity coupled to the outdoor air (first-order lumped system), dT/dt =
// (T_out - T) / tau, integrated exactly over each hour with the outdoor temperature of that
// hour. The year is run twice and the second pass kept, so it ends where it starts.
// timeConstant in hours.
std::vector<double> FreeRunningTemperature(const std::vector<double>& outdoor, double timeConstant);

// Room relative humidity, fraction: no moisture sources and an air change much faster than a
// day, so the room keeps the outdoor vapour pressure; capped at 1.
double RoomHumidity(double outdoorTemperature, double outdoorHumidity, double roomTemperature);

}  // namespace porvap::datagen
