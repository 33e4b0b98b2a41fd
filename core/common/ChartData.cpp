#include "core/common/ChartData.h"

namespace porvap {

void ChartData::Add(int index, double x, double y, std::string label) {
    series[index].points.push_back({x, y, std::move(label)});
    Touch();
}

void ChartData::Clear(int index) {
    series[index].points.clear();
    Touch();
}

}  // namespace porvap
