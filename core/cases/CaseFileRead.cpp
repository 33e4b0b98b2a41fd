#include <climits>
#include <cstdio>
#include <initializer_list>

#include "core/cases/CaseFile.h"
#include "core/common/TextFiles.h"
#include "core/engine/SimulationEngine.h"
#include "core/materials/MaterialFile.h"

namespace porvap {

namespace {

// Number of the failed check of the file, 0 when it passed.
using Check = int;

bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

bool IsWhiteSpace(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsFlag(int value) {
    return value == 0 || value == 1;
}

class CaseFileReader {
  public:
    explicit CaseFileReader(std::FILE* file) : file_(file) {}

    // One line without its line end, cut at kMaxCaseLine characters; false at the end of
    // the file, with the text empty. No text ends in a carriage return: written back, it
    // would read as part of the line end.
    bool Text(std::string& text) {
        const bool read = ReadTextLine(file_, text, kMaxCaseLine);
        while (!text.empty() && text.back() == '\r')
            text.pop_back();
        return read;
    }

    void Texts(std::initializer_list<std::string*> texts) {
        for (std::string* text : texts)
            Text(*text);
    }

    // Free-format integers; the rest of the line after the last one is dropped with its line
    // end, so the next line is read whole, an empty text line included.
    bool Integers(std::initializer_list<int*> values) {
        for (int* value : values) {
            if (!Integer(*value))
                return false;
        }
        std::string rest;
        ReadTextLine(file_, rest, 0);
        return true;
    }

    bool Positions(DatePositions& positions) {
        return Integers({&positions.day, &positions.month, &positions.hour});
    }

  private:
    void SkipWhiteSpace() {
        int c = std::fgetc(file_);
        while (IsWhiteSpace(c))
            c = std::fgetc(file_);
        std::ungetc(c, file_);
    }

    // An optional sign and digits; a value outside the int range is not read.
    bool Integer(int& value) {
        SkipWhiteSpace();
        int c = std::fgetc(file_);
        const bool negative = c == '-';
        if (c == '-' || c == '+')
            c = std::fgetc(file_);
        if (!IsDigit(c))
            return false;
        constexpr long long kBeyondInt = INT_MAX + 2LL;
        long long magnitude = 0;
        for (; IsDigit(c); c = std::fgetc(file_)) {
            if (magnitude < kBeyondInt)
                magnitude = magnitude * 10 + (c - '0');
        }
        std::ungetc(c, file_);
        const long long signedValue = negative ? -magnitude : magnitude;
        if (signedValue < INT_MIN || signedValue > INT_MAX)
            return false;
        value = static_cast<int>(signedValue);
        return true;
    }

    std::FILE* file_;
};

Check ReadLayers(CaseFileReader& in, CaseRecord& r) {
    std::string marker;
    in.Text(marker);
    if (marker != kCaseFileMarker)
        return 1;
    int count = 0;
    if (!in.Integers({&count}) || count < 0 || count > kMaxCaseLayers)
        return 2;
    r.layers.assign(count, CaseLayer{});
    for (CaseLayer& layer : r.layers)
        in.Texts({&layer.material, &layer.sections, &layer.thickness});
    return 0;
}

Check ReadElement(CaseFileReader& in, CaseRecord& r) {
    in.Texts({&r.inclination, &r.orientation, &r.groundReflectance, &r.externalPermeance,
              &r.internalPermeance, &r.absorptivity, &r.externalFile, &r.internalFile});
    return 0;
}

Check ReadClimate(CaseFileReader& in, CaseRecord& r) {
    int mainlyHot = -1;
    const bool bothRead = in.Integers({&mainlyHot, &r.internalFromFile});
    if (!IsFlag(mainlyHot))
        return 3;
    r.mainlyHot = mainlyHot == 1;
    if (!bothRead || !IsFlag(r.internalFromFile))
        return 4;
    in.Texts({&r.internalTemperature, &r.internalHumidity});
    int external = 0;
    int internal = 0;
    if (!in.Integers({&external, &internal}) || !IsFlag(external) || !IsFlag(internal))
        return 5;
    r.calculateExternal = external == 1;
    r.calculateInternal = internal == 1;
    in.Texts({&r.externalCoefficient, &r.internalCoefficient});
    if (!in.Integers({&r.naturalConvection}) || !IsFlag(r.naturalConvection))
        return 10;
    in.Text(r.airVelocity);
    return 0;
}

// The position lines carry no check of their own: one that cannot be read fails the file
// with the next check, as everything read after it would be out of place.
Check ReadSimulation(CaseFileReader& in, CaseRecord& r) {
    if (!in.Positions(r.start) || !in.Positions(r.finish))
        return 6;
    in.Texts({&r.timeStep, &r.tolerance, &r.maxIterations});
    if (!in.Integers({&r.stepByStep, &r.modelLevel}) || !IsFlag(r.stepByStep) || r.modelLevel < 0 ||
        r.modelLevel > 5) {
        return 6;
    }
    in.Text(r.moistureContent);
    return 0;
}

// The count is not trusted for allocation: the dates end with the file at the latest.
void ReadDates(CaseFileReader& in, int count, std::vector<std::string>& dates) {
    dates.clear();
    std::string date;
    for (int i = 0; i < count && in.Text(date); ++i)
        dates.push_back(date);
}

Check ReadReports(CaseFileReader& in, CaseRecord& r) {
    int profiles = 0;
    if (!in.Integers({&profiles, &r.profilesByInterval}) || !IsFlag(profiles) ||
        !IsFlag(r.profilesByInterval)) {
        return 7;
    }
    r.profiles = profiles == 1;
    in.Text(r.plottingInterval);
    int dateCount = 0;
    if (!in.Positions(r.profileStart) || !in.Positions(r.profileStop) ||
        !in.Positions(r.datePicker) || !in.Integers({&dateCount})) {
        return 8;
    }
    ReadDates(in, dateCount, r.dates);
    if (!in.Integers({&r.graphicalOutput, &r.graph3Interval}) || !IsFlag(r.graphicalOutput))
        return 8;
    return 0;
}

Check ReadEndMarker(CaseFileReader& in, CaseRecord&) {
    std::string marker;
    in.Text(marker);
    return marker == kCaseFileMarker ? 0 : 9;
}

Check ReadRecord(CaseFileReader& in, CaseRecord& record) {
    for (auto* part :
         {ReadLayers, ReadElement, ReadClimate, ReadSimulation, ReadReports, ReadEndMarker}) {
        if (const Check failed = part(in, record))
            return failed;
    }
    return 0;
}

}  // namespace

int ReadCaseFile(const std::string& path, CaseRecord& record, std::string& message) {
    const FileHandle file = OpenDataFile(path);
    if (!file) {
        message = kCaseFileNotOpened;
        return -1;
    }
    CaseFileReader in(file.get());
    const Check failed = ReadRecord(in, record);
    if (failed == 0)
        return 0;
    message = "Invalid simulation file (" + std::to_string(failed) + ")";
    return -1;
}

}  // namespace porvap
