#pragma once

namespace porvap {

struct CommandLine;

// porvap-run with several cases, directories or -o: loads the catalog of the working
// directory once, runs the cases on threads, prints a line as each finishes and the summary
// table at the end, all on standard output. Answers the exit status: 0 when every case
// completed, 1 otherwise, 2 for a directory without cases.
int RunBatchCommand(const CommandLine& line);

}  // namespace porvap
