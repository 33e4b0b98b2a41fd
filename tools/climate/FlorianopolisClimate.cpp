#include "tools/climate/FlorianopolisClimate.h"

// Every figure below was computed from the INMET typical year of Florianopolis, station
// 838970 (file BRA_SC_Florianopolis.838970_INMET.epw: INMET data 2001-2010, typical year by
// M. Roriz, ANTAC, distributed by Climate.OneBuilding.Org). The file itself is not part of
// the project; docs/data-sources.md describes how each figure was obtained, and
// compare_climate recomputes the monthly ones from it.
// EPW hour h covers h-1:00 to h:00, so it is hour h-1 here.

namespace porvap::datagen {

namespace {

// Monthly means of the hourly dry-bulb temperature, of the daily maximum minus minimum, of the
// hourly relative humidity, of the daily global horizontal sum; standard deviation of the
// daily clearness index (daily sum over the extraterrestrial sum of SolarPosition); mean wind
// speed; most frequent of eight 45-degree wind sectors.
constexpr std::array<MonthlyFigures, 12> kMonths = {{
    {24.29, 6.33, 0.752, 5218.0, 0.132, 2.30, 0.0},
    {24.19, 7.42, 0.739, 5608.0, 0.124, 2.44, 180.0},
    {23.58, 7.17, 0.742, 4606.0, 0.169, 2.38, 180.0},
    {22.29, 7.68, 0.752, 3755.0, 0.172, 2.13, 0.0},
    {19.44, 8.80, 0.737, 3160.0, 0.119, 1.86, 270.0},
    {18.65, 6.98, 0.819, 2330.0, 0.192, 1.88, 0.0},
    {17.54, 6.56, 0.797, 2145.0, 0.181, 2.12, 180.0},
    {16.44, 8.31, 0.714, 3700.0, 0.155, 2.42, 0.0},
    {17.84, 6.91, 0.752, 4012.0, 0.164, 2.76, 0.0},
    {21.25, 6.06, 0.737, 4726.0, 0.156, 3.13, 0.0},
    {22.22, 7.21, 0.708, 5304.0, 0.187, 2.94, 0.0},
    {23.44, 6.82, 0.720, 4911.0, 0.149, 2.81, 180.0},
}};

// Daily figures are deviations from the monthly means, pooled over the year; hourly ones are
// deviations from the day's own mean. Lags are lag-one autocorrelations.
constexpr Variability kVariability = {
    .temperatureSd = 1.87,
    .temperatureLag1 = 0.65,
    .humiditySd = 0.072,
    .humidityLag1 = 0.42,
    .humidityClearness = -0.56,
    .clearnessLag1 = 0.28,
    .rangeSd = 2.43,
    .rangeClearness = 0.62,
    .windSd = 0.31,  // log-normal spread of a daily factor whose relative spread is 0.32
    .windLag1 = 0.17,
    .windHourlySd = 0.56,
    .windHourlyLag1 = 0.53,
    .directionSd = 107.0,  // the daily vector-mean direction about the prevailing sector
    .directionLag1 = 0.32,
    .directionHourlySd = 67.0,
    .hourlyClearnessSd = 0.23,  // hours with more than 200 W/m2 extraterrestrial
    .hourlyClearnessLag1 = 0.78,
};

// Mean over the year of (T - daily mean) / daily range, rescaled to span one. The maximum
// comes at 10-11 h, earlier than inland: the sea breeze caps the afternoon.
constexpr std::array<double, 24> kTemperatureShape = {
    -0.399, -0.431, -0.459, -0.461, -0.381, -0.136, 0.090,  0.270,  0.405,  0.492,  0.539,  0.534,
    0.475,  0.379,  0.265,  0.146,  0.063,  -0.009, -0.076, -0.137, -0.198, -0.271, -0.328, -0.374};

// Mean wind speed of each hour over the yearly mean.
constexpr std::array<double, 24> kWindShape = {
    0.608, 0.575, 0.570, 0.578, 0.589, 0.715, 0.842, 1.006, 1.149, 1.286, 1.444, 1.555,
    1.575, 1.585, 1.539, 1.422, 1.245, 1.115, 0.935, 0.856, 0.763, 0.722, 0.683, 0.644};

constexpr std::uint64_t kSeed = 838970;  // the station number

}  // namespace

ClimateFigures FlorianopolisClimate() {
    return {{-27.60, -48.55, -3.0}, kMonths, kVariability, kTemperatureShape, kWindShape, kSeed};
}

}  // namespace porvap::datagen
