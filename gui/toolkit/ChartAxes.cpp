#include "gui/toolkit/ChartAxes.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace porvap {

namespace {

// Steps between ticks aimed at when the data leaves the spacing to the view.
constexpr double kPreferredSteps = 6.0;
// Share of the range within which a tick counts as lying on the maximum.
constexpr double kRoundingSlack = 1e-9;

// 1, 2 or 5 times a power of ten, at least raw.
double RoundStep(double raw) {
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw * (1.0 - 1e-9))
            return factor * power;
    }
    return 10.0 * power;
}

bool WholeAt(double value, int decimals) {
    const double scaled = value * std::pow(10.0, decimals);
    return std::fabs(scaled - std::round(scaled)) <= 1e-6 * std::max(1.0, std::fabs(scaled));
}

// Enough decimals to write anchor and interval exactly, or about three figures of the interval
// when they have no short form (a range split in elevenths).
int Decimals(double anchor, double interval) {
    const int most = std::clamp(2 - static_cast<int>(std::floor(std::log10(interval))), 0, 6);
    for (int decimals = 0; decimals < most; ++decimals) {
        if (WholeAt(anchor, decimals) && WholeAt(interval, decimals))
            return decimals;
    }
    return most;
}

// The chart lays ticks by adding the interval to the anchor while the sum stays within the
// range: a range split in, say, elevenths would lose its last tick to rounding, so the
// maximum moves out to that sum.
double MaximumWithLastTick(const AxisTicks& ticks) {
    double value = ticks.anchor;
    while (value <= ticks.maximum)
        value += ticks.interval;
    const bool onMaximum =
        value - ticks.maximum <= kRoundingSlack * (ticks.maximum - ticks.minimum);
    return onMaximum ? value : ticks.maximum;
}

}  // namespace

AxisTicks ChooseTicks(const ChartAxis& axis, int room) {
    AxisTicks ticks;
    if (std::isfinite(axis.minimum) && std::isfinite(axis.maximum)) {
        ticks.minimum = axis.minimum;
        ticks.maximum = axis.maximum;
    }
    if (!(ticks.maximum > ticks.minimum))
        ticks.maximum = ticks.minimum + std::max(1.0, std::fabs(ticks.minimum));
    const double span = ticks.maximum - ticks.minimum;
    const double steps = std::clamp(room, 2, kMaxTicks) - 1.0;
    const bool usable =
        std::isfinite(axis.increment) && axis.increment > 0.0 && span / axis.increment <= kMaxTicks;
    if (usable) {
        ticks.interval = axis.increment;
        ticks.anchor = ticks.minimum;
        ticks.decimals = Decimals(ticks.anchor, ticks.interval);
        // Too little room: every second, fifth, tenth ... tick of the data's spacing.
        if (span / ticks.interval > steps)
            ticks.interval *= RoundStep(span / ticks.interval / steps);
    } else {
        ticks.interval = RoundStep(span / std::min(kPreferredSteps, steps));
        ticks.anchor = ticks.interval * std::ceil(ticks.minimum / ticks.interval);
        ticks.decimals = Decimals(ticks.anchor, ticks.interval);
    }
    ticks.maximum = MaximumWithLastTick(ticks);
    return ticks;
}

QString LabelFormat(int decimals) {
    return QString("%.%1f").arg(decimals);
}

int LabelRoom(const QValueAxis& view, const AxisTicks& ticks, double length) {
    const QFontMetricsF metrics(view.labelsFont());
    double extent = metrics.height();
    if (view.orientation() == Qt::Horizontal) {
        for (double value : {ticks.minimum, ticks.maximum}) {
            const QString label = QString::number(value, 'f', ticks.decimals);
            extent = std::max(extent, metrics.horizontalAdvance(label));
        }
    }
    return static_cast<int>(std::min(length / (extent + kLabelGap), double(kMaxTicks))) + 1;
}

void ApplyAxis(QValueAxis& view, const ChartAxis& axis, double length) {
    AxisTicks ticks = ChooseTicks(axis);
    if (length > 0.0)
        ticks = ChooseTicks(axis, LabelRoom(view, ticks, length));
    view.setTitleText(QString::fromStdString(axis.title));
    view.setRange(ticks.minimum, ticks.maximum);
    view.setTickType(QValueAxis::TicksDynamic);
    view.setTickAnchor(ticks.anchor);
    view.setTickInterval(ticks.interval);
    view.setLabelFormat(LabelFormat(ticks.decimals));
}

}  // namespace porvap
