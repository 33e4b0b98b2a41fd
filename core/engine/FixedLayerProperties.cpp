#include "core/engine/FixedLayerProperties.h"

namespace porvap {

FixedLayerProperties::FixedLayerProperties(int count)
    : k_(count > 0 ? count : 0), dt_(k_.size()), dteta_(k_.size()) {}

int FixedLayerProperties::Set(int layer, float k, float dt, float dteta) {
    if (!Contains(layer))
        return -1;
    k_[layer] = k;
    dt_[layer] = dt;
    dteta_[layer] = dteta;
    return 0;
}

int FixedLayerProperties::Get(int layer, float& k, float& dt, float& dteta) const {
    if (!Contains(layer))
        return -1;
    k = k_[layer];
    dt = dt_[layer];
    dteta = dteta_[layer];
    return 0;
}

float FixedLayerProperties::Conductivity(int layer) const {
    return Contains(layer) ? k_[layer] : -1.0f;
}

}  // namespace porvap
