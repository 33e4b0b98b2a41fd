#pragma once

#include <complex>
#include <span>

namespace porvap::validation {

// Complex amplitude of the fundamental of one period of equally spaced samples, sample k
// at phase 2 pi k / N: a cos(wt + phi) sampled gives a exp(i phi).
std::complex<double> Fundamental(std::span<const double> period);

}  // namespace porvap::validation
