#include <gtest/gtest.h>

#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QLegend>
#include <QLineSeries>
#include <QSignalSpy>
#include <QValueAxis>
#include <cmath>

#include "gui/toolkit/ChartView.h"

namespace porvap {
namespace {

ChartData TwoSidedChart() {
    ChartData data;
    data.name = "Chart6";
    data.title = "Flows of heat and mass";
    data.left = {"Heat flow (W/m2)", -30.0, 30.0, 7.5};
    data.right = {"Mass (mg/m2.s)", -2.0, 2.0, 0.5};
    data.bottom = {"Points", 1.0, 12.0, 1.0};
    data.series = {{"Latent heat", false, {}}, {"Mass", true, {}}};
    return data;
}

class ChartViewTest : public ::testing::Test {
  protected:
    QValueAxis* Axis(Qt::Alignment side) const {
        for (QAbstractAxis* axis : view.chart()->axes()) {
            if (axis->alignment() == side)
                return qobject_cast<QValueAxis*>(axis);
        }
        return nullptr;
    }
    QLineSeries* Line(int index) const {
        return qobject_cast<QLineSeries*>(view.chart()->series().at(index));
    }
    Qt::Alignment SideOf(int index) const {
        for (QAbstractAxis* axis : Line(index)->attachedAxes()) {
            if (axis->orientation() == Qt::Vertical)
                return axis->alignment();
        }
        return {};
    }
    void ExpectDrawn(int index) const {
        const std::vector<ChartPoint>& points = data.series[index].points;
        const QList<QPointF> drawn = Line(index)->points();
        ASSERT_EQ(drawn.size(), static_cast<qsizetype>(points.size()));
        for (size_t i = 0; i < points.size(); ++i) {
            EXPECT_EQ(drawn[i].x(), points[i].x) << "point " << i;
            EXPECT_EQ(drawn[i].y(), points[i].y) << "point " << i;
        }
    }

    ChartData data = TwoSidedChart();
    ChartView view{data};
};

TEST_F(ChartViewTest, DrawsTitleAxesAndSeriesOfTheData) {
    EXPECT_EQ(view.objectName(), "Chart6");
    EXPECT_EQ(view.chart()->title(), "Flows of heat and mass");
    QValueAxis* left = Axis(Qt::AlignLeft);
    QValueAxis* right = Axis(Qt::AlignRight);
    QValueAxis* bottom = Axis(Qt::AlignBottom);
    ASSERT_TRUE(left && right && bottom);
    EXPECT_EQ(left->titleText(), "Heat flow (W/m2)");
    EXPECT_DOUBLE_EQ(left->min(), -30.0);
    EXPECT_DOUBLE_EQ(left->max(), 30.0);
    EXPECT_DOUBLE_EQ(left->tickInterval(), 7.5);
    EXPECT_DOUBLE_EQ(left->tickAnchor(), -30.0);
    EXPECT_EQ(left->tickType(), QValueAxis::TicksDynamic);
    EXPECT_EQ(left->labelFormat(), "%.1f");
    EXPECT_EQ(right->titleText(), "Mass (mg/m2.s)");
    EXPECT_DOUBLE_EQ(right->min(), -2.0);
    EXPECT_DOUBLE_EQ(right->tickInterval(), 0.5);
    EXPECT_DOUBLE_EQ(right->tickAnchor(), -2.0);
    EXPECT_EQ(bottom->titleText(), "Points");
    EXPECT_DOUBLE_EQ(bottom->max(), 12.0);
    EXPECT_EQ(qobject_cast<QCategoryAxis*>(bottom), nullptr);

    ASSERT_EQ(view.chart()->series().size(), 2);
    EXPECT_EQ(Line(0)->name(), "Latent heat");
    EXPECT_EQ(Line(1)->name(), "Mass");
    EXPECT_EQ(SideOf(0), Qt::AlignLeft);
    EXPECT_EQ(SideOf(1), Qt::AlignRight);
    EXPECT_NE(Line(0)->pen().color(), Line(1)->pen().color());
    EXPECT_TRUE(view.chart()->legend()->isVisible());
    EXPECT_EQ(view.chart()->legend()->alignment(), Qt::AlignBottom);
}

TEST_F(ChartViewTest, AxisChangesFollowTheData) {
    data.left = {"T (oC)", 18.0, 31.0, 1.3};
    data.bottom.maximum = 50.0;
    data.Touch();
    view.Refresh();
    EXPECT_EQ(Axis(Qt::AlignLeft)->titleText(), "T (oC)");
    EXPECT_DOUBLE_EQ(Axis(Qt::AlignLeft)->min(), 18.0);
    EXPECT_DOUBLE_EQ(Axis(Qt::AlignLeft)->max(), 31.0);
    EXPECT_DOUBLE_EQ(Axis(Qt::AlignLeft)->tickInterval(), 1.3);
    EXPECT_DOUBLE_EQ(Axis(Qt::AlignBottom)->max(), 50.0);
}

TEST_F(ChartViewTest, AppendsThePointsAddedSinceTheLastRefresh) {
    for (int i = 1; i <= 5; ++i)
        data.Add(0, i, 0.5 * i);
    data.Add(1, 1, -1.25);
    view.Refresh();
    ExpectDrawn(0);
    ExpectDrawn(1);

    // The line is laid out once per refresh: one new point is appended, more replace the line.
    QSignalSpy added(Line(0), &QXYSeries::pointAdded);
    QSignalSpy replaced(Line(0), &QXYSeries::pointsReplaced);
    data.Add(0, 6, 3.5);
    view.Refresh();
    ExpectDrawn(0);
    EXPECT_EQ(added.count(), 1);
    EXPECT_EQ(replaced.count(), 0);
    data.Add(0, 7, -4.0);
    data.Add(0, 8, 1.0);
    data.Add(0, 9, 2.0);
    view.Refresh();
    ExpectDrawn(0);
    EXPECT_EQ(added.count(), 1);
    EXPECT_EQ(replaced.count(), 1);
    ExpectDrawn(1);  // untouched
}

TEST_F(ChartViewTest, UnchangedRevisionDrawsNothing) {
    data.Add(0, 1, 2);
    view.Refresh();
    // A change that did not raise the revision stays undrawn until it does.
    data.series[0].points.push_back({2, 3, ""});
    data.title = "Other";
    view.Refresh();
    EXPECT_EQ(Line(0)->count(), 1);
    EXPECT_EQ(view.chart()->title(), "Flows of heat and mass");
    data.Touch();
    view.Refresh();
    ExpectDrawn(0);
    EXPECT_EQ(view.chart()->title(), "Other");
}

TEST_F(ChartViewTest, AClearedSeriesShowsOnlyItsNewPoints) {
    for (int i = 1; i <= 6; ++i)
        data.Add(0, i, i);
    view.Refresh();
    data.Clear(0);
    data.Add(0, 1, 10);
    data.Add(0, 2, 11);
    view.Refresh();
    ExpectDrawn(0);

    // A profile shown in place of another: cleared and refilled to more points.
    data.Clear(0);
    for (int i = 0; i < 5; ++i)
        data.Add(0, i, 30 - i);
    view.Refresh();
    ExpectDrawn(0);

    data.Clear(0);
    view.Refresh();
    EXPECT_EQ(Line(0)->count(), 0);
}

TEST_F(ChartViewTest, AnUndefinedValueDoesNotForceRedraws) {
    data.Add(0, 1, 1);
    data.Add(0, 2, std::nan(""));
    data.Add(0, 3, 3);
    view.Refresh();
    const qsizetype drawn = Line(0)->count();
    QSignalSpy replaced(Line(0), &QXYSeries::pointsReplaced);
    data.Add(1, 1, 1);  // another series moves the revision
    view.Refresh();
    EXPECT_EQ(replaced.count(), 0);
    EXPECT_EQ(Line(0)->count(), drawn);
}

TEST_F(ChartViewTest, MarksThePointsOfShortSeriesOnly) {
    data.Add(0, 1, 1);
    view.Refresh();
    EXPECT_TRUE(Line(0)->pointsVisible());
    for (int i = 0; i < 500; ++i)
        data.series[0].points.push_back({1.0 + i * 0.02, 1.0, ""});
    data.Touch();
    view.Refresh();
    EXPECT_FALSE(Line(0)->pointsVisible());
    ExpectDrawn(0);
}

TEST_F(ChartViewTest, LabelledPointsNameTheBottomAxis) {
    const char* months[] = {"Jan", "Feb", "Mar", "Apr"};
    for (int month = 1; month <= 4; ++month) {
        data.Add(0, month, month, months[month - 1]);
        data.Add(1, month, -month, months[month - 1]);
    }
    view.Refresh();
    auto* bottom = qobject_cast<QCategoryAxis*>(Axis(Qt::AlignBottom));
    ASSERT_NE(bottom, nullptr);
    EXPECT_EQ(bottom->titleText(), "Points");
    EXPECT_DOUBLE_EQ(bottom->min(), 1.0);
    EXPECT_DOUBLE_EQ(bottom->max(), 12.0);
    EXPECT_EQ(bottom->categoriesLabels(), (QStringList{"Jan", "Feb", "Mar", "Apr"}));
    EXPECT_DOUBLE_EQ(bottom->endValue("Mar"), 3.0);
    // The series now hang on the new axis.
    EXPECT_TRUE(Line(0)->attachedAxes().contains(bottom));
    EXPECT_TRUE(Line(1)->attachedAxes().contains(bottom));

    data.Add(0, 5, 5, "May");
    view.Refresh();
    EXPECT_EQ(bottom->categoriesLabels().back(), "May");

    data.Clear(0);
    data.Clear(1);
    view.Refresh();
    EXPECT_EQ(qobject_cast<QCategoryAxis*>(Axis(Qt::AlignBottom)), nullptr);
}

TEST_F(ChartViewTest, BottomTicksThinToTheWidthAndSettle) {
    data.bottom = {"Points", 1.0, 50.0, 1.0};
    data.Touch();
    view.resize(1600, 500);
    view.show();
    QCoreApplication::processEvents();
    EXPECT_DOUBLE_EQ(Axis(Qt::AlignBottom)->tickInterval(), 1.0);

    view.resize(360, 300);
    QCoreApplication::processEvents();
    const double interval = Axis(Qt::AlignBottom)->tickInterval();
    EXPECT_GT(interval, 1.0);
    EXPECT_DOUBLE_EQ(interval, std::round(interval));  // every n-th point

    // Laying the axes out again must not move the plot again.
    QSignalSpy moved(view.chart(), &QChart::plotAreaChanged);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(moved.count(), 0);
}

TEST_F(ChartViewTest, FollowsChangesInTheSeriesList) {
    data.series.push_back({"Sensible heat", false, {{1, 2, ""}}});
    data.series[1].rightAxis = false;
    data.series[0].title = "Latent";
    data.Touch();
    view.Refresh();
    ASSERT_EQ(view.chart()->series().size(), 3);
    EXPECT_EQ(Line(0)->name(), "Latent");
    EXPECT_EQ(SideOf(1), Qt::AlignLeft);
    EXPECT_EQ(SideOf(2), Qt::AlignLeft);
    ExpectDrawn(2);

    data.series.resize(1);
    data.Touch();
    view.Refresh();
    EXPECT_EQ(view.chart()->series().size(), 1);
}

}  // namespace
}  // namespace porvap
