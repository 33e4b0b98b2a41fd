#pragma once

#include <QString>
#include <QValueAxis>

#include "core/common/ChartData.h"

namespace porvap {

// How a value axis is drawn: a usable range whatever the data holds, and ticks that neither
// crowd the axis nor stray from the data's own spacing when it has one.
struct AxisTicks {
    double minimum = 0.0;
    double maximum = 1.0;
    double anchor = 0.0;    // a tick sits here
    double interval = 1.0;  // between ticks
    int decimals = 0;       // of the tick labels
};

// More ticks than this would only blur the axis (and cost a long paint).
inline constexpr int kMaxTicks = 100;
// Free space between neighbouring axis labels, in pixels.
inline constexpr double kLabelGap = 6.0;

// room: how many tick labels the axis has space for.
AxisTicks ChooseTicks(const ChartAxis& axis, int room = kMaxTicks);
QString LabelFormat(int decimals);

// How many tick labels of view fit along length pixels.
int LabelRoom(const QValueAxis& view, const AxisTicks& ticks, double length);

// Title, range and ticks of view from the data's axis, with no more tick labels than fit
// along length pixels (0: length unknown).
void ApplyAxis(QValueAxis& view, const ChartAxis& axis, double length = 0.0);

}  // namespace porvap
