#include <initializer_list>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "core/climate/Calendar.h"
#include "core/engine/Run.h"
#include "core/engine/SimulationEngine.h"
#include "core/workspace/RunningSimulations.h"
#include "gui/cases/CaseWindow.h"
#include "gui/cases/CaseWindowHost.h"
#include "gui/toolkit/Prompter.h"

namespace porvap {

namespace {

constexpr Qt::WindowFlags kBorderIcons = Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;

int ListNumber(const QComboBox* list) {
    return list->currentText().toInt();
}

void SetEnabled(std::initializer_list<QWidget*> controls, bool enabled) {
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

}  // namespace

void CaseWindow::Button1Click() {
    if (running_) {
        abortRequested_ = true;
        return;
    }
    ResetDefaults(*engine_);
    if (ValidateAndSetUp() != 0)
        return;
    SetCaseName(*engine_, windowTitle().toStdString());
    RebuildGrid(*engine_);
    ShowResultPages(settings_.graphicalOutput);
    views_.ResetResultViews(settings_, engine_->NodeCount());
    c_.results.ListBox2->clear();
    BeginRun();
    if (settings_.stepByStep)
        RunStepByStep();
    else
        RunNormal();
}

void CaseWindow::BeginRun() {
    SetRunCursor(Qt::BusyCursor);
    savedBorderIcons_ = BorderIcons();
    SetBorderIcons((savedBorderIcons_ & ~kBorderIcons) | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    host_.Simulations().SimulationStarted();
    abortRequested_ = false;
    running_ = true;
    c_.Button1->setText(tr("Cancel"));
    SyncCsvExports();
}

void CaseWindow::EndRun() {
    SetRunCursor(std::nullopt);
    SetBorderIcons(savedBorderIcons_);
    host_.Simulations().SimulationStopped();
    c_.Button1->setText(tr("Run"));
}

void CaseWindow::RunNormal() {
    if (settings_.graphicalOutput)
        ShowPage("G1 - Behaviour");
    if (width() != kNarrowWidth)
        SetStepPanelShown(false);
    int rc = StartRun(*engine_);
    while (rc == kStepContinue || rc == kWarmupComplete)
        rc = StepAndYield(kRunAborted);
    if (rc == kRunComplete)
        rc = EnergySummary(*engine_);
    FinishRun(rc);
}

void CaseWindow::RunStepByStep() {
    if (settings_.graphicalOutput)
        ShowPage("G1 - Behaviour");
    c_.results.Memo1->clear();
    int rc = StartRun(*engine_);
    while (rc == kStepContinue)
        rc = StepAndYield(kStepByStepAborted);
    if (rc == kWarmupComplete)
        Pause();
    else
        FinishStepByStep(rc);
}

// Other windows, and this one's Cancel or Abort, get their turn after every step.
int CaseWindow::StepAndYield(int abortCode) {
    const int rc = AdvanceTimeStep(*engine_);
    RefreshViewsIfDue();
    QCoreApplication::processEvents();
    return abortRequested_ ? abortCode : rc;
}

// The handler returns; the panel's buttons carry the run on.
void CaseWindow::Pause() {
    SetStepPanelShown(true);
    SetPanelEnabled(true);
    c_.Button1->setEnabled(false);
    SetRunCursor(std::nullopt);
    ShowStepState();
}

void CaseWindow::BitBtn1Click() {
    SetRunCursor(Qt::WaitCursor);
    const int rc = AdvanceTimeStep(*engine_);
    SetRunCursor(std::nullopt);
    if (rc == kStepContinue)
        ShowStepState();
    else
        FinishStepByStep(rc);
}

void CaseWindow::BitBtn2Click() {
    SetRunCursor(Qt::BusyCursor);
    EnterNonStop();
    int rc = kStepContinue;
    while (rc == kStepContinue)
        rc = StepAndYield(kStepByStepAborted);
    LeaveNonStop();
    SetRunCursor(std::nullopt);
    FinishStepByStep(rc);
}

// A date already reached stops at once.
void CaseWindow::Button28Click() {
    const DayHour target{ListNumber(c_.goTo.Day()), ListNumber(c_.goTo.Month()),
                         ListNumber(c_.goTo.Hour())};
    const ClimateRecord& now = engine_->boundary.current;
    SetRunCursor(Qt::BusyCursor);
    EnterNonStop();
    int rc = kStepContinue;
    while (rc == kStepContinue &&
           CompareDates(now.day, now.month, now.hour, target.day, target.month, target.hour) < 0) {
        rc = StepAndYield(kStepByStepAborted);
    }
    LeaveNonStop();
    SetRunCursor(std::nullopt);
    if (rc == kStepContinue)
        ShowStepState();
    else
        FinishStepByStep(rc);
}

// The panel is disabled as at any other end, so that no step follows the abort.
void CaseWindow::BitBtn3Click() {
    if (steppingNonStop_) {
        abortRequested_ = true;
        return;
    }
    SetPanelEnabled(false);
    RestoreAfterStepping(kStepContinue);
    FinishRun(kStepByStepAborted);
}

void CaseWindow::EnterNonStop() {
    SetEnabled({c_.BitBtn1, c_.BitBtn2, c_.goToGroup}, false);
    steppingNonStop_ = true;
}

void CaseWindow::LeaveNonStop() {
    SetEnabled({c_.BitBtn1, c_.BitBtn2, c_.goToGroup}, true);
    steppingNonStop_ = false;
}

void CaseWindow::SetPanelEnabled(bool enabled) {
    SetEnabled({c_.BitBtn1, c_.BitBtn2, c_.BitBtn3, c_.goToGroup}, enabled);
}

// A completed step-by-step run keeps its code (its message differs from a normal run's)
// unless its results could not be written.
void CaseWindow::FinishStepByStep(int rc) {
    if (rc == kRunComplete) {
        ShowStepState();
        if (const int summary = EnergySummary(*engine_); summary != kStepContinue)
            rc = summary;
    }
    SetPanelEnabled(false);
    RestoreAfterStepping(rc);
    FinishRun(rc);
}

void CaseWindow::RestoreAfterStepping(int rc) {
    if (rc != kRunComplete && rc != kClimateStartNotFound)
        SetStepPanelShown(false);
    c_.Button1->setEnabled(true);
}

// The window stays guarded against closing until the message has been seen, and the run
// keeps its results folder until they have been read, whatever other runs start meanwhile.
void CaseWindow::FinishRun(int rc) {
    EndRun();
    c_.ProgressBar1->setValue(0);
    RefreshViews();
    if (const RunNotice notice = DescribeRunEnd(*engine_, rc); !notice.text.empty())
        host_.Prompts().Show(notice.text, notice.caption);
    ShowReports(LoadReports(*engine_, host_.Prompts()));
    CloseRun(*engine_);
    running_ = false;
    SyncCsvExports();
}

// Nested runs of other windows push and pop their own cursors in between.
void CaseWindow::SetRunCursor(std::optional<Qt::CursorShape> shape) {
    if (cursorSet_)
        QApplication::restoreOverrideCursor();
    cursorSet_ = shape.has_value();
    if (shape)
        QApplication::setOverrideCursor(*shape);
}

// Inside the main window the icons are those of the frame around the window.
Qt::WindowFlags CaseWindow::BorderIcons() const {
    const auto* frame = qobject_cast<const QMdiSubWindow*>(parentWidget());
    return frame ? frame->windowFlags() : windowFlags();
}

void CaseWindow::SetBorderIcons(Qt::WindowFlags flags) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame->setWindowFlags(flags);
        return;
    }
    // A top-level window is hidden by the change.
    const bool shown = isVisible();
    setWindowFlags(flags);
    if (shown)
        show();
}

}  // namespace porvap
