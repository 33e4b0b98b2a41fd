#include "tools/validation/BundledWall.h"

#include <charconv>

#include "core/cases/CaseFile.h"
#include "core/cases/CaseValidation.h"
#include "core/common/Messages.h"

namespace porvap::validation {

std::string BundledWall::Load(const BundledRun& run) {
    RecordingMessageSink messages;
    catalog_.LoadCatalog(messages);
    if (!messages.Messages().empty())
        return messages.Messages().front().text;
    CaseRecord inputs;
    std::string message;
    const std::string path = "cases/wall-level" + std::to_string(run.level) + ".sim";
    if (ReadCaseFile(path, inputs, message) != 0)
        return path + ": " + message;
    // A count that does not parse is left for the case's own check to refuse.
    for (CaseLayer& layer : inputs.layers) {
        int sections = 0;
        const char* end = layer.sections.data() + layer.sections.size();
        if (std::from_chars(layer.sections.data(), end, sections).ec == std::errc{})
            layer.sections = std::to_string(sections * run.refinement);
    }
    engine_ = CreateEngine(nullptr);
    RunSettings settings;
    const ValidationResult checked = ValidateAndSetUp(inputs, catalog_, *engine_, settings);
    if (!checked.ok)
        return path + ": " + checked.message;
    if (SetDates(*engine_, engine_->params.start, run.end) != 0)
        return path + ": the end lies before the start";
    return {};
}

}  // namespace porvap::validation
