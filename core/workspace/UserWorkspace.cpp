#include "core/workspace/UserWorkspace.h"

#include <cstdlib>
#include <system_error>

#include "core/materials/MaterialCatalog.h"

namespace porvap {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCatalog = MaterialCatalog::kCatalogFile;

bool HasCatalog(const fs::path& directory) {
    std::error_code error;
    return fs::is_regular_file(directory / kCatalog, error);
}

std::string Quoted(const fs::path& path) {
    std::string text = path.string();
    text.insert(text.begin(), '"');
    text.push_back('"');
    return text;
}

std::string Failure(const std::string& what, const fs::path& path, const std::error_code& error) {
    return what + " " + Quoted(path) + ": " + error.message() + ".";
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// A relative PORVAP_WORKSPACE is taken from the directory the program was started in.
fs::path UserWorkspaceDir(const StartPlaces& places) {
    if (!places.workspaceVariable.empty())
        return (places.current / places.workspaceVariable).lexically_normal();
    if (!places.home.empty())
        return (fs::path(places.home) / kWorkspaceName).lexically_normal();
    return {};
}

// Everything but the catalog, merged into what target already holds.
std::string CopyAllButCatalog(const fs::path& bundled, const fs::path& target) {
    constexpr auto kKeeping = fs::copy_options::recursive | fs::copy_options::skip_existing;
    std::error_code error;
    fs::directory_iterator entry(bundled, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const fs::path name = entry->path().filename();
        if (name == kCatalog)
            continue;
        fs::copy(entry->path(), target / name, kKeeping, error);
        if (error)
            return Failure("Could not copy the bundled data to", target / name, error);
    }
    return error ? Failure("Could not read the bundled data in", bundled, error) : "";
}

}  // namespace

std::string PrepareWorkspace(const fs::path& bundled, const fs::path& target) {
    if (!HasCatalog(bundled))
        return "The bundled data is incomplete: " + Quoted(bundled / kCatalog) + " is missing.";
    std::error_code error;
    fs::create_directories(target, error);
    if (error)
        return Failure("Could not create the working directory", target, error);
    if (std::string problem = CopyAllButCatalog(bundled, target); !problem.empty())
        return problem;
    fs::copy_file(bundled / kCatalog, target / kCatalog, fs::copy_options::skip_existing, error);
    return error ? Failure("Could not copy the material catalog to", target, error) : "";
}

WorkspaceChoice ChooseWorkspace(const StartPlaces& places) {
    std::error_code error;
    const fs::path bundled = (places.executableDir / kBundledDataDir).lexically_normal();
    if (HasCatalog(places.current) || !fs::is_directory(bundled, error))
        return {};
    const std::string stays = "\nPorvap works in " + Quoted(places.current) + ".";
    const fs::path target = UserWorkspaceDir(places);
    if (target.empty())
        return {{}, "Neither HOME nor " + std::string(kWorkspaceVariable) + " is set." + stays};
    if (HasCatalog(target))
        return {target, {}};
    if (std::string problem = PrepareWorkspace(bundled, target); !problem.empty())
        return {{}, problem + stays};
    return {target, {}};
}

std::string EnterUserWorkspace(const fs::path& executableDir) {
    std::error_code error;
    const StartPlaces places{fs::current_path(error), executableDir,
                             Environment(kWorkspaceVariable), Environment("HOME")};
    const WorkspaceChoice choice = ChooseWorkspace(places);
    if (choice.directory.empty())
        return choice.error;
    fs::current_path(choice.directory, error);
    return error ? Failure("Could not change into the working directory", choice.directory, error)
                 : "";
}

}  // namespace porvap
