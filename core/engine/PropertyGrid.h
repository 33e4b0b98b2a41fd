#pragma once

#include <array>

namespace porvap {

// The 101 moisture contents at which every property table is sampled: 0 to 0.18 m3/m3.
class PropertyGrid {
  public:
    static constexpr int kLast = 100;

    PropertyGrid();

    float At(int k) const { return theta_[k]; }

    // The first k >= 1 with theta < grid[k], or kLast when theta is at or above the top.
    // Computed from the even spacing, then corrected against the stored values, so the
    // answer is the one a scan of the grid would give.
    int UpperIndex(double theta) const;

  private:
    std::array<float, kLast + 1> theta_;  // m3/m3
};

}  // namespace porvap
