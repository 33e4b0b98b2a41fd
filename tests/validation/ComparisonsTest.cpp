// The comparisons of docs/validation.md at the tolerances it states, on the test suite's
// shorter plan (SuitePlan); porvap-validate runs the report's longer one.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "TestSupport.h"
#include "tools/validation/Validation.h"

namespace porvap::validation {
namespace {

namespace fs = std::filesystem;

const ValidationPlan kPlan = SuitePlan();

// The comparisons write their climate files into the working directory; the bundled wall
// reads the catalog, the materials and the climate from it.
class Comparison : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(test::SourcePath("data"), dir.Path(), fs::copy_options::recursive);
    }
    test::ScratchDir dir;
};

class Conduction : public Comparison, public ::testing::WithParamInterface<ConductionWall> {};

TEST_P(Conduction, SteadyFlowIsTheUValueFlow) {
    const SteadyComparison c = CompareSteadyFlow(GetParam(), kPlan.steadyDays);
    EXPECT_LE(c.relativeError, Tolerances::kSteadyFlow)
        << c.simulated << " W/m2 against " << c.analytical;
    EXPECT_LE(c.heldError, Tolerances::kSteadyRoundOff);
}

TEST_P(Conduction, PeriodicResponseMatchesTheTransmissionMatrices) {
    for (const double step : kPlan.periodicSteps) {
        const PeriodicComparison c = ComparePeriodic(GetParam(), step, kPlan.periodicDays);
        SCOPED_TRACE(::testing::Message() << "step " << step << " h");
        EXPECT_LE(c.discreteError, Tolerances::kDiscreteDecrement);
        EXPECT_LE(std::fabs(c.discreteLagError), Tolerances::kDiscreteLag);
        const IsoTolerance iso = ContinuousTolerance(step);
        ASSERT_TRUE(iso.applies);
        EXPECT_LE(c.continuousError, iso.decrement);
        EXPECT_LE(std::fabs(c.continuousLagError), iso.lag);
        // The step damps and advances the response: the continuous answer lies above it
        // and later.
        EXPECT_LT(c.simulated.decrement, c.continuous.decrement);
        EXPECT_LT(c.continuousLagError, 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Walls, Conduction, ::testing::Values(HomogeneousSlab(), TwoLayerWall()),
                         [](const auto& info) { return info.index == 0 ? "Slab" : "TwoLayers"; });

TEST_F(Comparison, MoistureUptakeFollowsTheRobinSolution) {
    for (const double step : kPlan.uptakeSteps) {
        UptakeSetUp setUp;
        setUp.stepHours = step;
        const UptakeComparison c = CompareUptake(setUp);
        ASSERT_EQ(c.profiles.size(), setUp.days.size());
        EXPECT_LE(c.maxError, Tolerances::kUptake) << "step " << step << " h";
        // The face sits well below the air's value early on: a fixed-value condition would
        // miss it by far more than the tolerance.
        EXPECT_LT(c.profiles.front().simulated.front(), 1.0 - 10.0 * Tolerances::kUptake);
    }
}

class EnergyAtLevel : public Comparison, public ::testing::WithParamInterface<int> {};

TEST_P(EnergyAtLevel, StoredHeatEqualsTheHeatThroughTheFaces) {
    const EnergyBalance c = CompareEnergyBalance({GetParam(), 1, kPlan.energyEnd});
    ASSERT_EQ(c.failure, "");
    EXPECT_GT(c.steps, 0);
    EXPECT_LE(c.residual, EnergyTolerance(GetParam()))
        << "stored " << c.stored << " J/m2, throughput " << c.throughput;
    EXPECT_EQ(c.externalLatent == 0.0 && c.internalLatent == 0.0, GetParam() == 5);
}

INSTANTIATE_TEST_SUITE_P(ModelLevels, EnergyAtLevel, ::testing::Range(0, 6));

// Equations held in single precision gave the slab an error growing with the square of its
// sections, 1.2e-2 at 320.
TEST_F(Comparison, SteadyFlowHoldsAtEverySectionCount) {
    ASSERT_FALSE(kPlan.slabSections.empty());
    for (const int sections : kPlan.slabSections) {
        ConductionWall slab = HomogeneousSlab();
        slab.sections = {sections};
        const SteadyComparison c = CompareSteadyFlow(slab, kPlan.steadyDays);
        EXPECT_LE(c.relativeError, Tolerances::kSteadyFlow) << sections << " sections";
        EXPECT_LE(c.heldError, Tolerances::kSteadyRoundOff) << sections << " sections";
    }
}

// The cooling total of both levels converges at second order from 70 sections on; the
// heating total is reported, not asserted (a mid-January run has none at level 5).
TEST_F(Comparison, LoadsConvergeWithTheGrid) {
    for (const int level : kPlan.gridLevels) {
        SCOPED_TRACE(::testing::Message() << "level " << level);
        const GridConvergence c = CompareGrids(level, kPlan.gridRefinements, kPlan.gridEnd);
        ASSERT_EQ(c.failure, "");
        ASSERT_EQ(c.sections, (std::vector<int>{35, 70, 140, 280}));
        EXPECT_LE(GridChange(c), GridChangeTolerance(level));
        ASSERT_TRUE(c.coolingOrder.defined);
        EXPECT_GE(c.coolingOrder.order, Tolerances::kMinOrder);
        EXPECT_LE(c.coolingOrder.order, Tolerances::kMaxOrder);
    }
}

// Runs that cannot complete must never read as passed.
TEST_F(Comparison, ComparisonsThatCouldNotRunFail) {
    fs::remove(dir.Path() / "cases" / "wall-level3.sim");
    const EnergyBalance energy = CompareEnergyBalance({3, 1, kPlan.energyEnd});
    EXPECT_NE(energy.failure, "");
    EXPECT_FALSE(Passes(energy));
    const GridConvergence grid = CompareGrids(3, {1, 2}, kPlan.gridEnd);
    EXPECT_NE(grid.failure, "");
    EXPECT_FALSE(Passes(grid));

    UptakeSetUp offStep;
    offStep.days = {0.3};  // 7.2 h: no step of an hour ends there
    EXPECT_FALSE(Passes(CompareUptake(offStep)));
    UptakeSetUp noSections;
    noSections.sections = 0;
    EXPECT_FALSE(Passes(CompareUptake(noSections)));

    // A step that does not split the hour evenly, and a wall missing a layer's sections.
    EXPECT_FALSE(PassesDiscrete(ComparePeriodic(HomogeneousSlab(), 0.4, 2)));
    ConductionWall unmatched = TwoLayerWall();
    unmatched.sections.pop_back();
    EXPECT_FALSE(Passes(CompareSteadyFlow(unmatched, 2)));
    EXPECT_FALSE(PassesDiscrete(ComparePeriodic(unmatched, 1.0, 2)));

    EXPECT_FALSE(Passes(SteadyComparison{}));
    EXPECT_FALSE(PassesDiscrete(PeriodicComparison{}));
    EXPECT_FALSE(PassesContinuous(PeriodicComparison{.stepHours = 0.5}));
    EXPECT_FALSE(AllPass(ValidationResults{}));
}

}  // namespace
}  // namespace porvap::validation
