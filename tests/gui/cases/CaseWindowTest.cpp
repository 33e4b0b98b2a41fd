#include <QAbstractButton>
#include <QLabel>
#include <QProgressBar>

#include "CaseWindowFixture.h"

namespace porvap::test {
namespace {

// Every control the layouts name, by name.
TEST_F(CaseWindowTest, EveryNamedControlExists) {
    const QString names =
        "PageControl1 ComboBox2 ComboBox3 ComboBox4 ComboBox5 ComboBox6 ComboBox7 ComboBox8 "
        "ComboBox18 Edit16 Edit17 Edit18 Edit19 Edit20 Edit21 Edit22 Edit23 Edit25 Edit26 Edit27 "
        "Edit28 Edit29 Edit30 Edit31 Edit32 Button5 Button6 Button7 Button9 Button10 Button11 "
        "Button27 Button3 Button4 Edit15 Edit24 Edit33 Edit34 Edit35 Edit36 Edit2 Button12 "
        "Button13 CheckBox1 RadioButton1 Edit3 Button14 RadioButton2 Edit4 Edit5 Edit1 CheckBox6 "
        "Edit6 CheckBox3 RadioButton13 RadioButton14 Edit14 ComboBox1 ComboBox9 ComboBox10 "
        "ComboBox11 ComboBox12 ComboBox13 Button15 Edit7 Edit8 Edit9 RadioButton3 RadioButton4 "
        "RadioButton5 RadioButton6 RadioButton7 RadioButton8 RadioButton9 RadioButton10 Edit10 "
        "CheckBox2 RadioButton11 Edit11 ComboBox22 ComboBox23 ComboBox24 ComboBox25 ComboBox26 "
        "ComboBox27 RadioButton12 ListBox1 ComboBox14 ComboBox15 ComboBox16 Button16 Button17 "
        "Button18 CheckBox11 ComboBox17 ProgressBar1 Button1 Button2 Button26 Button8 Panel5 "
        "BitBtn1 BitBtn2 BitBtn3 ComboBox19 ComboBox20 ComboBox21 Button28";
    for (const QString& name : names.split(' '))
        EXPECT_NE(Window().findChild<QWidget*>(name), nullptr) << name.toStdString();
}

struct Caption {
    const char* name;
    const char* caption;
    const char* hint;
};

// The inputs' defaults are those of a new case.
TEST_F(CaseWindowTest, CaptionsHintsAndDefaults) {
    const std::vector<Caption> controls = {
        {"Button3", "Actualize", "Reread recently added materials"},
        {"Button4", "Clear", "Clear the selected materials"},
        {"Button12", "Browse...", "Search PVH file in disk"},
        {"Button13", "Visualize...", "Open psychromethric chart with selected PVH file"},
        {"Button15", "Restore", "Set interval do initial state"},
        {"Button16", "Add", "Add date to list"},
        {"Button17", "Remove", "Remove selected date from list"},
        {"Button18", "Clear", "Remove all dates from list"},
        {"Button1", "Run", "Starts/Stops the simulation"},
        {"Button2", "Clone", "Creates a copy of this window"},
        {"Button26", "Save", "Saves this simulation"},
        {"Button8", "Help", ""},
        {"CheckBox6", "Calculate external coeficient", ""},
        {"RadioButton14", "Use forced coeficient", ""},
        {"RadioButton8", "Level 5 (more simple)", ""},
        {"CheckBox2", "Profiles of temperature, moisture and mass", ""},
        {"BitBtn1", "Proceed", ""},
        {"BitBtn2", "Non-stop", ""},
        {"BitBtn3", "Abort", ""},
    };
    for (const Caption& c : controls) {
        auto* control = Find<QAbstractButton>(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->text().toStdString(), c.caption) << c.name;
        EXPECT_EQ(control->toolTip().toStdString(), c.hint) << c.name;
        EXPECT_EQ(control->statusTip().toStdString(), c.hint) << c.name;
    }
    EXPECT_EQ(Edit("Edit15")->statusTip(), "90 - Vertical / 0 - Horizontal");
    EXPECT_EQ(Edit("Edit24")->toolTip(), "0 - South / 90 - East");
    EXPECT_EQ(Find<QLabel>("Panel5")->text(), "01/01 - 00");
    EXPECT_EQ(Find<QProgressBar>("ProgressBar1")->maximum(), 100);
    EXPECT_EQ(List("ComboBox17")->itemText(5), "21");
    EXPECT_EQ(List("ComboBox10")->count(), 24);
    EXPECT_EQ(List("ComboBox9")->itemText(11), "12");
    EXPECT_EQ(Window().CaptureCase(), DefaultCase("Brick"));
}

TEST_F(CaseWindowTest, ResultPagesAppearOnlyWhenShown) {
    auto* pages = Find<QTabWidget>("PageControl1");
    const QStringList captions = {"Building element", "Weather",        "Simulation",
                                  "Report Opt.",      "G1 - Behaviour", "G2 - Profiles",
                                  "G3 - Situation",   "G4 - Heat gain", "G5 - Heat loss",
                                  "G6 - Flows",       "Reports"};
    ASSERT_EQ(pages->count(), captions.size());
    auto visible = [&] {
        QStringList shown;
        for (int i = 0; i < pages->count(); ++i) {
            EXPECT_EQ(pages->tabText(i), captions[i]);
            if (pages->isTabVisible(i))
                shown << pages->tabText(i);
        }
        return shown;
    };
    EXPECT_EQ(visible(), captions.mid(0, 4));
    EXPECT_EQ(CurrentPage(), "Building element");

    Window().ShowResultPages(false);
    const QStringList textPages = {"G2 - Profiles", "Reports"};
    EXPECT_EQ(visible(), captions.mid(0, 4) + textPages);
    Window().ShowResultPages(true);
    EXPECT_EQ(visible(), captions);
    EXPECT_EQ(Window().Page("Reports"), pages->widget(10));
}

TEST_F(CaseWindowTest, StepPanelLiesBeyondTheNarrowWidth) {
    CaseWindow& window = Window();
    QWidget* panel = Find<QWidget>("BitBtn1");
    EXPECT_EQ(window.width(), 593);
    EXPECT_GE(panel->mapTo(&window, QPoint(0, 0)).x(), 593);
    window.SetStepPanelShown(true);
    EXPECT_EQ(window.width(), 746);
    EXPECT_LE(panel->mapTo(&window, QPoint(panel->width(), 0)).x(), 746);
    for (const char* name :
         {"BitBtn1", "BitBtn2", "BitBtn3", "ComboBox19", "ComboBox20", "ComboBox21", "Button28"})
        EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
    window.SetStepPanelShown(false);
    EXPECT_EQ(window.width(), 593);
}

// Every caption gets the room it asks for, on every page and in the panel.
TEST_F(CaseWindowTest, NoCaptionIsClipped) {
    CaseWindow& window = Window();
    window.SetStepPanelShown(true);
    auto* pages = Find<QTabWidget>("PageControl1");
    for (int page = 0; page < 4; ++page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        for (QWidget* control : pages->widget(page)->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(control);
            if (qobject_cast<QAbstractButton*>(control) || (label && !label->wordWrap())) {
                EXPECT_GE(control->width(), control->minimumSizeHint().width())
                    << pages->tabText(page).toStdString() << ": "
                    << control->objectName().toStdString();
            }
        }
    }
    for (const char* name : {"BitBtn2", "Panel5", "Button26", "ComboBox19"}) {
        QWidget* control = Find<QWidget>(name);
        EXPECT_GE(control->width(), control->minimumSizeHint().width()) << name;
    }
}

TEST_F(CaseWindowTest, InternalConditionsSwitchBetweenFileAndConstants) {
    Find<QRadioButton>("RadioButton2")->click();
    EXPECT_FALSE(Edit("Edit3")->isEnabled());
    EXPECT_FALSE(Find<QWidget>("Button14")->isEnabled());
    EXPECT_TRUE(Edit("Edit4")->isEnabled());
    EXPECT_TRUE(Edit("Edit5")->isEnabled());
    Find<QRadioButton>("RadioButton1")->click();
    EXPECT_TRUE(Edit("Edit3")->isEnabled());
    EXPECT_FALSE(Edit("Edit4")->isEnabled());
    EXPECT_FALSE(Edit("Edit5")->isEnabled());
}

TEST_F(CaseWindowTest, ConvectionCoefficientRules) {
    Find<QCheckBox>("CheckBox6")->click();
    EXPECT_FALSE(Edit("Edit1")->isEnabled());
    Find<QCheckBox>("CheckBox6")->click();
    EXPECT_TRUE(Edit("Edit1")->isEnabled());

    EXPECT_FALSE(Find<QWidget>("RadioButton13")->isEnabled());
    EXPECT_FALSE(Edit("Edit14")->isEnabled());
    Find<QCheckBox>("CheckBox3")->click();
    EXPECT_FALSE(Edit("Edit6")->isEnabled());
    EXPECT_TRUE(Find<QWidget>("RadioButton13")->isEnabled());
    EXPECT_TRUE(Find<QWidget>("RadioButton14")->isEnabled());
    EXPECT_FALSE(Edit("Edit14")->isEnabled());
    Find<QRadioButton>("RadioButton14")->click();
    EXPECT_TRUE(Edit("Edit14")->isEnabled());

    Find<QCheckBox>("CheckBox3")->click();
    EXPECT_TRUE(Edit("Edit6")->isEnabled());
    EXPECT_TRUE(Find<QRadioButton>("RadioButton13")->isChecked());
    EXPECT_FALSE(Find<QWidget>("RadioButton14")->isEnabled());
    EXPECT_FALSE(Edit("Edit14")->isEnabled());
}

TEST_F(CaseWindowTest, ProfileControlsFollowTheProfileChoices) {
    const std::vector<const char*> interval = {"Edit11", "ComboBox22", "ComboBox24", "ComboBox27"};
    const std::vector<const char*> dates = {"ListBox1", "ComboBox14", "ComboBox16",
                                            "Button16", "Button17",   "Button18"};
    auto expectEnabled = [&](bool radios, bool byInterval, bool byDates) {
        EXPECT_EQ(Find<QWidget>("RadioButton11")->isEnabled(), radios);
        EXPECT_EQ(Find<QWidget>("RadioButton12")->isEnabled(), radios);
        for (const char* name : interval)
            EXPECT_EQ(Find<QWidget>(name)->isEnabled(), byInterval) << name;
        for (const char* name : dates)
            EXPECT_EQ(Find<QWidget>(name)->isEnabled(), byDates) << name;
    };
    expectEnabled(false, false, false);
    Find<QCheckBox>("CheckBox2")->click();
    expectEnabled(true, true, false);
    Find<QRadioButton>("RadioButton12")->click();
    expectEnabled(true, false, true);
    Find<QCheckBox>("CheckBox2")->click();
    expectEnabled(false, false, false);
    // Checking profiles again goes back to the time interval.
    Find<QCheckBox>("CheckBox2")->click();
    EXPECT_TRUE(Find<QRadioButton>("RadioButton11")->isChecked());
    expectEnabled(true, true, false);
}

TEST_F(CaseWindowTest, GraphicalOutputEnablesTheGraph3Interval) {
    Find<QCheckBox>("CheckBox11")->click();
    EXPECT_FALSE(List("ComboBox17")->isEnabled());
    EXPECT_FALSE(Window().Settings().graphicalOutput);
    Find<QCheckBox>("CheckBox11")->click();
    EXPECT_TRUE(List("ComboBox17")->isEnabled());
    EXPECT_TRUE(Window().Settings().graphicalOutput);
}

TEST_F(CaseWindowTest, DayListsFollowTheMonth) {
    Choose("ComboBox1", "30");
    Choose("ComboBox9", "02");
    EXPECT_EQ(List("ComboBox1")->count(), 28);
    EXPECT_EQ(List("ComboBox1")->currentText(), "28");
    Choose("ComboBox9", "04");
    EXPECT_EQ(List("ComboBox1")->count(), 30);
    EXPECT_EQ(List("ComboBox1")->currentText(), "28");

    Choose("ComboBox14", "31");
    Choose("ComboBox15", "11");
    EXPECT_EQ(List("ComboBox14")->currentText(), "30");
    Choose("ComboBox20", "02");
    EXPECT_EQ(List("ComboBox19")->count(), 28);
}

struct OrderCase {
    const char* start[3];  // day, month, hour
    const char* finish[3];
    const char* expected;  // finish afterwards
};

TEST_F(CaseWindowTest, TheFinishIsKeptAfterTheStart) {
    const std::vector<OrderCase> cases = {
        {{"15", "06", "10"}, {"01", "03", "00"}, "01/07 00"},
        {{"31", "12", "22"}, {"01", "03", "00"}, "31/12 22"},
        {{"15", "12", "10"}, {"10", "12", "05"}, "16/12 05"},
        {{"31", "01", "05"}, {"28", "02", "00"}, "28/02 00"},
        {{"31", "01", "05"}, {"30", "01", "00"}, "28/02 00"},
    };
    for (const OrderCase& c : cases) {
        Click("Button15");
        ChooseDate("ComboBox11", "ComboBox12", "ComboBox13", c.finish[0], c.finish[1], c.finish[2]);
        ChooseDate("ComboBox1", "ComboBox9", "ComboBox10", c.start[0], c.start[1], c.start[2]);
        EXPECT_EQ(DateShown("ComboBox11", "ComboBox12", "ComboBox13").toStdString(), c.expected)
            << c.start[0] << "/" << c.start[1] << " " << c.start[2];
    }
    Click("Button15");
    EXPECT_EQ(DateShown("ComboBox1", "ComboBox9", "ComboBox10"), "01/01 00");
    EXPECT_EQ(DateShown("ComboBox11", "ComboBox12", "ComboBox13"), "31/12 23");
}

TEST_F(CaseWindowTest, TheProfileStopIsKeptAfterTheProfileStart) {
    Find<QCheckBox>("CheckBox2")->click();
    ChooseDate("ComboBox25", "ComboBox26", "ComboBox27", "01", "03", "00");
    ChooseDate("ComboBox22", "ComboBox23", "ComboBox24", "15", "06", "10");
    EXPECT_EQ(DateShown("ComboBox25", "ComboBox26", "ComboBox27"), "01/07 00");
    // Choosing a stop before the start moves it back after the start.
    Choose("ComboBox26", "02");
    EXPECT_EQ(DateShown("ComboBox25", "ComboBox26", "ComboBox27"), "01/07 00");
}

TEST_F(CaseWindowTest, ProfileDateListHoldsEachDateOnce) {
    Find<QCheckBox>("CheckBox2")->click();
    Find<QRadioButton>("RadioButton12")->click();
    auto* list = Find<QListWidget>("ListBox1");
    ChooseDate("ComboBox14", "ComboBox15", "ComboBox16", "05", "03", "07");
    Click("Button16");
    Click("Button16");
    ChooseDate("ComboBox14", "ComboBox15", "ComboBox16", "01", "01", "00");
    Click("Button16");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "05/03 - 07");
    EXPECT_EQ(list->item(1)->text(), "01/01 - 00");

    Click("Button17");
    EXPECT_EQ(list->count(), 2);
    list->setCurrentRow(0);
    Click("Button17");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "01/01 - 00");
    Click("Button18");
    EXPECT_EQ(list->count(), 0);
}

TEST_F(CaseWindowTest, BrowseOffersClimateFilesAndTakesTheChoice) {
    host_.prompts.files = {"/data/sao.pvh", std::nullopt, "/data/room.pvh"};
    Click("Button12");
    ASSERT_EQ(host_.prompts.dialogs.size(), 1u);
    const FileDialogRequest& request = host_.prompts.dialogs[0];
    EXPECT_EQ(request.fileName, ".\\BrazilianWeathers\\floext.pvh");
    EXPECT_EQ(request.filters, (std::vector<std::string>{"All files|*.*", "Porvap files|*.PVH",
                                                         "EnergyPlus weather|*.epw"}));
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.directory, host_.directories.FirstDirectory());
    EXPECT_FALSE(request.directory.empty());
    EXPECT_EQ(Edit("Edit2")->text(), "/data/sao.pvh");
    EXPECT_EQ(Edit("Edit2")->selectedText(), "/data/sao.pvh");

    Click("Button12");
    EXPECT_EQ(Edit("Edit2")->text(), "/data/sao.pvh");

    Click("Button14");
    EXPECT_EQ(host_.prompts.dialogs.back().fileName,
              ".\\InternalConditions(0HeatGain)\\FLOint0g.pvh");
    EXPECT_EQ(Edit("Edit3")->text(), "/data/room.pvh");
}

TEST_F(CaseWindowTest, VisualizeOpensTheTrimmedClimateFile) {
    Edit("Edit2")->setText("  \tsul.pvh  ");
    Click("Button13");
    EXPECT_EQ(Edit("Edit2")->text(), "sul.pvh");
    EXPECT_EQ(host_.charts, (std::vector<std::string>{"sul.pvh"}));
    Edit("Edit2")->setText("   ");
    Click("Button13");
    EXPECT_EQ(Edit("Edit2")->text(), "");
    EXPECT_EQ(host_.charts.size(), 1u);
}

TEST_F(CaseWindowTest, CloneCopiesTheInputsIntoANewNumberedWindow) {
    Choose("ComboBox3", "Stone");
    Edit("Edit7")->setText("1800");
    Find<QCheckBox>("CheckBox3")->click();
    Find<QRadioButton>("RadioButton14")->click();
    host_.CreateCaseWindow("Porvap 2");
    Window().ShowResultPages(true);
    Click("Button2");
    ASSERT_EQ(host_.windows.size(), 3u);
    CaseWindow& copy = *host_.windows.back();
    EXPECT_EQ(copy.windowTitle(), "Porvap 3");
    EXPECT_EQ(copy.CaptureCase(), Window().CaptureCase());
    EXPECT_FALSE(Find<QTabWidget>(copy, "PageControl1")->isTabVisible(10));
    EXPECT_TRUE(host_.prompts.shown.empty());
}

TEST_F(CaseWindowTest, HelpOpensTheCaseWindowSection) {
    Click("Button8");
    EXPECT_EQ(host_.prompts.helpContexts, (std::vector<int>{1003}));
}

}  // namespace
}  // namespace porvap::test
