// porvap-limits: run time and peak memory of a large element (docs/limits.md).
//   porvap-limits [--nodes N] [--level L] [--days D | --hours H] [--profiles H] [CASE.sim]
// Run in a copy of data/: the wall is built from the template case (default
// cases/wall-level0.sim) by LimitWall and goes through the same checks as the Run button.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "core/cases/CaseFile.h"
#include "core/cases/CaseValidation.h"
#include "core/climate/Calendar.h"
#include "core/common/Messages.h"
#include "core/engine/Run.h"
#include "core/engine/SimulationEngine.h"
#include "core/materials/MaterialCatalog.h"
#include "core/results/ResultViews.h"
#include "tools/limits/LimitWall.h"
#include "tools/limits/PeakMemory.h"

namespace {

using porvap::LimitRun;

constexpr const char* kUsage =
    "usage: porvap-limits [--nodes N] [--level L] [--days D | --hours H] [--profiles H] "
    "[CASE.sim]\n";

struct Options {
    LimitRun run;
    std::string templateCase = "cases/wall-level0.sim";
};

// A whole number within [low, high], or false.
bool Whole(const char* text, int low, int high, int& value) {
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || number < low || number > high)
        return false;
    value = static_cast<int>(number);
    return true;
}

bool ParseValue(const std::string& flag, const char* text, LimitRun& run) {
    int days = 0;
    if (flag == "--days" && Whole(text, 1, 365, days)) {
        run.hours = 24 * days;
        return true;
    }
    return (flag == "--nodes" && Whole(text, 2, 1000000000, run.nodes)) ||
           (flag == "--level" && Whole(text, 0, 5, run.level)) ||
           (flag == "--hours" && Whole(text, 1, porvap::kHoursPerYear, run.hours)) ||
           (flag == "--profiles" && Whole(text, 0, porvap::kHoursPerYear, run.profileHours));
}

bool Parse(int argc, char* argv[], Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--", 0) != 0)
            options.templateCase = argument;
        else if (++i == argc || !ParseValue(argument, argv[i], options.run))
            return false;
    }
    return true;
}

int Refuse(const std::string& text) {
    std::fprintf(stderr, "porvap-limits: %s\n", text.c_str());
    return 1;
}

void Report(const LimitRun& run, int code, double seconds, double cpuSeconds) {
    const double days = run.hours / 24.0;
    const porvap::RunMessage message = porvap::RunCodeMessage(code);
    std::printf("nodes            %d\n", run.nodes);
    std::printf("model level      %d\n", run.level);
    std::printf("simulated hours  %d (the interval, run twice: warm-up and recording)\n",
                run.hours);
    std::printf("run              %s\n", message.text ? message.text : "stopped");
    std::printf("wall time        %.2f s: %.3f s per simulated day, %.0f s per simulated year\n",
                seconds, seconds / days, 365.0 * seconds / days);
    std::printf("processor time   %.2f s: %.3f s per simulated day, %.0f s per simulated year\n",
                cpuSeconds, cpuSeconds / days, 365.0 * cpuSeconds / days);
    std::printf("peak memory      %.1f MiB (resident high-water mark)\n",
                porvap::PeakMemoryKiB() / 1024.0);
}

}  // namespace

int main(int argc, char* argv[]) {
    Options options;
    if (!Parse(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    porvap::RecordingMessageSink messages;
    porvap::MaterialCatalog catalog;
    catalog.LoadCatalog(messages);
    porvap::CaseRecord base;
    std::string error;
    if (porvap::ReadCaseFile(options.templateCase, base, error) != 0)
        return Refuse(error);
    int progressCounter = 0;
    porvap::ResultViews views(progressCounter, nullptr);
    auto engine = porvap::CreateEngine(&views);
    porvap::RunSettings settings;
    const porvap::ValidationResult checked =
        porvap::ValidateAndSetUp(porvap::LimitWall(base, options.run), catalog, *engine, settings);
    if (!checked.ok)
        return Refuse(checked.message);
    views.ResetResultViews(settings, options.run.nodes);
    // Processor time as well: the wall clock also counts whatever else the machine runs.
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    const int code = porvap::RunToCompletion(*engine);
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    Report(options.run, code, elapsed.count(), cpuSeconds);
    return code == 0 ? 0 : 1;
}
