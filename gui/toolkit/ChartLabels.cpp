#include "gui/toolkit/ChartLabels.h"

#include <QChar>
#include <QFontMetricsF>
#include <QSet>
#include <algorithm>
#include <map>
#include <utility>

#include "gui/toolkit/ChartAxes.h"

namespace porvap {

namespace {

constexpr int kUprightAngle = -90;  // degrees

// Makes text differ from every earlier text without changing how it looks.
QString Distinct(QString text, QSet<QString>& used) {
    while (used.contains(text))
        text += QChar(0x200B);
    used.insert(text);
    return text;
}

// Greedy thinning: a label is kept when it starts clear of the last kept one.
std::vector<int> Spaced(const std::vector<double>& positions, double pitch) {
    std::vector<int> kept;
    for (int i = 0; i < static_cast<int>(positions.size()); ++i) {
        if (kept.empty() || positions[i] - positions[kept.back()] >= pitch)
            kept.push_back(i);
    }
    return kept;
}

}  // namespace

std::vector<AxisLabel> CollectLabels(const ChartData& data, double minimum, double maximum) {
    std::map<double, const std::string*> byPosition;
    for (const ChartSeries& series : data.series) {
        for (const ChartPoint& point : series.points) {
            if (!point.label.empty() && point.x >= minimum && point.x <= maximum)
                byPosition.emplace(point.x, &point.label);
        }
    }
    std::vector<AxisLabel> labels;
    labels.reserve(byPosition.size());
    QSet<QString> used;
    for (const auto& [x, text] : byPosition)
        labels.push_back({x, Distinct(QString::fromStdString(*text), used)});
    return labels;
}

LabelFit FitLabels(const std::vector<double>& positions, double widest, double height) {
    LabelFit level{false, Spaced(positions, widest + kLabelGap)};
    if (level.kept.size() == positions.size())
        return level;
    LabelFit upright{true, Spaced(positions, height + kLabelGap)};
    // Short labels read better level and thinned than upright and thinned a little less.
    if (upright.kept.size() < positions.size() && 3 * level.kept.size() >= 2 * upright.kept.size())
        return level;
    return upright;
}

LabelAxis::LabelAxis(QObject* parent) : QCategoryAxis(parent) {
    setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
}

void LabelAxis::SetLabels(std::vector<AxisLabel> labels) {
    labels_ = std::move(labels);
}

void LabelAxis::Fit(double length) {
    const double span = max() - min();
    const QFontMetricsF metrics(labelsFont());
    std::vector<double> positions;
    double widest = 0.0;
    for (const AxisLabel& label : labels_) {
        positions.push_back((label.x - min()) / span * length);
        widest = std::max(widest, metrics.horizontalAdvance(label.text));
    }
    const LabelFit fit = FitLabels(positions, widest, metrics.height());

    QStringList texts;
    for (int i : fit.kept)
        texts.append(labels_[i].text);
    bool same = texts == categoriesLabels() && startValue() == min();
    for (int i = 0; same && i < static_cast<int>(fit.kept.size()); ++i)
        same = endValue(texts[i]) == labels_[fit.kept[i]].x;
    if (!same) {
        for (const QString& text : categoriesLabels())
            remove(text);
        setStartValue(min());
        for (int i : fit.kept)
            append(labels_[i].text, labels_[i].x);
    }
    const int angle = fit.upright ? kUprightAngle : 0;
    if (labelsAngle() != angle)
        setLabelsAngle(angle);
}

}  // namespace porvap
