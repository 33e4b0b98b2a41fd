#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tools/validation/Convergence.h"
#include "tools/validation/Report.h"
#include "tools/validation/ReportPlots.h"
#include "tools/validation/ReportText.h"

namespace porvap::validation {
namespace {

PeriodicComparison Periodic(double step) {
    const PeriodicResponse response{2.0, 0.6, 4.0};
    return {step, 10, response, response, response, 1e-5, 0.001, 0.005, -0.01};
}

UptakeProfile Profile(double days) {
    UptakeProfile p{.days = days, .maxError = 1e-3};
    for (int i = 0; i <= 200; ++i) {
        p.depth.push_back(0.0025 * i);
        p.simulated.push_back(std::max(0.0, 1.0 - 2.0 * p.depth.back()));
        p.analytical.push_back(p.simulated.back());
    }
    return p;
}

// Loads changing by 4, 1 and 1/4 (times scale) at each doubling: second order.
GridConvergence Grid(int level, double scale) {
    GridConvergence g{.level = level, .sections = {35, 70, 140, 280}};
    for (const double change : {0.0, 4.0, 5.0, 5.25}) {
        g.cooling.push_back(1000.0 + scale * change);
        g.heating.push_back(-500.0 - 0.5 * scale * change);
    }
    g.coolingOrder = ObservedOrder(g.cooling);
    g.heatingOrder = ObservedOrder(g.heating);
    return g;
}

// Every comparison passing, on the suite's plan.
ValidationResults Passing() {
    ValidationResults r{.plan = SuitePlan()};
    r.slabBySections = {{1.0, 1.0, 5e-9, 1e-14}, {1.0, 1.0, 5e-9, 2e-11}};
    ConductionResults c{.wall = HomogeneousSlab(), .steady = {38.6, 38.6, 5e-9, 3e-13}};
    for (const double step : r.plan.periodicSteps)
        c.periodic.push_back(Periodic(step));
    r.conduction.push_back(c);
    UptakeComparison u{.transfer = 47.0, .maxError = 1e-3};
    for (const double days : u.setUp.days)
        u.profiles.push_back(Profile(days));
    r.uptake.push_back(u);
    for (int level = 0; level <= 5; ++level) {
        EnergyBalance e{.level = level, .steps = 48, .throughput = 1e8};
        e.residual = level == 5 ? 3e-9 : 4e-4;
        e.dailyResidual = {e.residual, e.residual};
        if (level != 5)
            e.moistureResidual = 0.2;
        r.energy.push_back(e);
    }
    r.grids = {Grid(0, 1.0), Grid(5, 0.01)};
    return r;
}

std::set<std::string> AllPictures() {
    std::set<std::string> files;
    for (const Plot& plot : ValidationPlots(Passing()))
        files.insert(plot.file);
    return files;
}

std::vector<std::string> SummaryRows(const std::string& markdown) {
    std::istringstream in(markdown.substr(0, markdown.find("## Model levels")));
    std::vector<std::string> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("| ") && !line.starts_with("| Comparison"))
            rows.push_back(line);
    }
    return rows;
}

TEST(Report, PassingResultsReadAsPassedWithEveryPicture) {
    const ValidationResults r = Passing();
    ASSERT_TRUE(AllPass(r));
    const std::string md = ValidationMarkdown(r, AllPictures());
    EXPECT_NE(md.find("Every comparison passes"), std::string::npos);
    EXPECT_EQ(md.find("| **FAIL** |"), std::string::npos);
    EXPECT_EQ(md.find("nan"), std::string::npos);
    for (const std::string& file : AllPictures())
        EXPECT_NE(md.find("](validation/" + file + ")"), std::string::npos) << file;
    // One steady, one backward Euler and two ISO rows for the wall, one for the slab's section
    // counts; one uptake, six energy and two rows for each grid study.
    EXPECT_EQ(SummaryRows(md).size(), 4u + 1u + 1u + 6u + 4u);
}

TEST(Report, PicturesNotDrawnAreNamedNotLinked) {
    const std::string md = ValidationMarkdown(Passing(), {});
    EXPECT_EQ(md.find("!["), std::string::npos);
    EXPECT_NE(md.find("not drawn"), std::string::npos);
}

TEST(Report, FailedOrUnfinishedComparisonsAreMarked) {
    ValidationResults r = Passing();
    r.energy[2].residual = 2e-3;
    r.energy[5].residual = 1e-7;  // would pass at the other levels' tolerance
    r.slabBySections[1].heldError = 1e-8;
    r.grids[1].failure = "the run with 2x sections failed";
    r.grids[1].sections.clear();
    r.conduction[0].periodic[1].continuousError = kNotMeasured;
    EXPECT_FALSE(AllPass(r));
    const std::string md = ValidationMarkdown(r, {});
    EXPECT_NE(md.find("Not every comparison passes"), std::string::npos);
    const auto rows = SummaryRows(md);
    const auto row = [&](const std::string& start) {
        const auto it = std::find_if(rows.begin(), rows.end(),
                                     [&](const std::string& s) { return s.starts_with(start); });
        return it == rows.end() ? std::string() : *it;
    };
    EXPECT_NE(row("| Energy balance, level 2 ").find("**FAIL**"), std::string::npos);
    EXPECT_EQ(row("| Energy balance, level 3 ").find("**FAIL**"), std::string::npos);
    EXPECT_NE(row("| Energy balance, level 5 ").find("**FAIL**"), std::string::npos);
    EXPECT_NE(row("| Steady flow, 0.15 m concrete, 10, 320").find("**FAIL**"), std::string::npos);
    EXPECT_NE(row("| Grid, level 5: bundled").find("the run with 2x sections failed"),
              std::string::npos);
    EXPECT_NE(row("| Grid, level 5: bundled").find("**FAIL**"), std::string::npos);
    EXPECT_NE(row("| Grid, level 5: observed").find("**FAIL**"), std::string::npos);
    EXPECT_NE(row("| Periodic, 0.15 m concrete, 0.0625 h").find("**FAIL**"), std::string::npos);
}

// Only the cooling total's order is asserted; a heating total out of the band is named.
TEST(Report, OrderOfTheCoolingTotalDecides) {
    ValidationResults r = Passing();
    EXPECT_NE(ValidationMarkdown(r, {}).find("Every total converges"), std::string::npos);
    r.grids[0].heatingOrder = ObservedOrder(-370.0, -356.7, -357.0);
    EXPECT_TRUE(AllPass(r));
    EXPECT_NE(ValidationMarkdown(r, {}).find("outside 1.5 to 2.5: level 0 heating."),
              std::string::npos);
    r.grids[1].cooling.back() = r.grids[1].cooling[2] + 0.004;  // p = log2(2.5) = 1.32
    r.grids[1].coolingOrder = ObservedOrder(r.grids[1].cooling);
    EXPECT_TRUE(PassesChange(r.grids[1]));
    EXPECT_FALSE(AllPass(r));
    const auto rows = SummaryRows(ValidationMarkdown(r, {}));
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const std::string& row) {
        return row.starts_with("| Grid, level 5: observed order") &&
               row.find("p = 1.32 | **FAIL**") != std::string::npos;
    }));
}

TEST(ReportPlots, EachComparisonHasItsChart) {
    const ValidationResults r = Passing();
    const std::vector<Plot> plots = ValidationPlots(r);
    ASSERT_EQ(plots.size(), 6u);
    const Plot& decrement = plots[0];
    EXPECT_EQ(decrement.file, kDecrementPlot);
    ASSERT_EQ(decrement.series.size(), 3u);  // engine, backward Euler and ISO for one wall
    EXPECT_EQ(decrement.series[0].x, r.plan.periodicSteps);

    const Plot& uptake = plots[2];
    ASSERT_EQ(uptake.series.size(), 6u);         // reference and engine for three days
    EXPECT_EQ(uptake.series[0].x.size(), 121u);  // nodes down to 0.3 m
    EXPECT_EQ(uptake.series[1].x.size(), 31u);   // every fourth of them

    const Plot& energy = plots[3];
    ASSERT_EQ(energy.series.size(), 6u + 2u);  // the levels and the two tolerance lines
    EXPECT_EQ(energy.series[6].y.front(), Tolerances::kEnergyMoisture);
    EXPECT_EQ(energy.series[7].y.front(), -Tolerances::kEnergyMoisture);

    // The changes at each doubling, the heating ones half the cooling ones, and the
    // second-order line through level 0's first cooling change.
    const Plot& grid = plots[4];
    ASSERT_EQ(grid.series.size(), 2u * 2u + 1u);
    EXPECT_EQ(grid.series[0].x, (std::vector<double>{70.0, 140.0, 280.0}));
    EXPECT_NEAR(grid.series[0].y[0], 4.0 / 1500.0, 1e-15);
    EXPECT_NEAR(grid.series[1].y[2], 0.125 / 1500.0, 1e-15);
    EXPECT_NEAR(grid.series[4].y[2], grid.series[0].y[2], 1e-15);

    // Engine, engine against the held conductivity, the quoted float engine and the
    // tolerance; a log axis takes no zero.
    ValidationResults exact = r;
    exact.slabBySections[0].heldError = 0.0;
    const Plot roundOff = ValidationPlots(exact)[5];
    ASSERT_EQ(roundOff.series.size(), 4u);
    EXPECT_EQ(roundOff.series[0].x, (std::vector<double>{10.0, 320.0}));
    EXPECT_EQ(roundOff.series[1].x, (std::vector<double>{320.0}));
    EXPECT_EQ(roundOff.series[2].y.back(), 1.2e-2);
}

TEST(ReportText, FormatsTextOfAnyLengthAndDates) {
    const std::string long_(2000, 'x');
    EXPECT_EQ(Format("%s-%d", long_.c_str(), 7), long_ + "-7");
    EXPECT_EQ(DateText({14, 1, 23}), "14 January");
    EXPECT_EQ(DateText({1, 13, 0}), "?");
}

}  // namespace
}  // namespace porvap::validation
