#include "tools/validation/GridConvergence.h"

#include "core/engine/Run.h"

namespace porvap::validation {

GridConvergence CompareGrids(int level, const std::vector<int>& refinements, DayHour end) {
    GridConvergence result{.level = level, .end = end};
    for (const int refinement : refinements) {
        BundledWall wall;
        result.failure = wall.Load({level, refinement, end});
        if (result.failure.empty() && RunToCompletion(wall.Engine()) != 0)
            result.failure = "the run with " + std::to_string(refinement) + "x sections failed";
        if (!result.failure.empty())
            return result;
        const AnnualEnergy year = AnnualEnergies(wall.Engine());
        result.sections.push_back(wall.Engine().n);
        result.cooling.push_back(year.cooling);
        result.heating.push_back(year.heating);
    }
    result.coolingOrder = ObservedOrder(result.cooling);
    result.heatingOrder = ObservedOrder(result.heating);
    return result;
}

}  // namespace porvap::validation
