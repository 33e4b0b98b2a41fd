#include "tools/validation/Harmonic.h"

#include <numbers>

namespace porvap::validation {

std::complex<double> Fundamental(std::span<const double> period) {
    const auto n = static_cast<double>(period.size());
    std::complex<double> sum = 0.0;
    for (std::size_t k = 0; k < period.size(); ++k)
        sum += period[k] * std::polar(1.0, -2.0 * std::numbers::pi * static_cast<double>(k) / n);
    return n > 0 ? 2.0 * sum / n : sum;
}

}  // namespace porvap::validation
