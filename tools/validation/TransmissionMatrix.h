#pragma once

#include <complex>
#include <vector>

namespace porvap::validation {

using Complex = std::complex<double>;

// One homogeneous layer of a wall, external face first in a list.
struct SlabLayer {
    double conductivity = 1.0;  // W/(m K)
    double heatCapacity = 1e6;  // J/(m3 K), density times specific heat
    double thickness = 0.1;     // m
};

struct SurfaceFilms {
    double external = 25.0;  // W/(m2 K)
    double internal = 8.0;   // W/(m2 K)
};

// Heat transmission matrix of EN ISO 13786:2017: (T, q) on the external side equals
// M (T, q) on the internal side, q the heat flow towards the inside, for a time
// dependence exp(s t). Its determinant is 1.
struct TransmissionMatrix {
    Complex m11 = 1.0, m12 = 0.0, m21 = 0.0, m22 = 1.0;
};

TransmissionMatrix operator*(const TransmissionMatrix& a, const TransmissionMatrix& b);
TransmissionMatrix LayerMatrix(const SlabLayer& layer, Complex s);
TransmissionMatrix FilmMatrix(double coefficient);
// Films and layers of a whole wall, external film first.
TransmissionMatrix WallMatrix(const std::vector<SlabLayer>& layers, const SurfaceFilms& films,
                              Complex s);

// Thermal transmittance U, W/(m2 K), films included.
double Transmittance(const std::vector<SlabLayer>& layers, const SurfaceFilms& films);

// The time derivative of a harmonic of the given period (s): i omega.
Complex ContinuousRate(double period);
// What a backward Euler step of dt seconds puts in its place when the response is sampled
// at the step ends: (1 - exp(-i omega dt)) / dt.
Complex ImplicitStepRate(double period, double dt);

// Heat flow into the room behind a wall under a harmonic outdoor temperature, the room
// temperature held constant.
struct PeriodicResponse {
    double transmittance = 0.0;  // |Y12|, W/(m2 K): flow amplitude per outdoor amplitude
    double decrement = 0.0;      // |Y12| / U
    double lag = 0.0;            // h, of the flow maximum behind the temperature's, [0, period)
};

PeriodicResponse PeriodicReference(const std::vector<SlabLayer>& layers, const SurfaceFilms& films,
                                   double period, Complex rate);
// From the complex ratio of flow to temperature harmonics; u the wall's U, the period in s.
PeriodicResponse ResponseFromRatio(Complex ratio, double u, double period);

// Difference a - b of two lags on the circle of the period (all in h), in
// (-period/2, period/2].
double LagDifference(double a, double b, double periodHours);

}  // namespace porvap::validation
