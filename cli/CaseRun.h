#pragma once

#include <string>

#include "core/engine/Run.h"
#include "core/engine/SimulationEngine.h"

namespace porvap {

class EngineObserver;
class MaterialCatalog;
class MessageSink;

// The case could not be read or was refused.
constexpr int kCaseRefused = 100;
// The run ended by an exception (out of memory, for one); the others go on.
constexpr int kCaseThrew = 101;

// A run's code (0 when it completed), what the run tells the user (DescribeRunEnd; empty
// for a refused case, whose messages went to the sink) and, when it completed, where its
// result files are, its peaks and yearly totals.
struct CaseOutcome {
    int code = kCaseRefused;
    RunNotice notice;
    std::string resultsDirectory;
    Peak gain;  // W/m2 into the room, >= 0
    Peak loss;  // W/m2 out of the room, <= 0
    AnnualEnergy energy;
};

// Runs one case file from start to end in the working directory, with no window: loads the
// catalog from "materiais.cfg", reads and validates the case (a Yes/No question counts as
// No), runs both passes and writes the result files, in runs/STEM beside them while another
// run holds the working directory's (STEM: the case file's name without its extension). The
// messages of loading and checking go to the sink.
CaseOutcome RunCase(const std::string& casePath, MessageSink& messages, EngineObserver* observer);

// The same on a loaded catalog, which the run only reads (runs may share it across
// threads), with the result files created in outputDirectory (empty: the working
// directory), which must exist, or in outputDirectory/runs/STEM. With `csv`, a completed run
// also leaves its hourly flows and monthly summary beside them as flows.csv and monthly.csv;
// when they cannot be written the run answers kOutputFilesFailed.
CaseOutcome RunCase(const std::string& casePath, const std::string& outputDirectory,
                    const MaterialCatalog& catalog, MessageSink& messages, EngineObserver* observer,
                    bool csv = false);

}  // namespace porvap
