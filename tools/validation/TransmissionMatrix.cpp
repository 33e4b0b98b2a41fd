#include "tools/validation/TransmissionMatrix.h"

#include <cmath>
#include <numbers>

namespace porvap::validation {

TransmissionMatrix operator*(const TransmissionMatrix& a, const TransmissionMatrix& b) {
    return {a.m11 * b.m11 + a.m12 * b.m21, a.m11 * b.m12 + a.m12 * b.m22,
            a.m21 * b.m11 + a.m22 * b.m21, a.m21 * b.m12 + a.m22 * b.m22};
}

TransmissionMatrix LayerMatrix(const SlabLayer& layer, Complex s) {
    const double k = layer.conductivity;
    const double d = layer.thickness;
    if (s == 0.0)
        return {1.0, d / k, 0.0, 1.0};
    const Complex gamma = std::sqrt(s * layer.heatCapacity / k);  // 1/m
    const Complex cosh = std::cosh(gamma * d);
    const Complex sinh = std::sinh(gamma * d);
    return {cosh, sinh / (k * gamma), k * gamma * sinh, cosh};
}

TransmissionMatrix FilmMatrix(double coefficient) {
    return {1.0, 1.0 / coefficient, 0.0, 1.0};
}

TransmissionMatrix WallMatrix(const std::vector<SlabLayer>& layers, const SurfaceFilms& films,
                              Complex s) {
    TransmissionMatrix wall = FilmMatrix(films.external);
    for (const SlabLayer& layer : layers)
        wall = wall * LayerMatrix(layer, s);
    return wall * FilmMatrix(films.internal);
}

double Transmittance(const std::vector<SlabLayer>& layers, const SurfaceFilms& films) {
    return 1.0 / WallMatrix(layers, films, 0.0).m12.real();
}

Complex ContinuousRate(double period) {
    return {0.0, 2.0 * std::numbers::pi / period};
}

Complex ImplicitStepRate(double period, double dt) {
    const double omega = 2.0 * std::numbers::pi / period;
    return (1.0 - std::exp(Complex(0.0, -omega * dt))) / dt;
}

PeriodicResponse ResponseFromRatio(Complex ratio, double u, double period) {
    const double omega = 2.0 * std::numbers::pi / period;
    double lag = -std::arg(ratio) / omega;
    if (lag < 0.0)
        lag += period;
    return {std::abs(ratio), std::abs(ratio) / u, lag / 3600.0};
}

PeriodicResponse PeriodicReference(const std::vector<SlabLayer>& layers, const SurfaceFilms& films,
                                   double period, Complex rate) {
    // With the room held constant, the flow into it is the outdoor temperature over M12.
    const Complex ratio = 1.0 / WallMatrix(layers, films, rate).m12;
    return ResponseFromRatio(ratio, Transmittance(layers, films), period);
}

double LagDifference(double a, double b, double periodHours) {
    double d = std::fmod(a - b, periodHours);
    if (d > periodHours / 2.0)
        d -= periodHours;
    if (d <= -periodHours / 2.0)
        d += periodHours;
    return d;
}

}  // namespace porvap::validation
