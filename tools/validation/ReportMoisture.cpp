#include <cmath>

#include "tools/validation/ReportPlots.h"
#include "tools/validation/ReportSections.h"
#include "tools/validation/ReportText.h"

namespace porvap::validation {

std::string UptakeSection(const ValidationResults& r, const std::set<std::string>& drawn) {
    if (r.uptake.empty())
        return {};
    const UptakeSetUp& s = r.uptake.front().setUp;
    std::string text =
        Format(R"(## 2. Isothermal moisture uptake (model level 0)

The full model made linear: one %.2f m layer (%d sections) of a material with constant DTeta
= %.0e m2/s, DT = DTV = DTetaV = 0 and the straight isotherm theta = %.2f phi; the air on both
sides and the wall at 20 degC, the surface films at %.0e W/(m2 K) so that the latent heat of
the uptake cannot warm the face. The wall starts at the engine's 0.03 m3/m3 (phi = 0.6, the
room's humidity); at t = 0 the outdoor air turns to phi = %.1f. The moisture equation is then
linear diffusion, and the engine's vapour exchange at the face, g = beta (rho_air - rho_face)
with beta from the film and a paint of permeance %.0e kg/(m2 s Pa), is a Robin condition
D dtheta/dx = -h D (theta_air - theta) with h = beta p_ws / (R_v T sorption rho_l D) taken from
the engine's own functions (`SurfaceResistance`, `SaturationPressureOverT`).

Reference: Crank, *The Mathematics of Diffusion*, 2nd ed., 1975, chapter 3, the semi-infinite
medium with a surface evaporation (Robin) condition, which becomes the erfc solution (p. 32) as
h grows without bound:
(theta - theta0) / (theta_air - theta0) = erfc(x / 2 sqrt(Dt)) - exp(hx + h^2 Dt) erfc(x / 2 sqrt(Dt) + h sqrt(Dt)),
here with h = %.2f 1/m, so h sqrt(Dt) runs from %.1f to %.1f over the profiles: far from a
fixed surface value, which the face reaches only as h sqrt(Dt) grows. The profiles are taken
in the warm-up pass, which starts from the uniform initial state. Measured: the largest
difference over all nodes and profiles, as a share of theta_air - theta0; tolerance %.0e.

| Step (h) | Day | Face, engine | Face, Crank | Largest error | Verdict |
|---|---|---|---|---|---|
)",
               s.thickness, s.sections, s.diffusivity, s.sorption, s.filmCoefficient, s.airHumidity,
               s.permeance, r.uptake.front().transfer,
               r.uptake.front().transfer * std::sqrt(s.diffusivity * 86400.0 * s.days.front()),
               r.uptake.front().transfer * std::sqrt(s.diffusivity * 86400.0 * s.days.back()),
               Tolerances::kUptake);
    for (const UptakeComparison& u : r.uptake) {
        for (const UptakeProfile& p : u.profiles) {
            text += Format("| %g | %g | %.4f | %.4f | %.2e | ", u.setUp.stepHours, p.days,
                           p.simulated.front(), p.analytical.front(), p.maxError) +
                    Verdict(p.maxError <= Tolerances::kUptake) + " |\n";
        }
    }
    return text +
           "\nThe error is largest on the first day and shrinks four times with a four times "
           "shorter step: the implicit step's first-order error.\n\n" +
           Picture(drawn, kUptakePlot, "Moisture profiles after 1, 3 and 10 days");
}

}  // namespace porvap::validation
