#include <QLineSeries>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProgressBar>

#include "CaseRunFixture.h"
#include "core/engine/Run.h"
#include "gui/toolkit/ChartView.h"

namespace porvap::test {
namespace {

constexpr Qt::WindowFlags kCloseIcons = Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// What the user sees of a window between runs.
void ExpectIdle(CaseWindow& window, FakeHost& host) {
    EXPECT_FALSE(window.IsRunInProgress());
    EXPECT_EQ(ButtonText(window, "Button1"), "Run");
    EXPECT_TRUE(Control<QPushButton>(window, "Button1")->isEnabled());
    EXPECT_EQ(host.simulations.RunningSimulations(), 0);
    EXPECT_EQ(Control<QProgressBar>(window, "ProgressBar1")->value(), 0);
    EXPECT_TRUE(FilesClosed(window));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

void ExpectRunning(CaseWindow& window, FakeHost& host, int runs) {
    EXPECT_TRUE(window.IsRunInProgress());
    EXPECT_EQ(ButtonText(window, "Button1"), "Cancel");
    EXPECT_EQ(host.simulations.RunningSimulations(), runs);
    EXPECT_FALSE(window.windowFlags() & kCloseIcons) << "border icons are removed";
}

QStringList VisiblePages(CaseWindow& window) {
    auto* pages = Control<QTabWidget>(window, "PageControl1");
    QStringList shown;
    for (int i = 4; i < pages->count(); ++i) {
        if (pages->isTabVisible(i))
            shown << pages->tabText(i);
    }
    return shown;
}

QString CurrentPage(CaseWindow& window) {
    auto* pages = Control<QTabWidget>(window, "PageControl1");
    return pages->tabText(pages->currentIndex());
}

// Points drawn by a chart view, per line.
std::vector<qsizetype> DrawnPoints(CaseWindow& window, const char* chart) {
    std::vector<qsizetype> counts;
    for (QAbstractSeries* series : Control<ChartView>(window, chart)->chart()->series())
        counts.push_back(static_cast<QLineSeries*>(series)->count());
    return counts;
}

std::vector<qsizetype> DataPoints(const ChartData& data) {
    std::vector<qsizetype> counts;
    for (const ChartSeries& series : data.series)
        counts.push_back(static_cast<qsizetype>(series.points.size()));
    return counts;
}

TEST_F(CaseRunTest, ARunShowsItsChartsProfilesAndReportsAndEndsIdle) {
    CaseWindow& window = OpenWindow(wall_);
    const Qt::WindowFlags flags = window.windowFlags();
    DuringRun(window, [&] { ExpectRunning(window, host_, 1); });
    Click(window, "Button1");

    EXPECT_EQ(AllShown(),
              std::vector<std::string>{"Execution sucessfully terminated | Porvap 2.0"});
    ExpectIdle(window, host_);
    EXPECT_EQ(window.windowFlags(), flags);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.width(), CaseWindow::kNarrowWidth);
    EXPECT_EQ(VisiblePages(window),
              QStringList({"G1 - Behaviour", "G2 - Profiles", "G3 - Situation", "G4 - Heat gain",
                           "G5 - Heat loss", "G6 - Flows", "Reports"}));
    EXPECT_EQ(CurrentPage(window), "G1 - Behaviour");

    const ProfileStore& store = window.Views().Profiles();
    auto* profiles = Control<QListWidget>(window, "ListBox2");
    ASSERT_EQ(store.Count(), 12) << "every 6 h over three days";
    ASSERT_EQ(profiles->count(), store.Count());
    EXPECT_EQ(profiles->item(0)->text(), "01/01 - 00");
    EXPECT_EQ(profiles->item(11)->text(), "03/01 - 18");

    // Drawn at the end, whatever the refresh interval let through during the run.
    const std::pair<const char*, ResultViews::ChartIndex> charts[] = {
        {"Chart1", ResultViews::kBehaviour}, {"Chart2", ResultViews::kProfiles},
        {"Chart4", ResultViews::kSituation}, {"Chart5", ResultViews::kHeatGain},
        {"Chart3", ResultViews::kHeatLoss},  {"Chart6", ResultViews::kFlows}};
    for (const auto& [name, index] : charts)
        EXPECT_EQ(DrawnPoints(window, name), DataPoints(window.Views().Chart(index))) << name;
    EXPECT_EQ(DrawnPoints(window, "Chart6")[0], 12);

    auto* reports = Control<QListWidget>(window, "ListBox3");
    auto* memo = Control<QPlainTextEdit>(window, "Memo1");
    ASSERT_EQ(reports->count(), 4);
    EXPECT_EQ(reports->item(3)->text(), "Mass and heat");
    EXPECT_EQ(memo->toPlainText().toStdString(), ReportText("arq.txt"));
    EXPECT_TRUE(memo->isReadOnly());
    reports->setCurrentRow(3);
    EXPECT_EQ(memo->toPlainText().toStdString(), ReportText("flux.txt"));
}

TEST_F(CaseRunTest, ARefusedInputStartsNoRun) {
    wall_.timeStep = "soon";
    CaseWindow& window = OpenWindow(wall_);
    Click(window, "Button1");
    ASSERT_EQ(host_.prompts.shown.size(), 1u);
    EXPECT_NE(Shown(0).find("Error!"), std::string::npos) << Shown(0);
    ExpectIdle(window, host_);
    EXPECT_TRUE(VisiblePages(window).isEmpty());
    EXPECT_EQ(Control<QListWidget>(window, "ListBox3")->count(), 0);
}

TEST_F(CaseRunTest, WithoutGraphicalOutputOnlyTheTextPagesAppearAndNoProfileIsKept) {
    wall_.graphicalOutput = 0;
    CaseWindow& window = OpenWindow(wall_);
    Click(window, "Button1");
    EXPECT_EQ(Shown(0), "Execution sucessfully terminated | Porvap 2.0");
    EXPECT_EQ(VisiblePages(window), QStringList({"G2 - Profiles", "Reports"}));
    EXPECT_EQ(CurrentPage(window), "Building element");
    EXPECT_EQ(Control<QListWidget>(window, "ListBox2")->count(), 0);
}

TEST_F(CaseRunTest, CancelEndsANormalRunAfterTheCurrentStep) {
    wall_.finish = wall_.profileStop = {30, 11, 23};
    CaseWindow& window = OpenWindow(wall_);
    const Qt::WindowFlags flags = window.windowFlags();
    DuringRun(window, [&] {
        ExpectRunning(window, host_, 1);
        Click(window, "Button1");
        EXPECT_TRUE(window.IsRunInProgress()) << "the loop ends the run";
    });
    Click(window, "Button1");

    EXPECT_EQ(AllShown(), std::vector<std::string>{"Execution aborted by user | Porvap 2.0"});
    ExpectIdle(window, host_);
    EXPECT_EQ(window.windowFlags(), flags);
    EXPECT_EQ(Control<QListWidget>(window, "ListBox3")->count(), 4);
}

TEST_F(CaseRunTest, ARunningWindowRefusesToClose) {
    CaseWindow& window = OpenWindow(wall_);
    DuringRun(window, [&] {
        EXPECT_FALSE(window.close());
        EXPECT_EQ(Shown(0), std::string(kRunningWindowClose) + " | Porvap 2.0");
    });
    Click(window, "Button1");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Shown(1), "Execution sucessfully terminated | Porvap 2.0");
    EXPECT_TRUE(window.close());
}

// The second run lives inside the first one's loop and ends before the first goes on.
TEST_F(CaseRunTest, ASecondWindowRunsToItsEndInsideTheFirstOnesLoop) {
    CaseRecord year = wall_;
    year.finish = year.profileStop = {30, 11, 23};
    CaseWindow& first = OpenWindow(year);
    CaseWindow& second = OpenWindow(wall_);
    DuringRun(first, [&] {
        DuringRun(second, [&] {
            ExpectRunning(first, host_, 2);
            ExpectRunning(second, host_, 2);
        });
        Click(second, "Button1");
        EXPECT_EQ(AllShown(), std::vector<std::string>{
                                  "Execution sucessfully terminated\nAnother run was in progress "
                                  "in the working folder, so the results of this run are in "
                                  "runs/Porvap 2 | Porvap 2.0"});
        EXPECT_EQ(Control<QPlainTextEdit>(second, "Memo1")->toPlainText().toStdString(),
                  ReportText("runs/Porvap 2/arq.txt"));
        EXPECT_EQ(LabelText(second, "ResultsFolder"), "Result files in runs/Porvap 2");
        EXPECT_FALSE(second.IsRunInProgress());
        ExpectRunning(first, host_, 1);
        Click(first, "Button1");
    });
    Click(first, "Button1");

    EXPECT_EQ(Shown(1), "Execution aborted by user | Porvap 2.0");
    ExpectIdle(first, host_);
    ExpectIdle(second, host_);
    EXPECT_EQ(second.Views().Profiles().Count(), 12);
    EXPECT_FALSE(std::filesystem::exists("arq.txt")) << "an aborted run leaves no results";
}

class StepByStepTest : public CaseRunTest {
  protected:
    // Paused after the warm-up.
    CaseWindow& Paused() {
        wall_.stepByStep = 1;
        CaseWindow& window = OpenWindow(wall_);
        Click(window, "Button1");
        EXPECT_TRUE(host_.prompts.shown.empty()) << Shown(0);
        return window;
    }

    static void ChooseGoTo(CaseWindow& window, const QString& day, const QString& month,
                           const QString& hour) {
        for (const auto& [name, text] :
             {std::pair{"ComboBox20", month}, std::pair{"ComboBox19", day},
              std::pair{"ComboBox21", hour}}) {
            auto* list = Control<QComboBox>(window, name);
            list->setCurrentIndex(list->findText(text));
        }
    }

    static void ExpectPanelEnabled(CaseWindow& window, bool enabled) {
        for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3", "Button28"})
            EXPECT_EQ(Control<QWidget>(window, name)->isEnabled(), enabled) << name;
    }
};

TEST_F(StepByStepTest, PausesAfterTheWarmUpShowingTheStateOfTheFirstStep) {
    CaseWindow& window = Paused();
    EXPECT_EQ(window.width(), CaseWindow::kWideWidth);
    EXPECT_TRUE(window.IsRunInProgress());
    EXPECT_EQ(host_.simulations.RunningSimulations(), 1);
    EXPECT_EQ(ButtonText(window, "Button1"), "Cancel");
    EXPECT_FALSE(Control<QPushButton>(window, "Button1")->isEnabled());
    ExpectPanelEnabled(window, true);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(Control<QPlainTextEdit>(window, "Memo1")->toPlainText().isEmpty());
    EXPECT_EQ(LabelText(window, "Panel5"), "01/01 - 00");
    const BoundaryState& b = window.Engine().boundary;
    const std::pair<const char*, double> climate[] = {{"Label34", b.current.temperature},
                                                      {"Label35", b.current.relativeHumidity},
                                                      {"Label38", b.internalTemperature},
                                                      {"Label39", b.internalHumidity}};
    for (const auto& [label, value] : climate)
        EXPECT_EQ(LabelText(window, label), QString::asprintf("%1.3f", value)) << label;
    // The next month is suggested.
    EXPECT_EQ(Control<QComboBox>(window, "ComboBox19")->currentText(), "01");
    EXPECT_EQ(Control<QComboBox>(window, "ComboBox20")->currentText(), "02");
    EXPECT_EQ(Control<QComboBox>(window, "ComboBox21")->currentText(), "00");
    // G2 shows the current profile.
    const ChartData& profile = window.Views().Chart(ResultViews::kProfiles);
    ASSERT_EQ(profile.series[0].points.size(), window.Engine().tNew.size());
    EXPECT_EQ(profile.series[0].points[3].y, window.Engine().tNew[3]);

    Click(window, "BitBtn3");
}

TEST_F(StepByStepTest, ProceedAndGoToDateMoveTheRunOnThenAbortEndsIt) {
    CaseWindow& window = Paused();
    Click(window, "BitBtn1");
    EXPECT_EQ(LabelText(window, "Panel5"), "01/01 - 01");
    Click(window, "BitBtn1");
    EXPECT_EQ(LabelText(window, "Panel5"), "01/01 - 02");

    ChooseGoTo(window, "02", "01", "12");
    Click(window, "Button28");
    EXPECT_EQ(LabelText(window, "Panel5"), "02/01 - 12");
    ExpectPanelEnabled(window, true);
    ChooseGoTo(window, "01", "01", "05");
    Click(window, "Button28");
    EXPECT_EQ(LabelText(window, "Panel5"), "02/01 - 12") << "a past date stops at once";
    EXPECT_TRUE(host_.prompts.shown.empty()) << Shown(0);

    Click(window, "BitBtn3");
    EXPECT_EQ(AllShown(),
              std::vector<std::string>{"Step by step execution aborted by user | Porvap 2.0"});
    EXPECT_EQ(window.width(), CaseWindow::kNarrowWidth);
    ExpectPanelEnabled(window, false);
    ExpectIdle(window, host_);
    EXPECT_EQ(Control<QListWidget>(window, "ListBox3")->count(), 4);
}

// Cancel is disabled while paused.
TEST_F(StepByStepTest, APausedWindowRefusingToCloseNamesAbort) {
    CaseWindow& window = Paused();
    EXPECT_FALSE(window.close());
    EXPECT_EQ(
        Shown(0),
        "Step by step simulation running: press Abort before closing the window | Porvap 2.0");
    Click(window, "BitBtn3");
    EXPECT_TRUE(window.close());
}

TEST_F(StepByStepTest, NonStopCompletesTheRunAndTheWindowStaysWide) {
    CaseWindow& window = Paused();
    Click(window, "BitBtn2");
    EXPECT_EQ(AllShown(), std::vector<std::string>{
                              "Step by step execution sucessfully terminated | Porvap 2.0"});
    EXPECT_EQ(window.width(), CaseWindow::kWideWidth);
    ExpectPanelEnabled(window, false);
    ExpectIdle(window, host_);
    EXPECT_NE(ReadFile("arq.txt").find("end"), std::string::npos) << "the summary is written";
}

// The summary's failure ends the run as any other; no result file takes the place of another.
TEST_F(StepByStepTest, ResultsThatCannotTakeTheirPlaceEndTheRunWithTheFailure) {
    CaseWindow& window = Paused();
    std::filesystem::create_directories("hext.txt/in the way");
    Click(window, "BitBtn2");
    EXPECT_EQ(AllShown(), std::vector<std::string>{"Couldn't write the result files | Error!"});
    EXPECT_EQ(window.width(), CaseWindow::kNarrowWidth);
    ExpectIdle(window, host_);
    EXPECT_FALSE(std::filesystem::exists("arq.txt"));
}

TEST_F(StepByStepTest, AbortDuringNonStopEndsTheRunAfterTheCurrentStep) {
    CaseWindow& window = Paused();
    DuringRun(window, [&] {
        EXPECT_FALSE(Control<QWidget>(window, "BitBtn1")->isEnabled());
        EXPECT_TRUE(Control<QWidget>(window, "BitBtn3")->isEnabled());
        Click(window, "BitBtn3");
    });
    Click(window, "BitBtn2");
    EXPECT_EQ(AllShown(),
              std::vector<std::string>{"Step by step execution aborted by user | Porvap 2.0"});
    EXPECT_EQ(window.width(), CaseWindow::kNarrowWidth);
    ExpectIdle(window, host_);
}

// Inside the main window the frame around the case window carries the icons and the width.
TEST_F(StepByStepTest, TheFrameOfAWindowInsideTheMainWindowFollowsIt) {
    wall_.stepByStep = 1;
    QMdiArea area;
    area.resize(1200, 900);
    area.show();
    auto* window = new CaseWindow(host_);
    window->ApplyCase(wall_);
    QMdiSubWindow* frame = area.addSubWindow(window);
    frame->show();
    const Qt::WindowFlags flags = frame->windowFlags();
    const int margins = frame->width() - window->width();

    Click(*window, "Button1");
    EXPECT_FALSE(frame->windowFlags() & kCloseIcons);
    EXPECT_EQ(frame->width(), CaseWindow::kWideWidth + margins);
    Click(*window, "BitBtn3");
    EXPECT_EQ(frame->windowFlags(), flags);
    EXPECT_EQ(frame->width(), CaseWindow::kNarrowWidth + margins);
}

// Validation refuses a missing external file; the internal one is first opened by the run.
TEST_F(CaseRunTest, AMissingClimateFileEndsTheRunWithItsMessage) {
    wall_.internalFile = "nowhere.pvh";
    CaseWindow& window = OpenWindow(wall_);
    Click(window, "Button1");
    ASSERT_FALSE(host_.prompts.shown.empty());
    EXPECT_EQ(Shown(0), "Internal hourly file could not be opened for reading | Error!");
    ExpectIdle(window, host_);
    EXPECT_EQ(Control<QListWidget>(window, "ListBox3")->count(), 4);
}

// Relative humidity 1.5 is no reading of saturated air: the message names the file and line.
TEST_F(CaseRunTest, HumidityFarAboveSaturationEndsTheRunWithItsMessage) {
    std::string climate;
    for (int day = 1; day <= 3; ++day) {
        for (int hour = 0; hour < 24; ++hour)
            climate += "22.0 1.5 0 0 -39.2 176.2 0.95 3.018 1 " + std::to_string(day) + " " +
                       std::to_string(hour) + "\n";
    }
    WriteFile("BrazilianWeathers/wet.pvh", climate);
    wall_.externalFile = "BrazilianWeathers/wet.pvh";
    CaseWindow& window = OpenWindow(wall_);
    Click(window, "Button1");
    EXPECT_EQ(AllShown(), std::vector<std::string>{
                              "Hourly file with missing or invalid data\nExternal hourly file: "
                              "BrazilianWeathers/wet.pvh\nLine 1: relative humidity 1.5 is "
                              "outside 0...1 | Error!"});
    ExpectIdle(window, host_);
}

}  // namespace
}  // namespace porvap::test
