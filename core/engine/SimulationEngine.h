#pragma once

#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/climate/Calendar.h"
#include "core/climate/ClimateRecord.h"
#include "core/common/TextFiles.h"
#include "core/engine/EngineObserver.h"
#include "core/engine/FixedLayerProperties.h"
#include "core/engine/HourlyFlows.h"
#include "core/engine/Layer.h"
#include "core/engine/PropertyGrid.h"
#include "core/engine/ResultFolder.h"
#include "core/materials/PropertyTable.h"

namespace porvap {

// Case parameters; the member initialisers are the defaults written before every run.
struct EngineParameters {
    int profileOutput = 0;
    int externalComputed = 0;
    int internalComputed = 0;
    int internalNatural = 0;
    std::array<float, 3> forcedInputs{};  // m/s; the third is the room air velocity
    int constantInternal = 0;
    double constantInternalTemperature = 0.0;  // degC
    double constantInternalHumidity = 0.0;     // fraction
    float longWave = 0.0f;                     // W/m2
    float absorptivity = 0.35f;
    float emissivity = 0.8f;
    float he = 12.4f;              // W/(m2 K)
    float hi = 0.0f;               // W/(m2 K)
    float pe = 2e-10f;             // kg/(m2 s Pa), external paint
    float pi = 9e-10f;             // kg/(m2 s Pa), internal paint
    float waterDensity = 1000.0f;  // kg/m3
    double tolerance = 0.001;
    int maxIterations = 150;
    int climateLayout = 0;
    std::string externalFile;
    std::string internalFile;
    DayHour start{1, 1, 0};
    DayHour end{31, 12, 23};
    int modelLevel = 0;
    float hoursPerStep = 1.0f;
    float timeStep = 3600.0f;    // s
    float fixedMoisture = 0.0f;  // m3/m3
    int climateClass = 1;        // 1 mainly hot, 2 otherwise
    float orientation = 0.0f;    // degrees, 0 south, 90 east
    float inclination = 0.0f;    // degrees, 0 horizontal, 90 vertical
    float reflectance = 0.0f;    // ground reflectance
    // Of the result files; empty: the working directory.
    std::string outputDirectory;
    // The case file or window the run is of, which names the folder of its own its results
    // go to while another run holds the output directory.
    std::string caseName;
};

// The linear systems are held in double precision: in single precision the diagonal sum
// rounds away the storage term of thin sections, which acts as a spurious heat path and
// makes finer grids less accurate.
using Block = std::array<std::array<double, 2>, 2>;
using BlockVector = std::array<double, 2>;

// Per node i: A_i x_i = E_i x_{i+1} + W_i x_{i-1} + d_i with x = (theta, T).
struct BlockSystem {
    int rows = 2;
    int columns = 2;
    std::vector<Block> a, e, w;
    std::vector<BlockVector> d;
};

// Model level 5: diagonal_i T_i = east_i T_{i+1} + west_i T_{i-1} + rhs_i.
struct ConductionSystem {
    std::vector<double> diagonal, capacity, east, west, rhs;
};

// Coefficients of the node being assembled, at its east and west faces.
struct InterfaceCoefficients {
    float capacity = 0.0f;  // J/(m3 K)
    float kE = 0.0f, dtvE = 0.0f, dtetavE = 0.0f, dtE = 0.0f, dtetaE = 0.0f;
    float kW = 0.0f, dtvW = 0.0f, dtetavW = 0.0f, dtW = 0.0f, dtetaW = 0.0f;
    double dxE = 0.0, dxW = 0.0, dxP = 0.0;  // m
};

// Transport coefficients of the face between two nodes.
struct FaceCoefficients {
    float k = 0.0f;       // W/(m K)
    float dtv = 0.0f;     // m2/(s K)
    float dtetav = 0.0f;  // m2/s
    float dt = 0.0f;      // m2/(s K)
    float dteta = 0.0f;   // m2/s
};

// Work space reused by every iteration; it carries nothing from one iteration to the next.
struct AssemblyScratch {
    std::vector<int> gridIndex;  // per node, the property grid index of its moisture content
    std::vector<FaceCoefficients> faces;  // per face, between node f and f + 1
    std::vector<Block> recursion;         // block solver P
    std::vector<BlockVector> offsets;     // block solver q
    std::vector<double> p, r;             // conduction solver
};

// Climate of the current step: the interpolated values, the next hourly record and the
// per-step increments between them.
struct BoundaryState {
    ClimateRecord current;
    ClimateRecord next;
    double internalTemperature = 0.0;  // degC
    double internalHumidity = 0.0;     // fraction
    double nextInternalTemperature = 0.0;
    double nextInternalHumidity = 0.0;
    double incExternalTemperature = 0.0, incExternalHumidity = 0.0, incIrradiance = 0.0;
    double incInternalTemperature = 0.0, incInternalHumidity = 0.0;
    float externalTemperature = 0.0f;  // single-precision copy, degC
    float subStepCounter = 0.0f;
    int recordsToRead = 0;  // hourly records up to the end date not yet read into the slots
    double thetaEqExternal = 0.0, thetaEqInternal = 0.0;  // m3/m3
    float betaE = 0.0f, betaI = 0.0f;                     // m/s, or 1/R in the iterations
    float re = 0.0f, ri = 0.0f;                           // s/m
    float linA = 0.0f, linB = 0.0f;                       // saturation linearisation
    std::array<float, 2> e1{}, e2{}, i1{}, i2{};
    float e3 = 0.0f, i3 = 0.0f;
    double ge = 0.0, gi = 0.0;  // kg/(m2 s), into the element
    double sensibleFlow = 0.0;  // W/m2 to the room
    double latentFlow = 0.0;    // W/m2 to the room
};

struct Peak {
    double value = 0.0;  // W/m2
    double ratio = 0.0;  // latent share
    DayHour date{0, 0, 0};
};

// Accumulators of the recording pass.
struct RunSummary {
    // Thickness means of the steps recorded since the last month closed, summed:
    // m3/m3 and degC times steps.
    double sumTheta = 0.0, sumTemperature = 0.0;
    int monthSteps = 0;
    MonthlyArray meanTheta{}, meanTemperature{};  // m3/m3, degC
    float sensiblePos = 0.0f, sensibleNeg = 0.0f, latentPos = 0.0f, latentNeg = 0.0f;  // J/m2
    MonthlyArray qsPos{}, qsNeg{}, qlPos{}, qlNeg{};
    int dayCounter = 1;
    int firstWeekday = 1;
    Peak positive, negative;
    int paint = 1;
};

// Heat totals of the recording pass as arq.txt gives them (office hours of working days,
// months 1 to 12), Wh/m2: sensible and latent heat, sensible only at model level 5.
struct AnnualEnergy {
    float cooling = 0.0f;  // heat the room gains through the element, >= 0
    float heating = 0.0f;  // heat the room loses through the element, <= 0
};

struct RunState {
    float elapsed = 0.0f;    // s
    int intervalLength = 0;  // h until the climate opens, then s
    int pass = 0;            // 0 warm-up, 1 recording
    int iterations = 0;
    float maxChangeT = 0.0f, maxChangeTheta = 0.0f;
    float maxTheta0 = -1.0f, maxT0 = -999.0f, minTheta0 = 100.0f, minT0 = 999.0f;
    // Liquid water run off the element in the recording pass, kg/m2.
    double drainedWater = 0.0;
    int repositionResult = 0;
    std::string note;  // for the user, after the message of the code the run ended with
    // Where the last run that completed left its result files ("" the working directory);
    // none before the first.
    std::optional<std::string> results;
};

struct RunFiles {
    FileHandle hext, hint, flux, arq, perfis;
    FileHandle external, internal;
    std::unique_ptr<ResultFolder> folder;  // held by the run, with the result files' places
};

struct SimulationEngine {
    EngineObserver* owner = nullptr;
    EngineParameters params;
    std::vector<Layer> layers;
    std::unique_ptr<FixedLayerProperties> fixed;
    PropertyGrid grid;
    int n = 0;                                        // intervals; nodes are 0..n
    std::vector<double> thetaNew, thetaIt, thetaOld;  // m3/m3
    std::vector<double> tNew, tIt, tOld;              // degC
    BlockSystem blocks;
    ConductionSystem conduction;
    InterfaceCoefficients face;
    std::vector<int> faceLayer;  // layer holding the face between node f and f + 1
    AssemblyScratch scratch;
    BoundaryState boundary;
    RunState run;
    RunSummary summary;
    RunFiles files;
    HourlyFlows hourly;  // of the last run, for exports

    int NodeCount() const { return n + 1; }
};

std::unique_ptr<SimulationEngine> CreateEngine(EngineObserver* owner);
void DestroyEngine(std::unique_ptr<SimulationEngine>& engine);
void ResetDefaults(SimulationEngine& engine);
void SetLayers(SimulationEngine& engine, std::vector<Layer> layers);
void RebuildGrid(SimulationEngine& engine);
void FillFixedProperties(SimulationEngine& engine, float theta);
float PropertyAt(const SimulationEngine& engine, const PropertyTable& table, float theta);
AnnualEnergy AnnualEnergies(const SimulationEngine& engine);

// Setters. Those with a validity rule answer 0 when accepted and -1 when refused.
void SetProfileOutput(SimulationEngine& engine, int on);
void SetOrientation(SimulationEngine& engine, float degrees);
void SetInclination(SimulationEngine& engine, float degrees);
void SetGroundReflectance(SimulationEngine& engine, float reflectance);
void SetPermeances(SimulationEngine& engine, float external, float internal);
void SetAbsorptivity(SimulationEngine& engine, float absorptivity);
void SetExternalClimateFile(SimulationEngine& engine, const std::string& path);
void SetInternalClimateFile(SimulationEngine& engine, const std::string& path);
void SetConstantInternalConditions(SimulationEngine& engine, int on, double temperature,
                                   double humidity);
void SetClimateLayout(SimulationEngine& engine, int layout);
int SetExternalCoefficient(SimulationEngine& engine, float he);
int SetInternalCoefficient(SimulationEngine& engine, float hi);
void SetInternalNatural(SimulationEngine& engine, int natural);
int SetForcedConvection(SimulationEngine& engine, float first, float second, float airVelocity);
void SetClimateClass(SimulationEngine& engine, int climateClass);
int SetDates(SimulationEngine& engine, DayHour start, DayHour end);
void SetTimeStep(SimulationEngine& engine, float seconds);
void SetTolerance(SimulationEngine& engine, double tolerance);
void SetMaxIterations(SimulationEngine& engine, int iterations);
void SetModelLevel(SimulationEngine& engine, int level);
void SetFixedMoisture(SimulationEngine& engine, float theta);
// Where the run creates its result files; ResetDefaults clears it. The directory must exist.
void SetOutputDirectory(SimulationEngine& engine, const std::string& directory);
// A case file's path or a window's caption; ResetDefaults clears it.
void SetCaseName(SimulationEngine& engine, const std::string& name);

}  // namespace porvap
