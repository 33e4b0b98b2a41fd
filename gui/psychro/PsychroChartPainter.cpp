#include "gui/psychro/PsychroChartPainter.h"

#include <algorithm>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

namespace porvap {

namespace {

constexpr int kScaleFontPoints = 7;
constexpr int kScaleStep = 5;         // degC and g/kg between ticks
constexpr double kPointRadius = 2.0;  // px
constexpr int kSaturationRow = kChartHumidityRows - 1;

// Text whose top-left corner sits at `at`, turned counter-clockwise by `degrees` about it.
void TextAt(QPainter& painter, QPointF at, const QString& text, double degrees = 0.0) {
    painter.save();
    painter.translate(at);
    painter.rotate(-degrees);
    painter.drawText(QPointF(0.0, painter.fontMetrics().ascent()), text);
    painter.restore();
}

QFont TitleFont(QFont font, int pixelHeight) {
    font.setPixelSize(pixelHeight);
    font.setBold(true);
    return font;
}

class ChartPainter {
  public:
    ChartPainter(QPainter& painter, const ChartGeometry& geometry, const PsychroTables& tables)
        : p_(painter), g_(geometry), tables_(tables), baseFont_(painter.font()) {}

    void SaturationCurve() {
        QPolygonF curve;
        for (int t = 0; t < kChartTemperatures - 1; ++t) {
            const QPointF at = OnHumidityRow(kSaturationRow, t);
            curve << QPointF(at.x(), std::max<double>(at.y(), g_.y0));
        }
        p_.setPen(QPen(Qt::white, 1));
        p_.drawPolyline(curve);
    }

    // Each from the right edge to its dew point.
    void HumidityRatioLines() {
        p_.setPen(QPen(Qt::white, 1));
        for (int k = 1; k <= kChartHumidityLines; ++k) {
            const double left = std::max<double>(g_.X(tables_.dewPoint[k - 1]), g_.x0);
            p_.drawLine(QPointF(g_.x1, g_.Y(k)), QPointF(left, g_.Y(k)));
        }
    }

    void Frame() {
        p_.setPen(QPen(Qt::black, 2));
        const QPoint corners[] = {{g_.x1, g_.y0}, {g_.x1, g_.y1}, {g_.x0, g_.y1}};
        p_.drawPolyline(corners, 3);
    }

    // Not clipped: the moist curves run on above the plot.
    void RelativeHumidityCurves() {
        p_.setPen(QPen(Qt::red, 1));
        for (int row = 0; row < kChartHumidityRows; ++row) {
            QPolygonF curve;
            for (int t = 0; t < kChartTemperatures; ++t)
                curve << OnHumidityRow(row, t);
            p_.drawPolyline(curve);
        }
    }

    void WetBulbLines() {
        p_.setFont(ScaleFont());
        for (const WetBulbLine& line : tables_.wetBulbLines) {
            const QPointF start(g_.X(line.wetBulb), Grams(line.startHumidity));
            p_.setPen(QPen(Qt::black, 1));
            TextAt(p_, start + QPointF(-20.0, -15.0),
                   QString::number(static_cast<int>(line.wetBulb)));
            p_.setPen(QPen(Qt::black, 2));
            p_.drawLine(start + QPointF(-6.0, -2.5), start);
            p_.setPen(QPen(Qt::black, 1));
            p_.drawLine(start, QPointF(g_.X(line.endTemperature), Grams(line.endHumidity)));
        }
    }

    void TemperatureScale() {
        p_.setPen(QPen(Qt::black, 1));
        p_.setFont(ScaleFont());
        for (int t = 0; t <= kChartMaxTemperature; t += kScaleStep) {
            const double x = g_.X(t);
            p_.drawLine(QPointF(x, g_.y1), QPointF(x, g_.y1 + 4));
            TextAt(p_, QPointF(x - 6, g_.y1 + 5), QString::number(t));
        }
    }

    void HumidityScale() {
        p_.setPen(QPen(Qt::black, 1));
        p_.setFont(ScaleFont());
        for (int w = 0; w <= kChartMaxHumidity; w += kScaleStep) {
            const double y = g_.Y(w);
            p_.drawLine(QPointF(g_.x1, y), QPointF(g_.x1 + 5, y));
            TextAt(p_, QPointF(g_.x1 + 8, y - 5), QString::number(w));
        }
    }

    void Titles() {
        p_.setPen(QPen(Qt::black, 1));
        p_.setFont(TitleFont(baseFont_, 12));
        TextAt(p_, QPointF(g_.x0 + 0.45 * g_.plotWidth, g_.y1 + 20), QStringLiteral("TBS[°C]"));
        p_.setFont(TitleFont(baseFont_, 11));
        const double saturatedAtZero = OnHumidityRow(kSaturationRow, 0).y();
        TextAt(p_, QPointF(g_.x0 + 0.2 * g_.plotWidth, 0.65 * saturatedAtZero),
               QStringLiteral("TBU[°C]"), 45.0);
        p_.setFont(TitleFont(baseFont_, 10));
        TextAt(p_, QPointF(g_.x1 + 25, g_.y1 - 0.4 * g_.plotHeight), QStringLiteral("W[g/Kg]"),
               90.0);
    }

    void Points(const std::vector<PsychroPoint>& points, const QColor& fill) {
        p_.setPen(QPen(Qt::black, 1));
        p_.setBrush(fill);
        for (const PsychroPoint& point : points) {
            const QPointF centre(g_.X(point.temperature), g_.Y(point.humidityRatio));
            p_.drawEllipse(centre, kPointRadius, kPointRadius);
        }
    }

  private:
    // Row of a humidity ratio in kg/kg.
    double Grams(double ratio) const { return g_.Y(1000.0 * ratio); }

    QPointF OnHumidityRow(int row, int t) const {
        return {g_.X(t), Grams(tables_.humidityRatio[row][t])};
    }

    QFont ScaleFont() const {
        QFont font = baseFont_;
        font.setPointSize(kScaleFontPoints);
        return font;
    }

    QPainter& p_;
    const ChartGeometry& g_;
    const PsychroTables& tables_;
    const QFont baseFont_;
};

}  // namespace

void PaintPsychroChart(QPainter& painter, const ChartGeometry& geometry,
                       const PsychroTables& tables, const std::vector<PsychroPoint>& points,
                       const QColor& background) {
    painter.fillRect(0, 0, geometry.width, geometry.height, background);
    ChartPainter chart(painter, geometry, tables);
    chart.SaturationCurve();
    chart.HumidityRatioLines();
    chart.Frame();
    chart.RelativeHumidityCurves();
    chart.WetBulbLines();
    chart.TemperatureScale();
    chart.HumidityScale();
    chart.Titles();
    chart.Points(points, background);
}

}  // namespace porvap
