#include "core/results/ResultViews.h"

#include <algorithm>
#include <utility>

#include "core/results/ResultCharts.h"

namespace porvap {

namespace {

// The bar moves on one progress call in this many; the counter is shared by all windows.
constexpr int kProgressCalls = 26;

void ClearAll(ChartData& chart) {
    for (int i = 0; i < static_cast<int>(chart.series.size()); ++i)
        chart.Clear(i);
}

}  // namespace

ResultViews::ResultViews(int& progressCounter, std::function<void(int, int)> progressBar)
    : charts_(MakeResultCharts()),
      progressCounter_(progressCounter),
      progressBar_(std::move(progressBar)) {}

void ResultViews::ResetResultViews(const RunSettings& settings, int nodeCount) {
    settings_ = settings;
    const int capacity = ProfileStore::CapacityFor(settings);
    store_.Reset(capacity, nodeCount);
    plotCountdown_ = settings.plottingCounter;
    intervalMarker_ = settings.profileStart;

    // The behaviour chart starts every run on its default axes, empty.
    ChartData& behaviour = charts_[kBehaviour];
    if (settings.graphicalOutput) {
        SetAxis(behaviour, behaviour.left, {20.0, 40.0, 2.0});
        SetAxis(behaviour, behaviour.right, {0.0, 10.0, 1.0});
        ClearAll(behaviour);
    }

    ChartData& profiles = charts_[kProfiles];
    ClearAll(profiles);
    SetAxis(profiles, profiles.bottom, {0.0, nodeCount - 1.0, 1.0});

    ChartData& situation = charts_[kSituation];
    const int points = settings.graph3Days > 0 ? settings.runDays / settings.graph3Days : 0;
    SetAxis(situation, situation.bottom, {1.0, std::max(points, 1) * 1.0, 1.0});
    ClearAll(situation);
    situationSteps_ = situationPoint_ = 0;

    ChartData& flows = charts_[kFlows];
    SetAxis(flows, flows.bottom, {1.0, std::max(capacity, 1) * 1.0, 1.0});
    ClearAll(flows);
    flowPoint_ = 0;
    flowMax_ = flowMin_ = 0.0;

    gain_ = kGainStart;
    loss_ = kLossStart;
    ClearAll(charts_[kHeatGain]);
    ClearAll(charts_[kHeatLoss]);
}

void ResultViews::ShowProgress(float totalSeconds, float elapsedSeconds) {
    if (progressCounter_ < kProgressCalls - 1) {
        ++progressCounter_;
        return;
    }
    progressCounter_ = 0;
    if (progressBar_)
        progressBar_(static_cast<int>(0.001 * totalSeconds),
                     static_cast<int>(0.001 * elapsedSeconds));
}

void ResultViews::Progress(float intervalLength, float elapsed) {
    ShowProgress(intervalLength, elapsed);
}

void ResultViews::Profiles(int month, int day, int hour, std::span<const double> theta,
                           std::span<const double> temperature, int lastNode) {
    AddTimeSeriesPoint(month, day, hour, theta, temperature, lastNode);
}

void ResultViews::Behaviour(int month, int day, int hour, std::span<const double> theta,
                            std::span<const double> temperature, int lastNode, double latent,
                            double sensible, double massFlow) {
    RecordStep(month, day, hour, theta, temperature, lastNode, latent, sensible, massFlow);
}

void ResultViews::WarmupRanges(float maxTheta, float maxT, float minTheta, float minT) {
    SetRunRanges(maxTheta, maxT, minTheta, minT);
}

void ResultViews::MonthlyMeans(const MonthlyArray& theta, const MonthlyArray& temperature,
                               int month) {
    AddMonthlyMeans(theta, temperature, month);
}

void ResultViews::MonthlyGains(int month, float sensible, float latent) {
    AddMonthlyGain(month, sensible, latent);
}

void ResultViews::MonthlyLosses(int month, float sensible, float latent) {
    AddMonthlyLoss(month, sensible, latent);
}

}  // namespace porvap
