#include "tools/climate/EpwFile.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace porvap::datagen {

namespace {

constexpr int kHeaderLines = 8;
constexpr std::size_t kFieldsUsed = 22;

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ','))
        fields.push_back(field);
    return fields;
}

double Number(const std::string& field) {
    return std::strtod(field.c_str(), nullptr);
}

}  // namespace

bool ReadEpw(const std::string& path, std::vector<HourSample>& hours) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::string line;
    for (int i = 0; i < kHeaderLines && std::getline(file, line); ++i) {
    }
    while (std::getline(file, line)) {
        const std::vector<std::string> f = SplitFields(line);
        if (f.size() < kFieldsUsed)
            continue;
        hours.push_back({std::atoi(f[1].c_str()), std::atoi(f[2].c_str()),
                         std::atoi(f[3].c_str()) - 1, Number(f[6]), Number(f[8]) / 100.0,
                         Number(f[13]), Number(f[14]), Number(f[15]), Number(f[21]),
                         Number(f[20])});
    }
    return true;
}

}  // namespace porvap::datagen
