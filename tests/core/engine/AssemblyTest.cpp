#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "EngineFixtures.h"
#include "core/climate/Psychrometrics.h"
#include "core/engine/Assembly.h"
#include "core/engine/Solver.h"

namespace porvap {
namespace {

int ScanUpperIndex(const PropertyGrid& grid, double theta) {
    for (int k = 1; k <= PropertyGrid::kLast; ++k)
        if (theta < grid.At(k))
            return k;
    return PropertyGrid::kLast;
}

TEST(PropertyGrid, IndexArithmeticAgreesWithAScanEverywhere) {
    PropertyGrid grid;
    std::vector<double> probes = {
        -1.0, -1e-9, 0.0, 0.18, 0.2, 7.0, std::numeric_limits<double>::quiet_NaN()};
    for (int k = 0; k <= PropertyGrid::kLast; ++k) {
        const double g = grid.At(k);
        probes.insert(probes.end(),
                      {g, std::nextafter(g, -1.0), std::nextafter(g, 1.0), g + 0.0009});
    }
    for (double theta : probes)
        EXPECT_EQ(grid.UpperIndex(theta), ScanUpperIndex(grid, theta)) << theta;
}

TEST(PropertyLookup, StepBelowTheFirstIntervalAndLineThroughTheNextSamples) {
    auto engine = CreateEngine(nullptr);
    MaterialRecord rising;
    for (int i = 0; i < MaterialRecord::kRows; ++i)
        rising.SetRow(i, 1.0f + i, 0, 0, 0, 0);
    SetLayers(*engine, {Layer(&rising, 2, 0.1)});
    RebuildGrid(*engine);
    engine->thetaIt = {0.0009, 0.0901, 0.3};
    EXPECT_FLOAT_EQ(NodeProperty(*engine, rising.K(), 0), 2.0f);
    EXPECT_FLOAT_EQ(NodePropertyInterpolated(*engine, rising.K(), 0), 1.5f);
    EXPECT_FLOAT_EQ(NodeProperty(*engine, rising.K(), 1), 52.0f);
    EXPECT_FLOAT_EQ(NodePropertyInterpolated(*engine, rising.K(), 2), 101.0f);
    EXPECT_FLOAT_EQ(HarmonicMean(0.0f, 0.0f), 0.0f);
    EXPECT_FLOAT_EQ(HarmonicMean(1.0f, 3.0f), 1.5f);
}

// A two-layer element with moisture-dependent tables and a varied state.
class Assembly : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < MaterialRecord::kRows; ++i) {
            outer.SetRow(i, 0.5f + 0.01f * i, 1e-11f * i, 1e-9f * (1 + i), 2e-12f * i, 1e-10f);
            inner.SetRow(i, 1.2f - 0.005f * i, 3e-11f, 4e-9f * (1 + i), 1e-12f, 3e-10f * i);
        }
        outer.SetScalars(1800.0f, 0.2f, 900.0f);
        inner.SetScalars(600.0f, 0.6f, 1200.0f);
        SetLayers(*engine, {Layer(&outer, 3, 0.03), Layer(&inner, 4, 0.12)});
        RebuildGrid(*engine);
        FillFixedProperties(*engine, 0.05f);
        for (int i = 0; i <= engine->n; ++i) {
            engine->thetaIt[i] = engine->thetaOld[i] = 0.01 + 0.017 * i;
            engine->tIt[i] = engine->tOld[i] = 15.0 + 0.7 * i;
        }
    }

    MaterialRecord outer, inner;
    std::unique_ptr<SimulationEngine> engine = CreateEngine(nullptr);
};

// Shared faces are worked out once; each must equal the lookup made node by node.
TEST_F(Assembly, FaceCoefficientsEqualThePerNodeLookups) {
    AssembleLevel0(*engine);
    auto eastDteta = [&](const MaterialRecord& m, int i) {
        return HarmonicMean(NodeProperty(*engine, m.DTeta(), i),
                            NodeProperty(*engine, m.DTeta(), i + 1));
    };
    auto eastK = [&](const MaterialRecord& m, int i) {
        return HarmonicMean(NodePropertyInterpolated(*engine, m.K(), i),
                            NodePropertyInterpolated(*engine, m.K(), i + 1));
    };
    const double dxOuter = engine->layers[0].Spacing(), dxInner = engine->layers[1].Spacing();
    EXPECT_DOUBLE_EQ(engine->blocks.e[1][0][0], eastDteta(outer, 1) / dxOuter);
    EXPECT_DOUBLE_EQ(engine->blocks.w[3][0][0], eastDteta(outer, 2) / dxOuter);  // west side
    EXPECT_DOUBLE_EQ(engine->blocks.e[3][0][0], eastDteta(inner, 3) / dxInner);  // east side
    EXPECT_DOUBLE_EQ(engine->blocks.w[7][0][0], eastDteta(inner, 6) / dxInner);
    const double latent = LatentHeat(static_cast<float>(engine->tIt[5]));
    const float dtv =
        HarmonicMean(NodeProperty(*engine, inner.DTV(), 5), NodeProperty(*engine, inner.DTV(), 6));
    EXPECT_DOUBLE_EQ(engine->blocks.e[5][1][1],
                     (latent * 1000.0 * dtv + eastK(inner, 5)) / dxInner);
}

TEST_F(Assembly, InterfaceCapacityIsTheSpacingWeightedMean) {
    AssembleLevel4(*engine);
    const float c = (0.5f * 0.03f * 600.0f * 1200.0f + 0.5f * 0.01f * 1800.0f * 900.0f) / 0.02f;
    const float dxP = 0.02f;
    const float dt = engine->params.timeStep;
    EXPECT_FLOAT_EQ(
        engine->blocks.a[3][1][1] - engine->blocks.e[3][1][1] - engine->blocks.w[3][1][1],
        c * dxP / dt);
    EXPECT_FLOAT_EQ(engine->blocks.e[3][1][1], engine->fixed->Conductivity(1) / 0.03f);
    EXPECT_FLOAT_EQ(engine->blocks.w[3][1][1], engine->fixed->Conductivity(0) / 0.01f);
}

TEST_F(Assembly, SimplerLevelsDropTheVapourTerms) {
    AssembleLevel1(*engine);
    EXPECT_EQ(engine->blocks.e[2][1][0], 0.0f);
    EXPECT_NE(engine->blocks.e[5][1][1], engine->blocks.e[5][0][1]);
    AssembleLevel2(*engine);
    const float k = HarmonicMean(NodePropertyInterpolated(*engine, inner.K(), 5),
                                 NodePropertyInterpolated(*engine, inner.K(), 6));
    EXPECT_DOUBLE_EQ(engine->blocks.e[5][1][1], k / engine->layers[1].Spacing());
}

TEST_F(Assembly, ConductionLeavesMoistureUntouched) {
    const std::vector<double> before = engine->thetaNew;
    AssembleLevel5(*engine);
    EXPECT_EQ(engine->thetaNew, before);
    for (int i = 0; i <= engine->n; ++i)
        EXPECT_TRUE(std::isfinite(engine->tNew[i]));
}

// Uncoupled blocks solve like two scalar tridiagonal systems; reused work buffers leave no trace.
TEST(BlockSolver, UncoupledBlocksAndReusedBuffers) {
    MaterialRecord material;
    auto engine = CreateEngine(nullptr);
    SetLayers(*engine, {Layer(&material, 4, 0.1)});
    RebuildGrid(*engine);
    auto fill = [&](SimulationEngine& e, float scale) {
        for (int i = 0; i <= e.n; ++i) {
            e.blocks.a[i] = Block{{{4.0f * scale, 0.0f}, {0.0f, 3.0f}}};
            e.blocks.e[i] = i < e.n ? Block{{{1.0f, 0.0f}, {0.0f, 1.0f}}} : Block{};
            e.blocks.w[i] = i > 0 ? Block{{{1.0f, 0.0f}, {0.0f, 0.5f}}} : Block{};
            e.blocks.d[i] = {1.0f + i, 2.0f * scale};
        }
    };
    fill(*engine, 2.0f);
    SolveBlockSystem(*engine);
    fill(*engine, 1.0f);
    SolveBlockSystem(*engine);
    auto fresh = CreateEngine(nullptr);
    SetLayers(*fresh, {Layer(&material, 4, 0.1)});
    RebuildGrid(*fresh);
    fill(*fresh, 1.0f);
    SolveBlockSystem(*fresh);
    EXPECT_EQ(engine->thetaNew, fresh->thetaNew);
    EXPECT_EQ(engine->tNew, fresh->tNew);

    for (int i = 0; i <= fresh->n; ++i) {
        fresh->conduction.diagonal[i] = 3.0f;
        fresh->conduction.east[i] = i < fresh->n ? 1.0f : 0.0f;
        fresh->conduction.west[i] = i > 0 ? 0.5f : 0.0f;
        fresh->conduction.rhs[i] = 2.0f;
    }
    SolveConduction(*fresh);
    for (int i = 0; i <= fresh->n; ++i)
        EXPECT_NEAR(fresh->tNew[i], engine->tNew[i], 1e-6);
    for (int i = 0; i <= engine->n; ++i) {
        const double left = i > 0 ? engine->thetaNew[i - 1] : 0.0;
        const double right = i < engine->n ? engine->thetaNew[i + 1] : 0.0;
        EXPECT_NEAR(4.0 * engine->thetaNew[i], right + left + 1.0 + i, 1e-5);
    }
}

}  // namespace
}  // namespace porvap
