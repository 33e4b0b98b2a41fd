#include "gui/toolkit/ChartLines.h"

#include <QColor>
#include <QList>
#include <QPen>
#include <QPointF>
#include <algorithm>
#include <array>
#include <cmath>

namespace porvap {

namespace {

constexpr double kLineWidth = 2.0;   // pixels
constexpr double kMarkerSize = 5.0;  // pixels

const std::array<QColor, 8> kPalette = {
    QColor(31, 119, 180),  QColor(214, 39, 40), QColor(44, 160, 44),  QColor(255, 127, 14),
    QColor(148, 103, 189), QColor(140, 86, 75), QColor(23, 190, 207), QColor(127, 127, 127),
};

// Equal, counting an undefined value as equal to another: such points are drawn as they are.
bool Same(double drawn, double value) {
    return drawn == value || (std::isnan(drawn) && std::isnan(value));
}

bool StartsWithDrawn(const QLineSeries& line, const std::vector<ChartPoint>& points) {
    const QList<QPointF> drawn = line.points();
    if (static_cast<size_t>(drawn.size()) > points.size())
        return false;
    for (qsizetype i = 0; i < drawn.size(); ++i) {
        if (!Same(drawn[i].x(), points[i].x) || !Same(drawn[i].y(), points[i].y))
            return false;
    }
    return true;
}

QList<QPointF> PointsFrom(const std::vector<ChartPoint>& points, size_t first) {
    QList<QPointF> list;
    list.reserve(static_cast<qsizetype>(points.size() - first));
    for (size_t i = first; i < points.size(); ++i)
        list.append(QPointF(points[i].x, points[i].y));
    return list;
}

}  // namespace

void StyleLine(QLineSeries& line, int index, bool rightAxis) {
    QPen pen(kPalette[static_cast<size_t>(index) % kPalette.size()], kLineWidth);
    pen.setStyle(rightAxis ? Qt::DashLine : Qt::SolidLine);
    line.setPen(pen);
    line.setMarkerSize(kMarkerSize);
}

void SyncLine(QLineSeries& line, const ChartSeries& series) {
    const size_t drawn = static_cast<size_t>(line.count());
    const size_t added = series.points.size() - std::min(drawn, series.points.size());
    // The chart lays out the whole line again for every point appended, and once for a
    // replacement: past one new point, replacing is the cheaper way to extend the line.
    if (!StartsWithDrawn(line, series.points) || added > 1)
        line.replace(PointsFrom(series.points, 0));
    else if (added == 1)
        line.append(PointsFrom(series.points, drawn));
    line.setPointsVisible(series.points.size() <= static_cast<size_t>(kMarkedPoints));
}

}  // namespace porvap
