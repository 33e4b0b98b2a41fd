// Writes the bundled material property files and the catalog that lists them:
//   make_materials <data directory>
// creates <data>/Materials/*.dat and <data>/materiais.cfg.

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/materials/MaterialCatalog.h"
#include "core/materials/MaterialFile.h"
#include "tools/materials/MaterialFileWriter.h"
#include "tools/materials/SampleMaterials.h"

namespace {

constexpr double kTabulationTemperature = 20.0;  // degC
constexpr const char* kMaterialsFolder = "Materials";

using CatalogEntry = std::pair<std::string, std::string>;  // name, path relative to data

bool WriteConstantExample(const std::filesystem::path& dataDir, std::vector<CatalogEntry>& list) {
    porvap::ConstantMaterialTexts texts = porvap::DefaultConstantMaterialTexts();
    texts.name = "Constant properties";
    const std::string relative = std::string(kMaterialsFolder) + "/constant_properties.dat";
    list.emplace_back(texts.name, relative);
    return porvap::WriteConstantMaterialFile(texts, (dataDir / relative).string());
}

bool WriteSampleMaterials(const std::filesystem::path& dataDir, std::vector<CatalogEntry>& list) {
    const porvap::datagen::VapourState vapour =
        porvap::datagen::VapourStateAt(kTabulationTemperature);
    bool ok = true;
    for (const auto& material : porvap::datagen::SampleMaterials()) {
        const std::string relative = std::string(kMaterialsFolder) + "/" + material.fileName;
        list.emplace_back(material.name, relative);
        ok = porvap::datagen::WriteMaterialFile(material, vapour, (dataDir / relative).string()) &&
             ok;
    }
    return ok;
}

bool WriteCatalog(const std::filesystem::path& dataDir, const std::vector<CatalogEntry>& list) {
    std::FILE* file =
        std::fopen((dataDir / porvap::MaterialCatalog::kCatalogFile).string().c_str(), "w");
    if (!file)
        return false;
    for (const auto& [name, path] : list)
        std::fputs(porvap::CatalogLine(name, path).c_str(), file);
    const bool written = !std::ferror(file);
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_materials <data directory>\n");
        return 2;
    }
    const std::filesystem::path dataDir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(dataDir / kMaterialsFolder, error);
    std::vector<CatalogEntry> list;
    const bool ok = WriteSampleMaterials(dataDir, list) && WriteConstantExample(dataDir, list) &&
                    WriteCatalog(dataDir, list);
    if (!ok) {
        std::fprintf(stderr, "make_materials: could not write under %s\n", argv[1]);
        return 1;
    }
    return 0;
}
