#include <gtest/gtest.h>

#include <limits>

#include "core/engine/FixedLayerProperties.h"
#include "core/materials/IsothermTable.h"
#include "core/materials/PropertyTable.h"

namespace porvap {
namespace {

// Moisture content rising linearly with humidity: y = 0.1 x, slope column z = 10 + k.
IsothermTable LinearIsotherm(int n) {
    IsothermTable table(n);
    for (int k = 0; k <= n; ++k) {
        const double x = k * table.Step();
        table.SetRow(x, 0.1 * x, 10.0 + k);
    }
    return table;
}

TEST(PropertyTable, ReadsAndWritesOnlyInsideTheTable) {
    PropertyTable table(101);
    table.Set(100, 2.5f);
    table.Set(101, 9.0f);
    table.Set(-1, 9.0f);
    EXPECT_FLOAT_EQ(table.Get(100), 2.5f);
    EXPECT_FLOAT_EQ(table.Get(101), -1.0f);
    EXPECT_FLOAT_EQ(table.Get(-1), -1.0f);
}

TEST(IsothermRowIndex, NearestRowWithTiesUpwardAndOneStepOfOverhang) {
    IsothermTable table(100);
    EXPECT_EQ(table.RowIndex(0.006), 1);
    EXPECT_EQ(table.RowIndex(0.0059), 0);
    EXPECT_EQ(table.RowIndex(0.012), 1);
    EXPECT_EQ(table.RowIndex(1.2), 100);
    EXPECT_EQ(table.RowIndex(1.21), 100);
    EXPECT_EQ(table.RowIndex(1.212), -1);
    EXPECT_EQ(table.RowIndex(-0.001), -1);
    EXPECT_EQ(table.RowIndex(std::numeric_limits<double>::quiet_NaN()), -1);
}

TEST(IsothermSetRow, SkipsRowsOutsideAndStoresSlopeAlone) {
    IsothermTable table(100);
    EXPECT_EQ(table.SetRow(1.3, 0.5, 1.0), -1);
    EXPECT_EQ(table.SetRow(0.12, 0.02, 3.0), 0);
    EXPECT_EQ(table.SetRow(0.12, Slope{7.0}), 0);
    EXPECT_DOUBLE_EQ(table.Y(10), 0.02);
    EXPECT_DOUBLE_EQ(table.Z(10), 7.0);
    EXPECT_EQ(table.SetRow(0.12, 0.03), 0);
    EXPECT_DOUBLE_EQ(table.Y(10), 0.03);
    EXPECT_DOUBLE_EQ(table.Z(10), 7.0);
}

TEST(IsothermMoistureAt, ExactRowsInterpolationAndEnds) {
    IsothermTable table = LinearIsotherm(100);
    EXPECT_DOUBLE_EQ(table.MoistureAt(0.6), table.Y(50));
    EXPECT_NEAR(table.MoistureAt(0.605), 0.0605, 1e-12);
    EXPECT_DOUBLE_EQ(table.MoistureAt(1.205), table.Y(100));
    EXPECT_DOUBLE_EQ(table.MoistureAt(-0.01), -1.0);
    EXPECT_DOUBLE_EQ(table.MoistureAt(1.3), -1.0);
}

TEST(IsothermHumidityAt, InvertsTheTableAndRefusesOutsideValues) {
    IsothermTable table = LinearIsotherm(100);
    EXPECT_DOUBLE_EQ(table.HumidityAt(table.Y(0)), table.X(0));
    EXPECT_NEAR(table.HumidityAt(table.Y(100)), table.X(100), 1e-12);
    EXPECT_NEAR(table.HumidityAt(0.0437), 0.437, 1e-9);
    EXPECT_DOUBLE_EQ(table.HumidityAt(-0.001), -1.0);
    EXPECT_DOUBLE_EQ(table.HumidityAt(0.2), -1.0);
}

TEST(IsothermHumidityAt, TerminatesOnDecreasingMoisture) {
    IsothermTable table(10);
    const double ys[] = {0.0, 0.05, 0.10, 0.02, 0.01, 0.12, 0.03, 0.2, 0.04, 0.05, 0.3};
    for (int k = 0; k <= 10; ++k)
        table.SetRow(k * table.Step(), ys[k], 1.0);
    for (double y = 0.0; y <= 0.3; y += 0.001) {
        const double x = table.HumidityAt(y);
        EXPECT_TRUE(x == -1.0 || (x >= 0.0 && x <= 1.2)) << "y=" << y << " x=" << x;
    }
}

TEST(IsothermSlopeAt, InterpolatesTheThirdColumnInMoisture) {
    IsothermTable table = LinearIsotherm(100);
    EXPECT_DOUBLE_EQ(table.SlopeAt(table.Y(20)), 30.0);
    EXPECT_NEAR(table.SlopeAt(0.0246), 30.5, 1e-6);
    EXPECT_DOUBLE_EQ(table.SlopeAt(table.Y(100)), 110.0);
    EXPECT_DOUBLE_EQ(table.SlopeAt(-0.5), -1.0);
}

TEST(LinearInterpolate, DegenerateIntervalGivesFirstValue) {
    EXPECT_DOUBLE_EQ(LinearInterpolate(3.0, 5.0, 1.0, 2.0, 2.0), 3.0);
    EXPECT_DOUBLE_EQ(LinearInterpolate(3.0, 5.0, 1.0, 2.0, 2.0 + 5e-7), 3.0);
    EXPECT_DOUBLE_EQ(LinearInterpolate(3.0, 5.0, 1.5, 1.0, 2.0), 4.0);
}

TEST(IsothermFill, UnreachedRowsContinueTheNearestDefinedRow) {
    IsothermTable table(100);
    for (int k = 2; k <= 83; ++k)
        table.SetRow(k * 0.012, 0.001 * k, 1.0 * k);
    table.FillUndefinedRows();
    EXPECT_DOUBLE_EQ(table.Y(0), table.Y(2));
    EXPECT_DOUBLE_EQ(table.Y(100), table.Y(83));
    EXPECT_DOUBLE_EQ(table.X(100), 1.2);
    EXPECT_FALSE(table.IsDefined(100));
    EXPECT_NEAR(table.HumidityAt(0.05), 0.6, 1e-9);
}

TEST(FixedLayerProperties, RefusesLayersOutside) {
    FixedLayerProperties fixed(2);
    EXPECT_EQ(fixed.Set(1, 1.0f, 2.0f, 3.0f), 0);
    EXPECT_EQ(fixed.Set(2, 1.0f, 2.0f, 3.0f), -1);
    float k = 9, dt = 9, dteta = 9;
    EXPECT_EQ(fixed.Get(-1, k, dt, dteta), -1);
    EXPECT_FLOAT_EQ(k, 9.0f);
    EXPECT_EQ(fixed.Get(1, k, dt, dteta), 0);
    EXPECT_FLOAT_EQ(dteta, 3.0f);
    EXPECT_FLOAT_EQ(fixed.Conductivity(5), -1.0f);
}

}  // namespace
}  // namespace porvap
