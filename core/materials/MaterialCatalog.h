#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/materials/MaterialRecord.h"

namespace porvap {

class MessageSink;

// Width of the name field of a catalog line; the path follows it.
inline constexpr std::size_t kCatalogNameColumns = 40;

// One catalog line: the name, blanks up to the path column (none for a longer name),
// the path and a line feed.
std::string CatalogLine(const std::string& name, const std::string& path);

// A material of the catalog list: its name and the path of its material property file.
struct CatalogEntry {
    std::string name;
    std::string path;

    bool operator==(const CatalogEntry&) const = default;
};

// The materials of the program in catalog order: the list of entries and, parallel to it,
// the loaded records. Records are handed out by pointer and stay put until removed, so
// layers may keep them. The catalog file belongs to the user: every line of it is kept,
// also those of materials left out of the list, and only a change made in the materials
// editor rewrites it.
class MaterialCatalog {
  public:
    static constexpr const char* kCatalogFile = "materiais.cfg";
    static constexpr const char* kErrorLog = "erro.log";

    // Loads every material listed in the working directory's catalog file, which it never
    // writes. A material that fails to load is reported and logged, a name that repeats an
    // earlier one (ignoring case) is reported; both stay out of the list until the next load.
    void LoadCatalog(MessageSink& messages);
    // Rewrites the catalog file with the lines of the listed materials and the lines left out
    // at load, each as it was read and in the file's order, followed by the lines of entries
    // added since. False when it cannot be written, or when a catalog file was there at load
    // and could not be read: what was not read is never replaced.
    bool SaveCatalog() const;
    // Whether SaveCatalog may write the catalog file; asked before a change.
    bool CatalogFileWritable() const;
    void BuildMaterialNames();
    // Index of the first entry whose name equals `name` ignoring case, or -1.
    int FindMaterialByName(const std::string& name) const;
    // The editor's removal or replacement of a name: the entry and record of that name go,
    // and so do lines of that name left out at load, which would otherwise take the name
    // back at the next load.
    void RemoveMaterialNamed(const std::string& name);
    // Drops record k and closes the gap; the list is left to the caller.
    void RemoveMaterialAt(int k);
    void FreeAllMaterials();

    void AppendRecord(std::unique_ptr<MaterialRecord> record);
    void AppendEntry(const std::string& name, const std::string& path);
    // Drops list entry k; the records are left to the caller.
    void RemoveEntryAt(int k);
    void SetNamesText(const std::string& text) { namesText_ = text; }

    int Count() const { return static_cast<int>(records_.size()); }
    int LastIndex() const { return Count() - 1; }
    int EntryCount() const { return static_cast<int>(listed_.size()); }
    const MaterialRecord* Record(int k) const;
    // Name and path of entry k; empty when k is outside the list.
    std::string EntryName(int k) const;
    std::string Path(int k) const;
    std::vector<CatalogEntry> Entries() const;
    // Every name followed by a line feed.
    const std::string& NamesText() const { return namesText_; }

  private:
    // A line of the catalog file, as read or as written for an entry added since, and its
    // place among the file's lines.
    struct FileLine {
        std::size_t place = 0;
        std::string text;
    };
    struct Listed {
        CatalogEntry entry;
        FileLine line;
    };
    struct LeftOut {
        std::string name;
        FileLine line;
    };

    bool HasEntry(int k) const { return k >= 0 && k < EntryCount(); }
    void LoadLines(const std::string& text, MessageSink& messages);

    std::vector<Listed> listed_;
    std::vector<LeftOut> leftOut_;
    // What follows the last whole name field of the file; it stays at the end.
    std::string tail_;
    std::size_t nextPlace_ = 0;
    bool fileUnread_ = false;
    std::vector<std::unique_ptr<MaterialRecord>> records_;
    std::string namesText_;
};

}  // namespace porvap
