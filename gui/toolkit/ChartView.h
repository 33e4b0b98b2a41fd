#pragma once

#include <QChartView>
#include <QImage>
#include <QString>

#include "core/common/ChartData.h"

namespace porvap {

// Draws a ChartData. Refresh() brings the widget up to date when the data's revision has
// moved; points added since the last refresh are appended, a cleared series is redrawn.
class ChartView : public QChartView {
    Q_OBJECT
  public:
    ChartView(const ChartData& data, QWidget* parent = nullptr);

    void Refresh();
    // The chart as it is on the screen.
    QImage Image();
    // PNG or SVG by the file name's extension, BMP otherwise. False when it cannot be written.
    bool Save(const QString& path);

  private:
    const ChartData& data_;
    int drawnRevision_ = -1;
};

}  // namespace porvap
