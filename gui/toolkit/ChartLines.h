#pragma once

#include <QLineSeries>

#include "core/common/ChartData.h"

namespace porvap {

// Series with at most this many points show a marker at each point.
inline constexpr int kMarkedPoints = 30;

// Colour by position in the chart; series on the right axis are dashed.
void StyleLine(QLineSeries& line, int index, bool rightAxis);

// Brings line up to series: the points added since the last call are appended; when the drawn
// points are no longer the first of series (cleared, refilled or changed), all are replaced.
void SyncLine(QLineSeries& line, const ChartSeries& series);

}  // namespace porvap
