#include "cli/CaseRun.h"

#include <filesystem>

#include "core/cases/CaseFile.h"
#include "core/cases/CaseValidation.h"
#include "core/common/Messages.h"
#include "core/engine/Run.h"
#include "core/materials/MaterialCatalog.h"
#include "core/results/ResultCsv.h"

namespace porvap {

namespace {

CaseOutcome Refuse(MessageSink& messages, const std::string& text, const std::string& caption) {
    messages.Show(text, caption);
    return CaseOutcome{};
}

bool WriteCsvFiles(const SimulationEngine& engine, const std::string& directory) {
    const std::filesystem::path base(directory);
    return WriteHourlyFlowsCsv((base / "flows.csv").string(), engine) &&
           WriteMonthlySummaryCsv((base / "monthly.csv").string(), engine);
}

}  // namespace

CaseOutcome RunCase(const std::string& casePath, MessageSink& messages, EngineObserver* observer) {
    MaterialCatalog catalog;
    catalog.LoadCatalog(messages);
    return RunCase(casePath, std::string(), catalog, messages, observer);
}

CaseOutcome RunCase(const std::string& casePath, const std::string& outputDirectory,
                    const MaterialCatalog& catalog, MessageSink& messages, EngineObserver* observer,
                    bool csv) {
    CaseRecord inputs;
    std::string message;
    if (ReadCaseFile(casePath, inputs, message) != 0)
        return Refuse(messages, message, "Error!");
    auto engine = CreateEngine(observer);
    ResetDefaults(*engine);
    RunSettings settings;
    const ValidationResult checked = ValidateAndSetUp(inputs, catalog, *engine, settings);
    if (!checked.ok) {
        if (checked.question != FlowIntervalQuestion::None) {
            messages.AskYesNo(checked.message, checked.caption);
            return CaseOutcome{};
        }
        return Refuse(messages, checked.message, checked.caption);
    }
    SetOutputDirectory(*engine, outputDirectory);
    SetCaseName(*engine, casePath);
    CaseOutcome outcome;
    outcome.code = RunToCompletion(*engine);
    if (outcome.code == 0 && csv && !WriteCsvFiles(*engine, *engine->run.results))
        outcome.code = kOutputFilesFailed;
    outcome.notice = DescribeRunEnd(*engine, outcome.code);
    if (outcome.code == 0) {
        outcome.resultsDirectory = *engine->run.results;
        outcome.gain = engine->summary.positive;
        outcome.loss = engine->summary.negative;
        outcome.energy = AnnualEnergies(*engine);
    }
    return outcome;
}

}  // namespace porvap
