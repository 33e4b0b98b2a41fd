#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "tools/validation/Convergence.h"
#include "tools/validation/DiffusionUptake.h"
#include "tools/validation/Harmonic.h"
#include "tools/validation/TransmissionMatrix.h"

namespace porvap::validation {
namespace {

constexpr double kDay = 86400.0;  // s
const SlabLayer kConcrete{1.6, 2.3e6, 0.15};

void ExpectNear(Complex actual, Complex expected, double relTol) {
    EXPECT_LE(std::abs(actual - expected), relTol * std::abs(expected))
        << actual << " vs " << expected;
}

// The layer matrix against EN ISO 13786's own expressions in the periodic penetration depth
// delta and xi = d / delta; the standard counts the flow the other way, so Z12 and Z21
// change sign.
TEST(TransmissionMatrix, LayerMatchesTheExpressionsOfTheStandard) {
    const double k = kConcrete.conductivity;
    const double delta = std::sqrt(kDay * k / (std::numbers::pi * kConcrete.heatCapacity));
    const double xi = kConcrete.thickness / delta;
    const double ch = std::cosh(xi), sh = std::sinh(xi), c = std::cos(xi), s = std::sin(xi);
    const TransmissionMatrix m = LayerMatrix(kConcrete, ContinuousRate(kDay));
    ExpectNear(m.m11, {ch * c, sh * s}, 1e-12);
    ExpectNear(m.m22, {ch * c, sh * s}, 1e-12);
    ExpectNear(-m.m12, -delta / (2.0 * k) * Complex(sh * c + ch * s, ch * s - sh * c), 1e-12);
    ExpectNear(-m.m21, -k / delta * Complex(sh * c - ch * s, sh * c + ch * s), 1e-12);
}

TEST(TransmissionMatrix, WallIsReciprocalAndTendsToItsResistanceAtLongPeriods) {
    const std::vector<SlabLayer> wall{{0.04, 4.35e4, 0.08}, kConcrete};
    const SurfaceFilms films{25.0, 8.0};
    const TransmissionMatrix m = WallMatrix(wall, films, ContinuousRate(kDay));
    ExpectNear(m.m11 * m.m22 - m.m12 * m.m21, 1.0, 1e-12);

    const double resistance = 1.0 / 25.0 + 0.08 / 0.04 + 0.15 / 1.6 + 1.0 / 8.0;
    EXPECT_NEAR(Transmittance(wall, films), 1.0 / resistance, 1e-12);
    const double year = 365.0 * kDay;
    EXPECT_NEAR(PeriodicReference(wall, films, year, ContinuousRate(year)).decrement, 1.0, 1e-3);
}

TEST(TransmissionMatrix, ImplicitStepRateTendsToTheContinuousOne) {
    const Complex exact = ContinuousRate(kDay);
    ExpectNear(ImplicitStepRate(kDay, 1.0), exact, 1e-4);
    // One hour: the step keeps sin(w dt) / dt of the imaginary part and adds damping.
    const Complex hourly = ImplicitStepRate(kDay, 3600.0);
    EXPECT_NEAR(hourly.imag(), std::sin(exact.imag() * 3600.0) / 3600.0, 1e-15);
    EXPECT_GT(hourly.real(), 0.0);
}

TEST(TransmissionMatrix, ResponseReadsAmplitudeAndLagFromTheRatio) {
    const double omega = 2.0 * std::numbers::pi / kDay;
    const PeriodicResponse r = ResponseFromRatio(std::polar(2.0, -omega * 5.0 * 3600.0), 4.0, kDay);
    EXPECT_DOUBLE_EQ(r.transmittance, 2.0);
    EXPECT_DOUBLE_EQ(r.decrement, 0.5);
    EXPECT_NEAR(r.lag, 5.0, 1e-12);
    // A flow ahead of the temperature lags by most of a period.
    EXPECT_NEAR(ResponseFromRatio(std::polar(1.0, omega * 3600.0), 1.0, kDay).lag, 23.0, 1e-12);
    EXPECT_NEAR(LagDifference(23.5, 0.5, 24.0), -1.0, 1e-12);
    EXPECT_NEAR(LagDifference(0.5, 23.5, 24.0), 1.0, 1e-12);
    EXPECT_NEAR(LagDifference(6.0, 6.0, 24.0), 0.0, 1e-12);
}

TEST(Harmonic, FundamentalOfASampledCosine) {
    std::vector<double> samples;
    for (int k = 0; k < 96; ++k)
        samples.push_back(3.0 + 2.5 * std::cos(2.0 * std::numbers::pi * k / 96.0 + 0.7) +
                          0.4 * std::cos(6.0 * std::numbers::pi * k / 96.0));
    const Complex f = Fundamental(samples);
    EXPECT_NEAR(std::abs(f), 2.5, 1e-12);
    EXPECT_NEAR(std::arg(f), 0.7, 1e-12);
    EXPECT_EQ(Fundamental({}), Complex(0.0));
}

TEST(DiffusionUptake, StiffSurfaceGivesTheErfcProfile) {
    const double d = 1e-8, t = 86400.0;
    for (const double x : {0.0, 0.01, 0.05, 0.1}) {
        EXPECT_NEAR(UptakeFraction(x, t, d, 1e9), std::erfc(x / (2.0 * std::sqrt(d * t))), 1e-6);
        EXPECT_DOUBLE_EQ(UptakeFraction(x, t, d, kFixedSurface),
                         std::erfc(x / (2.0 * std::sqrt(d * t))));
    }
}

// The surface value and the total uptake of the Robin solution have closed forms of their
// own: u(0) = 1 - exp(b^2) erfc(b) and
// M / (u_air - u0) = (exp(b^2) erfc(b) - 1) / h + 2 sqrt(Dt / pi), b = h sqrt(Dt).
TEST(DiffusionUptake, RobinProfileHasTheSurfaceValueAndUptakeOfItsClosedForms) {
    const double d = 1e-8, t = 3.0 * 86400.0, h = 47.0;
    const double b = h * std::sqrt(d * t);
    EXPECT_NEAR(UptakeFraction(0.0, t, d, h), 1.0 - ScaledErfc(b), 1e-14);
    const double dx = 1e-5;
    double uptake = 0.0;
    for (double x = 0.0; x < 0.5; x += dx)
        uptake += 0.5 * dx * (UptakeFraction(x, t, d, h) + UptakeFraction(x + dx, t, d, h));
    const double expected = (ScaledErfc(b) - 1.0) / h + 2.0 * std::sqrt(d * t / std::numbers::pi);
    EXPECT_NEAR(uptake, expected, 1e-8);
}

// Past z = 26 the series takes over; just above, the direct product is still finite.
TEST(DiffusionUptake, ScaledErfcSeriesMatchesTheDirectProduct) {
    for (const double z : {26.0, 26.2, 26.4}) {
        const double direct = std::exp(z * z) * std::erfc(z);
        EXPECT_NEAR(ScaledErfc(z), direct, 1e-12 * direct) << z;
    }
    EXPECT_DOUBLE_EQ(ScaledErfc(0.0), 1.0);
    EXPECT_TRUE(std::isfinite(UptakeFraction(0.0, 1e9, 1e-6, 1e6)));
    EXPECT_NEAR(UptakeFraction(0.0, 1e9, 1e-6, 1e6), 1.0, 1e-6);
}

TEST(Convergence, SecondOrderSequenceGivesOrderTwoAndItsLimit) {
    auto load = [](double h) { return 100.0 + 3.0 * h * h; };
    const std::vector<double> coarseToFine{load(8.0), load(4.0), load(2.0), load(1.0)};
    const Refinement r = ObservedOrder(coarseToFine);
    ASSERT_TRUE(r.defined);
    EXPECT_NEAR(r.order, 2.0, 1e-12);
    EXPECT_NEAR(r.extrapolated, 100.0, 1e-10);
}

TEST(Convergence, OscillatingStagnantOrShortSequencesHaveNoOrder) {
    EXPECT_FALSE(ObservedOrder(1.0, 2.0, 1.5).defined);
    EXPECT_FALSE(ObservedOrder(1.0, 1.0, 1.0).defined);
    EXPECT_FALSE(ObservedOrder(std::vector<double>{1.0, 2.0}).defined);
    EXPECT_FALSE(ObservedOrder(std::vector<double>{}).defined);
    // Differences that grow give a negative order, which is reported, not hidden.
    EXPECT_NEAR(ObservedOrder(1.0, 1.1, 1.3).order, -1.0, 1e-12);
}

}  // namespace
}  // namespace porvap::validation
