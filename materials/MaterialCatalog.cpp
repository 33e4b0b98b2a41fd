#include "materials/MaterialCatalog.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "climate/FileReplacement.h"
#include "climate/TextFiles.h"
#include "materials/MaterialFile.h"
#include "shell/Messages.h"

namespace porvap {
namespace {

constexpr const char* kNotLoadedMessage = "Material not loaded! Problems with property (DAT) file";

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (std::tolower(ca) != std::tolower(cb))
            return false;
    }
    return true;
}

// The name field is read as a fixed block of columns, so a line whose field is short
// lends characters of its path, or of the next line, to the name. Returns false at the
// end of the file.
bool ReadNameField(std::FILE* file, std::string& name) {
    char field[kCatalogNameColumns + 1] = {};
    std::fread(field, 1, kCatalogNameColumns, file);
    if (std::feof(file))
        return false;
    name.assign(field, std::strlen(field));
    const auto last = name.find_last_not_of(' ');
    name.erase(last == std::string::npos ? 0 : last + 1);
    return true;
}

// Returns whether the failure made it into the log.
bool LogFailure(const std::string& name, const std::string& path) {
    FileHandle log = OpenFile(MaterialCatalog::kErrorLog, "a");
    if (!log)
        return false;
    std::fprintf(log.get(), "#%d\n", 1);
    std::fprintf(log.get(), "%s=%s\n", name.c_str(), path.c_str());
    return true;
}

}  // namespace

std::string CatalogLine(const std::string& name, const std::string& path) {
    std::string line = name;
    if (line.size() < kCatalogNameColumns)
        line.resize(kCatalogNameColumns, ' ');
    return line + path + '\n';
}

// A failure that could not be logged leaves the catalog file as it was.
void MaterialCatalog::LoadCatalog(MessageSink& messages) {
    bool failureLogged = false;
    if (const FileHandle file = OpenDataFile(kCatalogFile)) {
        std::string name;
        std::string path;
        while (ReadNameField(file.get(), name)) {
            ReadTextLine(file.get(), path);
            if (LoadMaterialFile(*this, path)) {
                AppendEntry(name, path);
                continue;
            }
            messages.Show(kNotLoadedMessage, name);
            failureLogged = LogFailure(name, path) || failureLogged;
        }
    }
    if (failureLogged)
        SaveCatalog();
    BuildMaterialNames();
}

// Paths are found by name, so entries whose names differ only in case all get the path
// of the first of them.
bool MaterialCatalog::SaveCatalog() const {
    return ReplaceFile(kCatalogFile, [this](std::FILE* file) {
        for (int k = 0; k < EntryCount(); ++k) {
            const std::string name = EntryName(k);
            std::fputs(CatalogLine(name, Path(FindMaterialByName(name))).c_str(), file);
        }
    });
}

void MaterialCatalog::BuildMaterialNames() {
    namesText_.clear();
    for (int k = 0; k < EntryCount(); ++k) {
        namesText_ += EntryName(k) + '\n';
    }
}

int MaterialCatalog::FindMaterialByName(const std::string& name) const {
    for (int k = 0; k < EntryCount(); ++k) {
        if (EqualIgnoringCase(EntryName(k), name))
            return k;
    }
    return -1;
}

void MaterialCatalog::RemoveMaterialAt(int k) {
    if (k < 0 || k >= Count())
        return;
    records_.erase(records_.begin() + k);
}

void MaterialCatalog::FreeAllMaterials() {
    entries_.clear();
    records_.clear();
    namesText_.clear();
}

void MaterialCatalog::AppendRecord(std::unique_ptr<MaterialRecord> record) {
    records_.push_back(std::move(record));
}

void MaterialCatalog::AppendEntry(const std::string& name, const std::string& path) {
    entries_.push_back(name + '=' + path);
}

void MaterialCatalog::RemoveEntryAt(int k) {
    if (HasEntry(k))
        entries_.erase(entries_.begin() + k);
}

const MaterialRecord* MaterialCatalog::Record(int k) const {
    return (k >= 0 && k < Count()) ? records_[k].get() : nullptr;
}

std::string MaterialCatalog::Entry(int k) const {
    return HasEntry(k) ? entries_[k] : std::string();
}

std::string MaterialCatalog::EntryName(int k) const {
    const std::string entry = Entry(k);
    return entry.substr(0, entry.find('='));
}

std::string MaterialCatalog::Path(int k) const {
    const std::string entry = Entry(k);
    const auto separator = entry.find('=');
    return separator == std::string::npos ? std::string() : entry.substr(separator + 1);
}

}  // namespace porvap
