#pragma once

#include <array>
#include <span>

namespace porvap {

// Monthly values indexed by month 1..12 (index 0 unused).
using MonthlyArray = std::array<float, 13>;

// What a run reports to whoever owns the engine (a case window, the command-line runner).
// Every call has an empty default, so an owner overrides only what it shows.
class EngineObserver {
  public:
    virtual ~EngineObserver() = default;

    virtual void Progress(float /*intervalLength*/, float /*elapsed*/) {}
    virtual void Profiles(int /*month*/, int /*day*/, int /*hour*/,
                          std::span<const double> /*theta*/,
                          std::span<const double> /*temperature*/, int /*lastNode*/) {}
    // latent and sensible in W/m2 to the room; mass flow in kg/(m2 s) into the element.
    virtual void Behaviour(int /*month*/, int /*day*/, int /*hour*/,
                           std::span<const double> /*theta*/,
                           std::span<const double> /*temperature*/, int /*lastNode*/,
                           double /*latent*/, double /*sensible*/, double /*massFlow*/) {}
    virtual void WarmupRanges(float /*maxTheta*/, float /*maxT*/, float /*minTheta*/,
                              float /*minT*/) {}
    virtual void MonthlyMeans(const MonthlyArray& /*theta*/, const MonthlyArray& /*temperature*/,
                              int /*month*/) {}
    // Energies in J/m2 over the month's office hours.
    virtual void MonthlyGains(int /*month*/, float /*sensible*/, float /*latent*/) {}
    virtual void MonthlyLosses(int /*month*/, float /*sensible*/, float /*latent*/) {}
};

}  // namespace porvap
