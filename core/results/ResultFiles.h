#pragma once

#include <array>
#include <string>

namespace porvap {

class MessageSink;
class ProfileStore;
struct SimulationEngine;

// The four reports of the "Reports" page, read from the result files of the engine's last
// completed run: "Averages" (arq.txt), "Ext. Coef." (hext.txt), "Int. Coef." (hint.txt) and
// "Mass and heat" (flux.txt), with the folder they are in when it is not the working
// directory. A file that cannot be opened is reported and left empty; before the engine's
// first completed run there is nothing to read and the reports are empty.
struct Report {
    std::string title;
    std::string text;
};
struct RunReports {
    std::array<Report, 4> reports;
    std::string location;  // empty for the working directory
};
RunReports LoadReports(const SimulationEngine& engine, MessageSink& messages);

// Exports. Each answers false when the file cannot be created or written.
bool WriteReport(const std::string& path, const std::string& text);
bool WriteProfile(const std::string& path, const ProfileStore& store, int slot);
bool WriteAllProfiles(const std::string& path, const ProfileStore& store);

}  // namespace porvap
