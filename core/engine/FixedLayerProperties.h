#pragma once

#include <vector>

namespace porvap {

// Per-layer conductivity and liquid diffusivities frozen at the case's fixed moisture
// content, used by the simplified model levels.
class FixedLayerProperties {
  public:
    explicit FixedLayerProperties(int count);

    int Count() const { return static_cast<int>(k_.size()); }
    int Set(int layer, float k, float dt, float dteta);
    int Get(int layer, float& k, float& dt, float& dteta) const;
    float Conductivity(int layer) const;

  private:
    bool Contains(int layer) const { return layer >= 0 && layer < Count(); }

    std::vector<float> k_;      // W/(m K)
    std::vector<float> dt_;     // m2/(s K)
    std::vector<float> dteta_;  // m2/s
};

}  // namespace porvap
