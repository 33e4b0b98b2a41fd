#include <cmath>

#include "core/climate/Calendar.h"
#include "core/engine/Boundary.h"
#include "core/engine/SimulationEngine.h"
#include "core/materials/MaterialRecord.h"

namespace porvap {

namespace {

constexpr int kDefaultIntervals = 35;
constexpr float kFilmMassTransfer = 0.00085f;  // beta = 0.00085 h, m/s per W/(m2 K)

void AllocateNodes(SimulationEngine& engine, int intervals) {
    engine.n = intervals;
    const auto count = static_cast<std::size_t>(intervals + 1);
    for (auto* field : {&engine.thetaNew, &engine.thetaIt, &engine.thetaOld, &engine.tNew,
                        &engine.tIt, &engine.tOld}) {
        field->assign(count, 0.0);
    }
    engine.blocks = BlockSystem{};
    engine.blocks.a.assign(count, Block{});
    engine.blocks.e.assign(count, Block{});
    engine.blocks.w.assign(count, Block{});
    engine.blocks.d.assign(count, BlockVector{});
    for (auto* field : {&engine.conduction.diagonal, &engine.conduction.capacity,
                        &engine.conduction.east, &engine.conduction.west, &engine.conduction.rhs}) {
        field->assign(count, 0.0);
    }
    AssemblyScratch& scratch = engine.scratch;
    scratch.gridIndex.assign(count, 0);
    scratch.faces.assign(count, FaceCoefficients{});
    scratch.recursion.assign(count, Block{});
    scratch.offsets.assign(count, BlockVector{});
    scratch.p.assign(count, 0.0);
    scratch.r.assign(count, 0.0);
}

}  // namespace

std::unique_ptr<SimulationEngine> CreateEngine(EngineObserver* owner) {
    auto engine = std::make_unique<SimulationEngine>();
    engine->owner = owner;
    ResetDefaults(*engine);
    return engine;
}

void DestroyEngine(std::unique_ptr<SimulationEngine>& engine) {
    engine.reset();
}

void ResetDefaults(SimulationEngine& engine) {
    engine.params = EngineParameters{};
    AllocateNodes(engine, kDefaultIntervals);
    engine.params.hi = NaturalInternalCoefficient(engine);
    engine.boundary.betaE = kFilmMassTransfer * engine.params.he;
    engine.boundary.betaI = kFilmMassTransfer * engine.params.hi;
}

void SetLayers(SimulationEngine& engine, std::vector<Layer> layers) {
    engine.layers = std::move(layers);
}

void RebuildGrid(SimulationEngine& engine) {
    int intervals = 0;
    for (const Layer& layer : engine.layers)
        intervals += layer.Sections();
    engine.fixed = std::make_unique<FixedLayerProperties>(static_cast<int>(engine.layers.size()));
    AllocateNodes(engine, intervals);
    engine.faceLayer.clear();
    for (int l = 0; l < static_cast<int>(engine.layers.size()); ++l)
        engine.faceLayer.insert(engine.faceLayer.end(), engine.layers[l].Sections(), l);
    engine.boundary.internalTemperature = 0.0;
}

float PropertyAt(const SimulationEngine& engine, const PropertyTable& table, float theta) {
    return table.Get(engine.grid.UpperIndex(theta));
}

void FillFixedProperties(SimulationEngine& engine, float theta) {
    if (!engine.fixed)
        return;
    for (int l = 0; l < static_cast<int>(engine.layers.size()); ++l) {
        const MaterialRecord* material = engine.layers[l].Material();
        engine.fixed->Set(l, PropertyAt(engine, material->K(), theta),
                          PropertyAt(engine, material->DT(), theta),
                          PropertyAt(engine, material->DTeta(), theta));
    }
}

void SetProfileOutput(SimulationEngine& engine, int on) {
    engine.params.profileOutput = on;
}
void SetOrientation(SimulationEngine& engine, float degrees) {
    engine.params.orientation = degrees;
}
void SetInclination(SimulationEngine& engine, float degrees) {
    engine.params.inclination = degrees;
}
void SetGroundReflectance(SimulationEngine& engine, float reflectance) {
    engine.params.reflectance = reflectance;
}
void SetPermeances(SimulationEngine& engine, float external, float internal) {
    engine.params.pe = external;
    engine.params.pi = internal;
}
void SetAbsorptivity(SimulationEngine& engine, float absorptivity) {
    engine.params.absorptivity = absorptivity;
}
void SetExternalClimateFile(SimulationEngine& engine, const std::string& path) {
    engine.params.externalFile = path;
}
void SetInternalClimateFile(SimulationEngine& engine, const std::string& path) {
    engine.params.internalFile = path;
    engine.params.constantInternal = 0;
}
void SetConstantInternalConditions(SimulationEngine& engine, int on, double temperature,
                                   double humidity) {
    engine.params.constantInternal = on;
    engine.params.constantInternalTemperature = static_cast<float>(temperature);
    engine.params.constantInternalHumidity = static_cast<float>(humidity);
}
void SetClimateLayout(SimulationEngine& engine, int layout) {
    engine.params.climateLayout = layout;
}

namespace {
// A negative (or unreadable) value asks for the computed coefficient; zero is refused.
int SetCoefficient(float value, float& coefficient, int& computed) {
    if (std::isnan(value) || value < 0.0f) {
        computed = 1;
        coefficient = 0.0f;
        return 0;
    }
    computed = 0;
    if (value == 0.0f)
        return -1;
    coefficient = value;
    return 0;
}
}  // namespace

int SetExternalCoefficient(SimulationEngine& engine, float he) {
    return SetCoefficient(he, engine.params.he, engine.params.externalComputed);
}
int SetInternalCoefficient(SimulationEngine& engine, float hi) {
    return SetCoefficient(hi, engine.params.hi, engine.params.internalComputed);
}
void SetInternalNatural(SimulationEngine& engine, int natural) {
    engine.params.internalNatural = natural;
}

int SetForcedConvection(SimulationEngine& engine, float first, float second, float airVelocity) {
    const float inputs[] = {first, second, airVelocity};
    for (int i = 0; i < 3; ++i) {
        if (std::isnan(inputs[i]) || inputs[i] < 0.0f)
            return -1;
        engine.params.forcedInputs[i] = inputs[i];
    }
    engine.params.hi = ForcedInternalCoefficient(airVelocity);
    return 0;
}

void SetClimateClass(SimulationEngine& engine, int climateClass) {
    engine.params.climateClass = climateClass;
}

int SetDates(SimulationEngine& engine, DayHour start, DayHour end) {
    if (CompareDates(end.day, end.month, end.hour, start.day, start.month, start.hour) < 0) {
        return -1;
    }
    engine.params.start = start;
    engine.params.end = end;
    return 0;
}

void SetTimeStep(SimulationEngine& engine, float seconds) {
    engine.params.timeStep = seconds;
}
void SetTolerance(SimulationEngine& engine, double tolerance) {
    engine.params.tolerance = tolerance;
}
void SetMaxIterations(SimulationEngine& engine, int iterations) {
    engine.params.maxIterations = iterations;
}
void SetModelLevel(SimulationEngine& engine, int level) {
    engine.params.modelLevel = level;
}
void SetFixedMoisture(SimulationEngine& engine, float theta) {
    engine.params.fixedMoisture = theta;
}
void SetOutputDirectory(SimulationEngine& engine, const std::string& directory) {
    engine.params.outputDirectory = directory;
}

void SetCaseName(SimulationEngine& engine, const std::string& name) {
    engine.params.caseName = name;
}

}  // namespace porvap
