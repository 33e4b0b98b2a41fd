#include "climate/ClimateFile.h"

#include <memory>

#include "climate/TextFiles.h"

namespace porvap {

namespace {

bool IsBlank(int c) {
    return c == ' ' || c == '\t';
}

// Next character with a carriage return before a line feed dropped, as text mode does on
// the system the files come from.
int NextChar(std::FILE* file) {
    const int c = std::fgetc(file);
    if (c != '\r')
        return c;
    const int next = std::fgetc(file);
    if (next == '\n')
        return next;
    std::ungetc(next, file);
    return c;
}

// Runs of blanks on the first line, trailing run included; -1 when the line is unterminated.
int CountFirstLineGaps(std::FILE* file) {
    int c = NextChar(file);
    while (IsBlank(c))
        c = NextChar(file);
    int gaps = 0;
    bool inGap = false;
    for (; c != '\n' && c != '\f'; c = NextChar(file)) {
        if (c == EOF)
            return -1;
        if (IsBlank(c) && !inGap)
            ++gaps;
        inGap = IsBlank(c);
    }
    return gaps;
}

int LayoutForGaps(int gaps) {
    if (gaps == 5 || gaps == 6)
        return 1;
    if (gaps == 8 || gaps == 9)
        return 2;
    if (gaps == 10 || gaps == 11)
        return 3;
    return -1;
}

bool Read(std::FILE* file, double& value) {
    return std::fscanf(file, "%lf", &value) == 1;
}
bool Read(std::FILE* file, float& value) {
    return std::fscanf(file, "%f", &value) == 1;
}
bool Read(std::FILE* file, int& value) {
    return std::fscanf(file, "%d", &value) == 1;
}

bool ReadSolarAndWind(std::FILE* file, int layout, ClimateRecord& record) {
    if (layout == 1)
        return Read(file, record.irradiance);
    const bool solar = Read(file, record.beam) && Read(file, record.diffuse) &&
                       Read(file, record.altitude) && Read(file, record.azimuth);
    if (!solar || layout == 2)
        return solar;
    return Read(file, record.windSpeed) && Read(file, record.windDirection);
}

bool ReadRecord(std::FILE* file, int layout, ClimateRecord& record) {
    return Read(file, record.temperature) && Read(file, record.relativeHumidity) &&
           ReadSolarAndWind(file, layout, record) && Read(file, record.month) &&
           Read(file, record.day) && Read(file, record.hour);
}

}  // namespace

int DetectClimateLayout(const std::string& path) {
    const FileHandle file = OpenDataFile(path);
    if (!file)
        return -1;
    return LayoutForGaps(CountFirstLineGaps(file.get()));
}

int ReadExternalFields(std::FILE* file, int layout, ClimateRecord& record) {
    if (!file || std::feof(file) || layout < 1 || layout > 3)
        return 1;
    ClimateRecord read = record;
    if (!ReadRecord(file, layout, read))
        return 1;
    record = read;
    return (record.month < 1 || record.month > 12) ? 1 : 0;
}

int ReadInternalFields(std::FILE* file, double& temperature, double& humidity) {
    double readTemperature = 0.0, readHumidity = 0.0;
    if (file && Read(file, readTemperature) && Read(file, readHumidity)) {
        temperature = readTemperature;
        humidity = readHumidity;
    }
    return 0;
}

}  // namespace porvap
