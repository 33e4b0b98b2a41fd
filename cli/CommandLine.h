#pragma once

#include <optional>
#include <string>
#include <vector>

namespace porvap {

// What porvap-run was asked to do.
struct CommandLine {
    bool help = false;
    int jobs = 0;  // cases run at once; 0: one per core
    std::optional<std::string> outputDirectory;
    std::vector<std::string> inputs;  // case files and directories, in the order given

    // One case file and no -o: run as the program always has, in the working directory.
    bool SingleCase() const;
};

// Parses the arguments after the program name: -h/--help, -j N, -o DIR (also -jN, -oDIR),
// "--" before inputs that begin with '-'. Answers false with the message of the first
// usage error: an unknown option, a missing or invalid value, no input.
bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line,
                      std::string& error);

// Writes the message and a pointer to --help on standard error; answers the exit status 2.
int ReportUsageError(const std::string& message);

}  // namespace porvap
