#include "shell/MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QStatusBar>

#include "cases/CaseWindow.h"
#include "climate/FileReplacement.h"
#include "climate/PsychroChartWindow.h"
#include "materials/editor/MaterialsEditor.h"
#include "shell/AboutBox.h"
#include "shell/ChildWindowArea.h"
#include "ui/HelpBrowser.h"
#include "ui/QtDesktop.h"
#include "ui/QtPrompter.h"

namespace porvap {

TMainForm::TMainForm()
    : ownedPrompter_(
          std::make_unique<QtPrompter>(this, [this](int context) { ShowManual(context); })),
      prompter_(*ownedPrompter_),
      ownedDesktop_(std::make_unique<QtDesktop>()),
      desktop_(ownedDesktop_.get()) {
    Construct();
}

TMainForm::TMainForm(Prompter& prompter, Desktop* desktop)
    : prompter_(prompter),
      ownedDesktop_(desktop ? nullptr : std::make_unique<QtDesktop>()),
      desktop_(desktop ? desktop : ownedDesktop_.get()) {
    Construct();
}

// The child windows refer to the catalog and the services, so they go first.
TMainForm::~TMainForm() {
    area_->SetChildRemovedHandler({});
    disconnect(area_, nullptr, this, nullptr);
    delete area_;
}

// The catalog starts empty and the running count at 0 with their members.
void TMainForm::Construct() {
    setObjectName("MainForm");
    setWindowTitle(kProgramCaption);
    area_ = new ChildWindowArea(this);
    area_->setObjectName("ClientArea");
    setCentralWidget(area_);
    BuildMenus();
    BuildToolBar();
    aboutBox_ = std::make_unique<TAboutBox>(this);
    // No Qt parent: the editor disables the main window while it shows.
    materialsEditor_ =
        std::make_unique<TForm2>(catalog_, directories_, simulations_, prompter_, this);
    directories_.Read();
    FormCreate();
}

// Status tips of the menus and tool buttons go to the status bar by themselves.
void TMainForm::FormCreate() {
    statusBar()->setObjectName("StatusBar");
    connect(area_, &QMdiArea::subWindowActivated, this, &TMainForm::UpdateMenuItems);
    area_->SetChildRemovedHandler([this] { UpdateMenuItems(); });
    UpdateMenuItems();
    RemoveStaleTemporaries(".");
    catalog_.LoadCatalog(prompter_);
}

int TMainForm::ChildWindowCount() const {
    return static_cast<int>(area_->subWindowList().size());
}

TMDIChild* TMainForm::CreateCaseWindow(const std::string& caption) {
    auto* child = new TMDIChild(*this, nullptr);
    child->setWindowTitle(QString::fromStdString(caption));
    AddChildWindow(child);
    return child;
}

void TMainForm::OpenPsychrometricChart(const std::string& climateFile) {
    auto* chart = new TForm5(climateFile, prompter_, *desktop_, directories_.FirstDirectory());
    if (!chart->Opened()) {  // the chart has told the user why
        delete chart;
        return;
    }
    AddChildWindow(chart);
}

QMdiSubWindow* TMainForm::AddChildWindow(QWidget* child) {
    QMdiSubWindow* window = area_->addSubWindow(child);
    window->installEventFilter(this);
    child->installEventFilter(this);
    window->show();
    UpdateMenuItems();
    return window;
}

// The current rather than the active window: the latter is null whenever the program is
// not the active application.
TMDIChild* TMainForm::ActiveCaseWindow() const {
    const QMdiSubWindow* window = area_->currentSubWindow();
    return window ? dynamic_cast<TMDIChild*>(window->widget()) : nullptr;
}

void TMainForm::ShowManual(int context) {
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

void TMainForm::closeEvent(QCloseEvent* event) {
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

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && RefuseClose(watched)) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// A running case window's engine is in use by the run loop further up the stack.
bool TMainForm::RefuseClose(QObject* watched) {
    const auto* window = qobject_cast<QMdiSubWindow*>(watched);
    const QObject* content = window ? window->widget() : watched;
    const auto* child = dynamic_cast<const TMDIChild*>(content);
    const char* refusal = child ? child->CloseRefusal() : nullptr;
    if (!refusal)
        return false;
    prompter_.Show(refusal, kProgramCaption);
    return true;
}

}  // namespace porvap
