#include "core/materials/PropertyTable.h"

namespace porvap {

PropertyTable::PropertyTable(int count) : values_(count > 0 ? count : 0, 0.0f) {}

void PropertyTable::Set(int index, float value) {
    if (index >= 0 && index < Count())
        values_[index] = value;
}

float PropertyTable::Get(int index) const {
    return (index >= 0 && index < Count()) ? values_[index] : -1.0f;
}

}  // namespace porvap
