#pragma once

#include <optional>
#include <string>

#include "core/cases/CaseRecord.h"
#include "core/results/RunSettings.h"

namespace porvap {

class MaterialCatalog;
struct SimulationEngine;

// Input pages of the case window, by caption.
inline constexpr const char* kPageBuildingElement = "Building element";
inline constexpr const char* kPageWeather = "Weather";
inline constexpr const char* kPageSimulation = "Simulation";
inline constexpr const char* kPageReportOptions = "Report Opt.";

inline constexpr const char* kErrorCaption = "Error!";
inline constexpr const char* kQuestionCaption = "Porvap 2.0";

// The two questions asked when the profile dates reach outside the simulation interval.
enum class FlowIntervalQuestion { None, StartDate, StopDate };

// The first refused input: the message box to show, then the page to bring to the front
// and the control to focus.
struct ValidationResult {
    bool ok = true;
    std::string message;
    std::string caption;
    std::string page;
    std::string control;
    // Not None: the message is a Yes/No question under kQuestionCaption, and Yes applies
    // ApplyFlowIntervalCorrection. The run is not started with either answer.
    FlowIntervalQuestion question = FlowIntervalQuestion::None;
    // File names without surrounding blanks, for their edits; set once their turn came.
    std::optional<std::string> externalFile;
    std::optional<std::string> internalFile;
};

// Reads the inputs in a fixed order and hands each value to its engine setter at once,
// after the caller has reset the engine's defaults. Stops at the first refused input;
// what was handed over before it stays in the engine. Also fills the run settings.
ValidationResult ValidateAndSetUp(const CaseRecord& inputs, const MaterialCatalog& catalog,
                                  SimulationEngine& engine, RunSettings& settings);

// The Yes answer: the profile start takes the simulation start's list positions, or the
// profile stop those of the simulation finish.
void ApplyFlowIntervalCorrection(CaseRecord& inputs, FlowIntervalQuestion question);

}  // namespace porvap
