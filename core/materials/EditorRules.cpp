#include "core/materials/EditorRules.h"

#include <cmath>
#include <filesystem>
#include <limits>

#include "core/common/InputText.h"
#include "core/common/TextFiles.h"
#include "core/materials/MaterialCatalog.h"

namespace porvap {
namespace {

bool IsWorkingDirectory(const std::string& directory) {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return !error && std::filesystem::equivalent(NativePath(directory), current, error);
}

}  // namespace

std::string CatalogPathFor(const std::string& file, const std::string& firstDirectory) {
    const auto cut = file.find_last_of("/\\");
    if (cut == std::string::npos)
        return file;
    const std::string directory = file.substr(0, cut + 1);
    if (directory != firstDirectory || !IsWorkingDirectory(directory))
        return file;
    return file.substr(cut + 1);
}

std::string MaterialNameProblem(const std::string& name) {
    if (name.size() > kCatalogNameColumns)
        return "Material name too long: at most " + std::to_string(kCatalogNameColumns) +
               " characters";
    return {};
}

bool IsMaterialValue(const std::string& text) {
    double value = 0.0;
    return ParseNumber(text, value) && std::fabs(value) <= std::numeric_limits<float>::max();
}

}  // namespace porvap
