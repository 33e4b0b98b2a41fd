#include <algorithm>
#include <string>

#include "core/climate/Calendar.h"
#include "core/results/ResultCharts.h"
#include "core/results/ResultViews.h"

namespace porvap {

void ResultViews::RecordStep(int month, int day, int hour, std::span<const double> theta,
                             std::span<const double> temperature, int lastNode, double latent,
                             double sensible, double massFlow) {
    if (!settings_.graphicalOutput || !settings_.profilesOn || lastNode < 0)
        return;
    const std::string label = DateLabel({day, month, hour});
    if (!IsProfileStep(label))
        return;
    const auto nodes = static_cast<std::size_t>(lastNode) + 1;
    const double mass = 1e6 * massFlow;  // mg/(m2 s)
    if (!store_.Save(label, temperature.first(std::min(nodes, temperature.size())),
                     theta.first(std::min(nodes, theta.size())), static_cast<float>(latent),
                     static_cast<float>(sensible), static_cast<float>(mass)))
        return;
    AddFlowPoint(label, latent, sensible, mass);
}

bool ResultViews::IsProfileStep(const std::string& label) {
    if (!settings_.profilesByInterval) {
        const auto& dates = settings_.profileDates;
        return std::find(dates.begin(), dates.end(), label) != dates.end();
    }
    if (label == intervalMarker_)
        intervalMarker_.clear();
    bool save = false;
    // The countdown starts at the plotting interval, so the start date itself is saved.
    if (intervalMarker_.empty() && ++plotCountdown_ >= settings_.plottingInterval) {
        plotCountdown_ = 0;
        save = true;
    }
    if (label == settings_.profileStop)
        intervalMarker_ = settings_.profileStop;
    return save;
}

void ResultViews::AddFlowPoint(const std::string& label, double latent, double sensible,
                               double mass) {
    ChartData& chart = charts_[kFlows];
    const bool latentMoved = Extend(flowMax_, flowMin_, latent);
    const bool sensibleMoved = Extend(flowMax_, flowMin_, sensible);
    if (latentMoved || sensibleMoved)
        SetAxis(chart, chart.left, FlowAxis(flowMin_, flowMax_));
    ++flowPoint_;
    const std::string shown =
        flowPoint_ % FlowLabelSpacing(store_.Capacity()) == 0 ? label : std::string();
    const double x = flowPoint_;
    chart.Add(0, x, latent, shown);
    chart.Add(1, x, sensible, shown);
    chart.Add(2, x, mass, shown);
}

}  // namespace porvap
