// Writes the example case files of data/cases/ with the program's own case-file writer:
// the case a new window starts with, and a rendered clay-brick wall (2 cm cement-lime
// mortar, 10 cm solid clay brick, 2 cm mortar; 5, 25 and 5 sections) at every model level
// over the whole year on the default climate.
//   make_cases DATA_DIRECTORY
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/cases/CaseFile.h"
#include "core/cases/CaseRecord.h"

namespace {

constexpr const char* kBrick = "Solid clay brick";
// A new window's first layer takes the first name of its sorted material lists.
constexpr const char* kFirstSorted = "Autoclaved aerated concrete";
constexpr const char* kMortar = "Cement-lime mortar";

porvap::CaseRecord RenderedBrickWall(int modelLevel) {
    porvap::CaseRecord wall = porvap::DefaultCase(kMortar);
    wall.layers = {{kMortar, "5", "0.02"}, {kBrick, "25", "0.10"}, {kMortar, "5", "0.02"}};
    wall.modelLevel = modelLevel;
    wall.moistureContent = "2.0";  // % by volume, for the levels with frozen properties
    wall.profiles = true;
    return wall;
}

bool Write(const std::filesystem::path& path, const porvap::CaseRecord& record) {
    if (porvap::WriteCaseFile(path.string(), record) == 0)
        return true;
    std::fprintf(stderr, "make_cases: cannot write %s\n", path.string().c_str());
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: make_cases DATA_DIRECTORY\n", stderr);
        return 2;
    }
    const std::filesystem::path cases = std::filesystem::path(argv[1]) / "cases";
    std::filesystem::create_directories(cases);
    bool ok = Write(cases / "default.sim", porvap::DefaultCase(kFirstSorted));
    for (int level = 0; level <= 5; ++level) {
        ok = Write(cases / ("wall-level" + std::to_string(level) + ".sim"),
                   RenderedBrickWall(level)) &&
             ok;
    }
    return ok ? 0 : 1;
}
