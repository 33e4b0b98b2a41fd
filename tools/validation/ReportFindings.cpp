#include <algorithm>
#include <cmath>

#include "core/climate/Psychrometrics.h"
#include "tools/validation/ReportPlots.h"
#include "tools/validation/ReportSections.h"
#include "tools/validation/ReportText.h"

namespace porvap::validation {

namespace {

constexpr double kMega = 1e6;
constexpr float kRoomTemperature = 20.0f;  // degC, for the latent heat of the missing water

std::string QuotedHistory() {
    std::string text = "Before the fix: ";
    for (std::size_t k = 0; k < kSinglePrecisionSteadyError.size(); ++k) {
        const QuotedError& q = kSinglePrecisionSteadyError[k];
        text += Format("%s%.1e at %d%s", k ? ", " : "", q.error, q.sections, k ? "" : " sections");
    }
    return text + Format("; level-5 annual imbalance %.4f MJ/m2.", kSinglePrecisionImbalance);
}

std::string ConductionBalance(const ValidationResults& r) {
    for (const EnergyBalance& e : r.energy) {
        if (e.level != kConductionOnly || !e.failure.empty())
            continue;
        const double in = e.externalSensible + e.internalSensible;
        return Format(
            " Over the level-5 run of section 3, stored - in is now %.1e MJ/m2, %.1e of the "
            "throughput.",
            (e.stored - in) / kMega, e.residual);
    }
    return {};
}

std::string RoundOff(const ValidationResults& r, const std::set<std::string>& drawn) {
    std::string text = R"(### Finding 1: single-precision equations (fixed)

The engine held its linear systems in float: the 2x2 blocks of levels 0 to 4 (`Block`) and
the conduction system of level 5 (`ConductionSystem`), and `core/engine/Assembly.cpp` summed each
diagonal, conductances of order k/dx = 10^2 to 10^3 W/(m2 K) plus the capacity term, in float.
The rounding of that sum acted as a conductance to 0 degC that no physics put there: it worked
on the absolute temperature, and its effect grew with the square of the sections, so that a
finer grid gave a worse answer. The fix holds the systems in double: `core/engine/SimulationEngine.h`
(`Block`, `BlockVector`, `ConductionSystem`), `core/engine/Assembly.cpp` (entries and diagonal sums)
and `core/engine/Solver.cpp` (work arrays). The steady flow of the 0.15 m slab with the fixed engine:

| Sections | Error | Error, U from the held conductivity | Verdict |
|---|---|---|---|
)";
    for (std::size_t k = 0; k < r.slabBySections.size(); ++k) {
        const SteadyComparison& c = r.slabBySections[k];
        text +=
            Format("| %d | %.2e | %.1e | ", r.plan.slabSections[k], c.relativeError, c.heldError) +
            Verdict(Passes(c)) + " |\n";
    }
    return text + "\n" + Picture(drawn, kRoundOffPlot, "Steady flow error against sections") +
           "The error no longer depends on the sections: what is left is the conductivity the "
           "material record holds in float, and against U from that value the error is "
           "round-off. " +
           QuotedHistory() + ConductionBalance(r) +
           " The steady-flow, backward Euler, level-5 energy and grid tolerances were tightened "
           "with the fix.\n\n";
}

std::string Moisture(const ValidationResults& r) {
    std::string text = R"(### Finding 2: vapour flows reported at the room face

The water stored in the bundled wall against the vapour flows the engine reports at its faces
(`BoundaryState::ge`, `gi`, over the same run as section 3), and beside it the energy balance
of section 3 against the latent heat of the water the flows miss (L at 20 degC):

| Level | Stored water (kg/m2) | Outdoor face (kg/m2) | Room face (kg/m2) | Residual | Energy, stored - in (MJ/m2) | L (water stored - in) (MJ/m2) |
|---|---|---|---|---|---|---|
)";
    const double latent = LatentHeat(kRoomTemperature);
    double worst = 0.0;
    for (const EnergyBalance& e : r.energy) {
        if (std::isnan(e.moistureResidual))
            continue;
        const double energy = e.stored - e.externalSensible - e.externalLatent -
                              e.internalSensible - e.internalLatent;
        const double water = latent * (e.storedWater - e.externalVapour - e.internalVapour);
        worst = std::max(worst, std::fabs(energy / water - 1.0));
        text += Format("| %d | %.4f | %.4f | %.4f | %.1f %% | %.4f | %.4f |\n", e.level,
                       e.storedWater, e.externalVapour, e.internalVapour,
                       100.0 * e.moistureResidual, energy / kMega, water / kMega);
    }
    return text + Format(R"(
The two energy columns agree to %.0f %%: the energy residual of levels 0 to 4 is this water's
latent heat. The flows the engine reports are not those it solved with. The solve takes the
room-side vapour resistance from the natural-convection coefficient (`SetFilmConductances`,
`core/engine/Driver.cpp`) whatever h_i the case gives, while `SurfaceFluxes`
(`core/engine/Boundary.cpp`), which gives gi and so the latent flow to the room, uses the case's
h_i (3.6 W/(m2 K) here); and `SurfaceFluxes` takes vapour densities from
`SaturationDensity`, the solve from `SaturationPressureOverT`, two fits 1 to 2.5 %% apart
between 0 and 30 degC. The latent flows and loads reported for the room inherit the error.

)",
                         100.0 * worst);
}

constexpr const char* kTimeStep = R"(### Finding 3: the time step of a case

`ValidateAndSetUp` hands the case's time step to the engine (`SetTimeStep`), but `OpenClimate`
(`core/engine/ClimateStreams.cpp`) then sets it to `hoursPerStep` x 3600 s, so every case runs in
1 h steps. The comparisons above reach shorter steps through `EngineParameters::hoursPerStep`.
On that path `UpdateBoundaryClimate` (`core/engine/Boundary.cpp`) advances the climate for steps
under 3000 s and from 3600 s on, and leaves it still for steps in between.

)";

}  // namespace

std::string Findings(const ValidationResults& r, const std::set<std::string>& drawn) {
    return "## Findings\n\nWhat these comparisons showed in the engine. Finding 1 was a fault "
           "and is fixed. Findings 2 and 3 are the program's defined behaviour: reported here, "
           "not changed.\n\n" +
           RoundOff(r, drawn) + Moisture(r) + kTimeStep;
}

}  // namespace porvap::validation
