#include "tools/validation/Validation.h"

#include <algorithm>
#include <cmath>

namespace porvap::validation {

ValidationPlan ReportPlan() {
    return {.steadyDays = 10,
            .slabSections = {10, 20, 40, 80, 160, 320},
            .periodicDays = 10,
            .periodicSteps = {1.0, 0.5, 0.25, 0.125, 0.0625},
            .uptakeSteps = {1.0, 0.25},
            .energyEnd = {31, 12, 23},
            .gridLevels = {0, 5},
            .gridRefinements = {1, 2, 4, 8},
            .gridEnd = {31, 12, 23}};
}

ValidationPlan SuitePlan() {
    return {.steadyDays = 10,
            .slabSections = {10, 320},
            .periodicDays = 10,
            .periodicSteps = {1.0, 0.0625},
            .uptakeSteps = {1.0},
            .energyEnd = {14, 1, 23},
            .gridLevels = {0, 5},
            .gridRefinements = {1, 2, 4, 8},
            .gridEnd = {14, 1, 23}};
}

ValidationResults RunValidation(const ValidationPlan& plan) {
    ValidationResults results{.plan = plan};
    for (const ConductionWall& wall : {HomogeneousSlab(), TwoLayerWall()}) {
        ConductionResults c{.wall = wall, .steady = CompareSteadyFlow(wall, plan.steadyDays)};
        for (const double step : plan.periodicSteps)
            c.periodic.push_back(ComparePeriodic(wall, step, plan.periodicDays));
        results.conduction.push_back(c);
    }
    for (const int sections : plan.slabSections) {
        ConductionWall slab = HomogeneousSlab();
        slab.sections = {sections};
        results.slabBySections.push_back(CompareSteadyFlow(slab, plan.steadyDays));
    }
    for (const double step : plan.uptakeSteps) {
        UptakeSetUp setUp;
        setUp.stepHours = step;
        results.uptake.push_back(CompareUptake(setUp));
    }
    for (int level = 0; level <= 5; ++level)
        results.energy.push_back(CompareEnergyBalance({level, 1, plan.energyEnd}));
    for (const int level : plan.gridLevels)
        results.grids.push_back(CompareGrids(level, plan.gridRefinements, plan.gridEnd));
    return results;
}

double EnergyTolerance(int modelLevel) {
    return modelLevel == kConductionOnly ? Tolerances::kEnergyConduction
                                         : Tolerances::kEnergyMoisture;
}

double GridChangeTolerance(int modelLevel) {
    return modelLevel == kConductionOnly ? Tolerances::kGridChangeConduction
                                         : Tolerances::kGridChangeMoisture;
}

bool Passes(const SteadyComparison& c) {
    return c.relativeError <= Tolerances::kSteadyFlow && c.heldError <= Tolerances::kSteadyRoundOff;
}

bool PassesDiscrete(const PeriodicComparison& c) {
    return c.discreteError <= Tolerances::kDiscreteDecrement &&
           std::fabs(c.discreteLagError) <= Tolerances::kDiscreteLag;
}

IsoTolerance ContinuousTolerance(double stepHours) {
    if (stepHours == 1.0)
        return {true, Tolerances::kHourlyDecrement, Tolerances::kHourlyLag};
    if (stepHours <= Tolerances::kFineStep)
        return {true, Tolerances::kFineDecrement, Tolerances::kFineLag};
    return {};
}

bool PassesContinuous(const PeriodicComparison& c) {
    const IsoTolerance t = ContinuousTolerance(c.stepHours);
    // NaN errors fail both comparisons, so a run that did not complete never passes.
    const bool measured = !std::isnan(c.continuousError) && !std::isnan(c.continuousLagError);
    return measured && (!t.applies || (c.continuousError <= t.decrement &&
                                       std::fabs(c.continuousLagError) <= t.lag));
}

bool Passes(const UptakeComparison& c) {
    return c.maxError <= Tolerances::kUptake;
}

bool Passes(const EnergyBalance& c) {
    return c.failure.empty() && c.residual <= EnergyTolerance(c.level);
}

double GridChange(const GridConvergence& c) {
    if (!c.failure.empty() || c.sections.size() < 2)
        return kNotMeasured;
    // Against the whole load: in a season one of the two may be next to nothing.
    const double total = std::fabs(c.cooling[0]) + std::fabs(c.heating[0]);
    return std::max(std::fabs(c.cooling[1] - c.cooling[0]),
                    std::fabs(c.heating[1] - c.heating[0])) /
           total;
}

bool PassesChange(const GridConvergence& c) {
    return GridChange(c) <= GridChangeTolerance(c.level);
}

bool SecondOrder(const Refinement& r) {
    return r.defined && r.order >= Tolerances::kMinOrder && r.order <= Tolerances::kMaxOrder;
}

bool PassesOrder(const GridConvergence& c) {
    return c.failure.empty() && SecondOrder(c.coolingOrder);
}

bool Passes(const GridConvergence& c) {
    return PassesChange(c) && PassesOrder(c);
}

bool AllPass(const ValidationResults& r) {
    auto all = [](const auto& items, auto passes) {
        return !items.empty() && std::all_of(items.begin(), items.end(), passes);
    };
    const bool conduction = all(r.conduction, [](const ConductionResults& c) {
        return Passes(c.steady) && c.periodic.size() > 0 &&
               std::all_of(c.periodic.begin(), c.periodic.end(), [](const PeriodicComparison& p) {
                   return PassesDiscrete(p) && PassesContinuous(p);
               });
    });
    return conduction && all(r.slabBySections, [](const auto& c) { return Passes(c); }) &&
           all(r.uptake, [](const auto& c) { return Passes(c); }) &&
           all(r.energy, [](const auto& c) { return Passes(c); }) &&
           all(r.grids, [](const auto& c) { return Passes(c); });
}

}  // namespace porvap::validation
