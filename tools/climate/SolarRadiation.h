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

// A plane surface: the direction its outward normal faces, as a solar azimuth (degrees from
// north, east positive), its tilt from the horizontal and the reflectance of the ground.
struct Surface {
    double azimuth;      // degrees
    double tilt;         // degrees, 90 = vertical
    double reflectance;  // fraction
};

// Irradiance on the surface, W/m2, by the program's rule: Ib cos(i) + Id + rho (Ib + Id)
// (1 - cos(tilt)) / 2, with cos(i) = cos(alt) cos(gamma) sin(tilt) + sin(alt) cos(tilt) and
// gamma the sun's azimuth relative to the normal. A beam from behind the surface (cos i < 0)
// contributes nothing.
double SurfaceIrradiance(double beamNormal, double diffuse, double altitude, double azimuth,
                         const Surface& surface);

}  // namespace porvap::datagen
