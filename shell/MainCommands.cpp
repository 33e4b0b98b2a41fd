#include <filesystem>

#include <QMdiSubWindow>

#include "cases/CaseFile.h"
#include "cases/CaseWindow.h"
#include "materials/editor/MaterialsEditor.h"
#include "materials/viewer/PropertyViewer.h"
#include "shell/AboutBox.h"
#include "shell/ChildWindowArea.h"
#include "shell/MainWindow.h"

namespace porvap {
namespace {

constexpr int kMainHelpContext = 1000;
constexpr int kSimulationFilter = 3;

FileDialogRequest OpenCaseRequest(const DirectoryConfig& directories) {
    FileDialogRequest request;
    request.directory = directories.FirstDirectory();
    request.filters = {"All files (*.*)|*.*", "Porvap files (*.PVH)|*.pvh",
                       "Simulation files (*.SIM)|*.sim"};
    request.filterIndex = kSimulationFilter;
    return request;
}

// A relative caption would break Save: it writes to the caption's path, and a name that
// starts with "Porvap" reads as a case never saved.
std::string FullPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.string();
}

}  // namespace

void TMainForm::FileNewItemClick() {
    CreateCaseWindow("Porvap " + std::to_string(ChildWindowCount() + 1));
}

void TMainForm::FileOpenItemClick() {
    const std::optional<std::string> chosen =
        prompter_.ChooseFileToOpen(OpenCaseRequest(directories_));
    if (!chosen)
        return;
    const std::string path = FullPath(*chosen);
    CaseRecord record;
    std::string message;
    if (ReadCaseFile(path, record, message) != 0) {
        prompter_.Show(message, "Error!");
        return;
    }
    CreateCaseWindow(path)->ApplyCase(record);
}

void TMainForm::FileCloseItemClick() {
    if (QMdiSubWindow* window = area_->currentSubWindow())
        window->close();
}

void TMainForm::FileSaveItemClick() {
    if (TMDIChild* child = ActiveCaseWindow())
        child->Button26Click();
}

void TMainForm::FileSaveAsItemClick() {
    if (TMDIChild* child = ActiveCaseWindow())
        child->SaveCaseAs(kDefaultCaseFile);
}

void TMainForm::FileExitItemClick() {
    close();
}

void TMainForm::a1Click() {
    materialsEditor_->show();
    materialsEditor_->raise();
    materialsEditor_->activateWindow();
}

void TMainForm::Materiais1Click() {
    FileDialogRequest request;
    request.directory = directories_.FirstDirectory();
    request.filters = {"All files (*.*)|*.*", "Porvap files (*.PVH)|*.pvh"};
    request.filterIndex = 2;
    if (const auto file = prompter_.ChooseFileToOpen(request)) OpenPsychrometricChart(*file);
}

void TMainForm::VisualizarMateriais1Click() {
    AddChildWindow(new TForm7(catalog_, directories_, prompter_, *desktop_));
}

void TMainForm::WindowCascadeItemClick() {
    area_->cascadeSubWindows();
}

void TMainForm::WindowTileItemClick() {
    area_->tileSubWindows();
}

void TMainForm::WindowArrangeItemClick() {
    area_->ArrangeIcons();
}

void TMainForm::WindowMinimizeItemClick() {
    area_->MinimizeAll();
}

void TMainForm::Ajuda1Click() {
    prompter_.OpenHelp(kMainHelpContext);
}

void TMainForm::HelpAboutItemClick() {
    aboutBox_->show();
    aboutBox_->raise();
    aboutBox_->activateWindow();
}

}  // namespace porvap
