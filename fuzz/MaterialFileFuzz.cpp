// The material property file reader on arbitrary file contents.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/common/TextFiles.h"
#include "core/materials/IsothermTable.h"
#include "core/materials/MaterialCatalog.h"
#include "core/materials/MaterialFile.h"
#include "fuzz/FuzzSupport.h"

namespace porvap {
namespace {

void ReadEveryLine(const std::string& path) {
    const FileHandle file = OpenFile(path, "r");
    fuzz::Require(file != nullptr, "the input file opens");
    std::string line;
    while (ReadTextLine(file.get(), line, 16))
        fuzz::Require(line.size() <= 16 && line.find('\n') == std::string::npos,
                      "a line is cut at its length and holds no line feed");
}

}  // namespace
}  // namespace porvap

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace porvap;
    const std::string path = fuzz::WriteInput("material.dat", data, size);
    MaterialCatalog catalog;
    if (LoadMaterialFile(catalog, path)) {
        fuzz::Require(catalog.Count() == 1, "a loaded file adds one record");
        const IsothermTable* isotherm = catalog.Record(0)->Isotherm();
        fuzz::Require(isotherm && isotherm->Intervals() >= 1 &&
                          isotherm->Intervals() <= kMaxIsothermIntervals,
                      "a loaded record has an isotherm of an accepted size");
    } else {
        fuzz::Require(catalog.Count() == 0, "a refused file leaves the catalog as it was");
    }
    ReadEveryLine(path);
    return 0;
}
