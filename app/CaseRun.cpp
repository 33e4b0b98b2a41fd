#include "app/CaseRun.h"

#include "cases/CaseFile.h"
#include "cases/CaseValidation.h"
#include "engine/Run.h"
#include "engine/SimulationEngine.h"
#include "materials/MaterialCatalog.h"
#include "shell/Messages.h"

namespace porvap {

namespace {

int Refuse(MessageSink& messages, const std::string& text, const std::string& caption) {
    messages.Show(text, caption);
    return kCaseRefused;
}

}  // namespace

int RunCase(const std::string& casePath, MessageSink& messages, EngineObserver* observer) {
    MaterialCatalog catalog;
    catalog.LoadCatalog(messages);
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
            return kCaseRefused;
        }
        return Refuse(messages, checked.message, checked.caption);
    }
    return RunToCompletion(*engine);
}

}  // namespace porvap
