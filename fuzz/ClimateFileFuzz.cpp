// The hourly climate readers over a whole file: layout detection, then every external
// layout and the internal layout read record by record to the end.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/climate/Calendar.h"
#include "core/climate/ClimateFile.h"
#include "core/climate/ClimateRecord.h"
#include "core/common/TextFiles.h"
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

// A record taken is finite air at a humidity between 0 and 1; a value refused lies outside
// the range given for it.
void RequireSound(const ClimateRead& read, double temperature, double humidity) {
    if (read) {
        fuzz::Require(std::isfinite(temperature) && humidity >= 0.0 && humidity <= 1.0,
                      "a record taken holds finite air at a humidity of 0 to 1");
    }
    if (read.fault == ReadFault::kRange) {
        const ValueRange& range = *read.range;
        fuzz::Require(
            !(range.low <= read.value && read.value <= range.high) || !std::isfinite(read.value),
            "a value refused lies outside its range");
    }
}

bool IsCalendarHour(const ClimateRecord& record) {
    return record.day >= 1 && record.day <= DaysInMonth(record.month) && record.hour >= 0 &&
           record.hour <= 23;
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
            const ClimateRead read = ReadExternalFields(file, layout, record);
            RequireSound(read, record.temperature, record.relativeHumidity);
            fuzz::Require(!read || IsCalendarHour(record), "a record taken is an hour of the year");
        });
    }
    ReadWholeFile(path, [](std::FILE* file) {
        double temperature = 0.0, humidity = 0.0;
        RequireSound(ReadInternalFields(file, temperature, humidity), temperature, humidity);
    });
    return 0;
}
