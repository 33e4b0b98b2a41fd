// The catalog reader on arbitrary "materiais.cfg" contents. Entries naming "m.dat" reach a
// small valid material file; entries that fail are logged. Loading leaves the catalog file
// alone, and a rewrite without changes gives it back byte for byte.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "core/common/Messages.h"
#include "core/materials/MaterialCatalog.h"
#include "fuzz/FuzzSupport.h"

namespace porvap {
namespace {

std::string SmallMaterialFile() {
    std::string text = "#Porvap file\nSmall\n1800 0.25 840\n";
    for (int row = 0; row <= 100; ++row)
        text += std::to_string(row) + " 0.5 1e-11 2e-9 3e-11 4e-9\n";
    return text + "#Isotherms\n2 0.6\n0 0 1\n0.6 0.1 2\n1.2 0.3 3\n";
}

std::string CatalogFileText() {
    std::ostringstream text;
    text << std::ifstream(MaterialCatalog::kCatalogFile, std::ios::binary).rdbuf();
    return text.str();
}

}  // namespace
}  // namespace porvap

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace porvap;
    static const std::string material = fuzz::WriteScratchFile("m.dat", SmallMaterialFile());
    const fuzz::InScratchDirectory here;
    fuzz::WriteInput(MaterialCatalog::kCatalogFile, data, size);
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::remove(MaterialCatalog::kErrorLog);
    MaterialCatalog catalog;
    RecordingMessageSink messages;
    catalog.LoadCatalog(messages);
    fuzz::Require(catalog.Count() == catalog.EntryCount(), "every loaded record has its entry");
    fuzz::Require(CatalogFileText() == input, "loading leaves the catalog file alone");
    fuzz::Require(catalog.SaveCatalog(), "the catalog file can be rewritten");
    fuzz::Require(CatalogFileText() == input, "a rewrite without changes keeps every byte");
    return 0;
}
