// One simulated year (warm-up and recording passes) of the bundled three-layer wall.
#include <benchmark/benchmark.h>

#include <string>

#include "WorkDir.h"
#include "core/cases/CaseFile.h"
#include "core/cases/CaseValidation.h"
#include "core/common/Messages.h"
#include "core/engine/Run.h"
#include "core/engine/SimulationEngine.h"
#include "core/materials/MaterialCatalog.h"

namespace {

void RunYear(benchmark::State& state, const char* caseFile) {
    const int scale = static_cast<int>(state.range(0));
    PrepareWorkDir("porvap_bench");
    porvap::RecordingMessageSink messages;
    porvap::MaterialCatalog catalog;
    catalog.LoadCatalog(messages);
    porvap::CaseRecord inputs;
    std::string error;
    if (porvap::ReadCaseFile(caseFile, inputs, error) != 0) {
        state.SkipWithError(error.c_str());
        return;
    }
    for (porvap::CaseLayer& layer : inputs.layers)
        layer.sections = std::to_string(std::stoi(layer.sections) * scale);
    auto engine = porvap::CreateEngine(nullptr);
    int nodes = 0;
    for (auto _ : state) {
        porvap::ResetDefaults(*engine);
        porvap::RunSettings settings;
        if (!porvap::ValidateAndSetUp(inputs, catalog, *engine, settings).ok) {
            state.SkipWithError("case refused");
            return;
        }
        if (porvap::RunToCompletion(*engine) != 0) {
            state.SkipWithError("run failed");
            return;
        }
        nodes = engine->NodeCount();
    }
    state.counters["nodes"] = nodes;
}

void Level0(benchmark::State& state) {
    RunYear(state, "cases/wall-level0.sim");
}
void Level5(benchmark::State& state) {
    RunYear(state, "cases/wall-level5.sim");
}

BENCHMARK(Level0)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(Level5)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
