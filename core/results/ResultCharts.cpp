#include "core/results/ResultCharts.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace porvap {

namespace {

ChartData MakeChart(std::string name, std::string title, std::vector<ChartSeries> series,
                    ChartAxis left, ChartAxis right, ChartAxis bottom) {
    ChartData chart;
    chart.name = std::move(name);
    chart.title = std::move(title);
    chart.series = std::move(series);
    chart.left = std::move(left);
    chart.right = std::move(right);
    chart.bottom = std::move(bottom);
    return chart;
}

const ChartAxis kTemperature{"Temperature (oC)", 20.0, 40.0};
const ChartAxis kMoisture{"Moisture (% vol)", 0.0, 10.0};
const ChartAxis kMonths{"Month", 1.0, 12.0, 1.0};
const ChartAxis kEnergy{"Heat (kJ/m2)", 20.0, 40.0};
const ChartAxis kLatentShare{"Latent heat (%)", 0.0, 10.0};

std::vector<ChartSeries> TemperatureAndMoisture() {
    return {{"Temperature (oC)", false, {}}, {"Moisture (g/kg)", true, {}}};
}

std::vector<ChartSeries> EnergySeries() {
    return {{"Total heat (kW/m2)", false, {}}, {"Latent heat (%)", true, {}}};
}

}  // namespace

std::array<ChartData, 6> MakeResultCharts() {
    return {
        MakeChart("Chart1", "Average temperature and moisture content", TemperatureAndMoisture(),
                  kTemperature, kMoisture, kMonths),
        MakeChart("Chart2", "Profiles of temperature and moisture content",
                  TemperatureAndMoisture(), kTemperature, kMoisture,
                  {"Sections of the building elements", 0.0, 10.0, 1.0}),
        MakeChart("Chart4", "Temperature and moisture content in time series",
                  {{"Temp. external face", false, {}},
                   {"Temp. mid point", false, {}},
                   {"Temp. internal face", false, {}},
                   {"Umid. external face", true, {}},
                   {"Umid. mid point", true, {}},
                   {"Umid. internal face", true, {}}},
                  kTemperature, kMoisture, {"Points", 1.0, 50.0, 1.0}),
        MakeChart("Chart5", "Average monthly heat gain and percentage of latent heat",
                  EnergySeries(), kEnergy, kLatentShare, kMonths),
        MakeChart("Chart3", "Average monthly heat loss and percentage of latent heat",
                  EnergySeries(), kEnergy, kLatentShare, kMonths),
        MakeChart("Chart6", "Flows of heat and mass",
                  {{"Latent heat (kW/m2)", false, {}},
                   {"Sensible heat (kW/m2)", false, {}},
                   {"Mass (mg/m2.seg)", true, {}}},
                  {"Heat flow (W/m2)", -30.0, 30.0}, {"Mass (mg/m2.s)", -2.0, 2.0, 0.5},
                  {"Points", 1.0, 12.0, 1.0}),
    };
}

void SetAxis(ChartData& chart, ChartAxis& axis, const AxisRange& range) {
    axis.minimum = range.minimum;
    axis.maximum = range.maximum;
    axis.increment = range.increment;
    chart.Touch();
}

AxisRange MarginAxis(double low, double high) {
    const double minimum = std::floor(low - 1.0);
    const double maximum = std::ceil(high + 1.0);
    return {minimum, maximum, 0.1 * (maximum - minimum)};
}

AxisRange FlowAxis(double low, double high) {
    double minimum = 10.0 * std::floor(0.1 * std::floor(low));
    double maximum = 10.0 * std::floor(0.1 * std::ceil(high + 10.0));
    if (std::fabs(minimum) <= std::fabs(maximum))
        minimum = -maximum;
    else
        maximum = -minimum;
    return {minimum, maximum, 0.125 * std::trunc(maximum - minimum)};
}

AxisRange EnergyAxis(double lowTotal, double highTotal) {
    const double minimum = 100.0 * std::floor(0.01 * std::floor(0.001 * lowTotal));
    const double maximum = 100.0 * std::floor(0.01 * std::ceil(0.001 * highTotal + 100.0));
    return {minimum, maximum, (maximum - minimum) / 11.0};
}

bool Extend(double& maximum, double& minimum, double value) {
    bool moved = false;
    if (value > maximum) {
        maximum = value;
        moved = true;
    }
    if (value < minimum) {
        minimum = value;
        moved = true;
    }
    return moved;
}

int FlowLabelSpacing(int capacity) {
    int spacing = 2;
    if (capacity > 46)
        spacing += capacity / 45;
    if (capacity > 137)
        spacing *= 2;
    return spacing;
}

}  // namespace porvap
