#pragma once

#include <string>

namespace porvap {

struct SimulationEngine;

// Results of StartRun and AdvanceTimeStep. Positive codes are those of OpenClimate.
enum RunCode : int {
    kStepContinue = 0,
    kRunComplete = -1,
    kWarmupComplete = -2,
    kIsothermFailure = -3,
    kNonFiniteSolution = -4,
    kExternalClimateUnreadable = 1,
    kInternalClimateUnreadable = 2,
    kClimateStartNotFound = 3,
    kStepByStepAborted = 4,
    kRunAborted = 5,
    kOutputFilesFailed = 6,
    kResultsNotWritten = 7,
    // A record the run needs is missing, unreadable, out of sequence or out of range; the
    // run's note names the file, the line and the date reached.
    kClimateRecordRefused = 8,
};

// Holds the results folder (the output directory, or one of the case's own beside it while
// another run holds that) and creates the result files there as temporaries.
int StartRun(SimulationEngine& engine);
int AdvanceTimeStep(SimulationEngine& engine);
int RoomHeatFlows(SimulationEngine& engine);
// Writes the summary and, when every write of the run succeeded, puts the result files in
// the place of the previous ones; otherwise answers kResultsNotWritten and leaves those.
int EnergySummary(SimulationEngine& engine);
// Ends a run, whichever way it went: closes its files, drops the result files it has not
// published and releases its results folder. Until then the folder stays held, so that the
// caller reads the results of its own run.
void CloseRun(SimulationEngine& engine);

// A whole run without pauses, grid rebuilt first: StartRun, every step of both passes, the
// summary and CloseRun. Answers 0 when the run completed, otherwise the code that stopped it.
int RunToCompletion(SimulationEngine& engine);

struct RunMessage {
    const char* text;  // nullptr when the code shows nothing
    const char* caption;
};
// What a finished run tells the user; a normal run that completes reports 0.
RunMessage RunCodeMessage(int code);

// The same with what the engine noted of the run's end (where it stopped, where its results
// went) on the lines after the code's message. An empty text shows nothing.
struct RunNotice {
    std::string text;
    std::string caption;
};
RunNotice DescribeRunEnd(const SimulationEngine& engine, int code);

}  // namespace porvap
