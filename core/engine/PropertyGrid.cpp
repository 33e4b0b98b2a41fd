#include "core/engine/PropertyGrid.h"

#include <algorithm>

namespace porvap {

namespace {
constexpr double kGridStep = 0.01 * 0.18;  // m3/m3
}

PropertyGrid::PropertyGrid() {
    for (int k = 0; k <= kLast; ++k)
        theta_[k] = static_cast<float>(kGridStep * k);
}

int PropertyGrid::UpperIndex(double theta) const {
    if (!(theta < theta_[kLast]))
        return kLast;
    const double estimate = theta / kGridStep;
    int k = estimate < 0.0 ? 1 : std::clamp(static_cast<int>(estimate) + 1, 1, kLast);
    while (k > 1 && theta < theta_[k - 1])
        --k;
    while (k < kLast && !(theta < theta_[k]))
        ++k;
    return k;
}

}  // namespace porvap
