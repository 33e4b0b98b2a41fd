#pragma once

#include <string>
#include <vector>

namespace porvap::validation {

// A chart of the report as data; a PlotSink draws it.
struct Series {
    enum class Style { Line, Dashed, Points };
    std::string name;
    Style style = Style::Line;
    int group = -1;  // series of one group share a colour; below 0: grey
    std::vector<double> x{}, y{};
};

struct Axis {
    std::string title;
    bool logarithmic = false;
};

struct Plot {
    std::string file;  // PNG name in the report's picture folder
    std::string title;
    Axis x, y;
    std::vector<Series> series{};
};

class PlotSink {
  public:
    virtual ~PlotSink() = default;
    // False when the picture could not be written.
    virtual bool Draw(const Plot& plot, const std::string& path) = 0;
};

}  // namespace porvap::validation
