#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include <QElapsedTimer>
#include <QWidget>

#include "core/cases/CaseRecord.h"
#include "core/results/ResultFiles.h"
#include "core/results/ResultViews.h"
#include "core/results/RunSettings.h"
#include "gui/cases/CaseWindowControls.h"

class QCloseEvent;
class QLineEdit;
class QPoint;

namespace porvap {

class CaseWindowHost;
class ChartView;
struct FileDialogRequest;
struct SimulationEngine;
struct ValidationResult;

inline constexpr const char* kRunningWindowClose =
    "Simulation running: cancel it before closing the window";
inline constexpr const char* kSteppingWindowClose =
    "Step by step simulation running: press Abort before closing the window";

// A simulation case: its inputs on four pages, its own engine, and seven result pages
// that appear with the first run. The window caption is the case file's path once the
// case was saved or opened, "Porvap <n>" before.
//
// A run is driven from the window's handlers on the user-interface thread, one engine step
// at a time, letting the window system work after every step: another window's run may
// start, and must end, inside that loop. A step-by-step run pauses after its warm-up and
// holds no loop while paused.
class CaseWindow : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kNarrowWidth = 593;  // px; the step-by-step panel starts here
    static constexpr int kWideWidth = 746;    // px; the panel is shown
    static constexpr int kHelpContext = 1003;

    CaseWindow(CaseWindowHost& host, QWidget* parent = nullptr);
    ~CaseWindow() override;

    // Every input of the window, texts as typed.
    CaseRecord CaptureCase() const;
    // Fills a freshly created window from a case, running the handlers its controls run
    // when the user sets them.
    void ApplyCase(const CaseRecord& record);

    // Save: to the caption's path, or through Save As for a case never saved.
    void Button26Click();
    void SaveCaseAs(const std::string& defaultName);

    // Hands the inputs to the engine after the caller has reset its defaults, and keeps
    // the run settings. On a refused input the user is told, the input's page comes to
    // the front and the input gets the focus. Returns 0 or -1.
    int ValidateAndSetUp();
    // From the start of a run to its end, paused or not: the window must not close.
    bool IsRunInProgress() const { return running_; }
    // What the user is told when the window refuses to close; nullptr when it may close.
    const char* CloseRefusal() const;

    // "Reports" and "G2 - Profiles" always, the chart pages with graphical output.
    void ShowResultPages(bool graphical);
    void SetStepPanelShown(bool shown);

    // Run, or Cancel while a run is in progress.
    void Button1Click();
    // The paused step-by-step run: Proceed, Non-stop, go to the chosen date, Abort.
    void BitBtn1Click();
    void BitBtn2Click();
    void Button28Click();
    void BitBtn3Click();

    // Exports: the report shown, the selected or all saved profiles, the chart of the
    // current page to the clipboard or to a file, the last run's hourly flows and monthly
    // summary as CSV.
    void Button29Click();
    void Salvar2Click();
    void Salvartodos1Click();
    void Visualizar1Click();
    void Copiar1Click();
    void Salvar1Click();
    void SaveFlowsCsvClick();
    void SaveMonthlyCsvClick();

    SimulationEngine& Engine() { return *engine_; }
    const ResultViews& Views() const { return views_; }
    const RunSettings& Settings() const { return settings_; }
    // The page with this tab caption, or nullptr.
    QWidget* Page(const std::string& caption) const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildWindow();
    void AddResultPages();
    void ConnectCommands();
    void ConnectResults();
    void ConnectRules();
    void ConnectDateLists();
    void ShowPage(const std::string& caption);
    void FocusControl(const std::string& name);
    void ReportRefusal(const ValidationResult& result, CaseRecord& inputs);
    bool WriteCase(const std::string& path);
    // Entries of the window's save dialog, which every export and Save As use.
    enum SaveFilter { kTextFilter = 1, kBitmapFilter = 2, kSimulationFilter = 3, kCsvFilter = 6 };
    FileDialogRequest SaveRequest(const std::string& fileName, SaveFilter filter) const;
    using CsvWriter = bool (*)(const std::string& path, const SimulationEngine& engine);
    void SaveCsv(const std::string& fileName, CsvWriter write);
    void SyncCsvExports();

    // Run control.
    void BeginRun();
    void EndRun();
    void RunNormal();
    void RunStepByStep();
    int StepAndYield(int abortCode);
    void Pause();
    void EnterNonStop();
    void LeaveNonStop();
    void SetPanelEnabled(bool enabled);
    void FinishStepByStep(int rc);
    void RestoreAfterStepping(int rc);
    void FinishRun(int rc);
    void SetRunCursor(std::optional<Qt::CursorShape> shape);
    void SetBorderIcons(Qt::WindowFlags flags);
    Qt::WindowFlags BorderIcons() const;

    // Results.
    void RefreshViews();
    void RefreshViewsIfDue();
    void SyncProfileList();
    void ShowStepState();
    void SuggestGoToDate();
    void ShowReports(RunReports loaded);
    void ShowReport(int index);
    void ShowSavedProfile(int slot);
    void PopUpProfileMenu(const QPoint& at);
    int SelectedProfile() const;
    ChartView* CurrentChart() const;

    // Commands.
    void Button2Click();
    void Button8Click();
    void Browse(QLineEdit* edit);
    void Button13Click();

    // Enabling rules.
    void RadioButton1Click();
    void CheckBox6Click();
    void CheckBox3Click();
    void RadioButton13Click();
    void CheckBox2Click();
    void RadioButton11Click();
    void CheckBox11Click();

    // Date lists.
    void ComboBox9Change();
    void ComboBox12Change();
    void ComboBox1Change();
    void ComboBox23Change();
    void ComboBox26Change();
    void ComboBox22Change();
    void ComboBox15Change();
    void Button15Click();
    void Button16Click();
    void Button17Click();
    void Button18Click();

    CaseWindowHost& host_;
    CaseWindowControls c_;
    ResultViews views_;  // the engine's observer: made before it, destroyed after it
    std::unique_ptr<SimulationEngine> engine_;
    RunSettings settings_;
    std::array<Report, 4> reports_;

    bool running_ = false;
    bool abortRequested_ = false;
    bool steppingNonStop_ = false;
    bool cursorSet_ = false;  // this window's override cursor is on the application's stack
    Qt::WindowFlags savedBorderIcons_;
    QElapsedTimer sinceRefresh_;
};

}  // namespace porvap
