#pragma once

#include <QCategoryAxis>
#include <QString>
#include <vector>

#include "core/common/ChartData.h"

namespace porvap {

struct AxisLabel {
    double x = 0.0;
    QString text;
};

// The bottom-axis labels of every series in order of x, one per position (the first series
// to label a position names it), none outside [minimum, maximum]. A text met again at
// another position is kept apart by invisible padding: the axis holds each text once.
std::vector<AxisLabel> CollectLabels(const ChartData& data, double minimum, double maximum);

// Which labels fit along the axis without touching: level when all fit side by side,
// otherwise upright (turned a quarter), thinned where even that leaves too little room;
// level and thinned when that keeps at least two thirds as many.
struct LabelFit {
    bool upright = false;
    std::vector<int> kept;  // indices into the positions, increasing
};
LabelFit FitLabels(const std::vector<double>& positions, double widest, double height);

// A bottom axis with text labels at their values, showing those that fit its length.
class LabelAxis : public QCategoryAxis {
    Q_OBJECT
  public:
    explicit LabelAxis(QObject* parent = nullptr);

    void SetLabels(std::vector<AxisLabel> labels);
    // Call with the axis length in pixels whenever the labels, the range or the length change.
    void Fit(double length);

  private:
    std::vector<AxisLabel> labels_;
};

}  // namespace porvap
