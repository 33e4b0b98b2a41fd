#include "core/engine/Assembly.h"

#include "core/climate/Psychrometrics.h"
#include "core/engine/SimulationEngine.h"
#include "core/engine/Solver.h"
#include "core/materials/MaterialRecord.h"

namespace porvap {

namespace {

// Which physics a model level keeps.
struct LevelTerms {
    bool vapourTheta;  // DTetaV
    bool vapourT;      // DTV
    bool fixedK;       // conductivity frozen per layer
    bool fixedLiquid;  // DT and DTeta frozen per layer
    bool dryCapacity;  // heat capacity of the dry material
};

constexpr LevelTerms kLevels[5] = {
    {true, true, false, false, false},   {false, true, false, false, false},
    {false, false, false, false, false}, {false, false, true, false, false},
    {false, false, true, true, true},
};

using Transport = FaceCoefficients;

// Coefficients of the face between nodes j and j + 1, both read in one layer's tables.
Transport FaceTransport(const SimulationEngine& engine, int layer, int j, const LevelTerms& terms) {
    LayerTables t;
    LayerData(engine, layer, t);
    const int kj = engine.scratch.gridIndex[j];
    const int kNext = engine.scratch.gridIndex[j + 1];
    auto mean = [&](const PropertyTable& table) {
        return HarmonicMean(table.Get(kj), table.Get(kNext));
    };
    Transport face;
    float fixedK = 0.0f, fixedDt = 0.0f, fixedDteta = 0.0f;
    engine.fixed->Get(layer, fixedK, fixedDt, fixedDteta);
    face.k = terms.fixedK ? fixedK
                          : HarmonicMean(InterpolatedAt(engine, *t.k, j, kj),
                                         InterpolatedAt(engine, *t.k, j + 1, kNext));
    face.dt = terms.fixedLiquid ? fixedDt : mean(*t.dt);
    face.dteta = terms.fixedLiquid ? fixedDteta : mean(*t.dteta);
    face.dtetav = terms.vapourTheta ? mean(*t.dtetav) : 0.0f;
    face.dtv = terms.vapourT ? mean(*t.dtv) : 0.0f;
    return face;
}

// Volumetric heat capacity, J/(m3 K), of node i in a layer's material.
float Capacity(const SimulationEngine& engine, int layer, int i, bool dry) {
    LayerTables t;
    LayerData(engine, layer, t);
    if (dry)
        return t.density * t.specificHeat;
    return t.density * MoistSpecificHeat(static_cast<float>(engine.tIt[i]),
                                         static_cast<float>(engine.thetaIt[i]), t.specificHeat,
                                         t.density, engine.params.waterDensity);
}

// Walks nodes 1..N-1 layer by layer; at a shared node the east side belongs to the next
// layer and the control volume takes half of each spacing.
template <class Visit>
void ForEachInnerNode(SimulationEngine& engine, Visit visit) {
    int layer = 0;
    InterfaceCoefficients& f = engine.face;
    f.dxE = f.dxW = f.dxP = engine.layers[0].Spacing();
    int boundary = engine.layers[0].Sections();
    for (int i = 1; i < engine.n; ++i) {
        if (i < boundary) {
            visit(i, layer, layer);
            continue;
        }
        const int previous = layer++;
        boundary += engine.layers[layer].Sections();
        f.dxE = engine.layers[layer].Spacing();
        f.dxP = 0.5 * f.dxE + 0.5 * f.dxW;
        visit(i, layer, previous);
        f.dxP = f.dxW = f.dxE;
    }
}

float NodeCapacity(const SimulationEngine& engine, int i, int east, int west, bool dry) {
    const float cEast = Capacity(engine, east, i, dry);
    if (east == west)
        return cEast;
    const InterfaceCoefficients& f = engine.face;
    return static_cast<float>((0.5 * f.dxE * cEast + 0.5 * f.dxW * Capacity(engine, west, i, dry)) /
                              (0.5 * f.dxE + 0.5 * f.dxW));
}

// Air-side terms of one face of the element.
struct FaceAir {
    float beta;      // vapour conductance, m/s
    float h;         // convection coefficient, W/(m2 K)
    float airT;      // degC
    double thetaEq;  // m3/m3
    float t1, t2, t3;
    float extraHeat;  // absorbed solar minus long-wave, W/m2
};

void AssembleSurfaceNode(SimulationEngine& engine, int node, const Transport& t, float capacity,
                         double dx, const FaceAir& air) {
    const double rhoL = engine.params.waterDensity;
    const double dtHalf = 2.0 * engine.params.timeStep;
    const double latent = LatentHeat(static_cast<float>(engine.tIt[node]));
    const double airVapour = air.t2 * air.thetaEq + air.t1 * air.airT + air.t3;
    const Block neighbour{{{t.dteta / dx, t.dt / dx},
                           {t.dtetav * latent * rhoL / dx, (t.dtv * latent * rhoL + t.k) / dx}}};
    Block& a = engine.blocks.a[node];
    a[0][0] = air.t2 * air.beta / rhoL + dx / dtHalf + neighbour[0][0];
    a[0][1] = air.t1 * air.beta / rhoL + neighbour[0][1];
    a[1][0] = latent * air.t2 * air.beta + neighbour[1][0];
    a[1][1] = latent * air.t1 * air.beta + neighbour[1][1] + capacity * dx / dtHalf + air.h;
    const bool external = node == 0;
    engine.blocks.e[node] = external ? neighbour : Block{};
    engine.blocks.w[node] = external ? Block{} : neighbour;
    engine.blocks.d[node][0] = engine.thetaOld[node] * dx / dtHalf + air.beta / rhoL * airVapour;
    engine.blocks.d[node][1] = capacity * dx * engine.tOld[node] / dtHalf + air.extraHeat +
                               air.h * air.airT + airVapour * latent * air.beta;
}

FaceAir ExternalAir(const SimulationEngine& engine) {
    const BoundaryState& b = engine.boundary;
    const EngineParameters& p = engine.params;
    const float extra =
        static_cast<float>(p.absorptivity * b.current.irradiance) - p.emissivity * p.longWave;
    return FaceAir{b.betaE, p.he, b.externalTemperature, b.thetaEqExternal, b.e1[0], b.e2[0],
                   b.e3,    extra};
}

FaceAir InternalAir(const SimulationEngine& engine) {
    const BoundaryState& b = engine.boundary;
    return FaceAir{b.betaI,
                   engine.params.hi,
                   static_cast<float>(b.internalTemperature),
                   b.thetaEqInternal,
                   b.i1[0],
                   b.i2[0],
                   b.i3,
                   0.0f};
}

// Every face is shared by two nodes: its coefficients are worked out once per assembly.
void PrepareFaces(SimulationEngine& engine, const LevelTerms& terms) {
    AssemblyScratch& scratch = engine.scratch;
    for (int i = 0; i <= engine.n; ++i)
        scratch.gridIndex[i] = engine.grid.UpperIndex(engine.thetaIt[i]);
    for (int f = 0; f < engine.n; ++f)
        scratch.faces[f] = FaceTransport(engine, engine.faceLayer[f], f, terms);
}

void AssembleBlocks(SimulationEngine& engine, const LevelTerms& terms) {
    const int n = engine.n;
    const int last = static_cast<int>(engine.layers.size()) - 1;
    const std::vector<Transport>& faces = engine.scratch.faces;
    PrepareFaces(engine, terms);
    AssembleSurfaceNode(engine, 0, faces[0], Capacity(engine, 0, 0, terms.dryCapacity),
                        engine.layers[0].Spacing(), ExternalAir(engine));
    ForEachInnerNode(engine, [&](int i, int east, int west) {
        InterfaceCoefficients& f = engine.face;
        f.capacity = NodeCapacity(engine, i, east, west, terms.dryCapacity);
        const Transport& e = faces[i];
        const Transport& w = faces[i - 1];
        f.kE = e.k, f.dtvE = e.dtv, f.dtetavE = e.dtetav, f.dtE = e.dt, f.dtetaE = e.dteta;
        f.kW = w.k, f.dtvW = w.dtv, f.dtetavW = w.dtetav, f.dtW = w.dt, f.dtetaW = w.dteta;
        AssembleInteriorNode(engine, i);
    });
    AssembleSurfaceNode(engine, n, faces[n - 1], Capacity(engine, last, n, terms.dryCapacity),
                        engine.layers[last].Spacing(), InternalAir(engine));
}

}  // namespace

void AssembleInteriorNode(SimulationEngine& engine, int i) {
    const InterfaceCoefficients& f = engine.face;
    const double rhoL = engine.params.waterDensity;
    const double dt = engine.params.timeStep;
    const double latent = LatentHeat(static_cast<float>(engine.tIt[i]));
    const Block east{
        {{f.dtetaE / f.dxE, f.dtE / f.dxE},
         {latent * rhoL * f.dtetavE / f.dxE, (latent * rhoL * f.dtvE + f.kE) / f.dxE}}};
    const Block west{
        {{f.dtetaW / f.dxW, f.dtW / f.dxW},
         {latent * rhoL * f.dtetavW / f.dxW, (latent * rhoL * f.dtvW + f.kW) / f.dxW}}};
    Block& a = engine.blocks.a[i];
    a[0][0] = f.dxP / dt + east[0][0] + west[0][0];
    a[0][1] = east[0][1] + west[0][1];
    a[1][0] = east[1][0] + west[1][0];
    a[1][1] = east[1][1] + f.capacity * f.dxP / dt + west[1][1];
    engine.blocks.e[i] = east;
    engine.blocks.w[i] = west;
    engine.blocks.d[i][0] = f.dxP * engine.thetaOld[i] / dt;
    engine.blocks.d[i][1] = f.capacity * f.dxP * engine.tOld[i] / dt;
}

void AssembleLevel0(SimulationEngine& engine) {
    AssembleBlocks(engine, kLevels[0]);
}
void AssembleLevel1(SimulationEngine& engine) {
    AssembleBlocks(engine, kLevels[1]);
}
void AssembleLevel2(SimulationEngine& engine) {
    AssembleBlocks(engine, kLevels[2]);
}
void AssembleLevel3(SimulationEngine& engine) {
    AssembleBlocks(engine, kLevels[3]);
}
void AssembleLevel4(SimulationEngine& engine) {
    AssembleBlocks(engine, kLevels[4]);
}

void AssembleLevel5(SimulationEngine& engine) {
    const int n = engine.n;
    const int last = static_cast<int>(engine.layers.size()) - 1;
    const EngineParameters& p = engine.params;
    const BoundaryState& b = engine.boundary;
    ConductionSystem& s = engine.conduction;
    const double dt = p.timeStep;
    const double dx0 = engine.layers[0].Spacing();
    s.capacity[0] = Capacity(engine, 0, 0, true) * dx0 / (2.0 * dt);
    s.west[0] = 0.0;
    s.east[0] = engine.fixed->Conductivity(0) / dx0;
    s.diagonal[0] = s.capacity[0] + s.east[0] + p.he;
    s.rhs[0] = p.absorptivity * b.current.irradiance + p.he * b.externalTemperature +
               s.capacity[0] * engine.tOld[0] - p.emissivity * p.longWave;
    ForEachInnerNode(engine, [&](int i, int east, int west) {
        const InterfaceCoefficients& f = engine.face;
        s.capacity[i] = NodeCapacity(engine, i, east, west, true) * f.dxP / dt;
        s.east[i] = engine.fixed->Conductivity(east) / f.dxE;
        s.west[i] = engine.fixed->Conductivity(west) / f.dxW;
        s.diagonal[i] = s.east[i] + s.west[i] + s.capacity[i];
        s.rhs[i] = s.capacity[i] * engine.tOld[i];
    });
    const double dxN = engine.layers[last].Spacing();
    s.capacity[n] = Capacity(engine, last, n, true) * dxN / (2.0 * dt);
    s.east[n] = 0.0;
    s.west[n] = engine.fixed->Conductivity(last) / dxN;
    s.diagonal[n] = s.capacity[n] + s.west[n] + p.hi;
    s.rhs[n] = p.hi * b.internalTemperature + s.capacity[n] * engine.tOld[n];
    SolveConduction(engine);
}

void AssembleModelLevel(SimulationEngine& engine) {
    using Assemble = void (*)(SimulationEngine&);
    static constexpr Assemble kAssemble[6] = {AssembleLevel0, AssembleLevel1, AssembleLevel2,
                                              AssembleLevel3, AssembleLevel4, AssembleLevel5};
    const int level = engine.params.modelLevel;
    kAssemble[(level >= 0 && level <= 5) ? level : 0](engine);
}

}  // namespace porvap
