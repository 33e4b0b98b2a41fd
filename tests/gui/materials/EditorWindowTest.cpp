#include <QLabel>
#include <QTabWidget>

#include "EditorFixture.h"

namespace porvap::test {
namespace {

using EditorWindowTest = EditorTest;

constexpr const char* kDataHint = "Arquivo de propriedades do material";

struct Expected {
    const char* name;
    const char* text;
    const char* hint;
    bool enabled;
};

QString TextOf(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    return {};
}

TEST_F(EditorWindowTest, StartsBrowsingWithEveryControlNamedCaptionedAndHinted) {
    const std::vector<Expected> expected = {
        {"Label2", "Material:", "", true},
        {"ComboBox1", "", "Lista de materiais", true},
        {"Button3", "&Include", "Include/Change material for use in simulations", true},
        {"Button4", "&Remove", "Remove this material from Porvap 2.0", false},
        {"Label1", "Obtain material data from:", "", false},
        {"RadioButton1", "preexistent material file (.DAT)", "", false},
        {"RadioButton3", "constant properties", "", false},
        {"Label9", "File:", "", false},
        {"Edit1", "", kDataHint, false},
        {"Button5", "&Browse...", "Procurar arquivo", false},
        {"Label10", "K", "", false},
        {"Edit2", "...", kDataHint, false},
        {"Label11", "DT", "", false},
        {"Edit3", "...", kDataHint, false},
        {"Label12", "DTeta", "", false},
        {"Edit4", "...", kDataHint, false},
        {"Label13", "DTV", "", false},
        {"Edit5", "...", kDataHint, false},
        {"Label14", "DTetaV", "", false},
        {"Edit6", "...", kDataHint, false},
        {"Label15", "Teta", "", false},
        {"Edit7", "...", kDataHint, false},
        {"Label16", "dTeta", "", false},
        {"Edit8", "...", kDataHint, false},
        {"Label17", "Dry density", "", false},
        {"Edit10", "2050.0", kDataHint, false},
        {"Label18", "Dry porosity", "", false},
        {"Edit9", "0.18", kDataHint, false},
        {"Label3", "Specific heat", "", false},
        {"Edit11", "932.0", kDataHint, false},
        {"Button7", "&Obtain", "Read data of this material and include it in Porvap 2.0", false},
        {"Button9", "&Cancel", "Cancel inclusion of this material", false},
        {"Button2", "&Exit", "Close this window", true},
        {"Button8", "&Help", "", true},
    };
    for (const Expected& control : expected) {
        QWidget* widget = Find<QWidget>(control.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(TextOf(widget), control.text) << control.name;
        EXPECT_EQ(widget->toolTip(), control.hint) << control.name;
        EXPECT_EQ(widget->isEnabled(), control.enabled) << control.name;
    }
    EXPECT_EQ(Editor().windowTitle(), "Available material");
    EXPECT_TRUE(Find<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_TRUE(Button("Button3")->isDefault());
    EXPECT_TRUE(Button("Button1")->isHidden());
    EXPECT_EQ(Button("Button1")->text(), "Atualize");
    auto* pages = Find<QTabWidget>("PageControl1");
    ASSERT_EQ(pages->count(), 2);
    EXPECT_EQ(pages->tabText(0), "Materials");
    EXPECT_EQ(pages->tabText(1), "Parede");
    EXPECT_FALSE(pages->isTabVisible(1));
}

TEST_F(EditorWindowTest, ShowingListsTheNamesSortedShowsTheFirstAndDisablesTheOwner) {
    Shown();
    EXPECT_EQ(Items(), QStringList({"Brick", "Mortar", "Stone"}));
    EXPECT_EQ(Box()->currentText(), "Brick");
    EXPECT_EQ(Edit("Edit1")->text(), "brick.dat");
    EXPECT_EQ(Edit("Edit10")->text(), "1800.000");
    EXPECT_EQ(Edit("Edit9")->text(), "0.180");
    EXPECT_EQ(Edit("Edit11")->text(), "932.000");
    EXPECT_EQ(Button("Button3")->text(), "&Change");
    EXPECT_TRUE(Button("Button4")->isEnabled());
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_TRUE(Editor().isEnabled());

    Pick("Stone");
    EXPECT_EQ(Edit("Edit1")->text(), "stone.dat");
    EXPECT_EQ(Edit("Edit10")->text(), "2600.000");

    Click("Button2");
    EXPECT_FALSE(Editor().isVisible());
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_TRUE(prompts.shown.empty()) << Messages();
}

TEST_F(EditorWindowTest, IncludingModeAndTheRadioButtonsDefaults) {
    Shown();
    Type("Lime");
    EXPECT_EQ(Button("Button3")->text(), "&Include");
    EXPECT_FALSE(Button("Button4")->isEnabled());
    EXPECT_EQ(Edit("Edit1")->text(), "");
    EXPECT_EQ(Edit("Edit10")->text(), "...");

    Click("Button3");
    EXPECT_TRUE(prompts.shown.empty()) << Messages();
    for (const char* name : {"ComboBox1", "Label2", "Button3", "Button4", "Edit2", "Edit10"})
        EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
    for (const char* name : {"Label1", "RadioButton1", "RadioButton3", "Label9", "Edit1", "Button5",
                             "Button7", "Button9"})
        EXPECT_TRUE(Find<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(Button("Button7")->isDefault());
    EXPECT_FALSE(Button("Button3")->isDefault());

    Click("RadioButton3");
    const std::vector<std::pair<const char*, QString>> defaults = {
        {"Edit2", "2.391"},   {"Edit3", "176e-13"}, {"Edit4", "609e-11"}, {"Edit5", "171e-13"},
        {"Edit6", "390e-13"}, {"Edit7", "0.038"},   {"Edit8", "8.979"}};
    for (const auto& [name, text] : defaults) {
        EXPECT_TRUE(Edit(name)->isEnabled()) << name;
        EXPECT_EQ(Edit(name)->text(), text) << name;
    }
    EXPECT_TRUE(Edit("Edit10")->isEnabled());
    EXPECT_EQ(Edit("Edit10")->text(), "...") << "the dry values are left as they are";

    Click("RadioButton1");
    EXPECT_FALSE(Edit("Edit2")->isEnabled());
    EXPECT_EQ(Edit("Edit2")->text(), "...");
    EXPECT_EQ(Edit("Edit8")->text(), "...");
    EXPECT_FALSE(Edit("Edit11")->isEnabled());

    Click("Button9");
    EXPECT_FALSE(Including());
    EXPECT_TRUE(Box()->isEnabled());
    EXPECT_TRUE(Button("Button3")->isEnabled());
    EXPECT_FALSE(Button("Button4")->isEnabled()) << "a new name has nothing to remove";
    EXPECT_TRUE(Button("Button3")->isDefault());
}

TEST_F(EditorWindowTest, ClosingWhileIncludingReturnsToBrowsing) {
    Shown();
    Click("Button3");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Material already exists!\nChange his properties?");
    EXPECT_FALSE(Including()) << "answered No";
    prompts.answers = {true};
    Click("Button3");
    ASSERT_TRUE(Including());
    Click("RadioButton3");

    Editor().close();
    EXPECT_TRUE(owner.isEnabled());
    Shown();
    EXPECT_FALSE(Including());
    EXPECT_TRUE(Box()->isEnabled());
    EXPECT_TRUE(Find<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_FALSE(Edit("Edit2")->isEnabled());
    EXPECT_EQ(Button("Button3")->text(), "&Change");
    EXPECT_TRUE(Button("Button3")->isEnabled());
}

TEST_F(EditorWindowTest, RefusesEveryChangeWhileASimulationRuns) {
    simulations.SimulationStarted();
    Shown();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "There are simulations running!!!");
    EXPECT_EQ(prompts.shown[0].caption, "Porvap 2.0");
    EXPECT_TRUE(Button("Button3")->isHidden());
    EXPECT_TRUE(Button("Button4")->isHidden());

    const std::vector<CatalogEntry> before = catalog.Entries();
    Editor().Button4Click();
    Editor().Button1Click();
    EXPECT_EQ(catalog.Entries(), before);
    EXPECT_EQ(prompts.shown.size(), 3u);

    simulations.SimulationStopped();
    Editor().close();
    Shown();
    EXPECT_FALSE(Button("Button3")->isHidden());
    EXPECT_FALSE(Button("Button4")->isHidden());
}

TEST_F(EditorWindowTest, HelpOpensTheEditorsContext) {
    Shown();
    Click("Button8");
    EXPECT_EQ(prompts.helpContexts, std::vector<int>({1002}));
}

TEST_F(EditorWindowTest, BrowseOpensAFileInFileModeAndSavesOneInConstantMode) {
    Shown();
    prompts.answers = {true};
    Click("Button3");
    prompts.files = {std::string("/somewhere/other.dat")};
    Click("Button5");
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogs[0].directory, directories.FirstDirectory());
    EXPECT_EQ(prompts.dialogs[0].fileName, "brick.dat");
    EXPECT_EQ(prompts.dialogs[0].filters,
              std::vector<std::string>({"DAT files|*.dat", "All files|*.*"}));
    EXPECT_FALSE(prompts.dialogs[0].overwritePrompt);
    EXPECT_EQ(Edit("Edit1")->text(), "/somewhere/other.dat");

    Click("RadioButton3");
    Click("Button5");  // cancelled: the text stays
    ASSERT_EQ(prompts.dialogs.size(), 2u);
    EXPECT_TRUE(prompts.dialogs[1].overwritePrompt);
    EXPECT_EQ(Edit("Edit1")->text(), "/somewhere/other.dat");
    Click("Button9");
}

TEST_F(EditorWindowTest, NamesTheCatalogCannotHoldAreRefused) {
    Shown();
    Type("   ");
    Click("Button3");
    EXPECT_FALSE(Including());
    EXPECT_TRUE(prompts.shown.empty()) << Messages();

    Type(QString(40, 'x'));
    Click("Button3");
    EXPECT_TRUE(Including()) << "a name of 40 characters fills the name column";
    Click("Button9");

    Type(QString(41, 'x'));
    Click("Button3");
    EXPECT_FALSE(Including());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Error");
}

}  // namespace
}  // namespace porvap::test
