#include "tools/materials/SampleMaterials.h"

#include "tools/materials/MaterialLaws.h"
#include "tools/materials/VapourPermeability.h"

// Sources of the figures (full references in docs/data-sources.md):
// [ISO10456] EN ISO 10456:2007, Building materials and products - Hygrothermal properties -
//            Tabulated design values and procedures for determining declared and design
//            thermal values. Table 3 (design values: lambda, c, mu dry cup / wet cup) and
//            Table 4 (moisture contents at 23 degC / 80 % and moisture conversion
//            coefficients f_psi, f_u).
// [K95]      H. M. Kuenzel, Simultaneous Heat and Moisture Transport in Building Components,
//            Fraunhofer IRB Verlag, Stuttgart 1995: material data of the building materials
//            investigated (density, porosity, c, lambda, mu, w_f, A).
// [IEA24]    M. K. Kumaran, IEA Annex 24 Final Report, Vol. 3, Task 3: Material Properties,
//            1996: material "Concrete" (dry density, heat capacity, porosity, conductivity of
//            moist material at 0 degC, sorption curve, capillary moisture content, cup-test
//            vapour permeabilities).
// [WH]       Forest Products Laboratory, Wood Handbook - Wood as an Engineering Material,
//            FPL-GTR-190, 2010, chapter 4: Hailwood-Horrobin equilibrium moisture content
//            (SI coefficients) and conductivity across the grain, k = G (B + C x) + A.
// [HH]       C. Hall, W. D. Hoff, Water Transport in Brick, Stone and Concrete, 2nd ed.,
//            Spon Press 2012: sorptivities of concretes.
// Figures marked "assumed" have no published source here; docs/data-sources.md says why.

namespace porvap::datagen {

namespace {

// Cup-test resistance factors placed at the mean humidity of each test: dry cup 0/50 %,
// wet cup 50/93 %.
std::vector<ResistancePoint> DryAndWetCup(double muDry, double muWet) {
    return {{0.25, muDry}, {0.715, muWet}};
}

MaterialModel ClayBrick() {
    MaterialModel m;
    m.name = "Solid clay brick";
    m.fileName = "clay_brick.dat";
    m.density = 1650.0;                                         // [K95] solid brick
    m.porosity = 0.41;                                          // [K95]
    m.specificHeat = 850.0;                                     // [K95]
    m.freeSaturation = 0.370;                                   // [K95] w_f = 370 kg/m3
    m.absorption = 0.40;                                        // [K95]
    m.resistance = {{0.5, 9.5}};                                // [K95]
    m.conductivity = VolumetricMoistureConversion(0.60, 10.0);  // [K95]; f_psi [ISO10456] T4
    m.sorption = KuenzelSorption(12.0, 370.0);  // w_80: psi = 0.012 for fired clay [ISO10456] T4
    return m;
}

MaterialModel CementLimeMortar() {
    MaterialModel m;
    m.name = "Cement-lime mortar";
    m.fileName = "cement_lime_mortar.dat";
    m.density = 1900.0;                                        // [K95] lime-cement plaster
    m.porosity = 0.24;                                         // [K95]
    m.specificHeat = 850.0;                                    // [K95]
    m.freeSaturation = 0.210;                                  // [K95] w_f = 210 kg/m3
    m.absorption = 0.017;                                      // [K95]
    m.resistance = {{0.5, 25.0}};                              // [K95]
    m.conductivity = VolumetricMoistureConversion(0.80, 4.0);  // [K95]; f_psi [ISO10456] T4
    m.sorption = KuenzelSorption(60.0, 210.0);  // w_80: psi = 0.06 for mortar [ISO10456] T4
    return m;
}

MaterialModel NormalConcrete() {
    MaterialModel m;
    m.name = "Normal concrete";
    m.fileName = "normal_concrete.dat";
    m.density = 2200.0;        // [IEA24]
    m.porosity = 0.15;         // [IEA24]
    m.specificHeat = 940.0;    // [IEA24]
    m.freeSaturation = 0.110;  // [IEA24] capillary moisture content 110 kg/m3
    m.absorption = 0.015;      // [HH] sorptivity 0.12 mm/min^0.5, within the tabulated range
    m.resistance = ResistanceFromPermeability({{0.25, 1.26e-12},  // [IEA24], kg/(m s Pa),
                                               {0.50, 1.40e-12},  // measured at 23 degC
                                               {0.75, 2.50e-12},
                                               {0.95, 6.30e-12}},
                                              23.0);
    m.conductivity = MeasuredConductivity({{0.00, 1.16},  // [IEA24] (u kg/kg, W/(m K))
                                           {0.01, 1.89},
                                           {0.02, 2.24},
                                           {0.03, 2.46},
                                           {0.04, 2.61},
                                           {0.05, 2.71},
                                           {0.06, 2.78}},
                                          m.density);
    m.sorption = KuenzelSorption(0.0268 * m.density, 110.0);  // [IEA24] u = 0.0268 at 79.8 %
    return m;
}

MaterialModel AeratedConcrete() {
    MaterialModel m;
    m.name = "Autoclaved aerated concrete";
    m.fileName = "aerated_concrete.dat";
    m.density = 600.0;                                              // [K95] aerated concrete
    m.porosity = 0.72;                                              // [K95]
    m.specificHeat = 850.0;                                         // [K95]
    m.freeSaturation = 0.350;                                       // [K95] w_f = 350 kg/m3
    m.absorption = 0.05;                                            // [K95]
    m.resistance = {{0.5, 8.3}};                                    // [K95]
    m.conductivity = MassMoistureConversion(0.14, 4.0, m.density);  // [K95]; f_u [ISO10456] T4
    m.sorption = KuenzelSorption(0.045 * m.density, 350.0);         // u_80 = 0.045 [ISO10456] T4
    return m;
}

MaterialModel GypsumPlaster() {
    MaterialModel m;
    m.name = "Gypsum plaster";
    m.fileName = "gypsum_plaster.dat";
    m.density = 1000.0;                                        // [ISO10456] T3 gypsum plastering
    m.porosity = 1.0 - m.density / 2320.0;                     // solid density of gypsum 2320 kg/m3
    m.specificHeat = 1000.0;                                   // [ISO10456] T3
    m.freeSaturation = 0.400;                                  // assumed
    m.absorption = 0.30;                                       // assumed
    m.resistance = DryAndWetCup(10.0, 6.0);                    // [ISO10456] T3
    m.conductivity = VolumetricMoistureConversion(0.40, 4.0);  // [ISO10456] T3; f_psi as mortar
    m.sorption = KuenzelSorption(6.0, 400.0);                  // w_80 assumed
    return m;
}

MaterialModel MineralWool() {
    MaterialModel m;
    m.name = "Mineral wool";
    m.fileName = "mineral_wool.dat";
    m.density = 60.0;                       // assumed, a common slab density
    m.porosity = 1.0 - m.density / 2600.0;  // glass/stone fibre density about 2600 kg/m3
    m.specificHeat = 1030.0;                // [ISO10456] T4 mineral wool
    m.freeSaturation = 0.010;               // assumed: not capillary active
    m.absorption = 0.0;                     // no capillary transport
    m.resistance = {{0.5, 1.0}};            // [ISO10456] T4
    m.conductivity = VolumetricMoistureConversion(0.040, 4.0);  // f_psi [ISO10456] T4
    m.sorption = KuenzelSorption(0.3, 10.0);                    // assumed, see docs
    return m;
}

MaterialModel Spruce() {
    MaterialModel m;
    m.name = "Softwood (spruce)";
    m.fileName = "spruce.dat";
    m.density = 450.0;                             // [ISO10456] T3 timber 450
    m.porosity = 1.0 - m.density / 1500.0;         // cell-wall substance 1500 kg/m3 [WH] ch. 4
    m.specificHeat = 1600.0;                       // [ISO10456] T3
    m.sorption = WoodSorption(m.density, 20.0);    // [WH]
    m.freeSaturation = m.sorption(1.0);            // fibre saturation of the same model
    m.absorption = 0.0;                            // bound water moves as vapour (wet-cup mu)
    m.resistance = DryAndWetCup(50.0, 20.0);       // [ISO10456] T3
    m.conductivity = WoodConductivity(m.density);  // [WH]
    return m;
}

}  // namespace

std::vector<MaterialModel> SampleMaterials() {
    return {ClayBrick(),     CementLimeMortar(), NormalConcrete(), AeratedConcrete(),
            GypsumPlaster(), MineralWool(),      Spruce()};
}

}  // namespace porvap::datagen
