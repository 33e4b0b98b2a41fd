#include <string_view>

#include "core/cases/CaseFile.h"
#include "core/cases/CaseValidation.h"
#include "core/workspace/DirectoryConfig.h"
#include "gui/cases/CaseWindow.h"
#include "gui/cases/CaseWindowHost.h"
#include "gui/toolkit/PictureFile.h"
#include "gui/toolkit/Prompter.h"

namespace porvap {

namespace {

// A case never saved nor opened is captioned "Porvap <n>".
constexpr std::string_view kUnsavedCaption = "Porvap";

}  // namespace

void CaseWindow::Button26Click() {
    const std::string caption = windowTitle().toStdString();
    if (caption.starts_with(kUnsavedCaption))
        SaveCaseAs("simul.sim");
    else
        WriteCase(caption);
}

// Cancelling the dialog does nothing; a failed write keeps the caption, so that the next
// Save asks for a name again.
void CaseWindow::SaveCaseAs(const std::string& defaultName) {
    const auto path = host_.Prompts().ChooseFileToSave(SaveRequest(defaultName, kSimulationFilter));
    if (path && WriteCase(*path))
        setWindowTitle(QString::fromStdString(*path));
}

FileDialogRequest CaseWindow::SaveRequest(const std::string& fileName, SaveFilter filter) const {
    FileDialogRequest request;
    request.directory = host_.Directories().FirstDirectory();
    request.fileName = fileName;
    request.filters = {"Text files|*.txt", kPictureFilters[0], "Simulations|*.sim",
                       kPictureFilters[1], kPictureFilters[2], "CSV files|*.csv",
                       "All files|*.*"};
    request.filterIndex = filter;
    request.overwritePrompt = true;
    return request;
}

bool CaseWindow::WriteCase(const std::string& path) {
    if (WriteCaseFile(path, CaptureCase()) == 0)
        return true;
    host_.Prompts().Show(kCaseFileNotCreated, kErrorCaption);
    return false;
}

}  // namespace porvap
