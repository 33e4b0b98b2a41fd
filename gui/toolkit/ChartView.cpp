#include "gui/toolkit/ChartView.h"

#include <QChart>
#include <QFont>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <utility>
#include <vector>

#include "gui/toolkit/ChartAxes.h"
#include "gui/toolkit/ChartLabels.h"
#include "gui/toolkit/ChartLines.h"
#include "gui/toolkit/PictureFile.h"

namespace porvap {

namespace {

constexpr int kTitlePointSize = 11;
constexpr int kLabelPointSize = 9;
constexpr int kLegendPointSize = 8;
constexpr int kMargin = 6;                // pixels around the chart
constexpr QSize kDefaultSize(720, 440);   // pixels, until a layout sizes the view
constexpr double kUnlaidPlotShare = 0.6;  // of the view, taken by the plot before layout

QAbstractAxis* AxisAt(const QChart& chart, Qt::Alignment side) {
    for (QAbstractAxis* axis : chart.axes()) {
        if (axis->alignment() == side)
            return axis;
    }
    return nullptr;
}

void StyleAxis(QAbstractAxis& axis, bool grid) {
    QFont labels = axis.labelsFont();
    labels.setPointSize(kLabelPointSize);
    axis.setLabelsFont(labels);
    QFont title = axis.titleFont();
    title.setPointSize(kLabelPointSize);
    title.setBold(true);
    axis.setTitleFont(title);
    axis.setGridLineVisible(grid);
}

QValueAxis* AddAxis(QChart& chart, Qt::Alignment side, QValueAxis* axis) {
    StyleAxis(*axis, side != Qt::AlignRight);
    chart.addAxis(axis, side);
    for (QAbstractSeries* series : chart.series())
        series->attachAxis(axis);
    return axis;
}

// The bottom axis, of the kind the data needs: text labels when any point carries one.
QValueAxis& BottomAxis(QChart& chart, bool labelled) {
    auto* axis = static_cast<QValueAxis*>(AxisAt(chart, Qt::AlignBottom));
    if (axis && (dynamic_cast<LabelAxis*>(axis) != nullptr) == labelled)
        return *axis;
    if (axis) {
        chart.removeAxis(axis);
        delete axis;
    }
    QValueAxis* fresh = labelled ? new LabelAxis : new QValueAxis;
    return *AddAxis(chart, Qt::AlignBottom, fresh);
}

// The plot's size, or a share of the view's before the chart has been laid out.
QSizeF PlotSize(const QChartView& view) {
    const QSizeF plot = view.chart()->plotArea().size();
    if (plot.width() > 0.0 && plot.height() > 0.0)
        return plot;
    return QSizeF(view.size()) * kUnlaidPlotShare;
}

// One line per data series, each on its own side and titled as in the data.
void SyncSeriesList(QChart& chart, const ChartData& data) {
    QList<QAbstractSeries*> lines = chart.series();
    for (qsizetype i = static_cast<qsizetype>(data.series.size()); i < lines.size(); ++i) {
        chart.removeSeries(lines[i]);
        delete lines[i];
    }
    QAbstractAxis* bottom = AxisAt(chart, Qt::AlignBottom);
    for (size_t i = 0; i < data.series.size(); ++i) {
        const ChartSeries& series = data.series[i];
        const int index = static_cast<int>(i);
        const Qt::Alignment side = series.rightAxis ? Qt::AlignRight : Qt::AlignLeft;
        auto* line = index < lines.size() ? static_cast<QLineSeries*>(lines[index]) : nullptr;
        if (!line) {
            line = new QLineSeries;
            chart.addSeries(line);
            line->attachAxis(bottom);
        }
        line->setName(QString::fromStdString(series.title));
        QAbstractAxis* current = nullptr;
        for (QAbstractAxis* axis : line->attachedAxes()) {
            if (axis->orientation() == Qt::Vertical)
                current = axis;
        }
        if (!current || current->alignment() != side) {
            if (current)
                line->detachAxis(current);
            line->attachAxis(AxisAt(chart, side));
            StyleLine(*line, index, series.rightAxis);
        }
        SyncLine(*line, series);
    }
}

}  // namespace

ChartView::ChartView(const ChartData& data, QWidget* parent) : QChartView(parent), data_(data) {
    setRenderHint(QPainter::Antialiasing);
    auto* chart = new QChart;
    chart->setMargins(QMargins(kMargin, kMargin, kMargin, kMargin));
    QFont title = chart->titleFont();
    title.setPointSize(kTitlePointSize);
    title.setBold(true);
    chart->setTitleFont(title);
    chart->setBackgroundRoundness(0);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    QLegend& legend = *chart->legend();
    legend.setAlignment(Qt::AlignBottom);
    QFont names = legend.font();
    names.setPointSize(kLegendPointSize);
    legend.setFont(names);
    legend.setShowToolTips(true);  // names cut short for want of room
    legend.setMarkerShape(QLegend::MarkerShapeFromSeries);
    setChart(chart);
    AddAxis(*chart, Qt::AlignLeft, new QValueAxis);
    AddAxis(*chart, Qt::AlignRight, new QValueAxis);
    // How many tick labels fit depends on the plot's size. The refit is queued: refitting
    // changes the axes, which moves the plot area again, and must not recurse.
    connect(chart, &QChart::plotAreaChanged, this, [this] {
        drawnRevision_ = -1;
        QMetaObject::invokeMethod(this, &ChartView::Refresh, Qt::QueuedConnection);
    });
    resize(kDefaultSize);
    Refresh();
}

void ChartView::Refresh() {
    if (data_.revision == drawnRevision_)
        return;
    QChart& chart = *this->chart();
    setObjectName(QString::fromStdString(data_.name));
    const QString title = QString::fromStdString(data_.title);
    if (chart.title() != title)
        chart.setTitle(title);
    const QSizeF plot = PlotSize(*this);
    ApplyAxis(*static_cast<QValueAxis*>(AxisAt(chart, Qt::AlignLeft)), data_.left, plot.height());
    ApplyAxis(*static_cast<QValueAxis*>(AxisAt(chart, Qt::AlignRight)), data_.right, plot.height());
    const AxisTicks range = ChooseTicks(data_.bottom);
    std::vector<AxisLabel> labels = CollectLabels(data_, range.minimum, range.maximum);
    QValueAxis& bottom = BottomAxis(chart, !labels.empty());
    ApplyAxis(bottom, data_.bottom, plot.width());
    if (auto* named = dynamic_cast<LabelAxis*>(&bottom)) {
        named->SetLabels(std::move(labels));
        named->Fit(plot.width());
    }
    SyncSeriesList(chart, data_);
    drawnRevision_ = data_.revision;
}

QImage ChartView::Image() {
    return grab().toImage();
}

bool ChartView::Save(const QString& path) {
    // As the widget paints itself: laid out even when it has never been shown.
    return SavePicture(path, {Image(), chart()->title(), logicalDpiX(),
                              [this](QPaintDevice& canvas) { QWidget::render(&canvas); }});
}

}  // namespace porvap
