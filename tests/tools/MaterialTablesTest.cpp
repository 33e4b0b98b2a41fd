#include <cctype>
#include <cmath>
#include <vector>

#include "TestSupport.h"
#include "core/engine/PropertyGrid.h"
#include "tools/materials/MaterialFileWriter.h"
#include "tools/materials/MaterialLaws.h"
#include "tools/materials/MaterialProperties.h"
#include "tools/materials/SampleMaterials.h"
#include "tools/materials/VapourPermeability.h"

namespace porvap::datagen {
namespace {

using test::Near;

const VapourState kVapour = VapourStateAt(20.0);

TEST(VapourConstants, MatchSchirmerAndTheEngineSaturationDensity) {
    EXPECT_TRUE(Near(kVapour.airDiffusivity, 2.66e-5, 0.01));
    EXPECT_TRUE(Near(kVapour.saturationDensity, 0.01728, 0.001));
    EXPECT_TRUE(Near(kVapour.saturationDensitySlope, 1.013e-3, 0.01));
}

TEST(MaterialLaws, KuenzelCurvePassesThroughItsTwoPoints) {
    const auto sorption = KuenzelSorption(12.0, 370.0);
    EXPECT_TRUE(Near(sorption(0.8), 0.012, 1e-12));
    EXPECT_TRUE(Near(sorption(1.0), 0.370, 1e-12));
    EXPECT_EQ(sorption(0.0), 0.0);
}

TEST(MaterialLaws, WoodEquilibriumFollowsTheWoodHandbookTable) {
    // Wood Handbook table of equilibrium moisture content near 20 degC: 9.2 % at 50 % RH,
    // 16 % at 80 %; the formula reproduces it within about half a point.
    EXPECT_NEAR(WoodEquilibriumMoisture(0.5, 20.0), 0.092, 0.005);
    EXPECT_NEAR(WoodEquilibriumMoisture(0.8, 20.0), 0.160, 0.007);
}

TEST(MaterialLaws, MeasuredConductivityInterpolatesAndHolds) {
    const auto k = MeasuredConductivity({{0.0, 1.0}, {0.1, 2.0}}, 1000.0);
    EXPECT_DOUBLE_EQ(k(0.05), 1.5);  // theta 0.05 -> u 0.05
    EXPECT_DOUBLE_EQ(k(0.5), 2.0);
}

TEST(VapourPermeability, InterpolatesPermeabilityNotResistance) {
    const std::vector<ResistancePoint> points = {{0.25, 50.0}, {0.75, 10.0}};
    EXPECT_DOUBLE_EQ(ResistanceFactor(points, 0.0), 50.0);
    EXPECT_DOUBLE_EQ(ResistanceFactor(points, 1.0), 10.0);
    EXPECT_TRUE(Near(ResistanceFactor(points, 0.5), 1.0 / (0.5 / 50.0 + 0.5 / 10.0), 1e-12));
}

TEST(LiquidDiffusivity, StartsAtTheHygroscopicLimitAndHoldsAboveFreeSaturation) {
    const MaterialModel brick = SampleMaterials().front();
    const double w80 = brick.sorption(0.8);
    const double atFree = 3.8 * std::pow(brick.absorption / 370.0, 2);
    EXPECT_EQ(LiquidDiffusivity(brick, 0.99 * w80), 0.0);
    EXPECT_GT(LiquidDiffusivity(brick, w80), 0.0);
    EXPECT_TRUE(Near(LiquidDiffusivity(brick, brick.freeSaturation), atFree, 1e-12));
    EXPECT_TRUE(Near(LiquidDiffusivity(brick, brick.porosity), atFree, 1e-12));
}

TEST(SampleMaterials, FitTheFileLimits) {
    for (const MaterialModel& m : SampleMaterials()) {
        SCOPED_TRACE(m.name);
        EXPECT_LE(m.name.size(), 39u);
        for (char c : m.fileName)
            EXPECT_TRUE(std::islower(static_cast<unsigned char>(c)) || c == '_' || c == '.') << c;
        EXPECT_GT(m.porosity, m.freeSaturation);
    }
}

TEST(SampleMaterials, IsothermsIncreaseWithFiniteSlopeAndInvert) {
    for (const MaterialModel& m : SampleMaterials()) {
        SCOPED_TRACE(m.name);
        const MoistureStorage storage(m);
        double previous = -1.0;
        for (int k = 0; k <= kIsothermIntervals; ++k) {
            const double phi = k * 0.01;
            const double theta = storage.Theta(phi);
            const double slope = storage.HumiditySlope(phi);
            EXPECT_GT(theta, previous) << "phi " << phi;
            EXPECT_TRUE(std::isfinite(slope) && slope > 0.0) << "phi " << phi;
            EXPECT_NEAR(storage.Humidity(theta), phi, 1e-9);
            previous = theta;
        }
        EXPECT_DOUBLE_EQ(storage.Theta(1.2), m.porosity);
    }
}

TEST(SampleMaterials, PropertyRowsAreFiniteAndHeldAbovePorosity) {
    const PropertyGrid grid;
    for (const MaterialModel& m : SampleMaterials()) {
        SCOPED_TRACE(m.name);
        const PropertyRow top = PropertiesAt(m, kVapour, m.porosity);
        double previousK = 0.0;
        for (int i = 0; i <= PropertyGrid::kLast; ++i) {
            const PropertyRow r = PropertiesAt(m, kVapour, grid.At(i));
            for (double v : {r.k, r.dt, r.dteta, r.dtv, r.dtetav})
                EXPECT_TRUE(std::isfinite(v) && v >= 0.0) << "row " << i;
            EXPECT_GE(r.k, previousK);
            previousK = r.k;
            if (grid.At(i) >= m.porosity) {
                EXPECT_EQ(r.dteta, top.dteta) << "row " << i;
            }
        }
    }
}

}  // namespace
}  // namespace porvap::datagen
