#include <QLineEdit>

#include "core/cases/CaseValidation.h"
#include "gui/cases/CaseWindow.h"
#include "gui/cases/CaseWindowHost.h"
#include "gui/cases/LayerEditor.h"
#include "gui/toolkit/Prompter.h"

namespace porvap {

// The layers of a run are the row materials the editor keeps, not the lists' texts.
int CaseWindow::ValidateAndSetUp() {
    CaseRecord inputs = CaptureCase();
    const std::vector<std::string>& materials = c_.layers->RowMaterials();
    for (std::size_t i = 0; i < inputs.layers.size() && i < materials.size(); ++i)
        inputs.layers[i].material = materials[i];
    const ValidationResult result =
        porvap::ValidateAndSetUp(inputs, host_.Catalog(), *engine_, settings_);
    if (result.externalFile)
        c_.Edit2->setText(QString::fromStdString(*result.externalFile));
    if (result.internalFile)
        c_.Edit3->setText(QString::fromStdString(*result.internalFile));
    if (result.ok)
        return 0;
    ReportRefusal(result, inputs);
    return -1;
}

// A question puts the user on the profile dates before asking; Yes moves them into the
// simulation interval, keeping the stop after the start as a user's choice would.
void CaseWindow::ReportRefusal(const ValidationResult& result, CaseRecord& inputs) {
    Prompter& prompts = host_.Prompts();
    if (result.question == FlowIntervalQuestion::None) {
        prompts.Show(result.message, result.caption);
        ShowPage(result.page);
        FocusControl(result.control);
        return;
    }
    ShowPage(result.page);
    FocusControl(result.control);
    if (!prompts.AskYesNo(result.message, result.caption))
        return;
    ApplyFlowIntervalCorrection(inputs, result.question);
    c_.profileStart.SetPositions(inputs.profileStart);
    c_.profileStop.SetPositions(inputs.profileStop);
    ComboBox22Change();
}

}  // namespace porvap
