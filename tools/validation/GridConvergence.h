#pragma once

#include <string>
#include <vector>

#include "tools/validation/BundledWall.h"
#include "tools/validation/Convergence.h"

namespace porvap::validation {

// Heating and cooling totals of a bundled wall (the engine's RunSummary over office hours,
// as arq.txt gives them) as every layer's sections double.
struct GridConvergence {
    int level = 0;
    DayHour end{31, 12, 23};
    std::string failure{};                      // empty when every run completed
    std::vector<int> sections{};                // of the whole wall, coarse to fine
    std::vector<double> cooling{};              // Wh/m2
    std::vector<double> heating{};              // Wh/m2
    Refinement coolingOrder{}, heatingOrder{};  // from the three finest grids
};

GridConvergence CompareGrids(int level, const std::vector<int>& refinements, DayHour end);

}  // namespace porvap::validation
