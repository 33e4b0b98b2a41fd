#include "gui/cases/CaseWindow.h"

#include <algorithm>
#include <array>

#include <QCloseEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/cases/CaseValidation.h"
#include "core/climate/EpwConversion.h"
#include "core/common/InputText.h"
#include "core/engine/SimulationEngine.h"
#include "core/workspace/DirectoryConfig.h"
#include "gui/cases/CaseWindowHost.h"
#include "gui/cases/CaseWindowPages.h"
#include "gui/cases/EditExitCheck.h"
#include "gui/cases/LayerEditor.h"
#include "gui/toolkit/Prompter.h"

namespace porvap {

namespace {

struct ResultPage {
    const char* caption;
    bool graphical;  // shown only when the run draws charts
};

constexpr std::array<ResultPage, 7> kResultPages = {{
    {"G1 - Behaviour", true},
    {"G2 - Profiles", false},
    {"G3 - Situation", true},
    {"G4 - Heat gain", true},
    {"G5 - Heat loss", true},
    {"G6 - Flows", true},
    {"Reports", false},
}};

constexpr int kInputPageCount = 4;

}  // namespace

CaseWindow::CaseWindow(CaseWindowHost& host, QWidget* parent)
    : QWidget(parent),
      host_(host),
      views_(host.ProgressCounter(),
             [this](int maximum, int position) {
                 c_.ProgressBar1->setRange(0, maximum);
                 c_.ProgressBar1->setValue(position);
             }),
      engine_(CreateEngine(&views_)) {
    BuildWindow();
    ConnectCommands();
    ConnectResults();
    ConnectRules();
    ConnectDateLists();
    c_.layers->InitLayerRows();
    Button15Click();
    // The other dates are built at 01/01 00.
    c_.profileStop.SetPositions({30, 11, 23});
    c_.PageControl1->setCurrentIndex(0);
}

// The pages go first: their charts draw the result views' data, which the members hold.
CaseWindow::~CaseWindow() {
    delete c_.PageControl1;
}

// The pages and the button bar take the narrow width; the step-by-step panel lies beyond
// it and shows only when the window is widened.
void CaseWindow::BuildWindow() {
    c_.layers = new LayerEditor(host_.Catalog());
    c_.PageControl1 = new QTabWidget;
    c_.PageControl1->setObjectName("PageControl1");
    c_.PageControl1->addTab(BuildBuildingElementPage(c_), kPageBuildingElement);
    c_.PageControl1->addTab(BuildWeatherPage(c_), kPageWeather);
    c_.PageControl1->addTab(BuildSimulationPage(c_), kPageSimulation);
    c_.PageControl1->addTab(BuildReportOptionsPage(c_), kPageReportOptions);
    AddResultPages();

    auto* body = new QWidget(this);
    auto* column = new QVBoxLayout(body);
    column->addWidget(c_.PageControl1);
    column->addWidget(BuildButtonBar(c_));
    QWidget* panel = BuildStepPanel(c_);
    panel->setParent(this);

    const int height = std::max(body->sizeHint().height(), panel->sizeHint().height());
    body->setGeometry(0, 0, kNarrowWidth, height);
    panel->setGeometry(kNarrowWidth, 0, kWideWidth - kNarrowWidth, height);
    setFixedSize(kNarrowWidth, height);

    auto* exitChecks = new EditExitCheck(this, host_.Prompts());  // owned by the window
    c_.layers->WatchEdits(*exitChecks);
}

// Hidden until the first run.
void CaseWindow::AddResultPages() {
    const std::array<QWidget*, 7> pages = BuildResultPages(c_, views_, this);
    for (std::size_t i = 0; i < kResultPages.size(); ++i) {
        const int index = c_.PageControl1->addTab(pages[i], kResultPages[i].caption);
        c_.PageControl1->setTabVisible(index, false);
    }
}

void CaseWindow::ConnectCommands() {
    connect(c_.Button1, &QPushButton::clicked, this, &CaseWindow::Button1Click);
    connect(c_.BitBtn1, &QPushButton::clicked, this, &CaseWindow::BitBtn1Click);
    connect(c_.BitBtn2, &QPushButton::clicked, this, &CaseWindow::BitBtn2Click);
    connect(c_.Button28, &QPushButton::clicked, this, &CaseWindow::Button28Click);
    connect(c_.BitBtn3, &QPushButton::clicked, this, &CaseWindow::BitBtn3Click);
    connect(c_.Button2, &QPushButton::clicked, this, &CaseWindow::Button2Click);
    connect(c_.Button8, &QPushButton::clicked, this, &CaseWindow::Button8Click);
    connect(c_.Button26, &QPushButton::clicked, this, &CaseWindow::Button26Click);
    connect(c_.Button12, &QPushButton::clicked, this, [this] { Browse(c_.Edit2); });
    connect(c_.Button14, &QPushButton::clicked, this, [this] { Browse(c_.Edit3); });
    connect(c_.Button13, &QPushButton::clicked, this, &CaseWindow::Button13Click);
}

void CaseWindow::ShowResultPages(bool graphical) {
    for (std::size_t i = 0; i < kResultPages.size(); ++i) {
        c_.PageControl1->setTabVisible(kInputPageCount + static_cast<int>(i),
                                       graphical || !kResultPages[i].graphical);
    }
}

// The frame of a window inside the main window follows its width.
void CaseWindow::SetStepPanelShown(bool shown) {
    const int width = shown ? kWideWidth : kNarrowWidth;
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    const int frameMargins = frame ? frame->width() - this->width() : 0;
    setFixedWidth(width);
    if (frame && !frame->isMaximized())
        frame->resize(width + frameMargins, frame->height());
}

// The run loop further up the stack uses the engine. Once a step-by-step run has paused,
// Cancel is disabled and only Abort ends it.
const char* CaseWindow::CloseRefusal() const {
    if (!IsRunInProgress())
        return nullptr;
    return c_.BitBtn3->isEnabled() ? kSteppingWindowClose : kRunningWindowClose;
}

void CaseWindow::closeEvent(QCloseEvent* event) {
    const char* refusal = CloseRefusal();
    if (!refusal) {
        QWidget::closeEvent(event);
        return;
    }
    host_.Prompts().Show(refusal, "Porvap 2.0");
    event->ignore();
}

QWidget* CaseWindow::Page(const std::string& caption) const {
    const QString text = QString::fromStdString(caption);
    for (int i = 0; i < c_.PageControl1->count(); ++i) {
        if (c_.PageControl1->tabText(i) == text)
            return c_.PageControl1->widget(i);
    }
    return nullptr;
}

void CaseWindow::ShowPage(const std::string& caption) {
    if (QWidget* page = Page(caption))
        c_.PageControl1->setCurrentWidget(page);
}

void CaseWindow::FocusControl(const std::string& name) {
    if (auto* control = findChild<QWidget*>(QString::fromStdString(name)))
        control->setFocus(Qt::OtherFocusReason);
}

// The copy gets the inputs only, never results or run state.
void CaseWindow::Button2Click() {
    const CaseRecord record = CaptureCase();
    const std::string caption = "Porvap " + std::to_string(host_.ChildWindowCount() + 1);
    if (CaseWindow* copy = host_.CreateCaseWindow(caption))
        copy->ApplyCase(record);
}

void CaseWindow::Button8Click() {
    host_.Prompts().OpenHelp(kHelpContext);
}

// The external file may also be a weather file, taken as its conversion.
void CaseWindow::Browse(QLineEdit* edit) {
    const bool external = edit == c_.Edit2;
    FileDialogRequest request;
    request.directory = host_.Directories().FirstDirectory();
    request.fileName = edit->text().toStdString();
    request.filters = {"All files|*.*", "Porvap files|*.PVH"};
    if (external)
        request.filters.push_back("EnergyPlus weather|*.epw");
    request.filterIndex = 2;
    std::optional<std::string> path = host_.Prompts().ChooseFileToOpen(request);
    if (path && external && IsEpwFile(*path))
        path = ConvertChosenEpw(*path, host_.Prompts());
    if (path) {
        edit->setText(QString::fromStdString(*path));
        edit->selectAll();
    }
}

void CaseWindow::Button13Click() {
    const std::string file = TrimFileName(c_.Edit2->text().toStdString());
    c_.Edit2->setText(QString::fromStdString(file));
    if (!file.empty())
        host_.OpenPsychrometricChart(file);
}

}  // namespace porvap
