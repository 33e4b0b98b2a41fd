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
    // A record the run needs is missing, unreadable, out of sequence or out of range; the
    // run's note names the file, the line and the date reached.
    kClimateRecordRefused = 7,
};

int StartRun(SimulationEngine& engine);
int AdvanceTimeStep(SimulationEngine& engine);
int RoomHeatFlows(SimulationEngine& engine);
int EnergySummary(SimulationEngine& engine);
// Closes every file of a run that ends without its summary (failure or abort).
void AbortRun(SimulationEngine& engine);

// A whole run without pauses, grid rebuilt first: StartRun, every step of both passes, and
// the summary. Answers 0 when the run completed, otherwise the code that stopped it.
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
