#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace porvap {
namespace {

namespace fs = std::filesystem;

// The target's seeds, then what fuzzing found and the reader was fixed for.
std::vector<fs::path> Inputs() {
    std::vector<fs::path> inputs;
    for (const char* folder : {"fuzz/corpus/", "fuzz/regressions/"}) {
        const fs::path directory = test::SourcePath(folder + std::string(PORVAP_FUZZ_TARGET));
        if (!fs::is_directory(directory))
            continue;
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(directory)) {
            if (entry.is_regular_file())
                files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        inputs.insert(inputs.end(), files.begin(), files.end());
    }
    return inputs;
}

std::string InputName(const ::testing::TestParamInfo<fs::path>& info) {
    std::string name = info.param.parent_path().parent_path().filename().string() + "_" +
                       info.param.filename().string();
    std::replace_if(
        name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
    return name;
}

class FuzzInput : public ::testing::TestWithParam<fs::path> {};

// A crash, a sanitizer report or a broken promise of the reader ends the program; a hang
// runs into the test's time limit.
TEST_P(FuzzInput, RunsThroughTheTarget) {
    const std::string bytes = test::ReadFile(GetParam());
    EXPECT_EQ(
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
        0);
}

INSTANTIATE_TEST_SUITE_P(Kept, FuzzInput, ::testing::ValuesIn(Inputs()), InputName);

}  // namespace
}  // namespace porvap
