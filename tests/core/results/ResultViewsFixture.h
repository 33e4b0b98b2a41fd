#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/results/ResultViews.h"

namespace porvap::test {

// Result views on a shared progress counter, with the moves of the progress bar recorded
// and a five-node element (last node 4).
class ResultViewsTest : public ::testing::Test {
  protected:
    static constexpr int kNodes = 5;

    void Reset() { views_.ResetResultViews(settings_, kNodes); }

    const ChartData& Chart(ResultViews::ChartIndex index) const { return views_.Chart(index); }

    // Steps one hour of 1 January per hour given, through the engine's call-backs. The
    // temperatures are 10 + node + hour / 100 and the moisture contents 0.01 × (node + 1).
    void Step(int day, int hour, double latent = 0.0, double sensible = 0.0, double mass = 0.0) {
        std::vector<double> temperature(kNodes), theta(kNodes);
        for (int i = 0; i < kNodes; ++i) {
            temperature[i] = 10.0 + i + hour / 100.0;
            theta[i] = 0.01 * (i + 1);
        }
        EngineObserver& engine = views_;
        engine.Profiles(1, day, hour, theta, temperature, kNodes - 1);
        engine.Behaviour(1, day, hour, theta, temperature, kNodes - 1, latent, sensible, mass);
    }

    std::vector<std::string> SavedLabels() const {
        std::vector<std::string> labels;
        for (int k = 0; k < views_.Profiles().Count(); ++k)
            labels.push_back(views_.Profiles().At(k).label);
        return labels;
    }

    int counter_ = 0;
    std::vector<std::pair<int, int>> bar_;
    RunSettings settings_;
    ResultViews views_{counter_,
                       [this](int maximum, int position) { bar_.emplace_back(maximum, position); }};
};

}  // namespace porvap::test
