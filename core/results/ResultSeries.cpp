#include <algorithm>
#include <string>

#include "core/climate/Calendar.h"
#include "core/results/ResultCharts.h"
#include "core/results/ResultViews.h"

namespace porvap {

namespace {

std::string MonthLabel(int month) {
    std::string label;
    MonthAbbreviation(month, label);
    return label;
}

}  // namespace

void ResultViews::AddMonthlyMeans(const MonthlyArray& theta, const MonthlyArray& temperature,
                                  int month) {
    if (!settings_.graphicalOutput || month < 1 || month > 12)
        return;
    ChartData& chart = charts_[kBehaviour];
    const std::string label = MonthLabel(month);
    chart.Add(0, month, temperature[month], label);
    chart.Add(1, month, 100.0 * theta[month], label);
}

void ResultViews::ShowProfile(int slot) {
    if (slot < 0 || slot >= store_.Count())
        return;
    const ProfileStore::Profile& profile = store_.At(slot);
    DrawProfile(profile.theta, profile.temperature, profile.temperature.size());
}

void ResultViews::ShowProfile(std::span<const double> theta, std::span<const double> temperature) {
    DrawProfile(theta, temperature, std::min(theta.size(), temperature.size()));
}

void ResultViews::DrawProfile(std::span<const double> theta, std::span<const double> temperature,
                              std::size_t nodes) {
    if (!settings_.graphicalOutput)
        return;
    ChartData& chart = charts_[kProfiles];
    chart.Clear(0);
    chart.Clear(1);
    for (std::size_t i = 0; i < nodes; ++i) {
        chart.Add(0, i, temperature[i], std::to_string(i + 1));
        chart.Add(1, i, 100.0 * theta[i]);
    }
}

void ResultViews::SetRunRanges(float maxTheta, float maxT, float minTheta, float minT) {
    if (!settings_.graphicalOutput)
        return;
    // Both series: the moisture means of the last run would otherwise stay in G1.
    charts_[kBehaviour].Clear(0);
    charts_[kBehaviour].Clear(1);
    // A warm-up without a step leaves the start values (minimum above maximum): keep the axes.
    for (ChartIndex index : {kBehaviour, kProfiles, kSituation}) {
        ChartData& chart = charts_[index];
        if (minT <= maxT)
            SetAxis(chart, chart.left, MarginAxis(minT, maxT));
        if (minTheta <= maxTheta)
            SetAxis(chart, chart.right, MarginAxis(100.0 * minTheta, 100.0 * maxTheta));
    }
}

void ResultViews::AddTimeSeriesPoint(int month, int day, int hour, std::span<const double> theta,
                                     std::span<const double> temperature, int lastNode) {
    const auto last = static_cast<std::size_t>(lastNode);
    if (!settings_.graphicalOutput || lastNode < 0 || last >= theta.size() ||
        last >= temperature.size())
        return;
    if (++situationSteps_ != settings_.graph3Days * 24)
        return;
    situationSteps_ = 0;
    ++situationPoint_;
    const std::string label =
        situationPoint_ % 2 == 1 ? DateLabel({day, month, hour}) : std::string();
    ChartData& chart = charts_[kSituation];
    const double x = situationPoint_;
    for (int face = 0; face < 3; ++face) {
        const std::size_t node = face == 0 ? 0 : face == 1 ? last / 2 : last;
        chart.Add(face, x, temperature[node], label);
        chart.Add(face + 3, x, 100.0 * theta[node], label);
    }
}

void ResultViews::AddMonthlyGain(int month, float sensible, float latent) {
    AddMonthlyEnergy(charts_[kHeatGain], gain_, month, sensible, latent);
}

void ResultViews::AddMonthlyLoss(int month, float sensible, float latent) {
    AddMonthlyEnergy(charts_[kHeatLoss], loss_, month, sensible, latent);
}

void ResultViews::AddMonthlyEnergy(ChartData& chart, EnergyExtremes& extremes, int month,
                                   float sensible, float latent) {
    if (!settings_.graphicalOutput)
        return;
    double total = static_cast<double>(sensible) + latent;  // J/m2
    if (total == 0.0)
        total = 0.000001;
    const double share = latent / total;
    const bool totalMoved = Extend(extremes.maxTotal, extremes.minTotal, total);
    const bool shareMoved = Extend(extremes.maxShare, extremes.minShare, share);
    if (totalMoved || shareMoved) {
        SetAxis(chart, chart.left, EnergyAxis(extremes.minTotal, extremes.maxTotal));
        SetAxis(chart, chart.right, {0.0, 100.0, 100.0 / 11.0});
    }
    const std::string label = MonthLabel(month);
    chart.Add(0, month, 0.001 * total, label);
    chart.Add(1, month, 100.0 * share, label);
}

}  // namespace porvap
