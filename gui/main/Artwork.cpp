#include "gui/main/Artwork.h"

#include <algorithm>
#include <iterator>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace porvap {
namespace {

// Pictures smaller than this lose the mortar joints and the fibre hatching.
constexpr int kDetailedHeight = 40;

struct WallLayer {
    double left;   // fraction of the picture width
    double right;  // fraction of the picture width
    QColor colour;
};

// Brick outside, insulation, plaster inside.
constexpr double kWallLeft = 0.22;
constexpr double kWallRight = 0.78;
const WallLayer kLayers[] = {
    {kWallLeft, 0.47, QColor(176, 82, 60)},
    {0.47, 0.64, QColor(232, 208, 104)},
    {0.64, kWallRight, QColor(222, 216, 202)},
};

QPointF At(const QRectF& area, double x, double y) {
    return {area.left() + x * area.width(), area.top() + y * area.height()};
}

QRectF Band(const QRectF& area, double left, double right) {
    return QRectF(At(area, left, 0.0), At(area, right, 1.0));
}

// Cool summer-night blue outside on the left, warm room colour inside on the right.
void DrawSurroundings(QPainter& painter, const QRectF& area) {
    QLinearGradient outside(At(area, 0.0, 0.0), At(area, 0.0, 1.0));
    outside.setColorAt(0.0, QColor(120, 170, 220));
    outside.setColorAt(1.0, QColor(200, 225, 245));
    painter.fillRect(Band(area, 0.0, kWallLeft), outside);
    painter.fillRect(Band(area, kWallRight, 1.0), QColor(250, 238, 214));
}

void DrawMortarJoints(QPainter& painter, const QRectF& brick) {
    painter.setPen(QPen(QColor(225, 215, 200), 1.0));
    const double course = brick.height() / 8.0;
    for (int row = 1; row < 8; ++row) {
        const double y = brick.top() + row * course;
        painter.drawLine(QPointF(brick.left(), y), QPointF(brick.right(), y));
    }
}

void DrawFibres(QPainter& painter, const QRectF& insulation) {
    painter.setPen(QPen(QColor(190, 160, 60), 1.0));
    const double pitch = insulation.height() / 10.0;
    for (int row = 0; row < 10; ++row) {
        const double y = insulation.top() + (row + 0.5) * pitch;
        QPainterPath wave(QPointF(insulation.left(), y));
        wave.cubicTo(insulation.left() + insulation.width() / 3, y - pitch / 2,
                     insulation.left() + 2 * insulation.width() / 3, y + pitch / 2,
                     insulation.right(), y);
        painter.drawPath(wave);
    }
}

void DrawLayers(QPainter& painter, const QRectF& area, bool detailed) {
    for (const WallLayer& layer : kLayers) {
        painter.fillRect(Band(area, layer.left, layer.right), layer.colour);
    }
    if (detailed) {
        DrawMortarJoints(painter, Band(area, kLayers[0].left, kLayers[0].right));
        DrawFibres(painter, Band(area, kLayers[1].left, kLayers[1].right));
    }
    painter.setPen(QPen(QColor(70, 60, 50), detailed ? 1.5 : 1.0));
    for (const WallLayer& layer : kLayers) {
        painter.drawLine(At(area, layer.left, 0.0), At(area, layer.left, 1.0));
    }
    painter.drawLine(At(area, kWallRight, 0.0), At(area, kWallRight, 1.0));
}

// Hot outside, cooler room; the insulation takes most of the drop.
void DrawTemperature(QPainter& painter, const QRectF& area, double width) {
    const QPointF points[] = {At(area, 0.0, 0.16),        At(area, kWallLeft, 0.24),
                              At(area, 0.47, 0.34),       At(area, 0.64, 0.66),
                              At(area, kWallRight, 0.70), At(area, 1.0, 0.74)};
    painter.setPen(QPen(QColor(210, 30, 30), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(points, static_cast<int>(std::size(points)));
}

// Wet brick, dry insulation, a little moisture in the plaster.
void DrawMoisture(QPainter& painter, const QRectF& area, double width) {
    QPainterPath path(At(area, kWallLeft, 0.62));
    path.quadTo(At(area, 0.30, 0.40), At(area, 0.47, 0.74));
    path.lineTo(At(area, 0.64, 0.90));
    path.quadTo(At(area, 0.71, 0.80), At(area, kWallRight, 0.84));
    painter.setPen(QPen(QColor(30, 80, 200), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

}  // namespace

QPixmap WallPicture(QSize size) {
    QPixmap picture(size);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    const bool detailed = size.height() >= kDetailedHeight;
    const double lineWidth = std::max(1.5, size.height() / 28.0);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawSurroundings(painter, area);
    DrawLayers(painter, area, detailed);
    DrawTemperature(painter, area, lineWidth);
    DrawMoisture(painter, area, lineWidth);
    painter.setPen(QPen(QColor(60, 60, 60), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    return picture;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(WallPicture(QSize(side, side)));
    }
    return icon;
}

}  // namespace porvap
