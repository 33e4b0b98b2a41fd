#pragma once

#include <vector>

#include <QColor>

#include "core/climate/PsychroChart.h"

class QPainter;

namespace porvap {

// Draws the psychrometric chart on the geometry's width x height pixels of the painter's
// device: the background, the saturation curve and the humidity-ratio lines in white, the
// relative-humidity curves in red, wet-bulb lines, scales and titles in black, and every
// point as a small circle. Text starts from the painter's current font.
void PaintPsychroChart(QPainter& painter, const ChartGeometry& geometry,
                       const PsychroTables& tables, const std::vector<PsychroPoint>& points,
                       const QColor& background);

}  // namespace porvap
