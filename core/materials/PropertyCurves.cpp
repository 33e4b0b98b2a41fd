#include "core/materials/PropertyCurves.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/materials/MaterialRecord.h"

namespace porvap {

namespace {

constexpr int kFullSaturation = 100;     // %, the last row of every property table
constexpr double kKMargin = 0.2;         // W/(m K), above and below the plotted conductivities
constexpr double kNoLowestK = 999.0;     // W/(m K), beaten by any conductivity
constexpr double kNoHighestK = -999.0;   // W/(m K)
constexpr float kHumidityEnd = 1.005f;   // sampling of the isotherm stops here
constexpr float kFullHumidity = 0.995f;  // a last sample short of this gets phi = 1 after it
constexpr int kFineInterval = 3;         // finer intervals label only one humidity in kLabelEvery
constexpr int kLabelEvery = 3;
constexpr double kThetaTicks = 10.0;   // tick intervals on the isotherm axis
constexpr double kCurveMargin = 0.05;  // of the plotted span, on self-scaling axes
constexpr double kFlatSpan = 1e-6;     // of the values: a span this small is a flat curve
constexpr double kFlatMargin = 0.1;    // of a flat curve's value

struct PropertyLayout {
    const char* caption;
    const char* title;
    const char* unit;
    long long factor;  // the values are shown multiplied by this
    const PropertyTable& (MaterialRecord::*table)() const;
};

constexpr std::array<PropertyLayout, PropertyCurves::kIsotherms> kProperties = {{
    {"K", "Conductivity", "W/m.K", 1, &MaterialRecord::K},
    {"DT", "Diffusivity of water vapour for moisture gradient", "m2/s.K", 1'000'000'000,
     &MaterialRecord::DT},
    {"DTeta", "Diffusivity of liquid water for the moisture gradient", "m2/s", 1'000'000,
     &MaterialRecord::DTeta},
    {"DTV", "Diffusivity of water vapour for temperature gradient", "m2/s.K", 1'000'000'000,
     &MaterialRecord::DTV},
    {"DTetaV", "Diffusivity of liquid water for temperature gradient", "m2/s", 1'000'000'000,
     &MaterialRecord::DTetaV},
}};

std::string Grouped(long long value, const std::string& separator) {
    std::string digits = std::to_string(value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), separator);
    return digits;
}

// At interval 1 the odd saturations keep a blank label, so that the even ones have room.
std::string SaturationLabel(int percent, int interval) {
    if (interval == 1 && percent % 2 != 0)
        return " ";
    return std::to_string(percent);
}

// The self-scaling axes leave room for the point markers above and below the curves; a flat
// curve gets an axis of some height with the curve in its middle.
ChartAxis FittedAxis(ChartAxis axis, double lowest, double highest) {
    const double scale = std::max(std::fabs(lowest), std::fabs(highest));
    const double span = highest - lowest;
    double margin = kCurveMargin * span;
    if (span <= kFlatSpan * scale)
        margin = scale == 0.0 ? 1.0 : kFlatMargin * scale;
    axis.minimum = lowest - margin;
    axis.maximum = highest + margin;
    return axis;
}

}  // namespace

PropertyCurves::PropertyCurves(NumberSeparators separators)
    : separators_(std::move(separators)), lowestK_(kNoLowestK), highestK_(kNoHighestK) {
    for (int page = 0; page < kPages; ++page) {
        charts_[page].name = "Chart" + std::to_string(page + 1);
        charts_[page].series.resize(kSlots);
    }
    for (int page = kK; page < kIsotherms; ++page) {
        ChartData& chart = charts_[page];
        chart.title = kProperties[page].title;
        chart.left.title = kProperties[page].unit;
        chart.bottom = {"Saturation (%)", 0.0, 100.0};
        chart.right.title = "Umidade (%)";
    }
    ChartData& isotherms = charts_[kIsotherms];
    isotherms.title = "Isotherms";
    isotherms.left.title = "Teta (m3/m3)";
    isotherms.bottom = {"Relativ humidity", 0.0, 1.0};
    isotherms.right = {"DTeta", 0.0, 1.0};
}

const char* PropertyCurves::Caption(Page page) {
    return page == kIsotherms ? "Isotherms" : kProperties[page].caption;
}

std::string PropertyCurves::FactorLabel(Page page) const {
    if (page == kIsotherms || kProperties[page].factor == 1)
        return {};
    return "x" + Grouped(kProperties[page].factor, separators_.group);
}

void PropertyCurves::Draw(const MaterialRecord& record, int slot, int interval) {
    if (slot < 0 || slot >= kSlots)
        return;
    interval = std::clamp(interval, 1, kMaxInterval);
    AddPropertyPoints(record, slot, interval);
    FitDiffusivityAxes();
    if (const IsothermTable* isotherm = record.Isotherm())
        AddIsothermPoints(*isotherm, slot, interval);
}

void PropertyCurves::Clear() {
    lowestK_ = kNoLowestK;
    highestK_ = kNoHighestK;
    for (ChartData& chart : charts_) {
        for (int slot = 0; slot < kSlots; ++slot)
            chart.Clear(slot);
    }
}

void PropertyCurves::AddPropertyPoints(const MaterialRecord& record, int slot, int interval) {
    for (int percent = 0; percent <= kFullSaturation; percent += interval)
        AddPropertyRow(record, slot, percent, SaturationLabel(percent, interval), true);
    // The last row closes every curve but leaves the conductivity axis as it is.
    if (kFullSaturation % interval != 0)
        AddPropertyRow(record, slot, kFullSaturation, {}, false);
}

void PropertyCurves::AddPropertyRow(const MaterialRecord& record, int slot, int percent,
                                    const std::string& label, bool tracked) {
    for (int page = kK; page < kIsotherms; ++page) {
        const PropertyLayout& property = kProperties[page];
        const double value = (record.*property.table)().Get(percent);
        charts_[page].Add(slot, percent, value * static_cast<double>(property.factor), label);
    }
    if (tracked)
        TrackK(record.K().Get(percent));
}

void PropertyCurves::TrackK(double k) {
    bool changed = false;
    if (k > highestK_) {
        highestK_ = k;
        changed = true;
    }
    if (k < lowestK_) {
        lowestK_ = k;
        changed = true;
    }
    if (!changed)
        return;
    ChartData& chart = charts_[kK];
    chart.left.minimum = lowestK_ - kKMargin;
    chart.left.maximum = highestK_ + kKMargin;
    chart.Touch();
}

void PropertyCurves::FitDiffusivityAxes() {
    for (int page = kDT; page < kIsotherms; ++page) {
        ChartData& chart = charts_[page];
        double lowest = std::numeric_limits<double>::infinity();
        double highest = -lowest;
        for (const ChartSeries& series : chart.series) {
            for (const ChartPoint& point : series.points) {
                lowest = std::min(lowest, point.y);
                highest = std::max(highest, point.y);
            }
        }
        if (lowest > highest)
            continue;
        chart.left = FittedAxis(chart.left, lowest, highest);
        chart.Touch();
    }
}

// Humidities are stepped in single precision, as the samples have always been taken.
void PropertyCurves::AddIsothermPoints(const IsothermTable& isotherm, int slot, int interval) {
    const float step = static_cast<float>(interval) * 0.01f;
    float last = 0.0f;
    int count = 0;
    for (float phi = 0.0f; phi < kHumidityEnd; phi += step, ++count) {
        const bool labelled = interval >= kFineInterval || count % kLabelEvery == 0;
        AddIsothermPoint(isotherm, slot, phi, labelled ? HumidityLabel(phi) : std::string());
        last = phi;
    }
    if (last < kFullHumidity)
        AddIsothermPoint(isotherm, slot, 1.0f, HumidityLabel(1.0));
}

void PropertyCurves::AddIsothermPoint(const IsothermTable& isotherm, int slot, float phi,
                                      std::string label) {
    const double theta = isotherm.MoistureAt(phi);
    ChartData& chart = charts_[kIsotherms];
    chart.Add(slot, phi, theta, std::move(label));
    if (theta <= highestTheta_ && theta >= lowestTheta_)
        return;
    highestTheta_ = std::max(highestTheta_, theta);
    lowestTheta_ = std::min(lowestTheta_, theta);
    chart.left.minimum = lowestTheta_;
    chart.left.maximum = highestTheta_;
    chart.left.increment = (highestTheta_ - lowestTheta_) / kThetaTicks;
    chart.Touch();
}

std::string PropertyCurves::HumidityLabel(double phi) const {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, phi, std::chars_format::fixed, 3).ptr;
    std::string label(text, end);
    const size_t point = label.find('.');
    if (point != std::string::npos)
        label.replace(point, 1, separators_.decimal);
    return label;
}

}  // namespace porvap
