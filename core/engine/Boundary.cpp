#include "core/engine/Boundary.h"

#include <algorithm>
#include <cmath>

#include "core/climate/Psychrometrics.h"
#include "core/engine/Drainage.h"
#include "core/engine/Run.h"
#include "core/engine/SimulationEngine.h"
#include "core/materials/MaterialRecord.h"

namespace porvap {

namespace {

constexpr float kDegreesToRadians = 0.017453292f;
constexpr float kFilmMassTransfer = 0.00085f;  // m/s per W/(m2 K)
constexpr float kVapourGasConstant = 461.52f;  // J/(kg K)
constexpr float kVapourDensityFactor = 18.0f / 8307.18f;

const MaterialRecord& OuterMaterial(const SimulationEngine& engine) {
    return *engine.layers.front().Material();
}

const MaterialRecord& InnerMaterial(const SimulationEngine& engine) {
    return *engine.layers.back().Material();
}

const IsothermTable& OuterIsotherm(const SimulationEngine& engine) {
    return *engine.layers.front().Material()->Isotherm();
}

const IsothermTable& InnerIsotherm(const SimulationEngine& engine) {
    return *engine.layers.back().Material()->Isotherm();
}

struct ClimateSums {
    double externalTemperature = 0.0, internalTemperature = 0.0;
    double externalHumidity = 0.0, internalHumidity = 0.0, irradiance = 0.0;
};

int AverageHours(SimulationEngine& engine, float hours) {
    BoundaryState& b = engine.boundary;
    ClimateSums sums;
    for (int k = 1; k <= hours; ++k) {
        engine.params.timeStep = 3600.0f;
        if (const int advanced = AdvanceClimate(engine); advanced != kStepContinue)
            return advanced;
        sums.externalTemperature += b.current.temperature;
        sums.internalTemperature += b.internalTemperature;
        sums.externalHumidity += b.current.relativeHumidity;
        sums.internalHumidity += b.internalHumidity;
        sums.irradiance += b.current.irradiance;
    }
    b.current.temperature = sums.externalTemperature / hours;
    b.internalTemperature = sums.internalTemperature / hours;
    b.current.relativeHumidity = sums.externalHumidity / hours;
    b.internalHumidity = sums.internalHumidity / hours;
    b.current.irradiance = sums.irradiance / hours;
    b.externalTemperature = static_cast<float>(b.current.temperature);
    engine.params.timeStep = hours * 3600.0f;
    return kStepContinue;
}

}  // namespace

int UpdateBoundaryClimate(SimulationEngine& engine) {
    BoundaryState& b = engine.boundary;
    const float dt = engine.params.timeStep;
    int advanced = kStepContinue;
    if (dt < 3000.0f) {
        advanced = AdvanceClimate(engine);
        b.externalTemperature = static_cast<float>(b.current.temperature);
    } else if (dt >= 3600.0f) {
        advanced = AverageHours(engine, engine.params.hoursPerStep);
    }
    if (advanced != kStepContinue)
        return advanced;
    b.thetaEqExternal = OuterIsotherm(engine).MoistureAt(b.current.relativeHumidity);
    b.thetaEqInternal = InnerIsotherm(engine).MoistureAt(b.internalHumidity);
    return (b.thetaEqExternal < 0.0 || b.thetaEqInternal < 0.0) ? kIsothermFailure : kStepContinue;
}

void SetClimateIncrements(BoundaryState& b, float stepsPerHour) {
    b.incExternalTemperature = (b.next.temperature - b.current.temperature) / stepsPerHour;
    b.incExternalHumidity = (b.next.relativeHumidity - b.current.relativeHumidity) / stepsPerHour;
    b.incIrradiance = (b.next.irradiance - b.current.irradiance) / stepsPerHour;
    b.incInternalTemperature = (b.nextInternalTemperature - b.internalTemperature) / stepsPerHour;
    b.incInternalHumidity = (b.nextInternalHumidity - b.internalHumidity) / stepsPerHour;
}

int AdvanceClimate(SimulationEngine& engine) {
    BoundaryState& b = engine.boundary;
    const float stepsPerHour = 3600.0f / engine.params.timeStep;
    if (b.subStepCounter != stepsPerHour - 1.0f) {
        b.current.temperature += b.incExternalTemperature;
        b.current.relativeHumidity += b.incExternalHumidity;
        b.internalTemperature += b.incInternalTemperature;
        b.internalHumidity += b.incInternalHumidity;
        b.current.irradiance += b.incIrradiance;
        b.subStepCounter += 1.0f;
        return kStepContinue;
    }
    b.subStepCounter = 0.0f;
    b.current = b.next;
    b.internalTemperature = b.nextInternalTemperature;
    b.internalHumidity = b.nextInternalHumidity;
    const int read = ReadNextRecords(engine);
    SetClimateIncrements(b, stepsPerHour);
    return read;
}

float RelativeSolarAzimuth(float azimuth, float orientation) {
    if (azimuth == 0.0f)
        return 0.0f;
    // Orientations from 180 degrees on are taken as the same direction turned back by a full
    // circle: the rule below holds for every orientation in [-180, 180), and 180 (north)
    // would otherwise face the wall south.
    if (orientation >= 180.0f)
        orientation -= 360.0f;
    const float d = 180.0f - orientation;
    return azimuth >= 180.0f ? azimuth + d : azimuth - d;
}

double SurfaceIrradiance(const ClimateRecord& record, const SurfaceGeometry& surface) {
    const float altitude = record.altitude * kDegreesToRadians;
    const float gamma =
        RelativeSolarAzimuth(record.azimuth, surface.orientation) * kDegreesToRadians;
    const float tilt = surface.inclination * kDegreesToRadians;
    const float cosIncidence =
        std::cos(altitude) * std::cos(gamma) * std::sin(tilt) + std::sin(altitude) * std::cos(tilt);
    // A sun behind the surface sends it no beam; it takes none away.
    return record.beam * std::max(cosIncidence, 0.0f) + record.diffuse +
           surface.reflectance * (record.beam + record.diffuse) * (1.0f - std::cos(tilt)) / 2.0f;
}

float ExternalCoefficient(const SimulationEngine& engine, float windSpeed, float windDirection) {
    const double direction = windDirection * 57.29577951308232;
    const float deltaT =
        std::fabs(static_cast<float>(engine.tIt[0]) - engine.boundary.externalTemperature);
    const float free = deltaT > 0.0f ? std::cbrt(deltaT) : 0.0f;
    const float orientation = engine.params.orientation;
    const bool windward = direction - 90.0 <= orientation && orientation <= direction + 90.0;
    const float b = windward ? 2.38f : 2.86f;
    const float n = windward ? 0.89f : 0.617f;
    const float forced = b * std::pow(windSpeed, n);
    return std::sqrt((0.84f * free) * (0.84f * free) + forced * forced);
}

float NaturalInternalCoefficient(const SimulationEngine& engine) {
    const float deltaT =
        static_cast<float>(std::fabs(engine.tNew[engine.n] - engine.boundary.internalTemperature));
    const float laminar = 1.5f * std::pow(deltaT / 2.5f, 0.25f);
    const float turbulent = 1.23f * std::pow(deltaT, 0.33f);
    return std::pow(std::pow(laminar, 6.0f) + std::pow(turbulent, 6.0f), 1.0f / 6.0f);
}

float ForcedInternalCoefficient(float airVelocity) {
    return static_cast<float>((0.99 + 0.21 * 3.2808399 * airVelocity) * 5.678);
}

namespace {

// Error of the straight line a (t + 273) + b against p_ws / T.
float LinearisationError(const BoundaryState& b, float t) {
    return SaturationPressureOverT(t) - (b.linA * (t + 273.0f) + b.linB);
}

struct FaceTerms {
    float t1, t2, t3;
};

// What the air against a surface reads from the surface's moisture content. A face drying
// towards 0 % air can pass the isotherm's driest row within a step, and a flat isotherm has
// no row below its value at all; nothing is drier than dry, so such a surface reads as that
// row. A face wetter than the wettest row, or filled to what its pores hold, carries liquid
// water: the air against it is saturated whatever more condenses. Not a number stays
// outside the table.
struct SurfaceReading {
    double theta;  // m3/m3, where the exchange is linearised
    double phi;    // relative humidity, -1 outside the isotherm
    double slope;  // d(phi)/d(theta)
};

SurfaceReading ReadSurface(const MaterialRecord& material, double theta) {
    const IsothermTable& isotherm = *material.Isotherm();
    if (theta > isotherm.Y(isotherm.Intervals()) || theta >= HeldWater(material))
        return {theta, 1.0, 0.0};
    const double within = theta < isotherm.Y(0) ? isotherm.Y(0) : theta;
    return {within, isotherm.HumidityAt(within), isotherm.SlopeAt(within)};
}

// Vapour-density difference between air and surface, linear in the surface unknowns.
bool FaceVapourTerms(const BoundaryState& b, const MaterialRecord& material, double airHumidity,
                     float airT, double iterateTheta, float surfaceT, double thetaEq,
                     FaceTerms& terms) {
    const SurfaceReading surface = ReadSurface(material, iterateTheta);
    const double phiEq = material.Isotherm()->HumidityAt(thetaEq);
    if (surface.phi < 0.0 || phiEq < 0.0)
        return false;
    const float f = SaturationPressureOverT(surfaceT);
    const float c = kVapourDensityFactor;
    terms.t1 = static_cast<float>(b.linA * airHumidity * c);
    terms.t2 = static_cast<float>(surface.slope * f * c);
    terms.t3 = static_cast<float>(
        ((LinearisationError(b, airT) - LinearisationError(b, surfaceT)) * airHumidity +
         (phiEq - surface.phi - (thetaEq - surface.theta) * surface.slope) * f) *
        c);
    return true;
}

}  // namespace

int VapourBoundaryTerms(SimulationEngine& engine) {
    BoundaryState& b = engine.boundary;
    const int n = engine.n;
    FaceTerms outer{}, inner{};
    const bool ok = FaceVapourTerms(b, OuterMaterial(engine), b.current.relativeHumidity,
                                    b.externalTemperature, engine.thetaIt[0],
                                    static_cast<float>(engine.tIt[0]), b.thetaEqExternal, outer) &&
                    FaceVapourTerms(b, InnerMaterial(engine), b.internalHumidity,
                                    static_cast<float>(b.internalTemperature), engine.thetaIt[n],
                                    static_cast<float>(engine.tIt[n]), b.thetaEqInternal, inner);
    if (!ok)
        return -1;
    b.e1 = {outer.t1, outer.t1};
    b.e2 = {outer.t2, outer.t2};
    b.e3 = outer.t3;
    b.i1 = {inner.t1, inner.t1};
    b.i2 = {inner.t2, inner.t2};
    b.i3 = inner.t3;
    return 0;
}

float SurfaceResistance(float h, float permeance, double surfaceT) {
    return 1.0f / (kFilmMassTransfer * h) +
           static_cast<float>(1.0 / (permeance * kVapourGasConstant * (surfaceT + 273.15)));
}

int SurfaceFluxes(SimulationEngine& engine) {
    BoundaryState& b = engine.boundary;
    const EngineParameters& p = engine.params;
    const int n = engine.n;
    b.betaE = kFilmMassTransfer * p.he;
    b.betaI = kFilmMassTransfer * p.hi;
    b.re = SurfaceResistance(p.he, p.pe, engine.tIt[0]);
    b.ri = SurfaceResistance(p.hi, p.pi, engine.tIt[n]);
    const double rhoE = SaturationDensity(b.externalTemperature) * b.current.relativeHumidity;
    const double rhoI =
        SaturationDensity(static_cast<float>(b.internalTemperature)) * b.internalHumidity;
    const double phi0 = ReadSurface(OuterMaterial(engine), engine.thetaNew[0]).phi;
    const double phiN = ReadSurface(InnerMaterial(engine), engine.thetaNew[n]).phi;
    if (phi0 < 0.0 || phiN < 0.0)
        return -1;
    const double rho0 = SaturationDensity(static_cast<float>(engine.tNew[0])) * phi0;
    const double rhoN = SaturationDensity(static_cast<float>(engine.tNew[n])) * phiN;
    b.ge = (rhoE - rho0) / b.re;
    b.gi = (rhoI - rhoN) / b.ri;
    return 0;
}

}  // namespace porvap
