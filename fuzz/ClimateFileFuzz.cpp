// The hourly climate readers over a whole file: layout detection, then every external
// layout and the internal layout read record by record to the end.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "climate/ClimateFile.h"
#include "climate/ClimateRecord.h"
#include "climate/TextFiles.h"
#include "fuzz/FuzzSupport.h"

namespace porvap {
namespace {

// Reads on while the reader moves through the file: a record it refuses may stop it for
// good, as the engine would.
template <typename ReadOne>
void ReadWholeFile(const std::string& path, ReadOne readOne) {
    const FileHandle file = OpenFile(path, "r");
    fuzz::Require(file != nullptr, "the input file opens");
    long position = -1;
    while (std::ftell(file.get()) != position) {
        position = std::ftell(file.get());
        readOne(file.get());
    }
}

}  // namespace
}  // namespace porvap

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace porvap;
    const std::string path = fuzz::WriteInput("climate.pvh", data, size);
    const int detected = DetectClimateLayout(path);
    fuzz::Require(detected == -1 || (detected >= 1 && detected <= 3), "a known layout or -1");
    for (const int layout : {1, 2, 3}) {
        ReadWholeFile(path, [layout](std::FILE* file) {
            ClimateRecord record;
            ReadExternalFields(file, layout, record);
        });
    }
    ReadWholeFile(path, [](std::FILE* file) {
        double temperature = 0.0, humidity = 0.0;
        fuzz::Require(ReadInternalFields(file, temperature, humidity) == 0,
                      "internal records always answer 0");
    });
    return 0;
}
