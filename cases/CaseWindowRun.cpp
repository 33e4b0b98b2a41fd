#include <initializer_list>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "cases/CaseWindow.h"
#include "cases/CaseWindowHost.h"
#include "climate/Calendar.h"
#include "engine/Run.h"
#include "engine/SimulationEngine.h"
#include "shell/RunningSimulations.h"
#include "ui/Prompter.h"

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

void TMDIChild::Button1Click() {
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

void TMDIChild::BeginRun() {
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

void TMDIChild::EndRun() {
    SetRunCursor(std::nullopt);
    SetBorderIcons(savedBorderIcons_);
    host_.Simulations().SimulationStopped();
    c_.Button1->setText(tr("Run"));
}

void TMDIChild::RunNormal() {
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

void TMDIChild::RunStepByStep() {
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
int TMDIChild::StepAndYield(int abortCode) {
    const int rc = AdvanceTimeStep(*engine_);
    RefreshViewsIfDue();
    QCoreApplication::processEvents();
    return abortRequested_ ? abortCode : rc;
}

// The handler returns; the panel's buttons carry the run on.
void TMDIChild::Pause() {
    SetStepPanelShown(true);
    SetPanelEnabled(true);
    c_.Button1->setEnabled(false);
    SetRunCursor(std::nullopt);
    ShowStepState();
}

void TMDIChild::BitBtn1Click() {
    SetRunCursor(Qt::WaitCursor);
    const int rc = AdvanceTimeStep(*engine_);
    SetRunCursor(std::nullopt);
    if (rc == kStepContinue)
        ShowStepState();
    else
        FinishStepByStep(rc);
}

void TMDIChild::BitBtn2Click() {
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
void TMDIChild::Button28Click() {
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
void TMDIChild::BitBtn3Click() {
    if (steppingNonStop_) {
        abortRequested_ = true;
        return;
    }
    SetPanelEnabled(false);
    RestoreAfterStepping(kStepContinue);
    FinishRun(kStepByStepAborted);
}

void TMDIChild::EnterNonStop() {
    SetEnabled({c_.BitBtn1, c_.BitBtn2, c_.goToGroup}, false);
    steppingNonStop_ = true;
}

void TMDIChild::LeaveNonStop() {
    SetEnabled({c_.BitBtn1, c_.BitBtn2, c_.goToGroup}, true);
    steppingNonStop_ = false;
}

void TMDIChild::SetPanelEnabled(bool enabled) {
    SetEnabled({c_.BitBtn1, c_.BitBtn2, c_.BitBtn3, c_.goToGroup}, enabled);
}

// A completed step-by-step run keeps its code (its message differs from a normal run's)
// unless its results could not be written.
void TMDIChild::FinishStepByStep(int rc) {
    if (rc == kRunComplete) {
        ShowStepState();
        if (const int summary = EnergySummary(*engine_); summary != kStepContinue)
            rc = summary;
    }
    SetPanelEnabled(false);
    RestoreAfterStepping(rc);
    FinishRun(rc);
}

void TMDIChild::RestoreAfterStepping(int rc) {
    if (rc != kRunComplete && rc != kClimateStartNotFound)
        SetStepPanelShown(false);
    c_.Button1->setEnabled(true);
}

// The window stays guarded against closing until the message has been seen, and the run
// keeps its results folder until they have been read, whatever other runs start meanwhile.
void TMDIChild::FinishRun(int rc) {
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
void TMDIChild::SetRunCursor(std::optional<Qt::CursorShape> shape) {
    if (cursorSet_)
        QApplication::restoreOverrideCursor();
    cursorSet_ = shape.has_value();
    if (shape)
        QApplication::setOverrideCursor(*shape);
}

// Inside the main window the icons are those of the frame around the window.
Qt::WindowFlags TMDIChild::BorderIcons() const {
    const auto* frame = qobject_cast<const QMdiSubWindow*>(parentWidget());
    return frame ? frame->windowFlags() : windowFlags();
}

void TMDIChild::SetBorderIcons(Qt::WindowFlags flags) {
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
