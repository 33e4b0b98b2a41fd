// A batch of eight one-year cases, run on one thread and on two.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "WorkDir.h"
#include "cli/BatchPlan.h"
#include "cli/BatchRunner.h"
#include "core/cases/CaseFile.h"
#include "core/common/Messages.h"
#include "core/materials/MaterialCatalog.h"

namespace {

constexpr int kCases = 8;

// The bundled level-0 wall facing eight directions, 45 degrees apart.
std::vector<std::string> WriteCases() {
    porvap::CaseRecord wall;
    std::string error;
    if (porvap::ReadCaseFile("cases/wall-level0.sim", wall, error) != 0)
        return {};
    std::vector<std::string> paths;
    for (int i = 0; i < kCases; ++i) {
        wall.orientation = std::to_string(45 * i);
        paths.push_back("wall-" + wall.orientation + ".sim");
        if (porvap::WriteCaseFile(paths.back(), wall) != 0)
            return {};
    }
    return paths;
}

void Batch(benchmark::State& state) {
    const int jobs = static_cast<int>(state.range(0));
    PrepareWorkDir("porvap_bench_batch");
    porvap::RecordingMessageSink messages;
    porvap::MaterialCatalog catalog;
    catalog.LoadCatalog(messages);
    const std::vector<std::string> paths = WriteCases();
    if (paths.empty()) {
        state.SkipWithError("cases not written");
        return;
    }
    const auto plan = porvap::PlanBatch(paths, "out");
    for (auto _ : state) {
        const auto reports = porvap::RunBatch(plan, catalog, jobs, nullptr);
        if (!std::all_of(reports.begin(), reports.end(),
                         [](const porvap::CaseReport& r) { return r.Completed(); })) {
            state.SkipWithError("a run failed");
            return;
        }
    }
    state.counters["cases"] = kCases;
}

// Other work on the machine only ever slows a repetition down: the best is the least disturbed.
double Best(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

BENCHMARK(Batch)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ComputeStatistics("min", Best);

}  // namespace
