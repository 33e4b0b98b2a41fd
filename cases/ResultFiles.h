#pragma once

#include <array>
#include <string>

namespace porvap {

class MessageSink;
class ProfileStore;

// The four reports of the "Reports" page, read from the result files of the last run:
// "Averages" (arq.txt), "Ext. Coef." (hext.txt), "Int. Coef." (hint.txt) and
// "Mass and heat" (flux.txt). A file that cannot be opened is reported and left empty.
struct Report {
    std::string title;
    std::string text;
};
std::array<Report, 4> LoadReports(MessageSink& messages);

// Exports. Each answers false when the file cannot be created or written.
bool WriteReport(const std::string& path, const std::string& text);
bool WriteProfile(const std::string& path, const ProfileStore& store, int slot);
bool WriteAllProfiles(const std::string& path, const ProfileStore& store);

}  // namespace porvap
