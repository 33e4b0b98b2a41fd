#include "tools/validation/ReportPlots.h"

#include <cmath>

namespace porvap::validation {

namespace {

using Style = Series::Style;

// A logarithmic axis shows no zero: such a value is left out.
void AppendPositive(Series& s, double x, double y) {
    if (y <= 0.0)
        return;
    s.x.push_back(x);
    s.y.push_back(y);
}

Plot PeriodicPlot(const ValidationResults& r, bool lag) {
    Plot plot{lag ? kLagPlot : kDecrementPlot,
              std::string(lag ? "Time lag of the room's heat flow" : "Decrement factor") +
                  " (points: engine, line: backward Euler, dashed: ISO 13786)",
              {"time step (h)", true},
              {lag ? "time lag (h)" : "decrement factor f = |Y12| / U", false}};
    int group = 0;
    for (const ConductionResults& c : r.conduction) {
        Series engine{c.wall.label + ": engine", Style::Points, group};
        Series discrete{c.wall.label + ": backward Euler", Style::Line, group};
        Series iso{c.wall.label + ": ISO 13786", Style::Dashed, group++};
        for (const PeriodicComparison& p : c.periodic) {
            auto pick = [lag](const PeriodicResponse& x) { return lag ? x.lag : x.decrement; };
            for (Series* s : {&engine, &discrete, &iso})
                s->x.push_back(p.stepHours);
            engine.y.push_back(pick(p.simulated));
            discrete.y.push_back(pick(p.discrete));
            iso.y.push_back(pick(p.continuous));
        }
        plot.series.insert(plot.series.end(), {engine, discrete, iso});
    }
    return plot;
}

Plot UptakePlot(const ValidationResults& r) {
    Plot plot{kUptakePlot,
              "Moisture uptake, level 0, 1 h steps (points: engine, line: Crank)",
              {"depth (m)", false},
              {"(theta - theta0) / (theta_air - theta0)", false}};
    if (r.uptake.empty())
        return plot;
    constexpr double kDepthShown = 0.3;  // m; the profiles are flat beyond
    constexpr int kEveryNode = 4;
    int group = 0;
    for (const UptakeProfile& p : r.uptake.front().profiles) {
        const std::string day = std::to_string(static_cast<int>(p.days)) + " d";
        Series analytical{day + ": Crank (Robin)", Style::Line, group};
        Series engine{day + ": engine", Style::Points, group++};
        for (std::size_t i = 0; i < p.depth.size() && p.depth[i] <= kDepthShown; ++i) {
            analytical.x.push_back(p.depth[i]);
            analytical.y.push_back(p.analytical[i]);
            if (i % kEveryNode != 0)
                continue;
            engine.x.push_back(p.depth[i]);
            engine.y.push_back(p.simulated[i]);
        }
        plot.series.insert(plot.series.end(), {analytical, engine});
    }
    return plot;
}

Plot EnergyPlot(const ValidationResults& r) {
    Plot plot{kEnergyPlot,
              "Energy balance over the recorded run",
              {"day of the recorded run", false},
              {"(stored - in) / throughput, cumulative", false}};
    for (const EnergyBalance& e : r.energy) {
        Series s{"level " + std::to_string(e.level), Style::Line, e.level};
        for (std::size_t d = 0; d < e.dailyResidual.size(); ++d) {
            s.x.push_back(static_cast<double>(d + 1));
            s.y.push_back(e.dailyResidual[d]);
        }
        plot.series.push_back(s);
    }
    const double days = r.energy.empty() ? 0.0 : r.energy.front().dailyResidual.size();
    const double tolerance = Tolerances::kEnergyMoisture;
    for (const double sign : {1.0, -1.0}) {
        plot.series.push_back({sign > 0 ? "tolerance, levels 0 to 4" : "",
                               Style::Dashed,
                               -1,
                               {1.0, days},
                               {sign * tolerance, sign * tolerance}});
    }
    return plot;
}

// A second-order scheme divides the change by four at each doubling of the sections.
Plot GridPlot(const ValidationResults& r) {
    Plot plot{kGridPlot,
              "Change of the loads as the sections double (line: cooling, dashed: heating)",
              {"sections in the wall, finer of the two grids", true},
              {"|L(n) - L(n/2)| / (cooling + |heating|) of the bundled grid", true}};
    Series secondOrder{"second order: falls as 1 / sections squared", Style::Dashed, -1};
    for (const GridConvergence& g : r.grids) {
        if (g.sections.empty())
            continue;
        const double total = std::fabs(g.cooling[0]) + std::fabs(g.heating[0]);
        const std::string level = "level " + std::to_string(g.level);
        Series cooling{level + ": cooling", Style::Line, g.level};
        Series heating{level + ": heating", Style::Dashed, g.level};
        for (std::size_t k = 1; k < g.sections.size(); ++k) {
            AppendPositive(cooling, g.sections[k],
                           std::fabs(g.cooling[k] - g.cooling[k - 1]) / total);
            AppendPositive(heating, g.sections[k],
                           std::fabs(g.heating[k] - g.heating[k - 1]) / total);
        }
        if (secondOrder.x.empty() && !cooling.x.empty()) {
            for (const double n : cooling.x) {
                secondOrder.x.push_back(n);
                secondOrder.y.push_back(cooling.y.front() * std::pow(cooling.x.front() / n, 2.0));
            }
        }
        plot.series.insert(plot.series.end(), {cooling, heating});
    }
    plot.series.push_back(secondOrder);
    return plot;
}

Plot RoundOffPlot(const ValidationResults& r) {
    Plot plot{kRoundOffPlot,
              "Steady flow through the 0.15 m slab, level 5: error against sections",
              {"sections", true},
              {"|q / (U dT) - 1|", true}};
    Series engine{"against U", Style::Points, 0};
    Series held{"against U from the conductivity held in float", Style::Points, 2};
    Series before{"before the fix (systems in float)", Style::Points, 1};
    Series tolerance{"tolerance", Style::Dashed, -1};
    for (std::size_t k = 0; k < r.slabBySections.size(); ++k) {
        const double n = r.plan.slabSections[k];
        AppendPositive(engine, n, r.slabBySections[k].relativeError);
        AppendPositive(held, n, r.slabBySections[k].heldError);
        AppendPositive(tolerance, n, Tolerances::kSteadyFlow);
    }
    for (const QuotedError& q : kSinglePrecisionSteadyError)
        AppendPositive(before, q.sections, q.error);
    plot.series.insert(plot.series.end(), {engine, held, before, tolerance});
    return plot;
}

}  // namespace

std::vector<Plot> ValidationPlots(const ValidationResults& r) {
    return {PeriodicPlot(r, false), PeriodicPlot(r, true), UptakePlot(r),
            EnergyPlot(r),          GridPlot(r),           RoundOffPlot(r)};
}

}  // namespace porvap::validation
