#include <filesystem>

#include <QMdiSubWindow>

#include "core/cases/CaseFile.h"
#include "gui/cases/CaseWindow.h"
#include "gui/main/AboutBox.h"
#include "gui/main/ChildWindowArea.h"
#include "gui/main/MainWindow.h"
#include "gui/materials/MaterialsEditor.h"
#include "gui/materials/PropertyViewer.h"

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

void MainWindow::FileNewItemClick() {
    CreateCaseWindow("Porvap " + std::to_string(ChildWindowCount() + 1));
}

void MainWindow::FileOpenItemClick() {
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

void MainWindow::FileCloseItemClick() {
    if (QMdiSubWindow* window = area_->currentSubWindow())
        window->close();
}

void MainWindow::FileSaveItemClick() {
    if (CaseWindow* child = ActiveCaseWindow())
        child->Button26Click();
}

void MainWindow::FileSaveAsItemClick() {
    if (CaseWindow* child = ActiveCaseWindow())
        child->SaveCaseAs(kDefaultCaseFile);
}

void MainWindow::FileExitItemClick() {
    close();
}

void MainWindow::a1Click() {
    materialsEditor_->show();
    materialsEditor_->raise();
    materialsEditor_->activateWindow();
}

void MainWindow::Materiais1Click() {
    FileDialogRequest request;
    request.directory = directories_.FirstDirectory();
    request.filters = {"All files (*.*)|*.*", "Porvap files (*.PVH)|*.pvh"};
    request.filterIndex = 2;
    if (const auto file = prompter_.ChooseFileToOpen(request))
        OpenPsychrometricChart(*file);
}

void MainWindow::VisualizarMateriais1Click() {
    AddChildWindow(new PropertyViewer(catalog_, directories_, prompter_, *desktop_));
}

void MainWindow::WindowCascadeItemClick() {
    area_->cascadeSubWindows();
}

void MainWindow::WindowTileItemClick() {
    area_->tileSubWindows();
}

void MainWindow::WindowArrangeItemClick() {
    area_->ArrangeIcons();
}

void MainWindow::WindowMinimizeItemClick() {
    area_->MinimizeAll();
}

void MainWindow::Ajuda1Click() {
    prompter_.OpenHelp(kMainHelpContext);
}

void MainWindow::HelpAboutItemClick() {
    aboutBox_->show();
    aboutBox_->raise();
    aboutBox_->activateWindow();
}

}  // namespace porvap
