#include "tools/validation/Convergence.h"

#include <cmath>

namespace porvap::validation {

Refinement ObservedOrder(double coarse, double medium, double fine) {
    const double first = medium - coarse;
    const double second = fine - medium;
    // Oscillating or stagnant sequences have no asymptotic order to report.
    if (first == 0.0 || second == 0.0 || (first > 0.0) != (second > 0.0))
        return {false, 0.0, fine};
    const double order = std::log(std::fabs(first / second)) / std::log(2.0);
    const double extrapolated = fine + second / (std::pow(2.0, order) - 1.0);
    return {std::isfinite(extrapolated), order, extrapolated};
}

Refinement ObservedOrder(std::span<const double> coarseToFine) {
    const std::size_t n = coarseToFine.size();
    if (n < 3)
        return {false, 0.0, n ? coarseToFine.back() : 0.0};
    return ObservedOrder(coarseToFine[n - 3], coarseToFine[n - 2], coarseToFine[n - 1]);
}

}  // namespace porvap::validation
