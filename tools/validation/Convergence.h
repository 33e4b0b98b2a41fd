#pragma once

#include <span>

namespace porvap::validation {

// Observed order of accuracy from three results on grids refined by a factor of two, and
// the Richardson-extrapolated value from the two finest.
struct Refinement {
    bool defined = false;  // false when the differences vanish or change sign
    double order = 0.0;
    double extrapolated = 0.0;
};

// p = log(|L4h - L2h| / |L2h - Lh|) / log 2;  L* = Lh + (Lh - L2h) / (2^p - 1).
Refinement ObservedOrder(double coarse, double medium, double fine);

// The same for the three finest of a sequence ordered from coarse to fine (at least three).
Refinement ObservedOrder(std::span<const double> coarseToFine);

}  // namespace porvap::validation
