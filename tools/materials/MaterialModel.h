#pragma once

#include <functional>
#include <string>
#include <vector>

namespace porvap::datagen {

inline constexpr double kWaterDensity = 1000.0;  // kg/m3

// A vapour resistance factor measured in a cup test, placed at the mean relative humidity of
// the test; between points the permeability 1/mu is interpolated linearly.
struct ResistancePoint {
    double humidity;  // fraction
    double mu;        // -
};

// A building material as its published figures describe it. Tabulating it into the program's
// property rows and isotherm is the job of MaterialProperties.
struct MaterialModel {
    std::string name;             // at most 39 characters
    std::string fileName;         // file name under Materials/
    double density = 0.0;         // kg/m3, dry
    double porosity = 0.0;        // m3/m3, also the maximum moisture content
    double specificHeat = 0.0;    // J/(kg K), dry
    double freeSaturation = 0.0;  // m3/m3, moisture content at relative humidity 1
    double absorption = 0.0;      // kg/(m2 s^0.5), water absorption coefficient; 0 = none
    std::vector<ResistancePoint> resistance;
    std::function<double(double theta)> conductivity;  // W/(m K) at theta, m3/m3
    std::function<double(double phi)> sorption;        // m3/m3 for 0 <= phi <= 1
};

}  // namespace porvap::datagen
