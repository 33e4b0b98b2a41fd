#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>

#include "core/common/ChartData.h"
#include "core/engine/EngineObserver.h"
#include "core/results/ProfileStore.h"
#include "core/results/RunSettings.h"

namespace porvap {

// The live results of one case window: the six charts, the profile store and their
// trackers, fed by its engine during a run. Knows nothing of widgets: the window draws
// the charts and lists from here.
class ResultViews : public EngineObserver {
  public:
    // Chart indices, in the order of the result pages G1 to G6.
    enum ChartIndex { kBehaviour, kProfiles, kSituation, kHeatGain, kHeatLoss, kFlows };

    // progressCounter is the program-wide counter shared by every window; progressBar
    // receives (maximum, position) whenever the bar is to move.
    ResultViews(int& progressCounter, std::function<void(int, int)> progressBar);

    // At Run, after validation: capacity, axes and trackers for this run.
    void ResetResultViews(const RunSettings& settings, int nodeCount);

    void ShowProgress(float totalSeconds, float elapsedSeconds);
    void SetRunRanges(float maxTheta, float maxT, float minTheta, float minT);
    void RecordStep(int month, int day, int hour, std::span<const double> theta,
                    std::span<const double> temperature, int lastNode, double latent,
                    double sensible, double massFlow);
    void AddTimeSeriesPoint(int month, int day, int hour, std::span<const double> theta,
                            std::span<const double> temperature, int lastNode);
    void AddMonthlyMeans(const MonthlyArray& theta, const MonthlyArray& temperature, int month);
    void AddMonthlyGain(int month, float sensible, float latent);
    void AddMonthlyLoss(int month, float sensible, float latent);
    void ShowProfile(int slot);
    void ShowProfile(std::span<const double> theta, std::span<const double> temperature);

    const ChartData& Chart(ChartIndex index) const { return charts_[index]; }
    const ProfileStore& Profiles() const { return store_; }

    // The engine's call-backs.
    void Progress(float intervalLength, float elapsed) override;
    void Profiles(int month, int day, int hour, std::span<const double> theta,
                  std::span<const double> temperature, int lastNode) override;
    void Behaviour(int month, int day, int hour, std::span<const double> theta,
                   std::span<const double> temperature, int lastNode, double latent,
                   double sensible, double massFlow) override;
    void WarmupRanges(float maxTheta, float maxT, float minTheta, float minT) override;
    void MonthlyMeans(const MonthlyArray& theta, const MonthlyArray& temperature,
                      int month) override;
    void MonthlyGains(int month, float sensible, float latent) override;
    void MonthlyLosses(int month, float sensible, float latent) override;

  private:
    // Extremes of one energy chart so far: monthly totals in J/m2 and the latent share.
    struct EnergyExtremes {
        double maxTotal, minTotal, maxShare, minShare;
    };
    // Start values that the first month replaces.
    static constexpr EnergyExtremes kGainStart{-999.0, 999.0, 0.0, 100.0};
    static constexpr EnergyExtremes kLossStart{-999999.0, 999.0, 0.0, 100.0};

    void DrawProfile(std::span<const double> theta, std::span<const double> temperature,
                     std::size_t nodes);
    bool IsProfileStep(const std::string& label);
    void AddFlowPoint(const std::string& label, double latent, double sensible, double mass);
    void AddMonthlyEnergy(ChartData& chart, EnergyExtremes& extremes, int month, float sensible,
                          float latent);

    std::array<ChartData, 6> charts_;
    ProfileStore store_;
    RunSettings settings_;
    int& progressCounter_;
    std::function<void(int, int)> progressBar_;
    int situationSteps_ = 0;  // G3 steps since its last point
    int situationPoint_ = 0;
    int flowPoint_ = 0;
    double flowMax_ = 0.0, flowMin_ = 0.0;  // W/m2
    EnergyExtremes gain_ = kGainStart, loss_ = kLossStart;
    int plotCountdown_ = 0;       // h since the last profile of the time interval
    std::string intervalMarker_;  // empty while the time interval is being sampled
};

}  // namespace porvap
