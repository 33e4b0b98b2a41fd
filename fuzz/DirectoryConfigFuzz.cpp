// The directory configuration reader on arbitrary "config.cfg" contents, and its rewrite.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/workspace/DirectoryConfig.h"
#include "fuzz/FuzzSupport.h"

namespace porvap {
namespace {

bool IsDirectoryText(const std::string& text) {
    return !text.empty() && (text.back() == '/' || text.back() == '\\');
}

}  // namespace
}  // namespace porvap

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace porvap;
    const fuzz::InScratchDirectory here;
    fuzz::WriteInput(DirectoryConfig::kFileName, data, size);
    DirectoryConfig config;
    fuzz::Require(config.Read(), "a file that is there is read");
    fuzz::Require(
        IsDirectoryText(config.FirstDirectory()) && IsDirectoryText(config.SecondDirectory()),
        "both directories end in a separator");
    fuzz::Require(config.Write(), "the configuration is written back");
    return 0;
}
