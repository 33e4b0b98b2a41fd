#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace porvap::fuzz {

// A directory of this process's own, removed at exit: the readers take paths, two of them
// fixed names in the working directory. Memory-backed when the system has it, so the
// writers' flushes to disk cost nothing.
inline const std::filesystem::path& ScratchDirectory() {
    // Never destroyed, so the exit handler still finds it.
    static const std::filesystem::path* const directory = [] {
        const std::filesystem::path shm = "/dev/shm";
        const auto base =
            std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        std::string pattern = (base / "porvap-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("porvap fuzz: no scratch directory");
            std::abort();
        }
        return new std::filesystem::path(pattern);
    }();
    [[maybe_unused]] static const int removedAtExit = std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(*directory, ignored);
    });
    return *directory;
}

inline std::string WriteScratchFile(const std::string& name, const std::string& text) {
    const auto path = ScratchDirectory() / name;
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    return path.string();
}

inline std::string WriteInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
    return WriteScratchFile(name, std::string(reinterpret_cast<const char*>(data), size));
}

// The scratch directory is the working directory while this lives.
class InScratchDirectory {
  public:
    InScratchDirectory() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(ScratchDirectory());
    }
    ~InScratchDirectory() { std::filesystem::current_path(previous_); }
    InScratchDirectory(const InScratchDirectory&) = delete;
    InScratchDirectory& operator=(const InScratchDirectory&) = delete;

  private:
    std::filesystem::path previous_;
};

// A broken promise of a reader is a finding like a crash.
inline void Require(bool holds, const char* promise) {
    if (holds)
        return;
    std::fprintf(stderr, "porvap fuzz: broken promise: %s\n", promise);
    std::abort();
}

}  // namespace porvap::fuzz
