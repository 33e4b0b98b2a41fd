#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ResultViewsFixture.h"
#include "TestSupport.h"
#include "core/results/ResultCharts.h"

namespace porvap::test {
namespace {

class ProfileRecordingTest : public ResultViewsTest {
  protected:
    void UseTimeInterval(const std::string& start, const std::string& stop, int days, int hours) {
        settings_.profilesOn = true;
        settings_.profilesByInterval = true;
        settings_.profileStart = start;
        settings_.profileStop = stop;
        settings_.profileDays = days;
        settings_.plottingInterval = settings_.plottingCounter = hours;
        Reset();
    }

    void UseDates(std::vector<std::string> dates) {
        settings_.profilesOn = true;
        settings_.profileDates = std::move(dates);
        Reset();
    }

    const ChartData& Flows() const { return Chart(ResultViews::kFlows); }
};

// Which steps are saved

TEST_F(ProfileRecordingTest, TimeIntervalSavesFromStartToStopEveryInterval) {
    UseTimeInterval("01/01 - 00", "01/01 - 23", 1, 6);
    for (int day = 1; day <= 2; ++day)
        for (int hour = 0; hour < 24; ++hour)
            Step(day, hour);
    EXPECT_EQ(SavedLabels(),
              (std::vector<std::string>{"01/01 - 00", "01/01 - 06", "01/01 - 12", "01/01 - 18"}));
    EXPECT_EQ(Flows().series[0].points.size(), 4u);
}

TEST_F(ProfileRecordingTest, TimeIntervalWaitsForItsStartDate) {
    UseTimeInterval("01/01 - 05", "02/01 - 05", 1, 12);
    for (int day = 1; day <= 3; ++day)
        for (int hour = 0; hour < 24; ++hour)
            Step(day, hour);
    EXPECT_EQ(SavedLabels(), (std::vector<std::string>{"01/01 - 05", "01/01 - 17", "02/01 - 05"}));
}

TEST_F(ProfileRecordingTest, SpecificDatesSaveTheirStepsWithStateAndFlows) {
    UseDates({"01/01 - 10", "01/01 - 03"});
    for (int hour = 0; hour < 24; ++hour)
        Step(1, hour, -2.5, 7.25, 1.5e-6);
    EXPECT_EQ(SavedLabels(), (std::vector<std::string>{"01/01 - 03", "01/01 - 10"}));
    const ProfileStore::Profile& saved = views_.Profiles().At(1);
    ASSERT_EQ(saved.temperature.size(), static_cast<std::size_t>(kNodes));
    EXPECT_DOUBLE_EQ(saved.temperature[4], 14.1);
    EXPECT_DOUBLE_EQ(saved.theta[0], 0.01);
    EXPECT_FLOAT_EQ(saved.latent, -2.5f);
    EXPECT_FLOAT_EQ(saved.sensible, 7.25f);
    EXPECT_FLOAT_EQ(saved.mass, 1.5f);
    EXPECT_TRUE(Near(Flows().series[2].points[1].y, 1.5, 1e-9));
}

TEST_F(ProfileRecordingTest, NothingIsSavedWithProfilesOff) {
    UseDates({"01/01 - 00"});
    settings_.profilesOn = false;
    Reset();
    Step(1, 0, 1.0, 1.0);
    EXPECT_EQ(views_.Profiles().Count(), 0);
    EXPECT_TRUE(Flows().series[0].points.empty());
}

// A store that is full saves nothing more

TEST_F(ProfileRecordingTest, DateMetTwiceIsSavedOnce) {
    UseDates({"01/01 - 00"});
    Step(1, 0, 1.0, 1.0);
    Step(1, 0, 2.0, 2.0);
    EXPECT_EQ(views_.Profiles().Count(), 1);
    EXPECT_FLOAT_EQ(views_.Profiles().At(0).latent, 1.0f);
    EXPECT_EQ(Flows().series[0].points.size(), 1u);
}

TEST_F(ProfileRecordingTest, IntervalOfPartDaysStopsAtTheCapacity) {
    // 30 hours make one whole day: room for 25 hourly profiles.
    UseTimeInterval("01/01 - 00", "02/01 - 05", 1, 1);
    ASSERT_EQ(views_.Profiles().Capacity(), 25);
    for (int day = 1; day <= 2; ++day)
        for (int hour = 0; hour < 24; ++hour)
            Step(day, hour);
    EXPECT_EQ(views_.Profiles().Count(), 25);
    EXPECT_EQ(views_.Profiles().At(24).label, "02/01 - 00");
    EXPECT_EQ(Flows().series[1].points.size(), 25u);
}

TEST(ProfileStoreTest, SaveRefusesAFullStoreAndShortArrays) {
    ProfileStore store;
    store.Reset(1, 3);
    const std::vector<double> two = {1, 2}, three = {1, 2, 3};
    EXPECT_FALSE(store.Save("a", two, three, 0, 0, 0));
    EXPECT_TRUE(store.Save("b", three, three, 0, 0, 0));
    EXPECT_FALSE(store.Save("c", three, three, 0, 0, 0));
    ASSERT_EQ(store.Count(), 1);
    EXPECT_EQ(store.At(0).label, "b");
    store.Reset(-4, 3);
    EXPECT_EQ(store.Count(), 0);
    EXPECT_FALSE(store.Save("d", three, three, 0, 0, 0));
}

// The flow chart

TEST_F(ProfileRecordingTest, FlowAxisIsSymmetricInTens) {
    UseDates({"01/01 - 00", "01/01 - 01", "01/01 - 02"});
    Step(1, 0, -3.2, 15.7);
    EXPECT_DOUBLE_EQ(Flows().left.minimum, -20);
    EXPECT_DOUBLE_EQ(Flows().left.maximum, 20);
    EXPECT_DOUBLE_EQ(Flows().left.increment, 5);
    Step(1, 1, -47.0, 3.0);
    EXPECT_DOUBLE_EQ(Flows().left.minimum, -50);
    EXPECT_DOUBLE_EQ(Flows().left.maximum, 50);
    EXPECT_DOUBLE_EQ(Flows().left.increment, 12.5);
    const int revision = Flows().revision;
    Step(1, 2, 1.0, 1.0);
    EXPECT_DOUBLE_EQ(Flows().left.maximum, 50);
    EXPECT_EQ(Flows().revision, revision + 3);  // the three points, no axis change
}

TEST_F(ProfileRecordingTest, FlowLabelsThinOutWithTheCapacity) {
    EXPECT_EQ(FlowLabelSpacing(46), 2);
    EXPECT_EQ(FlowLabelSpacing(47), 3);
    EXPECT_EQ(FlowLabelSpacing(137), 5);
    EXPECT_EQ(FlowLabelSpacing(138), 10);

    UseDates({"01/01 - 00", "01/01 - 01", "01/01 - 02", "01/01 - 03"});
    for (int hour = 0; hour < 4; ++hour)
        Step(1, hour);
    std::vector<std::string> labels;
    for (const ChartPoint& point : Flows().series[2].points)
        labels.push_back(point.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"", "01/01 - 01", "", "01/01 - 03"}));
}

TEST_F(ProfileRecordingTest, SavedProfileCanBeShownAgain) {
    UseDates({"01/01 - 07"});
    for (int hour = 0; hour < 12; ++hour)
        Step(1, hour);
    views_.ShowProfile(1);  // no such slot
    EXPECT_TRUE(Chart(ResultViews::kProfiles).series[0].points.empty());
    views_.ShowProfile(0);
    const ChartSeries& temperature = Chart(ResultViews::kProfiles).series[0];
    ASSERT_EQ(temperature.points.size(), static_cast<std::size_t>(kNodes));
    EXPECT_DOUBLE_EQ(temperature.points[3].y, 13.07);
    EXPECT_EQ(temperature.points[3].label, "4");
}

}  // namespace
}  // namespace porvap::test
