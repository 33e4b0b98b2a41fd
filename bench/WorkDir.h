#pragma once

#include <filesystem>

// The benchmarks run in a scratch copy of the bundled data, which becomes the working
// directory: runs write their result files there.
inline void PrepareWorkDir(const char* name) {
    namespace fs = std::filesystem;
    const fs::path work = fs::temp_directory_path() / name;
    fs::remove_all(work);
    fs::copy(fs::path(PORVAP_SOURCE_DIR) / "data", work, fs::copy_options::recursive);
    fs::current_path(work);
}
