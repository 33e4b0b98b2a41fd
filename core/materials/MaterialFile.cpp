#include "core/materials/MaterialFile.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "core/common/FileReplacement.h"
#include "core/common/TextFiles.h"
#include "core/materials/IsothermTable.h"
#include "core/materials/MaterialCatalog.h"
#include "core/materials/MaterialRecord.h"

namespace porvap {
namespace {

constexpr const char* kFileMarker = "#Porvap file";
constexpr const char* kIsothermMarker = "#Isotherms";

bool ReadScalars(std::FILE* file, MaterialRecord& record) {
    float density = 0.0f;
    float porosity = 0.0f;
    float specificHeat = 0.0f;
    if (std::fscanf(file, "%f %f %f", &density, &porosity, &specificHeat) != 3)
        return false;
    record.SetScalars(density, porosity, specificHeat);
    return true;
}

// %i on purpose: files number their rows in C integer notation ("010" is octal 8).
bool ReadPropertyRows(std::FILE* file, MaterialRecord& record) {
    for (int row = 0; row < MaterialRecord::kRows; ++row) {
        int index = -1;
        float k, dt, dteta, dtv, dtetav;
        const int fields =
            std::fscanf(file, "%i %f %f %f %f %f", &index, &k, &dt, &dteta, &dtv, &dtetav);
        if (fields != 6 || index != row)
            return false;
        record.SetRow(row, k, dt, dteta, dtv, dtetav);
    }
    return true;
}

// The marker must be the very line after the one holding the last property value.
bool ReadIsothermMarker(std::FILE* file) {
    std::string line;
    ReadTextLine(file, line);
    return ReadTextLine(file, line) && line == kIsothermMarker;
}

// The step written in the header is not used: the table always spans 0 to 1.2.
std::unique_ptr<IsothermTable> ReadIsotherm(std::FILE* file) {
    int intervals = 0;
    double unusedStep = 0.0;
    if (std::fscanf(file, "%d %lf", &intervals, &unusedStep) != 2)
        return nullptr;
    if (intervals < 1 || intervals > kMaxIsothermIntervals)
        return nullptr;
    auto isotherm = std::make_unique<IsothermTable>(intervals);
    for (int k = 0; k <= intervals; ++k) {
        double phi, theta, slope;
        if (std::fscanf(file, "%lf %lf %lf", &phi, &theta, &slope) != 3)
            return nullptr;
        isotherm->SetRow(phi, theta, slope);
    }
    isotherm->FillUndefinedRows();
    return isotherm;
}

std::unique_ptr<MaterialRecord> ReadMaterial(std::FILE* file, const std::string& path) {
    std::string line;
    ReadTextLine(file, line);
    if (line != kFileMarker)
        return nullptr;
    auto record = std::make_unique<MaterialRecord>();
    record->SetFilePath(path);
    ReadTextLine(file, line);
    record->SetName(line);
    if (!ReadScalars(file, *record) || !ReadPropertyRows(file, *record) ||
        !ReadIsothermMarker(file)) {
        return nullptr;
    }
    auto isotherm = ReadIsotherm(file);
    if (!isotherm)
        return nullptr;
    record->AttachIsotherm(std::move(isotherm));
    return record;
}

struct ConstantMaterial {
    explicit ConstantMaterial(const ConstantMaterialTexts& texts)
        : density(std::atof(texts.density.c_str())),
          porosity(std::atof(texts.porosity.c_str())),
          specificHeat(std::atof(texts.specificHeat.c_str())),
          k(std::atof(texts.k.c_str())),
          dt(std::atof(texts.dt.c_str())),
          dteta(std::atof(texts.dteta.c_str())),
          dtv(std::atof(texts.dtv.c_str())),
          dtetav(std::atof(texts.dtetav.c_str())),
          teta(std::atof(texts.teta.c_str())),
          slope(std::atof(texts.slope.c_str())) {}

    double density, porosity, specificHeat;  // kg/m3, m3/m3, J/(kg K)
    double k, dt, dteta, dtv, dtetav;        // W/(m K), m2/(s K), m2/s, m2/(s K), m2/s
    double teta, slope;                      // m3/m3, m3/m3
};

void WritePropertyRows(std::FILE* file, const ConstantMaterial& m) {
    for (int i = 0; i < MaterialRecord::kRows; ++i) {
        std::fprintf(file, "%d   %f   %3.15f   %3.15f   %3.15f   %3.15f\n", i, m.k, m.dt, m.dteta,
                     m.dtv, m.dtetav);
    }
}

// Humidity is stepped in single precision, which makes the loop write 102 rows (the
// last near 1.01); readers take the 101 the header announces.
void WriteIsotherm(std::FILE* file, const ConstantMaterial& m) {
    std::fprintf(file, "%s\n", kIsothermMarker);
    std::fputs("100   0.01\n", file);
    for (float phi = 0.0f; phi < 1.01; phi = static_cast<float>(phi + 0.01)) {
        std::fprintf(file, "%f   %f   %f\n", phi, m.teta, m.slope);
    }
}

}  // namespace

bool ReadTextLine(std::FILE* file, std::string& line, std::size_t maxLength) {
    line.clear();
    int c = std::fgetc(file);
    if (c == EOF)
        return false;
    const auto keep = [&](char ch) {
        if (line.size() < maxLength)
            line.push_back(ch);
    };
    bool carriageReturn = false;
    for (; c != EOF && c != '\n'; c = std::fgetc(file)) {
        if (carriageReturn)
            keep('\r');
        carriageReturn = c == '\r';
        if (!carriageReturn)
            keep(static_cast<char>(c));
    }
    return true;
}

// A longer path is refused: cutting it would name another file.
bool LoadMaterialFile(MaterialCatalog& catalog, const std::string& path) {
    if (path.size() > MaterialRecord::kMaxPath)
        return false;
    FileHandle file = OpenDataFile(path);
    if (!file)
        return false;
    auto record = ReadMaterial(file.get(), path);
    if (!record)
        return false;
    catalog.AppendRecord(std::move(record));
    return true;
}

ConstantMaterialTexts DefaultConstantMaterialTexts() {
    ConstantMaterialTexts texts;
    texts.density = "2050.0";
    texts.porosity = "0.18";
    texts.specificHeat = "932.0";
    texts.k = "2.391";
    texts.dt = "176e-13";
    texts.dteta = "609e-11";
    texts.dtv = "171e-13";
    texts.dtetav = "390e-13";
    texts.teta = "0.038";
    texts.slope = "8.979";
    return texts;
}

bool WriteConstantMaterialFile(const ConstantMaterialTexts& texts, const std::string& path) {
    const ConstantMaterial material(texts);
    return ReplaceFile(path, [&](std::FILE* file) {
        std::fprintf(file, "%s\n%s\n", kFileMarker, texts.name.c_str());
        std::fprintf(file, "%f   %f   %f\n", material.density, material.porosity,
                     material.specificHeat);
        WritePropertyRows(file, material);
        WriteIsotherm(file, material);
    });
}

}  // namespace porvap
