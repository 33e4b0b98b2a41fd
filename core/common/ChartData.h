#pragma once

#include <string>
#include <vector>

namespace porvap {

// What one line chart shows, kept apart from the widget that draws it: the result views
// fill it during a run, a chart view draws it whenever its revision has moved.
struct ChartPoint {
    double x = 0.0;
    double y = 0.0;
    std::string label;  // shown on the bottom axis at x; empty for none
};

struct ChartAxis {
    std::string title;
    double minimum = 0.0;
    double maximum = 1.0;
    double increment = 0.0;  // 0: let the view choose
};

struct ChartSeries {
    std::string title;
    bool rightAxis = false;
    std::vector<ChartPoint> points;
};

struct ChartData {
    std::string name;  // object name of the chart: "Chart1" ... "Chart6"
    std::string title;
    ChartAxis left, right, bottom;
    std::vector<ChartSeries> series;
    int revision = 0;  // raised by every change

    void Add(int series, double x, double y, std::string label = {});
    void Clear(int series);
    void Touch() { ++revision; }
};

}  // namespace porvap
