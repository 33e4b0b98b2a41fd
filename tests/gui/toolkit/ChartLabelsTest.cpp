#include <gtest/gtest.h>

#include <QChar>

#include "gui/toolkit/ChartLabels.h"

namespace porvap {
namespace {

QString Visible(QString text) {
    return text.remove(QChar(0x200B));
}

TEST(CollectLabels, OnePerPositionInOrderWithinTheRange) {
    ChartData data;
    data.series = {{"a", false, {{3, 0, "Mar"}, {1, 0, "Jan"}, {2, 0, ""}, {13, 0, "Jan"}}},
                   {"b", true, {{1, 0, "other"}, {2, 0, "Feb"}, {0, 0, "Dec"}}}};
    const std::vector<AxisLabel> labels = CollectLabels(data, 1.0, 12.0);
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[0].x, 1.0);
    EXPECT_EQ(labels[0].text, "Jan");  // the first series names a shared position
    EXPECT_EQ(labels[1].x, 2.0);
    EXPECT_EQ(labels[1].text, "Feb");
    EXPECT_EQ(labels[2].x, 3.0);
    EXPECT_EQ(labels[2].text, "Mar");
}

TEST(CollectLabels, KeepsARepeatedTextApartButAlike) {
    ChartData data;
    data.series = {{"a", false, {{1, 0, "Jan"}, {13, 0, "Jan"}, {25, 0, "Jan"}}}};
    const std::vector<AxisLabel> labels = CollectLabels(data, 0.0, 30.0);
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_NE(labels[0].text, labels[1].text);
    EXPECT_NE(labels[1].text, labels[2].text);
    EXPECT_NE(labels[0].text, labels[2].text);
    for (const AxisLabel& label : labels)
        EXPECT_EQ(Visible(label.text), "Jan");
}

TEST(FitLabels, SideBySideWhenThereIsRoom) {
    const LabelFit fit = FitLabels({0, 50, 100, 150}, 30, 12);
    EXPECT_FALSE(fit.upright);
    EXPECT_EQ(fit.kept, (std::vector<int>{0, 1, 2, 3}));
}

TEST(FitLabels, UprightWhenWideLabelsWouldTouch) {
    const LabelFit fit = FitLabels({0, 30, 60, 90}, 70, 12);
    EXPECT_TRUE(fit.upright);
    EXPECT_EQ(fit.kept, (std::vector<int>{0, 1, 2, 3}));
}

TEST(FitLabels, ThinsLabelsThatCannotAllStand) {
    std::vector<double> positions;
    for (int i = 0; i < 200; ++i)
        positions.push_back(3.0 * i);
    const LabelFit fit = FitLabels(positions, 70, 12);
    EXPECT_TRUE(fit.upright);
    ASSERT_FALSE(fit.kept.empty());
    EXPECT_EQ(fit.kept.front(), 0);
    EXPECT_LT(fit.kept.size(), positions.size());
    EXPECT_GT(fit.kept.size(), 20u);  // thinned, not emptied
    for (size_t i = 1; i < fit.kept.size(); ++i)
        EXPECT_GE(positions[fit.kept[i]] - positions[fit.kept[i - 1]], 12.0);
}

TEST(FitLabels, ShortLabelsStayLevelWhenThinned) {
    std::vector<double> positions;
    for (int i = 0; i < 120; ++i)
        positions.push_back(5.0 * i);
    const LabelFit fit = FitLabels(positions, 20, 15);
    EXPECT_FALSE(fit.upright);
    EXPECT_GT(fit.kept.size(), 15u);
    for (size_t i = 1; i < fit.kept.size(); ++i)
        EXPECT_GE(positions[fit.kept[i]] - positions[fit.kept[i - 1]], 20.0);
}

TEST(LabelAxis, ShowsTheFittingLabelsAtTheirValues) {
    LabelAxis axis;
    axis.setRange(1.0, 12.0);
    std::vector<AxisLabel> labels;
    for (int month = 1; month <= 12; ++month)
        labels.push_back({double(month), QString("M%1").arg(month)});
    axis.SetLabels(labels);
    axis.Fit(600.0);
    ASSERT_EQ(axis.count(), 12);
    EXPECT_EQ(axis.categoriesLabels().front(), "M1");
    EXPECT_DOUBLE_EQ(axis.endValue("M7"), 7.0);
    EXPECT_EQ(axis.labelsAngle(), 0);

    for (AxisLabel& label : labels)
        label.text = QString("%1/01 - 00").arg(label.x, 2, 'f', 0, '0');
    axis.SetLabels(labels);
    axis.Fit(200.0);  // no room for dates side by side: upright and thinned
    EXPECT_EQ(axis.labelsAngle(), -90);
    EXPECT_GT(axis.count(), 1);
    EXPECT_LT(axis.count(), 12);
    EXPECT_EQ(axis.categoriesLabels().front(), "01/01 - 00");

    axis.SetLabels({});
    axis.Fit(600.0);
    EXPECT_EQ(axis.count(), 0);
}

}  // namespace
}  // namespace porvap
