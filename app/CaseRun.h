#pragma once

#include <string>

namespace porvap {

class EngineObserver;
class MessageSink;

// Runs one case file from start to end in the working directory, with no window: loads the
// catalog from "materiais.cfg", reads and validates the case (a Yes/No question counts as
// No), runs both passes and writes the result files. The messages of loading and checking
// go to the sink. Answers the run's code (RunCodeMessage gives its message): 0 when the
// run completed, kCaseRefused when the case could not be read or was refused.
constexpr int kCaseRefused = 100;
int RunCase(const std::string& casePath, MessageSink& messages, EngineObserver* observer);

}  // namespace porvap
