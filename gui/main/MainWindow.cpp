#include "gui/main/MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QStatusBar>

#include "core/common/FileReplacement.h"
#include "gui/cases/CaseWindow.h"
#include "gui/main/AboutBox.h"
#include "gui/main/ChildWindowArea.h"
#include "gui/materials/MaterialsEditor.h"
#include "gui/psychro/PsychroChartWindow.h"
#include "gui/toolkit/HelpBrowser.h"
#include "gui/toolkit/QtDesktop.h"
#include "gui/toolkit/QtPrompter.h"

namespace porvap {

MainWindow::MainWindow()
    : ownedPrompter_(
          std::make_unique<QtPrompter>(this, [this](int context) { ShowManual(context); })),
      prompter_(*ownedPrompter_),
      ownedDesktop_(std::make_unique<QtDesktop>()),
      desktop_(ownedDesktop_.get()) {
    Construct();
}

MainWindow::MainWindow(Prompter& prompter, Desktop* desktop)
    : prompter_(prompter),
      ownedDesktop_(desktop ? nullptr : std::make_unique<QtDesktop>()),
      desktop_(desktop ? desktop : ownedDesktop_.get()) {
    Construct();
}

// The child windows refer to the catalog and the services, so they go first.
MainWindow::~MainWindow() {
    area_->SetChildRemovedHandler({});
    disconnect(area_, nullptr, this, nullptr);
    delete area_;
}

// The catalog starts empty and the running count at 0 with their members.
void MainWindow::Construct() {
    setObjectName("MainForm");
    setWindowTitle(kProgramCaption);
    area_ = new ChildWindowArea(this);
    area_->setObjectName("ClientArea");
    setCentralWidget(area_);
    BuildMenus();
    BuildToolBar();
    aboutBox_ = std::make_unique<AboutBox>(this);
    // No Qt parent: the editor disables the main window while it shows.
    materialsEditor_ =
        std::make_unique<MaterialsEditor>(catalog_, directories_, simulations_, prompter_, this);
    directories_.Read();
    FormCreate();
}

// Status tips of the menus and tool buttons go to the status bar by themselves.
void MainWindow::FormCreate() {
    statusBar()->setObjectName("StatusBar");
    connect(area_, &QMdiArea::subWindowActivated, this, &MainWindow::UpdateMenuItems);
    area_->SetChildRemovedHandler([this] { UpdateMenuItems(); });
    UpdateMenuItems();
    RemoveStaleTemporaries(".");
    catalog_.LoadCatalog(prompter_);
}

int MainWindow::ChildWindowCount() const {
    return static_cast<int>(area_->subWindowList().size());
}

CaseWindow* MainWindow::CreateCaseWindow(const std::string& caption) {
    auto* child = new CaseWindow(*this, nullptr);
    child->setWindowTitle(QString::fromStdString(caption));
    AddChildWindow(child);
    return child;
}

void MainWindow::OpenPsychrometricChart(const std::string& climateFile) {
    auto* chart =
        new PsychroChartWindow(climateFile, prompter_, *desktop_, directories_.FirstDirectory());
    if (!chart->Opened()) {  // the chart has told the user why
        delete chart;
        return;
    }
    AddChildWindow(chart);
}

QMdiSubWindow* MainWindow::AddChildWindow(QWidget* child) {
    QMdiSubWindow* window = area_->addSubWindow(child);
    window->installEventFilter(this);
    child->installEventFilter(this);
    window->show();
    UpdateMenuItems();
    return window;
}

// The current rather than the active window: the latter is null whenever the program is
// not the active application.
CaseWindow* MainWindow::ActiveCaseWindow() const {
    const QMdiSubWindow* window = area_->currentSubWindow();
    return window ? dynamic_cast<CaseWindow*>(window->widget()) : nullptr;
}

void MainWindow::ShowManual(int context) {
    if (!help_) {
        const QString manual = LocateManual(QCoreApplication::applicationDirPath());
        if (manual.isEmpty()) {
            prompter_.Show(kManualMissing, kProgramCaption);
            return;
        }
        help_ = std::make_unique<HelpBrowser>(manual);
    }
    help_->ShowContext(context);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (simulations_.RunningSimulations() >= 1) {
        prompter_.Show(kSimulationsRunning, "Porvap");
        event->ignore();
        return;
    }
    // Case windows and viewers refer to the catalog's records.
    materialsEditor_->close();
    area_->closeAllSubWindows();
    if (ChildWindowCount() > 0) {
        event->ignore();
        return;
    }
    catalog_.FreeAllMaterials();
    directories_.Write();
    aboutBox_->close();
    if (help_)
        help_->close();
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && RefuseClose(watched)) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// A running case window's engine is in use by the run loop further up the stack.
bool MainWindow::RefuseClose(QObject* watched) {
    const auto* window = qobject_cast<QMdiSubWindow*>(watched);
    const QObject* content = window ? window->widget() : watched;
    const auto* child = dynamic_cast<const CaseWindow*>(content);
    const char* refusal = child ? child->CloseRefusal() : nullptr;
    if (!refusal)
        return false;
    prompter_.Show(refusal, kProgramCaption);
    return true;
}

}  // namespace porvap
