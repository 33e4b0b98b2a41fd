#include "cases/ProfileStore.h"

#include <algorithm>

namespace porvap {

void ProfileStore::Reset(int capacity, int nodeCount) {
    capacity_ = std::max(capacity, 0);
    nodeCount_ = std::max(nodeCount, 0);
    profiles_.clear();
    profiles_.reserve(static_cast<std::size_t>(capacity_));
}

bool ProfileStore::Save(const std::string& label, std::span<const double> temperature,
                        std::span<const double> theta, float latent, float sensible, float mass) {
    const auto n = static_cast<std::size_t>(nodeCount_);
    // A short array would leave part of the slot undefined: refuse it like a full store.
    if (Count() >= capacity_ || temperature.size() < n || theta.size() < n)
        return false;
    profiles_.push_back({label,
                         {temperature.begin(), temperature.begin() + nodeCount_},
                         {theta.begin(), theta.begin() + nodeCount_},
                         latent,
                         sensible,
                         mass});
    return true;
}

}  // namespace porvap
