#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/climate/HourRecord.h"
#include "core/climate/SolarGeometry.h"

namespace porvap {

// Where a converted year's direct normal irradiance comes from.
enum class BeamSource {
    kFile,              // the weather file's direct normal field, as it is
    kGlobalAndDiffuse,  // derived from its global and diffuse horizontal fields
};

// Direct normal irradiance, W/m2, that global and diffuse horizontal irradiance (W/m2) imply
// with this sun: (global - diffuse) / sin(altitude), never negative and at most the
// extraterrestrial normal irradiance. Zero with the sun below 2 degrees, where dividing by
// sin(altitude) turns the slightest horizontal beam into an arbitrary one.
double BeamFromGlobal(double global, double diffuse, const SunPosition& sun);

// Over the hours with the sun above 10 degrees and global minus diffuse above 50 W/m2, the sum
// of the beam on the horizontal, beam x sin(altitude), divided by the sum of global minus
// diffuse: 1 for a consistent year. Nothing when no hour qualifies.
std::optional<double> HorizontalBeamRatio(const std::vector<HourRecord>& year);

// The notice for a year whose ratio lies more than 15 % from 1, naming the ratio and the
// remedy; empty for a consistent year.
std::string BeamWarning(const std::vector<HourRecord>& year, const std::string& source);

}  // namespace porvap
