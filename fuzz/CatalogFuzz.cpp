// The catalog reader on arbitrary "materiais.cfg" contents. Entries naming "m.dat" reach a
// small valid material file; entries that fail are logged and rewrite the catalog file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "materials/MaterialCatalog.h"
#include "shell/Messages.h"

namespace porvap {
namespace {

std::string SmallMaterialFile() {
    std::string text = "#Porvap file\nSmall\n1800 0.25 840\n";
    for (int row = 0; row <= 100; ++row)
        text += std::to_string(row) + " 0.5 1e-11 2e-9 3e-11 4e-9\n";
    return text + "#Isotherms\n2 0.6\n0 0 1\n0.6 0.1 2\n1.2 0.3 3\n";
}

}  // namespace
}  // namespace porvap

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace porvap;
    static const std::string material = fuzz::WriteScratchFile("m.dat", SmallMaterialFile());
    const fuzz::InScratchDirectory here;
    fuzz::WriteInput(MaterialCatalog::kCatalogFile, data, size);
    std::remove(MaterialCatalog::kErrorLog);
    MaterialCatalog catalog;
    RecordingMessageSink messages;
    catalog.LoadCatalog(messages);
    fuzz::Require(catalog.Count() == catalog.EntryCount(), "every loaded record has its entry");
    return 0;
}
