#include <gtest/gtest.h>

#include "SampleMaterials.h"
#include "TestSupport.h"
#include "core/materials/PropertyCurves.h"

namespace porvap::test {
namespace {

// Brick: K from 0.5 to 0.7 W/(m K), theta = 0.1 phi.
class PropertyCurvesTest : public ::testing::Test {
  protected:
    const std::vector<ChartPoint>& Points(PropertyCurves::Page page, int slot = 0) const {
        return curves_.Chart(page).series[slot].points;
    }
    const ChartAxis& Left(PropertyCurves::Page page) const { return curves_.Chart(page).left; }

    PropertyCurves curves_;
    std::unique_ptr<MaterialRecord> brick_ = LinearMaterial("Brick", 0.5f, 0.7f);
};

TEST_F(PropertyCurvesTest, SaturationSamplesFollowTheInterval) {
    curves_.Draw(*brick_, 0, 1);
    const auto& every = Points(PropertyCurves::kK);
    ASSERT_EQ(every.size(), 101u);
    EXPECT_EQ(every[98].label, "98");
    EXPECT_EQ(every[99].label, " ");
    EXPECT_EQ(every[100].label, "100");

    curves_.Draw(*brick_, 1, 2);
    ASSERT_EQ(Points(PropertyCurves::kDT, 1).size(), 51u);
    EXPECT_EQ(Points(PropertyCurves::kDT, 1)[1].label, "2");

    // Off the interval, every curve is closed by an unlabelled sample at full saturation.
    curves_.Draw(*brick_, 2, 3);
    for (PropertyCurves::Page page : {PropertyCurves::kK, PropertyCurves::kDTetaV}) {
        const auto& points = Points(page, 2);
        ASSERT_EQ(points.size(), 35u);
        EXPECT_EQ(points[33].x, 99.0);
        EXPECT_EQ(points[33].label, "99");
        EXPECT_EQ(points[34].x, 100.0);
        EXPECT_EQ(points[34].label, "");
    }
}

TEST_F(PropertyCurvesTest, DiffusivitiesAreShownTimesTheirFactors) {
    curves_.Draw(*brick_, 0, 10);
    const double wet = 1.5;  // the samples at 50 % saturation
    EXPECT_TRUE(Near(Points(PropertyCurves::kK)[5].y, 0.6, 1e-6));
    EXPECT_TRUE(Near(Points(PropertyCurves::kDT)[5].y, kDryDT * wet * 1e9, 1e-6));
    EXPECT_TRUE(Near(Points(PropertyCurves::kDTeta)[5].y, kDryDTeta * wet * 1e6, 1e-6));
    EXPECT_TRUE(Near(Points(PropertyCurves::kDTV)[5].y, kDryDTV * wet * 1e9, 1e-6));
    EXPECT_TRUE(Near(Points(PropertyCurves::kDTetaV)[5].y, kDryDTetaV * wet * 1e9, 1e-6));

    EXPECT_EQ(curves_.FactorLabel(PropertyCurves::kK), "");
    EXPECT_EQ(curves_.FactorLabel(PropertyCurves::kDT), "x1,000,000,000");
    EXPECT_EQ(curves_.FactorLabel(PropertyCurves::kDTeta), "x1,000,000");
    EXPECT_EQ(PropertyCurves({".", ","}).FactorLabel(PropertyCurves::kDTetaV), "x1.000.000.000");
}

TEST_F(PropertyCurvesTest, FineIsothermsLabelEveryThirdHumidity) {
    curves_.Draw(*brick_, 0, 2);
    const auto& points = Points(PropertyCurves::kIsotherms);
    ASSERT_EQ(points.size(), 51u);
    EXPECT_NEAR(points[25].x, 0.5, 1e-5);
    EXPECT_NEAR(points[25].y, 0.05, 1e-6);
    EXPECT_NEAR(points[50].x, 1.0, 1e-5);
    EXPECT_EQ(points[0].label, "0.000");
    EXPECT_EQ(points[1].label, "");
    EXPECT_EQ(points[2].label, "");
    EXPECT_EQ(points[48].label, "0.960");
    EXPECT_EQ(points[50].label, "");

    curves_.Draw(*brick_, 1, 1);
    ASSERT_EQ(Points(PropertyCurves::kIsotherms, 1).size(), 101u);
    EXPECT_EQ(Points(PropertyCurves::kIsotherms, 1)[99].label, "0.990");
}

TEST_F(PropertyCurvesTest, CoarseIsothermsEndWithALabelledFullHumidity) {
    curves_.Draw(*brick_, 0, 3);
    const auto& points = Points(PropertyCurves::kIsotherms);
    ASSERT_EQ(points.size(), 35u);
    EXPECT_EQ(points[33].label, "0.990");
    EXPECT_EQ(points[34].x, 1.0);
    EXPECT_EQ(points[34].label, "1.000");
    EXPECT_NEAR(points[34].y, 0.1, 1e-9);

    PropertyCurves comma({".", ","});
    comma.Draw(*brick_, 0, 7);
    const auto& coarse = comma.Chart(PropertyCurves::kIsotherms).series[0].points;
    ASSERT_EQ(coarse.size(), 16u);
    EXPECT_EQ(coarse[14].label, "0,980");
    EXPECT_EQ(coarse[15].label, "1,000");
}

TEST_F(PropertyCurvesTest, ConductivityAxisSpansThePlottedValuesWithAMargin) {
    curves_.Draw(*brick_, 0, 2);
    EXPECT_NEAR(Left(PropertyCurves::kK).minimum, 0.3, 1e-6);
    EXPECT_NEAR(Left(PropertyCurves::kK).maximum, 0.9, 1e-6);
    curves_.Draw(*LinearMaterial("Stone", 1.0f, 2.0f), 1, 2);
    EXPECT_NEAR(Left(PropertyCurves::kK).minimum, 0.3, 1e-6);
    EXPECT_NEAR(Left(PropertyCurves::kK).maximum, 2.2, 1e-6);

    // A redraw starts the range afresh; a closing sample off the interval does not count.
    curves_.Clear();
    auto spiked = LinearMaterial("Spiked", 0.1f, 0.1f);
    spiked->SetRow(100, 5.0f, 0.0f, 0.0f, 0.0f, 0.0f);
    curves_.Draw(*spiked, 0, 3);
    EXPECT_EQ(Points(PropertyCurves::kK).back().y, 5.0);
    EXPECT_NEAR(Left(PropertyCurves::kK).minimum, -0.1, 1e-6);
    EXPECT_NEAR(Left(PropertyCurves::kK).maximum, 0.3, 1e-6);
}

TEST_F(PropertyCurvesTest, IsothermAxisGrowsButNeverShrinks) {
    curves_.Draw(*LinearMaterial("Wet", 0.5f, 0.7f, 0.3), 0, 2);
    EXPECT_EQ(Left(PropertyCurves::kIsotherms).minimum, 0.0);
    EXPECT_NEAR(Left(PropertyCurves::kIsotherms).maximum, 0.3, 1e-6);
    EXPECT_NEAR(Left(PropertyCurves::kIsotherms).increment, 0.03, 1e-7);
    curves_.Clear();
    curves_.Draw(*brick_, 0, 2);
    EXPECT_NEAR(Left(PropertyCurves::kIsotherms).maximum, 0.3, 1e-6);
}

TEST_F(PropertyCurvesTest, DiffusivityAxesHoldEveryCurve) {
    curves_.Draw(*brick_, 0, 2);
    curves_.Draw(*LinearMaterial("Stone", 1.0f, 2.0f), 1, 2);
    const double lowest = kDryDTeta * 1e6;
    const double margin = 0.1 * lowest;  // a tenth of the plotted span
    const ChartAxis& axis = Left(PropertyCurves::kDTeta);
    EXPECT_LT(axis.minimum, lowest);
    EXPECT_GT(axis.minimum, lowest - margin);
    EXPECT_GT(axis.maximum, 2 * lowest);
    EXPECT_LT(axis.maximum, 2 * lowest + margin);

    // Flat curves, zero or not, get an axis of some height around them.
    PropertyCurves flat;
    auto constant = LinearMaterial("Flat", 1.0f, 1.0f);
    for (int i = 0; i < MaterialRecord::kRows; ++i)
        constant->SetRow(i, 1.0f, 0.0f, 2e-6f, 0.0f, 0.0f);
    flat.Draw(*constant, 0, 5);
    const ChartAxis& dteta = flat.Chart(PropertyCurves::kDTeta).left;
    EXPECT_LT(dteta.minimum, 2.0);
    EXPECT_NEAR(dteta.minimum + dteta.maximum, 4.0, 1e-6);
    EXPECT_LT(flat.Chart(PropertyCurves::kDT).left.minimum, 0.0);
    EXPECT_GT(flat.Chart(PropertyCurves::kDT).left.maximum, 0.0);
}

TEST_F(PropertyCurvesTest, OddRequestsNeitherHangNorWriteOutsideTheCharts) {
    curves_.Draw(*brick_, PropertyCurves::kSlots, 2);
    curves_.Draw(*brick_, -1, 2);
    for (int slot = 0; slot < PropertyCurves::kSlots; ++slot)
        EXPECT_TRUE(Points(PropertyCurves::kK, slot).empty());

    curves_.Draw(*brick_, 0, 0);
    EXPECT_EQ(Points(PropertyCurves::kK).size(), 101u);

    MaterialRecord bare;
    curves_.Draw(bare, 1, 10);
    EXPECT_EQ(Points(PropertyCurves::kK, 1).size(), 11u);
    EXPECT_TRUE(Points(PropertyCurves::kIsotherms, 1).empty());
}

}  // namespace
}  // namespace porvap::test
