#include "core/materials/MaterialCatalog.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/common/FileReplacement.h"
#include "core/common/Messages.h"
#include "core/common/TextFiles.h"
#include "core/materials/MaterialFile.h"
#include "core/materials/MaterialNames.h"

namespace porvap {
namespace {

constexpr const char* kNotLoadedMessage = "Material not loaded! Problems with property (DAT) file";
constexpr const char* kRepeatedNameMessage =
    "Material not loaded! Another material has the same name";
constexpr const char* kUnreadableMessage = "Couldn't read materiais.cfg";
constexpr const char* kNoticeCaption = "Porvap 2.0";

// A name field and the rest of the line it ends in: the text as read, and the name and
// path taken from it.
struct CatalogPiece {
    std::string text;
    std::string name;
    std::string path;
};

// The name field is read as a fixed block of columns, so a line whose field is short lends
// characters of its path, or of the next line, to the name; the field ends at a zero byte.
// The path is the rest of the line as ReadTextLine gives it. False when fewer bytes than a
// field are left.
bool NextPiece(const std::string& file, std::size_t& at, CatalogPiece& piece) {
    if (file.size() - at < kCatalogNameColumns)
        return false;
    const std::string field = file.substr(at, kCatalogNameColumns);
    piece.name = field.substr(0, field.find('\0'));
    const auto last = piece.name.find_last_not_of(' ');
    piece.name.erase(last == std::string::npos ? 0 : last + 1);

    const std::size_t pathStart = at + kCatalogNameColumns;
    const std::size_t lineFeed = std::min(file.find('\n', pathStart), file.size());
    std::string path = file.substr(pathStart, lineFeed - pathStart);
    if (!path.empty() && path.back() == '\r')
        path.pop_back();
    piece.path = path.substr(0, kMaxLineLength);
    const std::size_t end = std::min(lineFeed + 1, file.size());
    piece.text = file.substr(at, end - at);
    at = end;
    return true;
}

bool ReadAll(std::FILE* file, std::string& text) {
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, count);
    return !std::ferror(file);
}

// A dangling symbolic link counts as missing: the editor's first change creates the file.
bool CatalogFileExists() {
    std::error_code error;
    return std::filesystem::exists(MaterialCatalog::kCatalogFile, error) || error;
}

void LogFailure(const std::string& name, const std::string& path) {
    FileHandle log = OpenAppendFile(MaterialCatalog::kErrorLog);
    if (!log)
        return;
    std::fprintf(log.get(), "#%d\n", 1);
    std::fprintf(log.get(), "%s=%s\n", name.c_str(), path.c_str());
}

}  // namespace

std::string CatalogLine(const std::string& name, const std::string& path) {
    std::string line = name;
    if (line.size() < kCatalogNameColumns)
        line.resize(kCatalogNameColumns, ' ');
    return line + path + '\n';
}

void MaterialCatalog::LoadCatalog(MessageSink& messages) {
    fileUnread_ = false;
    std::string text;
    const FileHandle file = OpenDataFile(kCatalogFile);
    if (file && ReadAll(file.get(), text)) {
        LoadLines(text, messages);
    } else if (file || CatalogFileExists()) {
        fileUnread_ = true;
        messages.Show(kUnreadableMessage, kNoticeCaption);
    }
    BuildMaterialNames();
}

void MaterialCatalog::LoadLines(const std::string& text, MessageSink& messages) {
    std::size_t at = 0;
    CatalogPiece piece;
    while (NextPiece(text, at, piece)) {
        FileLine line{nextPlace_++, piece.text};
        const bool repeated = FindMaterialByName(piece.name) >= 0;
        if (!repeated && LoadMaterialFile(*this, piece.path)) {
            listed_.push_back({{piece.name, piece.path}, std::move(line)});
            continue;
        }
        messages.Show(repeated ? kRepeatedNameMessage : kNotLoadedMessage, piece.name);
        if (!repeated)
            LogFailure(piece.name, piece.path);
        leftOut_.push_back({piece.name, std::move(line)});
    }
    tail_ = text.substr(at);
}

bool MaterialCatalog::SaveCatalog() const {
    if (fileUnread_)
        return false;
    std::vector<const FileLine*> lines;
    for (const Listed& listed : listed_)
        lines.push_back(&listed.line);
    for (const LeftOut& leftOut : leftOut_)
        lines.push_back(&leftOut.line);
    std::sort(lines.begin(), lines.end(),
              [](const FileLine* a, const FileLine* b) { return a->place < b->place; });
    std::string text;
    for (const FileLine* line : lines) {
        if (!text.empty() && text.back() != '\n')
            text += '\n';
        text += line->text;
    }
    text += tail_;
    return ReplaceFile(
        kCatalogFile, [&text](std::FILE* file) { std::fwrite(text.data(), 1, text.size(), file); });
}

bool MaterialCatalog::CatalogFileWritable() const {
    return !fileUnread_ && MayReplaceFile(kCatalogFile);
}

void MaterialCatalog::BuildMaterialNames() {
    namesText_.clear();
    for (const Listed& listed : listed_)
        namesText_ += listed.entry.name + '\n';
}

int MaterialCatalog::FindMaterialByName(const std::string& name) const {
    for (int k = 0; k < EntryCount(); ++k) {
        if (SameMaterialName(listed_[k].entry.name, name))
            return k;
    }
    return -1;
}

void MaterialCatalog::RemoveMaterialNamed(const std::string& name) {
    if (const int k = FindMaterialByName(name); k >= 0) {
        RemoveEntryAt(k);
        RemoveMaterialAt(k);
    }
    std::erase_if(leftOut_,
                  [&name](const LeftOut& line) { return SameMaterialName(line.name, name); });
}

void MaterialCatalog::RemoveMaterialAt(int k) {
    if (k < 0 || k >= Count())
        return;
    records_.erase(records_.begin() + k);
}

void MaterialCatalog::FreeAllMaterials() {
    listed_.clear();
    leftOut_.clear();
    tail_.clear();
    nextPlace_ = 0;
    fileUnread_ = false;
    records_.clear();
    namesText_.clear();
}

void MaterialCatalog::AppendRecord(std::unique_ptr<MaterialRecord> record) {
    records_.push_back(std::move(record));
}

void MaterialCatalog::AppendEntry(const std::string& name, const std::string& path) {
    listed_.push_back({{name, path}, {nextPlace_++, CatalogLine(name, path)}});
}

void MaterialCatalog::RemoveEntryAt(int k) {
    if (HasEntry(k))
        listed_.erase(listed_.begin() + k);
}

const MaterialRecord* MaterialCatalog::Record(int k) const {
    return (k >= 0 && k < Count()) ? records_[k].get() : nullptr;
}

std::string MaterialCatalog::EntryName(int k) const {
    return HasEntry(k) ? listed_[k].entry.name : std::string();
}

std::string MaterialCatalog::Path(int k) const {
    return HasEntry(k) ? listed_[k].entry.path : std::string();
}

std::vector<CatalogEntry> MaterialCatalog::Entries() const {
    std::vector<CatalogEntry> entries;
    for (const Listed& listed : listed_)
        entries.push_back(listed.entry);
    return entries;
}

}  // namespace porvap
