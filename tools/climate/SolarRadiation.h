#pragma once

namespace porvap::datagen {

// Diffuse fraction of hourly global horizontal irradiance from the hourly clearness index
// kt = global / extraterrestrial horizontal: Erbs, Klein and Duffie (1982).
double ErbsDiffuseFraction(double clearness);

struct BeamAndDiffuse {
    double beamNormal;  // W/m2, on a plane normal to the beam
    double diffuse;     // W/m2, horizontal
};

// Splits hourly global horizontal irradiance with the Erbs correlation; the beam part on the
// horizontal is turned into beam normal by dividing by sin(altitude). Night (altitude <= 0
// or no extraterrestrial irradiance) gives zeros.
BeamAndDiffuse SplitGlobal(double global, double extraterrestrialHorizontal, double altitude);

}  // namespace porvap::datagen
