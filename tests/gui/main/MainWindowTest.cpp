#include <QEnterEvent>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "WriteInterruption.h"
#include "core/common/FileReplacement.h"
#include "gui/cases/CaseWindow.h"

namespace porvap::test {
namespace {

constexpr const char* kChildCommands[] = {
    "FileCloseItem",     "FileSaveItem",      "FileSaveAsItem",    "CutItem",
    "CopyItem",          "PasteItem",         "WindowCascadeItem", "WindowTileItem",
    "WindowArrangeItem", "WindowMinimizeItem"};
constexpr const char* kChildButtons[] = {"SaveBtn", "CutBtn", "CopyBtn", "PasteBtn"};

class MainWindowTest : public MainWindowFixture {
  protected:
    void ExpectChildCommandsEnabled(bool enabled) const {
        for (const char* name : kChildCommands) {
            EXPECT_EQ(Action(name)->isEnabled(), enabled) << name;
        }
        for (const char* name : kChildButtons) {
            EXPECT_EQ(Find(name)->isEnabled(), enabled) << name;
        }
    }
};

TEST_F(MainWindowTest, StartsWithTheCatalogTheDirectoriesAndNoRunningSimulation) {
    CopyBundledData();
    test::WriteFile("config.cfg", "/cases/wall\n/second/\n");
    Start();
    EXPECT_EQ(form->windowTitle(), "Porvap 2.0");
    EXPECT_EQ(form->Catalog().Count(), 8);
    EXPECT_EQ(form->Catalog().EntryName(0), "Solid clay brick");
    EXPECT_EQ(form->Directories().FirstDirectory(), "/cases/wall/");
    EXPECT_EQ(form->Simulations().RunningSimulations(), 0);
    EXPECT_TRUE(prompter.shown.empty()) << Shown(0);
}

// The catalog file stays as it is; what a program killed while replacing a file left goes.
TEST_F(MainWindowTest, StartUpReportsAndLogsAMaterialThatFailsToLoad) {
    std::filesystem::create_directory("Materials");
    std::filesystem::copy(SourcePath("data/Materials/clay_brick.dat"), "Materials/brick.dat");
    const std::string catalog = CatalogLine("Broken wall", "Materials/missing.dat") +
                                CatalogLine("Brick", "Materials/brick.dat");
    test::WriteFile("materiais.cfg", catalog);
    const auto killedReplacing = [] {
        return ReplaceFile("notes.txt", [](std::FILE* file) { std::fputs("notes", file); });
    };
    ASSERT_EQ(test::WriteUnderFileSizeLimit(1, test::AtLimit::Kill, killedReplacing),
              test::Outcome::Killed);
    Start();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Material not loaded! Problems with property (DAT) file");
    EXPECT_EQ(prompter.shown[0].caption, "Broken wall");
    EXPECT_EQ(test::ReadFile("erro.log"), "#1\nBroken wall=Materials/missing.dat\n");
    EXPECT_EQ(form->Catalog().Count(), 1);
    EXPECT_EQ(test::ReadFile("materiais.cfg"), catalog);
    EXPECT_EQ(test::DirectoryEntries(),
              (std::set<std::string>{"Materials", "erro.log", "materiais.cfg"}));
}

TEST_F(MainWindowTest, ChildCommandsAreEnabledExactlyWhileAChildWindowIsOpen) {
    Start();
    ExpectChildCommandsEnabled(false);
    EXPECT_TRUE(Action("FileNewItem")->isEnabled());
    EXPECT_TRUE(Action("FileOpenItem")->isEnabled());

    Action("FileNewItem")->trigger();
    ExpectChildCommandsEnabled(true);
    Action("FileNewItem")->trigger();
    Action("FileCloseItem")->trigger();
    ExpectChildCommandsEnabled(true);
    Action("FileCloseItem")->trigger();
    EXPECT_EQ(form->ChildWindowCount(), 0);
    ExpectChildCommandsEnabled(false);

    // A window of another kind counts as well; the case commands leave it alone.
    form->AddChildWindow(new QWidget);
    ExpectChildCommandsEnabled(true);
    Action("FileSaveItem")->trigger();
    Action("FileSaveAsItem")->trigger();
    EXPECT_TRUE(prompter.dialogs.empty());
    EXPECT_EQ(form->ActiveCaseWindow(), nullptr);
    Area().subWindowList().first()->close();
    ExpectChildCommandsEnabled(false);
}

TEST_F(MainWindowTest, NewNumbersFollowTheCountOfOpenWindows) {
    Start();
    Action("FileNewItem")->trigger();
    Action("FileNewItem")->trigger();
    EXPECT_EQ(Captions(), QStringList({"Porvap 1", "Porvap 2"}));
    Area().setActiveSubWindow(Area().subWindowList().first());
    Action("FileCloseItem")->trigger();
    Settle();
    Action("FileNewItem")->trigger();
    EXPECT_EQ(Captions(), QStringList({"Porvap 2", "Porvap 2"}));
}

TEST_F(MainWindowTest, WindowsMenuListsTheOpenWindowsAndActivatesTheChosenOne) {
    Start();
    Action("FileNewItem")->trigger();
    Action("FileNewItem")->trigger();
    auto* menu = Find<QMenu>("Window1");
    const auto entries = [menu] {
        emit menu->aboutToShow();
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            texts << (action->isSeparator() ? "-" : action->text());
        }
        return texts;
    };
    const QStringList commands = {"&Cascade", "&Side by Side", "&Organize icons", "&Minimize all"};
    EXPECT_EQ(entries(), commands + QStringList({"-", "&1 Porvap 1", "&2 Porvap 2"}));
    EXPECT_EQ(entries().size(), 7) << "entries are replaced, not added again";

    menu->actions().at(5)->trigger();
    EXPECT_EQ(Area().currentSubWindow(), Area().subWindowList().first());
    Action("FileCloseItem")->trigger();
    Action("FileCloseItem")->trigger();
    EXPECT_EQ(entries(), commands);
}

TEST_F(MainWindowTest, MinimizeAllThenOrganizeIconsLinesThemUpAlongTheBottom) {
    Start();
    form->resize(900, 700);
    for (int k = 0; k < 3; ++k) {
        Action("FileNewItem")->trigger();
    }
    Action("WindowMinimizeItem")->trigger();
    Action("WindowArrangeItem")->trigger();
    const QRect room = Area().viewport()->rect();
    int right = room.left();
    for (const QMdiSubWindow* window : Area().subWindowList()) {
        EXPECT_TRUE(window->isMinimized());
        EXPECT_EQ(window->geometry().bottom(), room.bottom());
        EXPECT_GE(window->geometry().left(), right) << "icons must not overlap";
        right = window->geometry().right() + 1;
    }
}

TEST_F(MainWindowTest, ClosingIsRefusedWhileASimulationRuns) {
    CopyBundledData();
    Start();
    Action("FileNewItem")->trigger();
    form->Simulations().SimulationStarted();
    Find<QToolButton>("ExitBtn")->click();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "There are simulations running!");
    EXPECT_EQ(prompter.shown[0].caption, "Porvap");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->ChildWindowCount(), 1);
    EXPECT_EQ(form->Catalog().Count(), 8);
    EXPECT_FALSE(std::filesystem::exists("config.cfg"));

    form->Simulations().SimulationStopped();
    Action("FileExitItem")->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->ChildWindowCount(), 0);
    EXPECT_EQ(form->Catalog().Count(), 0);
    const std::string here = form->Directories().FirstDirectory();
    EXPECT_EQ(test::ReadFile("config.cfg"), here + "\n" + here + "\n");
}

// The run loop of the case window is further up the stack while the command comes.
TEST_F(MainWindowTest, CloseCannotCloseACaseWindowWhileItRuns) {
    CopyBundledData();
    Start();
    Action("FileNewItem")->trigger();
    CaseWindow* child = form->ActiveCaseWindow();
    ASSERT_NE(child, nullptr);
    auto* run = child->findChild<QPushButton*>("Button1");
    QTimer::singleShot(0, child, [&] {
        Action("FileCloseItem")->trigger();
        Action("FileExitItem")->trigger();
        EXPECT_EQ(form->ChildWindowCount(), 1);
        EXPECT_TRUE(child->IsRunInProgress());
        run->click();  // Cancel
    });
    run->click();
    EXPECT_EQ(Shown(0), std::string(kRunningWindowClose) + " | Porvap 2.0");
    EXPECT_EQ(Shown(1), "There are simulations running! | Porvap");
    EXPECT_EQ(Shown(2), "Execution aborted by user | Porvap 2.0");
    EXPECT_TRUE(form->isVisible());

    Action("FileCloseItem")->trigger();
    Settle();
    EXPECT_EQ(form->ChildWindowCount(), 0);
}

TEST_F(MainWindowTest, OptionsCommandsOpenTheirWindows) {
    Start();
    Action("VisualizarMateriais1")->trigger();
    EXPECT_EQ(form->ChildWindowCount(), 1);
    prompter.files.push_back(std::nullopt);
    Action("CartaPsicromtrica1")->trigger();
    EXPECT_EQ(form->ChildWindowCount(), 1);  // cancelled
    ASSERT_FALSE(prompter.dialogs.empty());
    EXPECT_EQ(prompter.dialogs.back().filterIndex, 2);
    form->OpenPsychrometricChart("missing.pvh");
    EXPECT_EQ(form->ChildWindowCount(), 1);  // unreadable: a message, no window
    EXPECT_FALSE(prompter.shown.empty());
    Action("a1")->trigger();
    EXPECT_FALSE(form->isEnabled());  // the materials editor is active
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsShortcutsAndHints) {
    Start();
    struct Item {
        const char* name;
        const char* caption;
        const char* shortcut;
        const char* hint;
    };
    const Item items[] = {
        {"FileNewItem", "&New", "Ctrl+N", "Create a new file"},
        {"FileOpenItem", "&Open", "Ctrl+O", "Open an existing file"},
        {"FileSaveAsItem", "Save &As...", "", "Save current file as..."},
        {"CutItem", "Cu&t", "", "Cut to clipboard"},
        {"a1", "&Materials", "Ctrl+M", ""},
        {"CartaPsicromtrica1", "&Psychrometric Chart", "Ctrl+P", ""},
        {"WindowArrangeItem", "&Organize icons", "",
         "Arrange window icons at bottom of main window"},
        {"HelpAboutItem", "&About", "", ""},
    };
    for (const Item& item : items) {
        const QAction* action = Action(item.name);
        EXPECT_EQ(action->text(), item.caption) << item.name;
        EXPECT_EQ(action->shortcut(), QKeySequence(item.shortcut)) << item.name;
        EXPECT_EQ(action->statusTip(), item.hint) << item.name;
    }
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keySequence(form.get(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(form->ChildWindowCount(), 1) << "the shortcut reaches its command";
    EXPECT_EQ(Find<QMenu>("File1")->title(), "&File");
    EXPECT_EQ(Find<QMenu>("Materiais1")->title(), "&Options");
    EXPECT_EQ(Find<QMenu>("Window1")->menuAction()->statusTip(),
              "Window related commands such as Tile and Cascade");
}

TEST_F(MainWindowTest, ToolButtonsShowTheShortHintAsTipAndTheLongOneInTheStatusBar) {
    Start();
    auto* open = Find<QToolButton>("OpenBtn");
    EXPECT_EQ(open->toolTip(), "Open");
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(open, &enter);
    EXPECT_EQ(form->statusBar()->currentMessage(), "Opens a saved simulation");
    EXPECT_EQ(Find<QToolButton>("ExitBtn")->statusTip(), "Leave Porvap 2.0");
    EXPECT_EQ(Find<QToolButton>("CutBtn")->toolTip(), "Cut");
    EXPECT_TRUE(Find<QToolButton>("CutBtn")->statusTip().isEmpty());
}

}  // namespace
}  // namespace porvap::test
