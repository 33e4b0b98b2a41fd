// The case file reader on arbitrary contents; a case it accepts must be written back in a
// form that reads as the same case.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/cases/CaseFile.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace porvap;
    const std::string path = fuzz::WriteInput("case.sim", data, size);
    CaseRecord record;
    std::string message;
    if (ReadCaseFile(path, record, message) != 0) {
        fuzz::Require(!message.empty(), "a refused file has a message");
        return 0;
    }
    fuzz::Require(record.layers.size() <= static_cast<std::size_t>(kMaxCaseLayers),
                  "no more layers than the editor has rows");
    const std::string again = (fuzz::ScratchDirectory() / "again.sim").string();
    fuzz::Require(WriteCaseFile(again, record) == 0, "an accepted case is written");
    CaseRecord reread;
    fuzz::Require(ReadCaseFile(again, reread, message) == 0, "a written case reads back");
    fuzz::Require(reread == record, "a written case reads back unchanged");
    return 0;
}
