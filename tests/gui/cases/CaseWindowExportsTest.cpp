#include <algorithm>

#include <QAction>
#include <QLineSeries>
#include <QMenu>
#include <QPlainTextEdit>

#include "CaseRunFixture.h"
#include "core/results/ResultCsv.h"
#include "gui/toolkit/ChartView.h"

namespace porvap::test {
namespace {

const std::vector<std::string> kSaveFilters = {
    "Text files|*.txt",   "Bitmaps|*.bmp",   "Simulations|*.sim", "PNG images|*.png",
    "SVG drawings|*.svg", "CSV files|*.csv", "All files|*.*"};

int LineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

// After a run of the wall: 12 profiles of 36 nodes.
class ExportsTest : public CaseRunTest {
  protected:
    void SetUp() override {
        CaseRunTest::SetUp();
        window_ = &OpenWindow(wall_);
        Click(*window_, "Button1");
        ASSERT_EQ(Shown(0), "Execution sucessfully terminated | Porvap 2.0");
        host_.prompts.shown.clear();
    }

    void Trigger(const char* action) { Control<QAction>(*window_, action)->trigger(); }

    void SelectProfile(int row) { Control<QListWidget>(*window_, "ListBox2")->setCurrentRow(row); }

    void ShowPage(const char* caption) {
        auto* pages = Control<QTabWidget>(*window_, "PageControl1");
        pages->setCurrentWidget(window_->Page(caption));
    }

    // The one dialog asked for, with the window's filters.
    void ExpectDialog(const char* fileName, int filterIndex) {
        ASSERT_EQ(host_.prompts.dialogs.size(), 1u);
        const FileDialogRequest& dialog = host_.prompts.dialogs[0];
        EXPECT_EQ(dialog.fileName, fileName);
        EXPECT_EQ(dialog.filterIndex, filterIndex);
        EXPECT_EQ(dialog.filters, kSaveFilters);
        EXPECT_TRUE(dialog.overwritePrompt);
        EXPECT_EQ(dialog.directory, host_.directories.FirstDirectory());
    }

    CaseWindow* window_ = nullptr;
};

TEST_F(ExportsTest, TheReportShownIsSavedLineByLine) {
    Control<QListWidget>(*window_, "ListBox3")->setCurrentRow(2);
    host_.prompts.files = {"report.txt", "missing/report.txt"};
    Click(*window_, "Button29");
    ExpectDialog("relat1.txt", 1);
    EXPECT_EQ(ReadFile("report.txt"), ReportText("hint.txt"));

    Click(*window_, "Button29");
    EXPECT_EQ(AllShown(), std::vector<std::string>{"File could not be opened | Error!"});
    Click(*window_, "Button29");  // cancelled
    EXPECT_EQ(host_.prompts.shown.size(), 1u);
}

TEST_F(ExportsTest, OneProfileIsSavedOnlyWhenOneIsSelected) {
    Trigger("Salvar2");
    Trigger("Visualizar1");
    EXPECT_TRUE(host_.prompts.dialogs.empty());
    EXPECT_TRUE(host_.desktop.opened.empty());

    SelectProfile(1);
    host_.prompts.files = {"one.txt", "missing/one.txt", std::nullopt};
    Trigger("Salvar2");
    ExpectDialog("perfil.txt", 1);
    const std::string text = ReadFile("one.txt");
    EXPECT_EQ(LineCount(text), 2 + 36);
    EXPECT_EQ(text.substr(0, 14), "36\n01/01 - 06\n");
    const ProfileStore::Profile& profile = window_->Views().Profiles().At(1);
    const std::string firstNode =
        QString::asprintf("0 %lf %lf", profile.temperature[0], profile.theta[0]).toStdString();
    EXPECT_EQ(text.substr(14, firstNode.size() + 1), firstNode + "\n");

    Trigger("Salvar2");
    EXPECT_EQ(AllShown(),
              std::vector<std::string>{"File could not be opened for reading | Error!"});
    Trigger("Salvar2");
    EXPECT_FALSE(std::filesystem::exists("perfil.txt"));
}

TEST_F(ExportsTest, AllProfilesGoToOneFile) {
    host_.prompts.files = {"all.txt"};
    Trigger("Salvartodos1");
    ExpectDialog("perfis.txt", 1);
    const std::string text = ReadFile("all.txt");
    EXPECT_EQ(FirstLine(text), "12 36");
    EXPECT_EQ(LineCount(text), 1 + 12 * 37);
}

TEST_F(ExportsTest, NothingIsSavedOfAnEmptyProfileList) {
    CaseWindow& fresh = OpenWindow(wall_);
    Control<QAction>(fresh, "Salvartodos1")->trigger();
    Control<QAction>(fresh, "Salvar2")->trigger();
    EXPECT_TRUE(host_.prompts.dialogs.empty());
}

TEST_F(ExportsTest, VisualizeWritesTheProfileAndHandsItToTheTextViewer) {
    SelectProfile(0);
    Trigger("Visualizar1");
    EXPECT_EQ(host_.desktop.opened, std::vector<std::string>{"temp.txt"});
    EXPECT_EQ(FirstLine(ReadFile("temp.txt")), "36");
    EXPECT_TRUE(host_.prompts.dialogs.empty());

    host_.desktop.succeed = false;
    Trigger("Visualizar1");
    EXPECT_EQ(host_.prompts.shown.size(), 1u) << "a viewer that does not start is reported";
}

TEST_F(ExportsTest, TheChartOfTheCurrentPageGoesToTheClipboard) {
    ShowPage("G4 - Heat gain");
    Trigger("Copiar1");
    ASSERT_EQ(host_.desktop.copied.size(), 1u);
    EXPECT_EQ(host_.desktop.copied[0].size(), Control<ChartView>(*window_, "Chart5")->size());

    host_.desktop.succeed = false;
    Trigger("Copiar1");
    EXPECT_EQ(AllShown(), std::vector<std::string>{"Error copying data to clipboard | Error!"});

    ShowPage("Reports");
    Trigger("Copiar1");
    EXPECT_EQ(host_.desktop.copied.size(), 2u) << "no chart on the reports page";
}

TEST_F(ExportsTest, TheChartIsSavedInTheFormatOfTheChosenName) {
    ShowPage("G6 - Flows");
    host_.prompts.files = {"flows.png", "flows.svg", "flows.bmp", "flows.dib", "missing/x.bmp"};
    for (int k = 0; k < 4; ++k)
        Trigger("Salvar1");
    ASSERT_FALSE(host_.prompts.dialogs.empty());
    host_.prompts.dialogs.resize(1);
    ExpectDialog("graf1.bmp", 2);
    EXPECT_EQ(ReadFile("flows.png").substr(1, 3), "PNG");
    EXPECT_NE(ReadFile("flows.svg").find("<svg"), std::string::npos);
    EXPECT_EQ(ReadFile("flows.bmp").substr(0, 2), "BM");
    EXPECT_EQ(ReadFile("flows.dib").substr(0, 2), "BM");
    EXPECT_TRUE(host_.prompts.shown.empty()) << Shown(0);

    Trigger("Salvar1");
    EXPECT_EQ(AllShown(), std::vector<std::string>{"Error saving bitmap! | Error!"});
}

// Each CSV file is the core writer's, under the name the dialog proposes; a file that cannot
// be written is reported, a cancelled dialog writes nothing.
TEST_F(ExportsTest, TheRunIsSavedAsCsvFiles) {
    ASSERT_TRUE(WriteHourlyFlowsCsv("expected-flows.csv", window_->Engine()));
    ASSERT_TRUE(WriteMonthlySummaryCsv("expected-monthly.csv", window_->Engine()));
    ShowPage("Reports");
    const std::pair<const char*, const char*> commands[] = {{"SaveFlowsCsv", "flows"},
                                                            {"SaveMonthlyCsv", "monthly"}};
    for (const auto& [button, name] : commands) {
        const std::string file = std::string(name) + ".csv";
        host_.prompts.files = {"saved.csv", "missing/saved.csv", std::nullopt};
        host_.prompts.dialogs.clear();
        host_.prompts.shown.clear();
        ASSERT_TRUE(Control<QPushButton>(*window_, button)->isEnabled()) << button;
        for (int k = 0; k < 3; ++k)
            Click(*window_, button);
        host_.prompts.dialogs.resize(1);
        ExpectDialog(file.c_str(), 6);
        EXPECT_EQ(ReadFile("saved.csv"), ReadFile("expected-" + file)) << button;
        EXPECT_EQ(AllShown(), std::vector<std::string>{"File could not be written | Error!"});
    }
    EXPECT_EQ(ButtonText(*window_, "SaveFlowsCsv"), "Save flows as CSV...");
    EXPECT_EQ(ButtonText(*window_, "SaveMonthlyCsv"), "Save monthly as CSV...");
}

// Before a first run, during a run and after one that did not finish there is nothing to
// save.
TEST_F(ExportsTest, CsvCommandsWaitForACompletedRun) {
    const auto enabled = [](CaseWindow& window) {
        return Control<QPushButton>(window, "SaveFlowsCsv")->isEnabled() &&
               Control<QPushButton>(window, "SaveMonthlyCsv")->isEnabled();
    };
    CaseWindow& fresh = OpenWindow(wall_);
    EXPECT_FALSE(Control<QPushButton>(fresh, "SaveFlowsCsv")->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(fresh, "SaveMonthlyCsv")->isEnabled());
    fresh.SaveFlowsCsvClick();
    EXPECT_TRUE(host_.prompts.dialogs.empty());

    ASSERT_TRUE(enabled(*window_));
    bool enabledDuringRun = true;
    DuringRun(*window_, [&] {
        enabledDuringRun = Control<QPushButton>(*window_, "SaveFlowsCsv")->isEnabled() ||
                           Control<QPushButton>(*window_, "SaveMonthlyCsv")->isEnabled();
        Click(*window_, "Button1");  // Cancel
    });
    Click(*window_, "Button1");
    EXPECT_EQ(Shown(0), "Execution aborted by user | Porvap 2.0");
    EXPECT_FALSE(enabledDuringRun);
    EXPECT_FALSE(Control<QPushButton>(*window_, "SaveFlowsCsv")->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(*window_, "SaveMonthlyCsv")->isEnabled());
    window_->SaveMonthlyCsvClick();
    EXPECT_TRUE(host_.prompts.dialogs.empty());

    host_.prompts.shown.clear();
    Click(*window_, "Button1");
    ASSERT_EQ(Shown(0), "Execution sucessfully terminated | Porvap 2.0");
    EXPECT_TRUE(enabled(*window_));
}

TEST_F(ExportsTest, RightClickingAProfileSelectsAndShowsItAndOpensTheMenu) {
    ShowPage("G2 - Profiles");
    auto* list = Control<QListWidget>(*window_, "ListBox2");
    auto* menu = Control<QMenu>(*window_, "PopupMenu1");
    const QPoint at = list->visualItemRect(list->item(2)).center();
    emit list->customContextMenuRequested(at);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_TRUE(menu->isVisible());
    const ChartData& chart = window_->Views().Chart(ResultViews::kProfiles);
    EXPECT_EQ(chart.series[0].points.back().y,
              window_->Views().Profiles().At(2).temperature.back());
    const auto* view = Control<ChartView>(*window_, "Chart2");
    EXPECT_EQ(static_cast<QLineSeries*>(view->chart()->series()[0])->at(0).y(),
              window_->Views().Profiles().At(2).temperature.front())
        << "the chart is redrawn";
    menu->close();

    auto* options = Control<QPushButton>(*window_, "Button19");
    EXPECT_EQ(options->text(), "Options...");
    EXPECT_EQ(options->toolTip(), "Try right-clicking the listbox above...");
    options->click();
    EXPECT_TRUE(menu->isVisible());
    menu->close();
}

TEST_F(ExportsTest, EveryChartOpensTheChartMenuOnARightClick) {
    auto* menu = Control<QMenu>(*window_, "PopupChart1");
    for (const char* name : {"Chart1", "Chart2", "Chart3", "Chart4", "Chart5", "Chart6"}) {
        emit Control<ChartView>(*window_, name)->customContextMenuRequested(QPoint(10, 10));
        EXPECT_TRUE(menu->isVisible()) << name;
        menu->close();
    }
}

}  // namespace
}  // namespace porvap::test
