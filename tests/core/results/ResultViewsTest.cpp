#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ResultViewsFixture.h"
#include "TestSupport.h"

namespace porvap::test {
namespace {

void ExpectAxis(const ChartAxis& axis, double minimum, double maximum, double increment) {
    EXPECT_DOUBLE_EQ(axis.minimum, minimum) << axis.title;
    EXPECT_DOUBLE_EQ(axis.maximum, maximum) << axis.title;
    EXPECT_DOUBLE_EQ(axis.increment, increment) << axis.title;
}

void ExpectPoint(const ChartPoint& point, double x, double y, const std::string& label) {
    EXPECT_DOUBLE_EQ(point.x, x);
    EXPECT_TRUE(Near(point.y, y, 1e-6)) << "at x " << x;
    EXPECT_EQ(point.label, label) << "at x " << x;
}

// The chart views find their charts by name and bind each series to its axis.
TEST_F(ResultViewsTest, ChartsCarryTheirNamesAndAxisSides) {
    const std::vector<std::string> names = {"Chart1", "Chart2", "Chart4",
                                            "Chart5", "Chart3", "Chart6"};
    for (int i = 0; i < 6; ++i) {
        const ChartData& chart = Chart(static_cast<ResultViews::ChartIndex>(i));
        EXPECT_EQ(chart.name, names[i]);
        EXPECT_FALSE(chart.series.front().rightAxis) << chart.name;
        EXPECT_TRUE(chart.series.back().rightAxis) << chart.name;
    }
    const ChartData& situation = Chart(ResultViews::kSituation);
    ASSERT_EQ(situation.series.size(), 6u);
    EXPECT_FALSE(situation.series[2].rightAxis);
    EXPECT_TRUE(situation.series[3].rightAxis);
    ExpectAxis(Chart(ResultViews::kFlows).right, -2, 2, 0.5);
}

// The progress bar

TEST_F(ResultViewsTest, ProgressBarMovesOnEveryTwentySixthCallOnly) {
    EngineObserver& engine = views_;
    for (int call = 1; call <= 60; ++call)
        engine.Progress(3600999.0f, call * 1000.0f);
    ASSERT_EQ(bar_.size(), 2u);
    EXPECT_EQ(bar_[0], std::make_pair(3600, 26));
    EXPECT_EQ(bar_[1], std::make_pair(3600, 52));
    EXPECT_EQ(counter_, 8);
}

TEST_F(ResultViewsTest, ProgressCounterIsSharedBetweenWindows) {
    counter_ = 25;  // as the program starts: its first call moves the bar
    ResultViews other(counter_, nullptr);
    views_.ShowProgress(5000.0f, 1999.0f);
    EXPECT_EQ(bar_, (std::vector<std::pair<int, int>>{{5, 1}}));
    for (int call = 0; call < 25; ++call)
        other.ShowProgress(5000.0f, 3000.0f);  // counts, without a bar of its own
    views_.ShowProgress(5000.0f, 4000.0f);
    EXPECT_EQ(bar_.size(), 2u);
    EXPECT_EQ(bar_[1], std::make_pair(5, 4));
}

// Graphical output

TEST_F(ResultViewsTest, GraphicalOutputOffLeavesChartsAndProfilesAlone) {
    counter_ = 25;
    settings_.graphicalOutput = false;
    settings_.profilesOn = true;
    settings_.profileDates = {"01/01 - 00"};
    settings_.graph3Days = 1;
    Reset();
    std::vector<int> revisions;
    for (int i = 0; i < 6; ++i)
        revisions.push_back(Chart(static_cast<ResultViews::ChartIndex>(i)).revision);

    EngineObserver& engine = views_;
    engine.WarmupRanges(0.1f, 30.0f, 0.01f, 10.0f);
    for (int hour = 0; hour < 24; ++hour)
        Step(1, hour, 5.0, 5.0, 1e-6);
    MonthlyArray monthly{};
    engine.MonthlyMeans(monthly, monthly, 1);
    engine.MonthlyGains(1, 1e6f, 1e6f);
    engine.MonthlyLosses(1, -1e6f, -1e6f);
    const std::vector<double> state(kNodes, 0.02);
    views_.ShowProfile(state, state);

    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Chart(static_cast<ResultViews::ChartIndex>(i)).revision, revisions[i]) << i;
    EXPECT_EQ(views_.Profiles().Count(), 0);
    engine.Progress(1000.0f, 1000.0f);
    EXPECT_EQ(bar_.size(), 1u);
}

// Axes fitted to the data

TEST_F(ResultViewsTest, WarmupRangesRescaleBehaviourProfilesAndSituation) {
    Reset();
    MonthlyArray monthly{};
    views_.AddMonthlyMeans(monthly, monthly, 1);
    EngineObserver& engine = views_;
    // The engine's order: maximum moisture, maximum temperature, minimum moisture, minimum.
    engine.WarmupRanges(0.0523f, 31.2f, 0.0101f, 12.5f);
    for (auto index : {ResultViews::kBehaviour, ResultViews::kProfiles, ResultViews::kSituation}) {
        ExpectAxis(Chart(index).left, 11, 33, 2.2);
        ExpectAxis(Chart(index).right, 0, 7, 0.7);
    }
    EXPECT_TRUE(Chart(ResultViews::kBehaviour).series[0].points.empty());
    EXPECT_TRUE(Chart(ResultViews::kBehaviour).series[1].points.empty());
    ExpectAxis(Chart(ResultViews::kFlows).left, -30, 30, 0);
}

TEST_F(ResultViewsTest, WarmupWithoutStepsKeepsTheAxes) {
    Reset();
    views_.SetRunRanges(-1.0f, -999.0f, 100.0f, 999.0f);
    ExpectAxis(Chart(ResultViews::kBehaviour).left, 20, 40, 2);  // as the Run button set it
    ExpectAxis(Chart(ResultViews::kSituation).right, 0, 10, 0);
}

// Monthly charts

TEST_F(ResultViewsTest, MonthlyMeansGoToBehaviourAsTemperatureAndPercent) {
    Reset();
    MonthlyArray theta{}, temperature{};
    theta[3] = 0.042f;
    temperature[3] = 18.5f;
    views_.AddMonthlyMeans(theta, temperature, 3);
    views_.AddMonthlyMeans(theta, temperature, 13);  // no such month: ignored
    const ChartData& chart = Chart(ResultViews::kBehaviour);
    ASSERT_EQ(chart.series[0].points.size(), 1u);
    ExpectPoint(chart.series[0].points[0], 3, 18.5, "Mar");
    ExpectPoint(chart.series[1].points[0], 3, 4.2, "Mar");
}

TEST_F(ResultViewsTest, MonthWithoutCountedHoursPlotsTheSubstituteTotal) {
    Reset();
    views_.AddMonthlyGain(2, 0.0f, 0.0f);
    const ChartData& chart = Chart(ResultViews::kHeatGain);
    ExpectPoint(chart.series[0].points[0], 2, 0.000001 * 0.001, "Feb");
    ExpectPoint(chart.series[1].points[0], 2, 0.0, "Feb");
    ExpectAxis(chart.left, 0, 100, 100.0 / 11);
    ExpectAxis(chart.right, 0, 100, 100.0 / 11);
}

TEST_F(ResultViewsTest, GainAxisFollowsTheMonthlyTotalsInHundredsOfKilojoules) {
    Reset();
    // The minimum starts at 999 J/m2, so gains keep zero on the axis.
    views_.AddMonthlyGain(1, 2.5e6f, 1.1e6f);
    const ChartData& chart = Chart(ResultViews::kHeatGain);
    ExpectAxis(chart.left, 0, 3700, 3700.0 / 11);
    ExpectPoint(chart.series[0].points[0], 1, 3600, "Jan");
    ExpectPoint(chart.series[1].points[0], 1, 100.0 * 1.1 / 3.6, "Jan");
    views_.AddMonthlyGain(2, 5.0e6f, 250000.0f);
    ExpectAxis(chart.left, 0, 5300, 5300.0 / 11);
    EXPECT_TRUE(Chart(ResultViews::kHeatLoss).series[0].points.empty());
}

TEST_F(ResultViewsTest, LossAxisStartsBelowMinusNineHundred) {
    Reset();
    EngineObserver& engine = views_;
    engine.MonthlyLosses(1, -2.0e6f, -0.5e6f);
    const ChartData& chart = Chart(ResultViews::kHeatLoss);
    ExpectAxis(chart.left, -2500, -900, 1600.0 / 11);
    ExpectPoint(chart.series[1].points[0], 1, 20.0, "Jan");
    engine.MonthlyLosses(2, -0.25e6f, -0.05e6f);
    ExpectAxis(chart.left, -2500, -200, 2300.0 / 11);
}

// Profiles and time series

TEST_F(ResultViewsTest, CurrentProfileLabelsEverySectionOnTheTemperatureSeries) {
    Reset();
    views_.ShowProfile(std::vector<double>{0.05, 0.06, 0.07}, std::vector<double>{20, 21, 22});
    const ChartData& chart = Chart(ResultViews::kProfiles);
    ASSERT_EQ(chart.series[0].points.size(), 3u);
    ExpectPoint(chart.series[0].points[0], 0, 20, "1");
    ExpectPoint(chart.series[0].points[2], 2, 22, "3");
    ExpectPoint(chart.series[1].points[1], 1, 6, "");
    views_.ShowProfile(std::vector<double>{0.05}, std::vector<double>{25});
    EXPECT_EQ(chart.series[0].points.size(), 1u);
}

TEST_F(ResultViewsTest, SituationGetsOnePointPerIntervalWithDatesOnOddPoints) {
    settings_.graph3Days = 7;
    Reset();
    for (int step = 0; step < 3 * 7 * 24 + 10; ++step)
        Step(1 + step / 24, step % 24);
    const ChartData& chart = Chart(ResultViews::kSituation);
    ASSERT_EQ(chart.series[0].points.size(), 3u);
    // The 168th step (7 January, 23 h) closes the first interval.
    ExpectPoint(chart.series[0].points[0], 1, 10.23, "07/01 - 23");
    ExpectPoint(chart.series[1].points[0], 1, 12.23, "07/01 - 23");
    ExpectPoint(chart.series[2].points[0], 1, 14.23, "07/01 - 23");
    ExpectPoint(chart.series[5].points[0], 1, 5.0, "07/01 - 23");
    ExpectPoint(chart.series[4].points[1], 2, 3.0, "");
    ExpectPoint(chart.series[3].points[2], 3, 1.0, "21/01 - 23");
}

// The reset at Run

TEST_F(ResultViewsTest, ResetSizesTheStoreAndTheBottomAxes) {
    settings_.profileDates = {"01/01 - 00", "02/01 - 00", "03/01 - 00"};
    settings_.runDays = 365;
    Reset();
    EXPECT_EQ(views_.Profiles().Capacity(), 3);
    EXPECT_EQ(views_.Profiles().NodeCount(), kNodes);
    ExpectAxis(Chart(ResultViews::kProfiles).bottom, 0, kNodes - 1, 1);
    ExpectAxis(Chart(ResultViews::kSituation).bottom, 1, 52, 1);
    ExpectAxis(Chart(ResultViews::kFlows).bottom, 1, 3, 1);

    settings_.profilesByInterval = true;
    settings_.profileDays = 10;
    settings_.plottingInterval = 7;
    settings_.runDays = 3;
    Reset();
    EXPECT_EQ(views_.Profiles().Capacity(), 240 / 7 + 1);
    ExpectAxis(Chart(ResultViews::kSituation).bottom, 1, 1, 1);
    ExpectAxis(Chart(ResultViews::kFlows).bottom, 1, 35, 1);

    settings_.plottingInterval = 0;  // every hour
    settings_.graph3Days = 0;
    Reset();
    EXPECT_EQ(views_.Profiles().Capacity(), 241);
    ExpectAxis(Chart(ResultViews::kSituation).bottom, 1, 1, 1);
}

TEST_F(ResultViewsTest, ResetClearsTheLastRun) {
    settings_.profilesOn = true;
    settings_.profileDates = {"01/01 - 00"};
    settings_.graph3Days = 1;
    Reset();
    for (int hour = 0; hour < 24; ++hour)
        Step(1, hour, 1.0, 1.0);
    views_.AddMonthlyGain(1, 1e6f, 1e6f);
    views_.AddMonthlyLoss(1, -1e6f, -1e6f);
    ASSERT_EQ(views_.Profiles().Count(), 1);

    Reset();
    EXPECT_EQ(views_.Profiles().Count(), 0);
    for (auto index : {ResultViews::kProfiles, ResultViews::kSituation, ResultViews::kHeatGain,
                       ResultViews::kHeatLoss, ResultViews::kFlows})
        for (const ChartSeries& series : Chart(index).series)
            EXPECT_TRUE(series.points.empty()) << Chart(index).name << " " << series.title;
    // The trackers start again: a smaller gain than last run's moves the axis again.
    views_.AddMonthlyGain(1, 1e5f, 0.0f);
    ExpectAxis(Chart(ResultViews::kHeatGain).left, 0, 200, 200.0 / 11);
    Step(1, 0, 1.0, 1.0);
    ExpectPoint(Chart(ResultViews::kFlows).series[0].points[0], 1, 1.0, "");
}

}  // namespace
}  // namespace porvap::test
