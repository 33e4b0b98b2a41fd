#pragma once

#include <vector>

namespace porvap {

// A material property sampled at equally spaced degrees of saturation (101 samples in a
// material file). Reads outside the table give -1.0; writes outside are ignored.
class PropertyTable {
  public:
    explicit PropertyTable(int count);

    void Set(int index, float value);
    float Get(int index) const;
    int Count() const { return static_cast<int>(values_.size()); }

  private:
    std::vector<float> values_;
};

}  // namespace porvap
