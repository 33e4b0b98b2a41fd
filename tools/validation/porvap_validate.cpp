// Runs every comparison of the engine with its analytical solution and writes
// docs/validation.md with its pictures in docs/validation/. Run from the repository root
// (tools/validate.sh does): porvap-validate [--data DIR] [--docs DIR]. Exits 0 when every
// comparison passes, 1 when one fails, 2 on a usage or file error.
#include <clocale>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <unistd.h>

#include "tools/validation/PlotSinks.h"
#include "tools/validation/Report.h"
#include "tools/validation/ReportPlots.h"

namespace fs = std::filesystem;
using namespace porvap::validation;

namespace {

struct Paths {
    fs::path data = "data";
    fs::path docs = "docs";
};

bool ParseArguments(int argc, char** argv, Paths& paths) {
    for (int k = 1; k < argc; ++k) {
        const bool hasValue = k + 1 < argc;
        if (std::strcmp(argv[k], "--data") == 0 && hasValue)
            paths.data = argv[++k];
        else if (std::strcmp(argv[k], "--docs") == 0 && hasValue)
            paths.docs = argv[++k];
        else
            return false;
    }
    paths.data = fs::absolute(paths.data);
    paths.docs = fs::absolute(paths.docs);
    return true;
}

// The engine writes its result files into the working directory and reads the catalog from
// it: the runs work in a scratch copy of data/.
class ScratchCopy {
  public:
    explicit ScratchCopy(const fs::path& data)
        : previous_(fs::current_path()),
          path_(fs::temp_directory_path() / ("porvap-validate-" + std::to_string(::getpid()))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
        fs::copy(data, path_, fs::copy_options::recursive);
        fs::current_path(path_);
    }
    ~ScratchCopy() {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
        fs::remove_all(path_, ignored);
    }
    ScratchCopy(const ScratchCopy&) = delete;
    ScratchCopy& operator=(const ScratchCopy&) = delete;

  private:
    fs::path previous_;
    fs::path path_;
};

std::set<std::string> DrawPlots(const ValidationResults& results, PlotSink* sink,
                                const fs::path& folder) {
    std::set<std::string> drawn;
    if (!sink)
        return drawn;
    for (const Plot& plot : ValidationPlots(results)) {
        if (sink->Draw(plot, (folder / plot.file).string()))
            drawn.insert(plot.file);
        else
            std::fprintf(stderr, "could not write %s\n", (folder / plot.file).c_str());
    }
    return drawn;
}

}  // namespace

int main(int argc, char** argv) {
    std::unique_ptr<PlotSink> sink = MakePlotSink(argc, argv);
    // After the toolkit, which takes the user's locale: the report's numbers use points.
    std::setlocale(LC_NUMERIC, "C");
    Paths paths;
    if (!ParseArguments(argc, argv, paths) || !fs::is_directory(paths.data)) {
        std::fprintf(stderr, "usage: porvap-validate [--data DIR] [--docs DIR]\n");
        return 2;
    }
    ValidationResults results;
    try {
        ScratchCopy scratch(paths.data);
        results = RunValidation(ReportPlan());
    } catch (const fs::filesystem_error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
    const fs::path pictures = paths.docs / "validation";
    std::error_code created;
    fs::create_directories(pictures, created);
    const std::set<std::string> drawn = DrawPlots(results, sink.get(), pictures);
    std::ofstream report(paths.docs / "validation.md", std::ios::binary);
    report << ValidationMarkdown(results, drawn);
    if (!report.flush()) {
        std::fprintf(stderr, "could not write %s\n", (paths.docs / "validation.md").c_str());
        return 2;
    }
    const bool passed = AllPass(results);
    std::printf("%s: %s\n", (paths.docs / "validation.md").c_str(),
                passed ? "every comparison passes" : "a comparison FAILS");
    return passed ? 0 : 1;
}
