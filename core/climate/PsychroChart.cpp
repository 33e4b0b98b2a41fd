#include "core/climate/PsychroChart.h"

#include <cstdio>

#include "core/climate/Psychrometrics.h"
#include "core/common/TextFiles.h"

namespace porvap {

namespace {

constexpr double kWetBulbStep = 5.0;         // degC between wet-bulb lines
constexpr double kDewSearchStart = 10.0;     // degC, start of the search for 1 g/kg
constexpr double kDewSearchStartStep = 1.5;  // degC more per further g/kg

// The next line without its terminator; false once the file has no more lines.
bool ReadLine(std::FILE* file, std::string& line) {
    line.clear();
    int c = 0;
    while ((c = std::getc(file)) != EOF && c != '\n')
        line.push_back(static_cast<char>(c));
    return c != EOF || !line.empty();
}

WetBulbLine MakeWetBulbLine(double wetBulb, double totalPressure) {
    WetBulbLine line;
    line.wetBulb = wetBulb;
    line.startHumidity = WetBulbHumidityRatio(wetBulb, wetBulb, totalPressure);
    line.endTemperature =
        wetBulb + (2501.0 - 2.381 * wetBulb) * SaturatedHumidityRatio(wetBulb, totalPressure);
    if (line.endTemperature > kChartMaxTemperature) {
        line.endTemperature = kChartMaxTemperature;
        line.endHumidity = WetBulbHumidityRatio(kChartMaxTemperature, wetBulb, totalPressure);
    }
    return line;
}

}  // namespace

ChartGeometry MakeChartGeometry(int width, int height) {
    ChartGeometry g;
    g.width = width;
    g.height = height;
    g.left = static_cast<int>(0.2 * width);
    g.right = static_cast<int>(0.1 * width);
    g.top = static_cast<int>(0.05 * height);
    g.bottom = static_cast<int>(0.2 * height);
    g.x0 = g.left;
    g.x1 = width - g.right;
    g.y0 = g.top;
    g.y1 = height - g.bottom;
    g.plotWidth = width - (g.right + g.left);
    g.plotHeight = height - (g.top + g.bottom);
    return g;
}

PsychroTables ComputePsychroTables(double totalPressure) {
    PsychroTables tables;
    for (int row = 0; row < kChartHumidityRows; ++row)
        for (int t = 0; t < kChartTemperatures; ++t)
            tables.humidityRatio[row][t] = HumidityRatio(t, 10.0 * (row + 1), totalPressure);
    for (int line = 0; line < kChartWetBulbLines; ++line)
        tables.wetBulbLines[line] = MakeWetBulbLine(kWetBulbStep * line, totalPressure);
    for (int k = 1; k <= kChartHumidityLines; ++k)
        tables.dewPoint[k - 1] = DewPointSearch(k / 1000.0, totalPressure,
                                                kDewSearchStart + kDewSearchStartStep * (k - 1));
    return tables;
}

std::optional<std::vector<PsychroPoint>> ReadPsychroPoints(const std::string& path) {
    const FileHandle file = OpenDataFile(path);
    if (!file)
        return std::nullopt;
    std::vector<PsychroPoint> points;
    std::string line;
    while (points.size() < kMaxChartPoints && ReadLine(file.get(), line)) {
        float temperature = 0.0f;  // degC
        float humidity = 0.0f;     // fraction
        if (std::sscanf(line.c_str(), "%f %f", &temperature, &humidity) != 2)
            continue;
        const double ratio = HumidityRatio(temperature, 100.0 * humidity, kChartPressure);
        points.push_back({temperature, static_cast<float>(1000.0 * ratio)});
    }
    return points;
}

}  // namespace porvap
