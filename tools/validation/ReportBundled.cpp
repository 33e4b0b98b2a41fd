#include <cmath>
#include <utility>

#include "tools/validation/ReportPlots.h"
#include "tools/validation/ReportSections.h"
#include "tools/validation/ReportText.h"

namespace porvap::validation {

namespace {

constexpr double kMega = 1e6;

std::string BundledSetUp(const DayHour& end) {
    return "`data/cases/wall-level<N>.sim`: 0.02 m cement-lime mortar, 0.10 m solid clay brick, "
           "0.02 m mortar (5 + 25 + 5 sections), vertical, facing south, h_e 12.4 and h_i "
           "3.6 W/(m2 K), absorptivity 0.35, paints of 200e-12 and 900e-12 kg/(m2 s Pa), under "
           "the bundled year of Florianopolis (`data/BrazilianWeathers/floext.pvh`) and its "
           "free-running room (`data/InternalConditions(0HeatGain)/FLOint0g.pvh`), 1 h steps, "
           "1 January to " +
           DateText(end) + ".";
}

std::string EnergyRows(const ValidationResults& r) {
    std::string rows =
        "| Level | Stored | External sensible | External latent | Internal sensible | Internal "
        "latent | Throughput | Residual | Verdict |\n|---|---|---|---|---|---|---|---|---|\n";
    for (const EnergyBalance& e : r.energy) {
        if (!e.failure.empty()) {
            rows += Format("| %d | %s | | | | | | | **FAIL** |\n", e.level, e.failure.c_str());
            continue;
        }
        rows += Format("| %d | %.4f | %.3f | %.4f | %.3f | %.4f | %.1f | %.2e | ", e.level,
                       e.stored / kMega, e.externalSensible / kMega, e.externalLatent / kMega,
                       e.internalSensible / kMega, e.internalLatent / kMega, e.throughput / kMega,
                       e.residual) +
                Verdict(Passes(e)) + " |\n";
    }
    return rows;
}

std::string GridRows(const GridConvergence& g) {
    std::string rows = Format(
        "**Level %d**\n\n| Sections | Cooling (Wh/m2) | Heating (Wh/m2) |\n"
        "|---|---|---|\n",
        g.level);
    if (!g.failure.empty())
        return rows + "| " + g.failure + " | | |\n\n";
    for (std::size_t k = 0; k < g.sections.size(); ++k)
        rows += Format("| %d | %.3f | %.3f |\n", g.sections[k], g.cooling[k], g.heating[k]);
    auto order = [](const char* load, const Refinement& o) {
        if (!o.defined)
            return Format("%s: no observed order (the last differences vanish or change sign)",
                          load);
        return Format("%s: observed order p = %.2f, Richardson value %.3f Wh/m2", load, o.order,
                      o.extrapolated);
    };
    return rows + "\n" + order("Cooling", g.coolingOrder) + " (" + Verdict(PassesOrder(g)) + "); " +
           order("heating", g.heatingOrder) +
           Format(
               ". Change from the bundled grid to twice its sections: %.2e of the load "
               "(tolerance %.0e): ",
               GridChange(g), GridChangeTolerance(g.level)) +
           Verdict(PassesChange(g)) + ".\n\n";
}

// Which totals leave the band of second order, and why only the cooling total is asserted.
std::string OrderNote(const ValidationResults& r) {
    std::string outside;
    for (const GridConvergence& g : r.grids) {
        for (const auto& [load, o] :
             {std::pair{"cooling", g.coolingOrder}, std::pair{"heating", g.heatingOrder}}) {
            if (g.failure.empty() && !SecondOrder(o))
                outside += Format("%slevel %d %s", outside.empty() ? "" : ", ", g.level, load);
        }
    }
    const std::string band = Format("%.1f to %.1f", Tolerances::kMinOrder, Tolerances::kMaxOrder);
    if (outside.empty())
        return "Every total converges at an observed order between " + band + ".\n\n";
    return "Observed order outside " + band + ": " + outside +
           ". Only the cooling total's order is asserted. The heating total of these office "
           "hours in a warm climate is small beside it, and at levels 0 to 4 it adds the "
           "latent heat of the hours when vapour passes from the room into the wall: a small "
           "flow that changes sign from hour to hour, summed over one sign only.\n\n";
}

}  // namespace

std::string EnergySection(const ValidationResults& r, const std::set<std::string>& drawn) {
    return "## 3. Energy conservation (levels 0 to 5)\n\n" + BundledSetUp(r.plan.energyEnd) +
           R"(

Over the recording pass (the warm-up pass before it runs the same interval), summed step by
step, in MJ/m2:

* **stored**: sum over nodes of C (T_new - T_old) V, with C the node's volumetric heat
  capacity at the step's end (dry material plus its water at levels 0 to 3, dry material at 4
  and 5) and V its control volume, half of each adjacent section: the sensible heat of the
  model's heat equation;
* **external**: h_e (T_e - T_0) + a I - e L_w into the wall, and at levels 0 to 4 the latent
  heat L(T_0) g_e of the vapour the engine reports entering;
* **internal**: the sensible and latent flows to the room the engine reports, with their
  sign turned (into the wall).

The model keeps no latent store: vapour that condenses inside gives its latent heat up there
as sensible heat, so latent heat enters the balance only at the faces. The residual is
|stored - external - internal| over the throughput, half the sum of |external| and |internal|
per step; tolerance )" +
           Format("%.0e at levels 0 to 4, %.0e at level 5", Tolerances::kEnergyMoisture,
                  Tolerances::kEnergyConduction) +
           ".\n\n" + EnergyRows(r) + "\n" +
           Picture(drawn, kEnergyPlot, "Cumulative energy residual by model level") +
           "At level 5 the balance closes to the round-off of the sums. At levels 0 to 4 the "
           "residual is the latent heat of the water that the reported vapour flows miss "
           "(Finding 2 sets the two side by side); that, not the scheme, sets their "
           "tolerance.\n\n";
}

std::string GridSection(const ValidationResults& r, const std::set<std::string>& drawn) {
    std::string text = "## 4. Grid convergence\n\n" + BundledSetUp(r.plan.gridEnd) +
                       Format(R"(

The sections of every layer are multiplied by 1, 2, 4, ...; the loads are the heating and
cooling totals the engine accumulates in its RunSummary (office hours, 8 to 17 h of working
days; sensible plus latent, sensible only at level 5), as `arq.txt` gives them. From the
three finest grids, with L_h the finest: p = log(|L_4h - L_2h| / |L_2h - L_h|) / log 2 and the
Richardson value L* = L_h + (L_h - L_2h) / (2^p - 1). The scheme is second order in space, so
p should come out near 2. Asserted: the cooling total's observed order lies between %.1f and
%.1f, and the bundled grid's totals lie within the tolerance of those with twice the
sections, as a share of the bundled grid's cooling plus heating (%.0e at levels 0 to 4, %.0e
at level 5).

)",
                              Tolerances::kMinOrder, Tolerances::kMaxOrder,
                              Tolerances::kGridChangeMoisture, Tolerances::kGridChangeConduction);
    for (const GridConvergence& g : r.grids)
        text += GridRows(g);
    return text + Picture(drawn, kGridPlot, "Change of the loads as the sections double") +
           OrderNote(r);
}

}  // namespace porvap::validation
