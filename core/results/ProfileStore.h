#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/results/RunSettings.h"

namespace porvap {

// Profiles saved during a run for the "G2 - Profiles" page and its exports. The capacity
// is fixed when the run starts; a step that would go past it is not saved.
class ProfileStore {
  public:
    struct Profile {
        std::string label;                // "01/01 - 00"
        std::vector<double> temperature;  // degC, per node
        std::vector<double> theta;        // m3/m3, per node
        float latent = 0.0f;              // W/m2
        float sensible = 0.0f;            // W/m2
        float mass = 0.0f;                // mg/(m2 s)
    };

    // Node slots of all profiles together, a temperature and a moisture content each:
    // 256 MiB, whatever the element and the length of the run.
    static constexpr long long kMaxNodeSlots = 1LL << 24;

    // Profiles a run with these settings saves.
    static int CapacityFor(const RunSettings& settings);
    static bool Fits(int capacity, int nodeCount);

    // A capacity that does not fit is cut to what does; validation refuses such a case
    // before it gets here.
    void Reset(int capacity, int nodeCount);
    // False, and nothing stored, when the store is full.
    bool Save(const std::string& label, std::span<const double> temperature,
              std::span<const double> theta, float latent, float sensible, float mass);

    int Capacity() const { return capacity_; }
    int NodeCount() const { return nodeCount_; }
    int Count() const { return static_cast<int>(profiles_.size()); }
    const Profile& At(int k) const { return profiles_[k]; }

  private:
    int capacity_ = 0;
    int nodeCount_ = 0;
    std::vector<Profile> profiles_;
};

}  // namespace porvap
