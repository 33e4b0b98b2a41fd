#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace porvap {

// The psychrometric chart spans 0..50 degC across and 0..30 g/kg up, at one total pressure.
inline constexpr double kChartPressure = 101125.0;    // Pa
inline constexpr double kChartMaxTemperature = 50.0;  // degC
inline constexpr double kChartMaxHumidity = 30.0;     // g/kg
inline constexpr std::size_t kMaxChartPoints = 8760;  // one year of hours
inline constexpr int kChartHumidityRows = 10;         // 10, 20, ..., 100 %
inline constexpr int kChartTemperatures = 51;         // 0, 1, ..., 50 degC
inline constexpr int kChartWetBulbLines = 9;          // 0, 5, ..., 40 degC
inline constexpr int kChartHumidityLines = 30;        // 1, 2, ..., 30 g/kg

// One hour of a climate file as the chart plots it.
struct PsychroPoint {
    float temperature = 0.0f;    // degC, dry bulb
    float humidityRatio = 0.0f;  // g/kg
};

// Margins and plot rectangle of a chart drawn on width x height pixels.
struct ChartGeometry {
    int width = 0, height = 0;                     // px
    int left = 0, right = 0, top = 0, bottom = 0;  // margins, px
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;            // plot rectangle, px
    int plotWidth = 0, plotHeight = 0;             // px

    // Pixel column of a dry-bulb temperature t, degC.
    double X(double t) const { return x0 + t / kChartMaxTemperature * plotWidth; }
    // Pixel row of a humidity ratio w, g/kg (rows grow downwards).
    double Y(double w) const { return y1 - w / kChartMaxHumidity * plotHeight; }
};

ChartGeometry MakeChartGeometry(int width, int height);

// A line of constant wet-bulb temperature, from the saturation curve to the edge of the plot:
// the bottom edge (endHumidity 0) or, when it would leave the plot there, the right edge.
struct WetBulbLine {
    double wetBulb = 0.0;         // degC
    double startHumidity = 0.0;   // kg/kg, saturated at the wet-bulb temperature
    double endTemperature = 0.0;  // degC
    double endHumidity = 0.0;     // kg/kg
};

struct PsychroTables {
    // humidityRatio[r][t], kg/kg: relative humidity 10 (r + 1) % at t degC.
    std::array<std::array<double, kChartTemperatures>, kChartHumidityRows> humidityRatio{};
    std::array<WetBulbLine, kChartWetBulbLines> wetBulbLines{};
    // dewPoint[k - 1], degC: dew point of k g/kg.
    std::array<double, kChartHumidityLines> dewPoint{};
};

PsychroTables ComputePsychroTables(double totalPressure);

// The hours of an external climate file, one per line (dry-bulb temperature and relative
// humidity fraction lead every layout), at most kMaxChartPoints. Lines that do not start
// with two numbers are not hours and are passed over. nullopt when the file cannot be opened.
std::optional<std::vector<PsychroPoint>> ReadPsychroPoints(const std::string& path);

}  // namespace porvap
