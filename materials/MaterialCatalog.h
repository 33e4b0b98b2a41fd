#pragma once

#include <memory>
#include <string>
#include <vector>

#include "materials/MaterialRecord.h"

namespace porvap {

class MessageSink;

// Width of the name field of a catalog line; the path follows it.
inline constexpr std::size_t kCatalogNameColumns = 40;

// One catalog line: the name, blanks up to the path column (none for a longer name),
// the path and a line feed.
std::string CatalogLine(const std::string& name, const std::string& path);

// The materials of the program in catalog order: a list of "name=path" entries and,
// parallel to it, the loaded records. Records are handed out by pointer and stay put
// until removed, so layers may keep them.
class MaterialCatalog {
  public:
    static constexpr const char* kCatalogFile = "materiais.cfg";
    static constexpr const char* kErrorLog = "erro.log";

    // Loads every material listed in the working directory's catalog file. Materials
    // that fail are reported, logged and dropped from the rewritten catalog file.
    void LoadCatalog(MessageSink& messages);
    // Rewrites the catalog file from the list; false when it cannot be written.
    bool SaveCatalog() const;
    void BuildMaterialNames();
    // Index of the first entry whose name equals `name` ignoring case, or -1.
    int FindMaterialByName(const std::string& name) const;
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
    int EntryCount() const { return static_cast<int>(entries_.size()); }
    const MaterialRecord* Record(int k) const;
    // Entry k as "name=path"; the name is the part before the first '='. Empty when
    // k is outside the list.
    std::string Entry(int k) const;
    std::string EntryName(int k) const;
    std::string Path(int k) const;
    const std::vector<std::string>& Entries() const { return entries_; }
    // Every name followed by a line feed.
    const std::string& NamesText() const { return namesText_; }

  private:
    bool HasEntry(int k) const { return k >= 0 && k < EntryCount(); }

    std::vector<std::string> entries_;
    std::vector<std::unique_ptr<MaterialRecord>> records_;
    std::string namesText_;
};

}  // namespace porvap
