#pragma once

#include "core/climate/ClimateRecord.h"

namespace porvap {

struct SimulationEngine;

// Orientation and surroundings of the external surface.
struct SurfaceGeometry {
    float orientation = 0.0f;  // degrees, 0 facing south, 90 facing east
    float inclination = 0.0f;  // degrees, 0 horizontal, 90 vertical
    float reflectance = 0.0f;  // ground reflectance
};

// The climate of the next step and the equilibrium moisture of both faces: kStepContinue,
// kIsothermFailure, or kClimateRecordRefused when the hourly files cannot supply a record
// the run needs.
int UpdateBoundaryClimate(SimulationEngine& engine);
// One step's climate; kStepContinue or kClimateRecordRefused.
int AdvanceClimate(SimulationEngine& engine);

struct BoundaryState;
// Per-step changes that carry the current values to the next hourly record.
void SetClimateIncrements(BoundaryState& boundary, float stepsPerHour);

// Angle between the sun's azimuth (degrees from north, east positive, (-180, 180]) and the
// normal of a surface of the given orientation (degrees from south, east positive).
float RelativeSolarAzimuth(float azimuth, float orientation);
// Irradiance on the external surface, W/m2: Ib max(cos i, 0) + Id + rho (Ib + Id)
// (1 - cos(tilt)) / 2 with the record's beam normal Ib and diffuse Id. The data generator
// writes the layout-1 year with it.
double SurfaceIrradiance(const ClimateRecord& record, const SurfaceGeometry& surface);

float ExternalCoefficient(const SimulationEngine& engine, float windSpeed, float windDirection);
float NaturalInternalCoefficient(const SimulationEngine& engine);
float ForcedInternalCoefficient(float airVelocity);

// Linearised vapour exchange of both faces; -1 when the isotherm has no humidity for a
// surface or for its air. Drier surfaces read as the driest row; wetter ones, and those
// filled to what their pores hold, as saturated air.
int VapourBoundaryTerms(SimulationEngine& engine);
int SurfaceFluxes(SimulationEngine& engine);

// Air film plus paint, s/m, for a film coefficient h and a paint permeance.
float SurfaceResistance(float h, float permeance, double surfaceT);

// Climate streams of a run: positioning at the start date, then the records after it. Every
// record up to the end date must be readable, within its ranges and the hour after the one
// before; a refusal answers its run code and leaves the reason in the run's note.
int OpenClimate(SimulationEngine& engine);
// Reads the next external and internal records into the next slot.
int ReadNextRecords(SimulationEngine& engine);

}  // namespace porvap
