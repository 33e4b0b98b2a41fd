#include "core/results/ResultFiles.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "core/common/FileReplacement.h"
#include "core/common/Messages.h"
#include "core/common/TextFiles.h"
#include "core/engine/SimulationEngine.h"
#include "core/results/ProfileStore.h"

namespace porvap {

namespace {

constexpr std::size_t kMaxLine = 5000;  // characters kept of one report line

void SkipRestOfLine(std::FILE* file) {
    int c = 0;
    while ((c = std::fgetc(file)) != EOF && c != '\n') {
    }
}

// The file's lines, each cut to kMaxLine characters and ended by '\n'.
std::string ReadReport(std::FILE* file) {
    std::string text;
    char buffer[kMaxLine + 2];  // the line, its '\n' and the terminator
    while (std::fgets(buffer, sizeof buffer, file)) {
        std::string line = buffer;
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        else
            SkipRestOfLine(file);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        line.resize(std::min(line.size(), kMaxLine));
        text += line;
        text += '\n';
    }
    return text;
}

void WriteNodes(std::FILE* file, const ProfileStore::Profile& profile) {
    for (std::size_t i = 0; i < profile.temperature.size(); ++i)
        std::fprintf(file, "%d %lf %lf\n", static_cast<int>(i), profile.temperature[i],
                     profile.theta[i]);
}

}  // namespace

RunReports LoadReports(const SimulationEngine& engine, MessageSink& messages) {
    RunReports loaded{
        {{{"Averages", {}}, {"Ext. Coef.", {}}, {"Int. Coef.", {}}, {"Mass and heat", {}}}}, {}};
    const std::optional<std::string>& folder = engine.run.results;
    if (!folder)
        return loaded;
    if (!folder->empty())
        loaded.location = "Result files in " + *folder;
    const char* const files[] = {"arq.txt", "hext.txt", "hint.txt", "flux.txt"};
    for (std::size_t i = 0; i < loaded.reports.size(); ++i) {
        const FileHandle file = OpenDataFile((std::filesystem::path(*folder) / files[i]).string());
        if (!file) {
            messages.Show("File could not be opened", "Error!");
            continue;
        }
        loaded.reports[i].text = ReadReport(file.get());
    }
    return loaded;
}

// Exports replace the user's earlier file whole or not at all.
bool WriteReport(const std::string& path, const std::string& text) {
    return ReplaceFile(path, [&text](std::FILE* file) {
        for (std::size_t begin = 0; begin < text.size();) {
            const std::size_t end = std::min(text.find('\n', begin), text.size());
            std::fprintf(file, "%s\n", text.substr(begin, end - begin).c_str());
            begin = end + 1;
        }
    });
}

bool WriteProfile(const std::string& path, const ProfileStore& store, int slot) {
    if (slot < 0 || slot >= store.Count())
        return false;
    return ReplaceFile(path, [&store, slot](std::FILE* file) {
        const ProfileStore::Profile& profile = store.At(slot);
        std::fprintf(file, "%d\n", store.NodeCount());
        std::fprintf(file, "%s\n", profile.label.c_str());
        WriteNodes(file, profile);
    });
}

bool WriteAllProfiles(const std::string& path, const ProfileStore& store) {
    return ReplaceFile(path, [&store](std::FILE* file) {
        std::fprintf(file, "%d %d\n", store.Count(), store.NodeCount());
        for (int k = 0; k < store.Count(); ++k) {
            std::fprintf(file, "%s\n", store.At(k).label.c_str());
            WriteNodes(file, store.At(k));
        }
    });
}

}  // namespace porvap
