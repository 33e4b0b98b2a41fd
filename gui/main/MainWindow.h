#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>

#include "core/materials/MaterialCatalog.h"
#include "core/workspace/DirectoryConfig.h"
#include "core/workspace/RunningSimulations.h"
#include "gui/cases/CaseWindowHost.h"
#include "gui/toolkit/Desktop.h"
#include "gui/toolkit/Prompter.h"

class QAction;
class QCloseEvent;
class QMdiSubWindow;
class QMenu;
class QToolButton;

namespace porvap {

class ChildWindowArea;
class HelpBrowser;
class AboutBox;
class MaterialsEditor;

inline constexpr const char* kProgramCaption = "Porvap 2.0";
inline constexpr const char* kSimulationsRunning = "There are simulations running!";
inline constexpr const char* kManualMissing = "The user manual (manual.html) was not found";
inline constexpr const char* kDefaultCaseFile = "simul.sim";

// The program's frame: the child windows (cases, later charts and viewers) live in its
// client area; it owns the material catalog, the running-simulation count and the
// directory configuration, and refuses to close while a simulation runs.
class MainWindow : public QMainWindow, public CaseWindowHost {
    Q_OBJECT

  public:
    // Real dialogs; help opens in the manual viewer.
    MainWindow();
    // Every message, question, dialog and help request goes to `prompter`, clipboard and
    // viewer requests to `desktop` (the real desktop when null); both must outlive the window.
    explicit MainWindow(Prompter& prompter, Desktop* desktop = nullptr);
    ~MainWindow() override;

    const MaterialCatalog& Catalog() const override { return catalog_; }
    const DirectoryConfig& Directories() const override { return directories_; }
    SimulationCounter& Simulations() override { return simulations_; }
    Prompter& Prompts() override { return prompter_; }
    Desktop& DesktopServices() override { return *desktop_; }
    int& ProgressCounter() override { return progressCounter_; }
    int ChildWindowCount() const override;
    CaseWindow* CreateCaseWindow(const std::string& caption) override;
    void OpenPsychrometricChart(const std::string& climateFile) override;

    // Puts a window of any kind into the client area and shows it.
    QMdiSubWindow* AddChildWindow(QWidget* child);
    // The case window of the current child window; null when there is none or the current
    // child is of another kind.
    CaseWindow* ActiveCaseWindow() const;
    AboutBox& About() { return *aboutBox_; }
    // Opens the manual viewer at a help context; tells the user when the manual is missing.
    void ShowManual(int context);

    void FileNewItemClick();
    void FileOpenItemClick();
    void FileCloseItemClick();
    void FileSaveItemClick();
    void FileSaveAsItemClick();
    void FileExitItemClick();
    void a1Click();
    void Materiais1Click();
    void VisualizarMateriais1Click();
    void WindowCascadeItemClick();
    void WindowTileItemClick();
    void WindowArrangeItemClick();
    void WindowMinimizeItemClick();
    void Ajuda1Click();
    void HelpAboutItemClick();
    // Close, Save, Save As, the edit commands, the window commands and the Save, Cut,
    // Copy and Paste buttons are enabled exactly when a child window exists.
    void UpdateMenuItems();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Refuses the close of a case window whose run is in progress.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Construct();
    void FormCreate();
    void BuildMenus();
    void BuildToolBar();
    void RebuildWindowList();
    bool RefuseClose(QObject* watched);

    std::unique_ptr<Prompter> ownedPrompter_;
    Prompter& prompter_;
    std::unique_ptr<Desktop> ownedDesktop_;
    Desktop* desktop_;
    int progressCounter_ = 25;  // the first progress call-back of the program moves the bar
    MaterialCatalog catalog_;
    SimulationCounter simulations_;
    DirectoryConfig directories_;
    ChildWindowArea* area_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    std::vector<QAction*> windowEntries_;
    std::vector<QAction*> childActions_;
    std::vector<QToolButton*> childButtons_;
    std::unique_ptr<AboutBox> aboutBox_;
    std::unique_ptr<MaterialsEditor> materialsEditor_;
    std::unique_ptr<HelpBrowser> help_;
};

}  // namespace porvap
