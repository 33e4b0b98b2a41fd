// Draws the report's charts offscreen with Qt Charts.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "tools/validation/PlotSinks.h"

namespace porvap::validation {

namespace {

constexpr QSize kPictureSize(1200, 640);

QColor GroupColour(int group) {
    static const std::array<QColor, 8> kPalette = {
        QColor(31, 119, 180),  QColor(214, 39, 40), QColor(44, 160, 44),   QColor(255, 127, 14),
        QColor(148, 103, 189), QColor(140, 86, 75), QColor(227, 119, 194), QColor(23, 190, 207)};
    return group < 0 ? QColor(128, 128, 128) : kPalette[group % kPalette.size()];
}

QXYSeries* MakeSeries(const Series& s) {
    QXYSeries* series = nullptr;
    if (s.style == Series::Style::Points) {
        auto* scatter = new QScatterSeries;
        scatter->setMarkerSize(8.0);
        scatter->setBorderColor(GroupColour(s.group));
        series = scatter;
    } else {
        series = new QLineSeries;
    }
    QPen pen(GroupColour(s.group), 2.0);
    if (s.style == Series::Style::Dashed)
        pen.setStyle(Qt::DashLine);
    series->setPen(pen);
    series->setColor(GroupColour(s.group));
    series->setName(QString::fromStdString(s.name));
    for (std::size_t k = 0; k < s.x.size() && k < s.y.size(); ++k)
        series->append(s.x[k], s.y[k]);
    return series;
}

// Ranges over every series: Qt Charts sizes an axis to the first series attached to it.
std::pair<double, double> Range(const Plot& plot, bool horizontal) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const Series& s : plot.series) {
        for (const double v : horizontal ? s.x : s.y) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    if (!(low <= high))
        return {0.0, 1.0};
    return low == high ? std::pair{low - 0.5, high + 0.5} : std::pair{low, high};
}

// Steps and sections double along a base-2 axis; errors span decades on a base-10 one,
// which runs from decade to decade so that no point sits on its edge.
QAbstractAxis* MakeLogAxis(std::pair<double, double> range, bool horizontal) {
    auto* log = new QLogValueAxis;
    log->setBase(horizontal ? 2.0 : 10.0);
    log->setLabelFormat(horizontal ? "%g" : "%.0e");
    if (horizontal) {
        log->setRange(range.first / 1.1, range.second * 1.1);
    } else {
        log->setRange(std::pow(10.0, std::floor(std::log10(range.first / 1.5))),
                      std::pow(10.0, std::ceil(std::log10(range.second * 1.5))));
    }
    return log;
}

// Decimals enough for the tick step, so that a tick at zero does not read 3e-18.
QAbstractAxis* MakeLinearAxis(std::pair<double, double> range) {
    auto* linear = new QValueAxis;
    linear->setRange(range.first, range.second);
    linear->applyNiceNumbers();
    const double step = (linear->max() - linear->min()) / std::max(linear->tickCount() - 1, 1);
    const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(step))), 0, 10);
    linear->setLabelFormat(QString("%.%1f").arg(decimals));
    return linear;
}

QAbstractAxis* MakeAxis(const Axis& axis, std::pair<double, double> range, bool horizontal) {
    QAbstractAxis* made = axis.logarithmic ? MakeLogAxis(range, horizontal) : MakeLinearAxis(range);
    made->setTitleText(QString::fromStdString(axis.title));
    return made;
}

class QtPlotSink : public PlotSink {
  public:
    QtPlotSink(int& argc, char** argv) : app_(argc, argv) {}

    bool Draw(const Plot& plot, const std::string& path) override {
        auto* chart = new QChart;
        chart->setTitle(QString::fromStdString(plot.title));
        chart->legend()->setAlignment(Qt::AlignRight);
        QAbstractAxis* x = MakeAxis(plot.x, Range(plot, true), true);
        QAbstractAxis* y = MakeAxis(plot.y, Range(plot, false), false);
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(y, Qt::AlignLeft);
        for (const Series& s : plot.series) {
            QXYSeries* series = MakeSeries(s);
            chart->addSeries(series);
            series->attachAxis(x);
            series->attachAxis(y);
            if (s.name.empty())
                chart->legend()->markers(series).front()->setVisible(false);
        }
        QChartView view(chart);  // owns the chart
        view.setRenderHint(QPainter::Antialiasing);
        view.resize(kPictureSize);
        return view.grab().save(QString::fromStdString(path), "PNG");
    }

  private:
    QApplication app_;
};

}  // namespace

std::unique_ptr<PlotSink> MakePlotSink(int& argc, char** argv) {
    // Pictures need no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QtPlotSink>(argc, argv);
}

}  // namespace porvap::validation
