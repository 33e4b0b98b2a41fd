#include "core/results/ProfileStore.h"

#include <algorithm>

namespace porvap {

int ProfileStore::CapacityFor(const RunSettings& settings) {
    if (!settings.profilesByInterval)
        return static_cast<int>(settings.profileDates.size());
    const int interval = std::max(settings.plottingInterval, 1);  // 0 h still saves every hour
    return settings.profileDays * 24 / interval + 1;
}

bool ProfileStore::Fits(int capacity, int nodeCount) {
    return static_cast<long long>(capacity) * std::max(nodeCount, 1) <= kMaxNodeSlots;
}

void ProfileStore::Reset(int capacity, int nodeCount) {
    nodeCount_ = std::max(nodeCount, 0);
    const long long fitting = kMaxNodeSlots / std::max(nodeCount_, 1);
    capacity_ = static_cast<int>(std::clamp<long long>(capacity, 0, fitting));
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
