#pragma once

#include <vector>

#include "tools/materials/MaterialModel.h"

namespace porvap::datagen {

// The materials bundled with the program, in catalog order.
std::vector<MaterialModel> SampleMaterials();

}  // namespace porvap::datagen
