#include <algorithm>
#include <cmath>

#include "tools/validation/ReportSections.h"
#include "tools/validation/ReportText.h"

namespace porvap::validation {

namespace {

constexpr const char* kSteadyTest = "`Conduction.SteadyFlowIsTheUValueFlow`";
constexpr const char* kPeriodicTest = "`Conduction.PeriodicResponseMatchesTheTransmissionMatrices`";
constexpr const char* kUptakeTest = "`Comparison.MoistureUptakeFollowsTheRobinSolution`";
constexpr const char* kEnergyTest = "`EnergyAtLevel.StoredHeatEqualsTheHeatThroughTheFaces`";
constexpr const char* kSectionsTest = "`Comparison.SteadyFlowHoldsAtEverySectionCount`";
constexpr const char* kGridTest = "`Comparison.LoadsConvergeWithTheGrid`";

std::string Row(const std::string& what, const std::string& reference, const std::string& tolerance,
                const std::string& measured, bool passes, const std::string& suite) {
    return "| " + what + " | " + reference + " | " + tolerance + " | " + measured + " | " +
           Verdict(passes) + " | " + suite + " |\n";
}

bool InSuite(const std::vector<double>& steps, double step) {
    return std::find(steps.begin(), steps.end(), step) != steps.end();
}

std::string SuiteNote(bool asserted, const char* test, const std::string& setUp) {
    return asserted ? std::string(test) + (setUp.empty() ? "" : ", " + setUp) : "report only";
}

template <class Number>
std::string List(const std::vector<Number>& values, const char* unit) {
    std::string list;
    for (const Number value : values)
        list += Format("%s%g", list.empty() ? "" : ", ", static_cast<double>(value));
    return list + unit;
}

std::string SteadyTolerance() {
    return Format("%.0e relative (%.0e with the held conductivities)", Tolerances::kSteadyFlow,
                  Tolerances::kSteadyRoundOff);
}

std::string SlabRow(const ValidationResults& r) {
    if (r.slabBySections.empty())
        return {};
    double worst = 0.0, worstHeld = 0.0;
    bool passes = true;
    for (const SteadyComparison& c : r.slabBySections) {
        worst = std::max(worst, c.relativeError);
        worstHeld = std::max(worstHeld, c.heldError);
        passes = passes && Passes(c);
    }
    return Row("Steady flow, 0.15 m concrete, " + List(r.plan.slabSections, " sections"),
               "U (T_e - T_i)", SteadyTolerance(), Format("%.2e (%.1e) at most", worst, worstHeld),
               passes, SuiteNote(true, kSectionsTest, List(SuitePlan().slabSections, " sections")));
}

std::string ConductionRows(const ValidationResults& r) {
    const ValidationPlan suite = SuitePlan();
    std::string rows;
    for (const ConductionResults& c : r.conduction) {
        rows += Row("Steady flow, " + c.wall.name, "U (T_e - T_i)", SteadyTolerance(),
                    Format("%.2e (%.1e)", c.steady.relativeError, c.steady.heldError),
                    Passes(c.steady), SuiteNote(true, kSteadyTest, ""));
        double worst = 0.0, worstLag = 0.0;
        bool discrete = !c.periodic.empty();
        for (const PeriodicComparison& p : c.periodic) {
            worst = std::max(worst, p.discreteError);
            worstLag = std::max(worstLag, std::fabs(p.discreteLagError));
            discrete = discrete && PassesDiscrete(p);
        }
        rows += Row("Periodic, " + c.wall.name + ", every step",
                    "transmission matrices, backward Euler rate",
                    Format("f %.0e relative, lag %g h", Tolerances::kDiscreteDecrement,
                           Tolerances::kDiscreteLag),
                    Format("f %.1e, lag %.4f h", worst, worstLag), discrete,
                    SuiteNote(true, kPeriodicTest, List(suite.periodicSteps, " h steps")));
        for (const PeriodicComparison& p : c.periodic) {
            const IsoTolerance t = ContinuousTolerance(p.stepHours);
            if (!t.applies)
                continue;
            rows += Row(
                Format("Periodic, %s, %g h steps", c.wall.name.c_str(), p.stepHours),
                "EN ISO 13786 (continuous)",
                Format("f %.0f %%, lag %.2f h", 100.0 * t.decrement, t.lag),
                Format("f %.2f %%, lag %+.3f h", 100.0 * p.continuousError, p.continuousLagError),
                PassesContinuous(p),
                SuiteNote(InSuite(suite.periodicSteps, p.stepHours), kPeriodicTest, ""));
        }
    }
    return rows + SlabRow(r);
}

std::string BundledRows(const ValidationResults& r) {
    const ValidationPlan suite = SuitePlan();
    std::string rows;
    for (const UptakeComparison& u : r.uptake) {
        rows += Row(Format("Moisture uptake, level 0, %g h steps", u.setUp.stepHours),
                    "Crank, Robin condition", Format("%.0e of the range", Tolerances::kUptake),
                    Format("%.2e", u.maxError), Passes(u),
                    SuiteNote(InSuite(suite.uptakeSteps, u.setUp.stepHours), kUptakeTest, ""));
    }
    const std::string suitePeriod = "1 January to " + DateText(suite.energyEnd);
    for (const EnergyBalance& e : r.energy) {
        rows += Row(Format("Energy balance, level %d", e.level), "conservation",
                    Format("%.0e of the throughput", EnergyTolerance(e.level)),
                    e.failure.empty() ? Format("%.2e", e.residual) : e.failure, Passes(e),
                    SuiteNote(true, kEnergyTest, suitePeriod));
    }
    const std::string gridSuite =
        Format("%d grids, 1 January to ", static_cast<int>(suite.gridRefinements.size())) +
        DateText(suite.gridEnd);
    for (const GridConvergence& g : r.grids) {
        const bool ran = g.failure.empty();
        rows += Row(Format("Grid, level %d: bundled grid against 2x sections", g.level),
                    "the finer grid", Format("%.0e of the load", GridChangeTolerance(g.level)),
                    ran ? Format("%.2e", GridChange(g)) : g.failure, PassesChange(g),
                    SuiteNote(true, kGridTest, gridSuite));
        rows +=
            Row(Format("Grid, level %d: observed order of the cooling total", g.level),
                "second order in space",
                Format("%.1f to %.1f", Tolerances::kMinOrder, Tolerances::kMaxOrder),
                ran && g.coolingOrder.defined ? Format("p = %.2f", g.coolingOrder.order) : "none",
                PassesOrder(g), SuiteNote(true, kGridTest, gridSuite));
    }
    return rows;
}

}  // namespace

std::string Summary(const ValidationResults& r) {
    return std::string("## Summary\n\n") + (AllPass(r) ? "Every" : "Not every") +
           " comparison passes at its tolerance.\n\n"
           "| Comparison | Reference | Tolerance | Measured | Verdict | Asserted in "
           "tests/validation |\n|---|---|---|---|---|---|\n" +
           ConductionRows(r) + BundledRows(r) +
           "\nThe observed order of the heating totals (section 4) and the moisture balance of "
           "the bundled wall (Finding 2) are reported below, not asserted.\n\n";
}

std::string ModelLevels() {
    return R"(## Model levels

What each level keeps (`core/engine/Assembly.cpp`). Levels 0 to 4 solve moisture content and
temperature together and exchange vapour, with its latent heat, at both faces; level 5 solves
temperature alone.

| Level | Latent heat of vapour diffusion inside | Conductivity | Liquid diffusivities DT, DTeta | Heat capacity |
|---|---|---|---|---|
| 0 | from DTetaV and DTV | per node, from its moisture content | per node | dry material + its water |
| 1 | from DTV only | per node | per node | dry material + its water |
| 2 | none | per node | per node | dry material + its water |
| 3 | none | per layer, at the case's fixed moisture content | per node | dry material + its water |
| 4 | none | per layer | per layer | dry material |
| 5 | no moisture | per layer | no moisture | dry material |

)";
}

}  // namespace porvap::validation
