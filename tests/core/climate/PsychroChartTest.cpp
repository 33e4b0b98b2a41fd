#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "core/climate/PsychroChart.h"
#include "core/climate/Psychrometrics.h"

namespace porvap {
namespace {

TEST(ChartGeometry, DefaultImageMarginsAndMapping) {
    const ChartGeometry g = MakeChartGeometry(497, 273);
    EXPECT_EQ(g.left, 99);
    EXPECT_EQ(g.right, 49);
    EXPECT_EQ(g.top, 13);
    EXPECT_EQ(g.bottom, 54);
    EXPECT_EQ(g.plotWidth, 349);
    EXPECT_EQ(g.plotHeight, 206);
    EXPECT_DOUBLE_EQ(g.X(25.0), 273.5);
    EXPECT_NEAR(g.Y(10.0), 219.0 - 206.0 / 3.0, 1e-12);
    // The scales' ends are the plot's corners.
    EXPECT_DOUBLE_EQ(g.X(0.0), g.x0);
    EXPECT_DOUBLE_EQ(g.X(50.0), 448.0);
    EXPECT_DOUBLE_EQ(g.Y(0.0), 219.0);
    EXPECT_DOUBLE_EQ(g.Y(30.0), g.y0);
}

class ChartTables : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { tables_ = ComputePsychroTables(kChartPressure); }
    static PsychroTables tables_;
};
PsychroTables ChartTables::tables_;

TEST_F(ChartTables, HumidityRowsAreTenPercentStepsFromZeroToFiftyDegrees) {
    EXPECT_DOUBLE_EQ(tables_.humidityRatio[0][0], HumidityRatio(0.0, 10.0, kChartPressure));
    EXPECT_DOUBLE_EQ(tables_.humidityRatio[4][25], HumidityRatio(25.0, 50.0, kChartPressure));
    EXPECT_DOUBLE_EQ(tables_.humidityRatio[9][50], SaturatedHumidityRatio(50.0, kChartPressure));
    EXPECT_NEAR(tables_.humidityRatio[9][20], 0.01471, 5e-6);
}

TEST_F(ChartTables, WetBulbLinesStartSaturatedAndEndOnTheEdges) {
    for (int line = 0; line < kChartWetBulbLines; ++line) {
        const WetBulbLine& w = tables_.wetBulbLines[line];
        SCOPED_TRACE(w.wetBulb);
        EXPECT_DOUBLE_EQ(w.wetBulb, 5.0 * line);
        EXPECT_DOUBLE_EQ(w.startHumidity, SaturatedHumidityRatio(w.wetBulb, kChartPressure));
        // Every point of the line has the line's wet-bulb temperature.
        EXPECT_NEAR(WetBulbHumidityRatio(w.endTemperature, w.wetBulb, kChartPressure),
                    w.endHumidity, 1e-12);
        if (w.endHumidity > 0.0)
            EXPECT_DOUBLE_EQ(w.endTemperature, 50.0);
        else
            EXPECT_LE(w.endTemperature, 50.0);
    }
    // Dry air at 0 degC wet bulb is about 9.4 degC; from 20 degC on the lines meet 50 degC.
    EXPECT_NEAR(tables_.wetBulbLines[0].endTemperature, 9.45, 0.01);
    EXPECT_EQ(tables_.wetBulbLines[3].endHumidity, 0.0);
    EXPECT_GT(tables_.wetBulbLines[4].endHumidity, 0.0);
}

TEST_F(ChartTables, DewPointsLieWithinAGridStepOfSaturation) {
    EXPECT_NEAR(tables_.dewPoint[9], 13.9, 1e-9);  // 10 g/kg
    for (int k = 1; k <= kChartHumidityLines; ++k) {
        const double dewPoint = tables_.dewPoint[k - 1];
        SCOPED_TRACE(k);
        EXPECT_LT(SaturatedHumidityRatio(dewPoint - 0.3, kChartPressure), k / 1000.0);
        EXPECT_GT(SaturatedHumidityRatio(dewPoint + 0.3, kChartPressure), k / 1000.0);
    }
}

class PsychroPoints : public ::testing::Test {
  protected:
    std::vector<PsychroPoint> Read(const std::string& text) {
        test::WriteFile("climate.pvh", text);
        auto points = ReadPsychroPoints("climate.pvh");
        EXPECT_TRUE(points.has_value());
        return points.value_or(std::vector<PsychroPoint>{});
    }
    test::ScratchDir dir_;
};

TEST_F(PsychroPoints, BundledYearGivesEveryHour) {
    const auto points = ReadPsychroPoints(test::SourcePath("data/BrazilianWeathers/floext.pvh"));
    ASSERT_TRUE(points.has_value());
    ASSERT_EQ(points->size(), 8760u);
    // First record: 22.62 degC at 0.803.
    EXPECT_FLOAT_EQ(points->front().temperature, 22.62f);
    EXPECT_NEAR(points->front().humidityRatio,
                1000.0 * HumidityRatio(22.62f, 100.0 * 0.803f, kChartPressure), 1e-3);
}

TEST_F(PsychroPoints, OnePointPerRecordOfEveryLayout) {
    const auto points = Read(
        "20 0.5 100 1 1 0\n"
        "25 0.5 0 0 -39.2 176.2 1 1 1\n"
        "35 0.9 0 0 -39.2 176.2 0.95 3.018 1 1 2\n");
    ASSERT_EQ(points.size(), 3u);
    EXPECT_FLOAT_EQ(points[1].temperature, 25.0f);
    EXPECT_NEAR(points[1].humidityRatio, 1000.0 * HumidityRatio(25.0, 50.0, kChartPressure), 1e-3);
    // Above the chart's top: plotted where it falls, not clipped.
    EXPECT_GT(points[2].humidityRatio, kChartMaxHumidity);
}

// One point per line that starts with two numbers, however long the line: the last record
// is not repeated at the end of the file, and an empty file plots nothing.
TEST_F(PsychroPoints, LinesAreRecords) {
    EXPECT_EQ(Read("20 0.5 100 1 1 0\n21 0.6 100 1 1 1\n").size(), 2u);
    EXPECT_EQ(Read("20 0.5 100 1 1 0\r\n21 0.6 100 1 1 1").size(), 2u);
    EXPECT_TRUE(Read("").empty());
    const std::string longTail(700, '7');
    const auto points = Read("20 0.5 100 1 1 0 " + longTail + "\n\nno data\n21 0.6 1 1 1\n");
    ASSERT_EQ(points.size(), 2u);
    EXPECT_FLOAT_EQ(points[1].temperature, 21.0f);
}

TEST_F(PsychroPoints, AYearAtMost) {
    std::string text;
    for (int hour = 0; hour < 8765; ++hour)
        text += std::to_string(hour % 40) + " 0.5 0 1 1 0\n";
    const auto points = Read(text);
    ASSERT_EQ(points.size(), 8760u);
    EXPECT_FLOAT_EQ(points.back().temperature, 8759 % 40);
}

TEST_F(PsychroPoints, UnreadableFileHasNoPoints) {
    EXPECT_FALSE(ReadPsychroPoints("missing.pvh").has_value());
}

}  // namespace
}  // namespace porvap
