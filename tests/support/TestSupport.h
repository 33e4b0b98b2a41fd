#pragma once

#include <unistd.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace porvap::test {

// Relative comparison with the tolerance in the failure message.
inline ::testing::AssertionResult Near(double actual, double expected, double relTol) {
    const double scale = std::max(std::fabs(expected), 1e-300);
    const double rel = std::fabs(actual - expected) / scale;
    if (rel <= relTol)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "actual " << actual << " vs expected " << expected << ": relative deviation " << rel
           << " > tolerance " << relTol;
}

// A fresh directory that becomes the working directory for the test's lifetime:
// the program writes its result files under fixed names in the working directory.
class ScratchDir {
  public:
    ScratchDir() : previous_(std::filesystem::current_path()) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // The process id keeps suites of different build directories apart when they run at once.
        std::string name = "porvap_" + std::to_string(::getpid()) + "_";
        if (info)
            name += std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name)
            if (c == '/')
                c = '_';
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        std::filesystem::current_path(path_);
    }
    ~ScratchDir() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path_);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

inline void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::filesystem::path SourcePath(const std::string& relative) {
    return std::filesystem::path(PORVAP_SOURCE_DIR) / relative;
}

}  // namespace porvap::test
