#include "core/workspace/DirectoryConfig.h"

#include <cstdio>
#include <filesystem>

#include "core/common/FileReplacement.h"
#include "core/common/TextFiles.h"
#include "core/materials/MaterialFile.h"

namespace porvap {
namespace {

std::string CurrentDirectory() {
    std::error_code error;
    return WithTrailingSeparator(std::filesystem::current_path(error).string());
}

// An empty line would otherwise become the root directory.
std::string ReadDirectoryLine(std::FILE* file, const std::string& fallback) {
    std::string line;
    ReadTextLine(file, line, DirectoryConfig::kMaxLineLength);
    return line.empty() ? fallback : WithTrailingSeparator(line);
}

}  // namespace

std::string WithTrailingSeparator(const std::string& directory) {
    if (!directory.empty() && (directory.back() == '/' || directory.back() == '\\')) {
        return directory;
    }
    return directory + '/';
}

bool DirectoryConfig::Read() {
    const std::string current = CurrentDirectory();
    const FileHandle file = OpenDataFile(kFileName);
    if (!file) {
        first_ = second_ = current;
        return false;
    }
    first_ = ReadDirectoryLine(file.get(), current);
    second_ = ReadDirectoryLine(file.get(), current);
    return true;
}

bool DirectoryConfig::Write() const {
    return ReplaceFile(kFileName, [this](std::FILE* file) {
        std::fprintf(file, "%s\n%s\n", first_.c_str(), second_.c_str());
    });
}

}  // namespace porvap
