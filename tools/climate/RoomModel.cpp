#include "tools/climate/RoomModel.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/climate/Psychrometrics.h"

namespace porvap::datagen {

std::vector<double> FreeRunningTemperature(const std::vector<double>& outdoor,
                                           double timeConstant) {
    std::vector<double> room(outdoor.size());
    if (outdoor.empty())
        return room;
    const double decay = std::exp(-1.0 / timeConstant);
    double t = std::accumulate(outdoor.begin(), outdoor.end(), 0.0) / outdoor.size();
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t k = 0; k < outdoor.size(); ++k) {
            t = outdoor[k] + (t - outdoor[k]) * decay;
            room[k] = t;
        }
    }
    return room;
}

double RoomHumidity(double outdoorTemperature, double outdoorHumidity, double roomTemperature) {
    const double vapourPressure = outdoorHumidity * SaturationPressure(outdoorTemperature);
    return std::min(vapourPressure / SaturationPressure(roomTemperature), 1.0);
}

}  // namespace porvap::datagen
