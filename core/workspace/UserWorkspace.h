#pragma once

#include <filesystem>
#include <string>

namespace porvap {

// The installed program keeps its bundled data here, relative to the executable's directory.
inline constexpr const char* kBundledDataDir = "../share/porvap/data";
// Names the per-user working directory instead of ~/Porvap.
inline constexpr const char* kWorkspaceVariable = "PORVAP_WORKSPACE";
inline constexpr const char* kWorkspaceName = "Porvap";

// What decides where a start works.
struct StartPlaces {
    std::filesystem::path current;
    std::filesystem::path executableDir;
    std::string workspaceVariable;  // value of PORVAP_WORKSPACE; empty when unset
    std::string home;               // value of HOME; empty when unset
};

// An empty directory keeps the start where it is; error is then the reason to show, if any.
struct WorkspaceChoice {
    std::filesystem::path directory;
    std::string error;
};

// A start in a directory with a catalog, or of a program without installed data, stays where
// it is. Any other start works in the per-user directory, prepared from the bundled data
// while that has no catalog yet.
WorkspaceChoice ChooseWorkspace(const StartPlaces& places);

// Copies the bundled data into target, creating it, and keeps every file already there. The
// catalog goes last: a directory that has one was prepared completely. Returns the error
// message, empty on success.
std::string PrepareWorkspace(const std::filesystem::path& bundled,
                             const std::filesystem::path& target);

// ChooseWorkspace for this process, then changes into the chosen directory. Returns the
// message to show, empty when all went well.
std::string EnterUserWorkspace(const std::filesystem::path& executableDir);

}  // namespace porvap
