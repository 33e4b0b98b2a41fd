#pragma once

#include <cstdio>
#include <string>

namespace porvap {

class MaterialCatalog;

// Longest line kept by default; the rest of a longer line is consumed and dropped.
inline constexpr std::size_t kMaxLineLength = 160;

// A material file with more isotherm intervals is refused rather than allocated.
inline constexpr int kMaxIsothermIntervals = 100000;

// Reads one line without its line feed (a carriage return ending it is dropped too),
// keeping at most maxLength characters. Returns false only when the end of the file
// comes before any character.
bool ReadTextLine(std::FILE* file, std::string& line, std::size_t maxLength = kMaxLineLength);

// Reads the material property file at `path` and appends its record to the catalog.
// On false the catalog is left exactly as it was.
bool LoadMaterialFile(MaterialCatalog& catalog, const std::string& path);

// The materials editor's texts for a material whose properties do not vary with
// moisture content. Numbers are kept as typed; the writer converts them.
struct ConstantMaterialTexts {
    std::string name;
    std::string density;       // kg/m3
    std::string porosity;      // m3/m3
    std::string specificHeat;  // J/(kg K)
    std::string k;             // W/(m K)
    std::string dt;            // m2/(s K)
    std::string dteta;         // m2/s
    std::string dtv;           // m2/(s K)
    std::string dtetav;        // m2/s
    std::string teta;          // m3/m3
    std::string slope;         // d(theta)/d(phi), m3/m3
};

ConstantMaterialTexts DefaultConstantMaterialTexts();

// Writes a material file whose 101 property rows and isotherm rows are all equal.
// Returns false when the file cannot be created or fully written.
bool WriteConstantMaterialFile(const ConstantMaterialTexts& texts, const std::string& path);

}  // namespace porvap
