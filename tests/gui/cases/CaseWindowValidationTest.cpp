#include <functional>

#include <QAbstractButton>

#include "CaseWindowFixture.h"
#include "core/engine/SimulationEngine.h"

namespace porvap::test {
namespace {

class CaseWindowValidationTest : public CaseWindowTest {
  protected:
    // As the Run button does it.
    int Validate(CaseWindow& window) {
        ResetDefaults(window.Engine());
        return window.ValidateAndSetUp();
    }
    int Validate() { return Validate(Window()); }

    const MaterialRecord* Material(const char* name) {
        return host_.catalog.Record(host_.catalog.FindMaterialByName(name));
    }

    std::vector<const MaterialRecord*> EngineMaterials() {
        std::vector<const MaterialRecord*> materials;
        for (const Layer& layer : Window().Engine().layers)
            materials.push_back(layer.Material());
        return materials;
    }
};

TEST_F(CaseWindowValidationTest, RunAfterClearUsesTheMaterialShownInRowZero) {
    Choose("ComboBox2", "Stone");
    Choose("ComboBox3", "Mortar");
    Click("Button4");
    EXPECT_EQ(Validate(), 0);
    EXPECT_EQ(EngineMaterials(), (std::vector<const MaterialRecord*>{Material("Brick")}));
}

TEST_F(CaseWindowValidationTest, LayersComeFromTheRows) {
    Choose("ComboBox2", "Stone");
    Choose("ComboBox3", "Mortar");
    Edit("Edit17")->setText("3");
    Edit("Edit26")->setText("0.02");
    Choose("ComboBox4", "Brick");
    ASSERT_EQ(Validate(), 0);
    EXPECT_EQ(EngineMaterials(), (std::vector<const MaterialRecord*>{
                                     Material("Stone"), Material("Mortar"), Material("Brick")}));
    EXPECT_EQ(Window().Engine().layers[1].Sections(), 3);
    EXPECT_FLOAT_EQ(Window().Engine().layers[1].Thickness(), 0.02f);
    EXPECT_TRUE(host_.prompts.shown.empty());
    EXPECT_EQ(Window().Settings().runDays, 365);
}

struct Refusal {
    const char* what;
    std::function<void()> change;
    const char* message;
    const char* page;
    const char* control;
};

TEST_F(CaseWindowValidationTest, EachRefusalShowsItsPageAndFocusesItsControl) {
    auto type = [this](const char* edit, const char* text) { Edit(edit)->setText(text); };
    auto press = [this](const char* name) { Find<QAbstractButton>(name)->click(); };
    const std::vector<Refusal> refusals = {
        {"sections", [&] { type("Edit16", "0"); }, "Invalid number of sections", "Building element",
         "Edit16"},
        {"orientation", [&] { type("Edit24", "abc"); }, "Invalid building element orientation",
         "Building element", "Edit24"},
        {"absorptivity", [&] { type("Edit36", ""); }, "Invalid absortivity", "Building element",
         "Edit36"},
        {"blank file", [&] { type("Edit2", "   "); }, "Enter an external hourly file (.PVH)",
         "Weather", "Edit2"},
        {"missing file", [&] { type("Edit2", "missing.pvh"); }, "Invalid external hourly file",
         "Weather", "Edit2"},
        {"humidity",
         [&] {
             press("RadioButton2");
             type("Edit5", "100.5");
         },
         "Relative humidity out of range", "Weather", "Edit5"},
        {"external coefficient", [&] { type("Edit1", "0"); },
         "External convection coeficient less than zero", "Weather", "Edit1"},
        {"air velocity",
         [&] {
             press("CheckBox3");
             press("RadioButton14");
             type("Edit14", "-1");
         },
         "Invalid air velocity", "Weather", "Edit14"},
        {"time step", [&] { type("Edit7", "x"); }, "Invalid time step", "Simulation", "Edit7"},
        {"moisture", [&] { type("Edit10", "101"); }, "Humidity content out of range [0-100]",
         "Simulation", "Edit10"},
        {"plotting hours",
         [&] {
             press("CheckBox2");
             type("Edit11", "h");
         },
         "Invalid number of hours", "Report Opt.", "Edit11"},
        {"material gone",
         [&] {
             Choose("ComboBox3", "Mortar");
             host_.RemoveMaterial("Mortar");
         },
         "Material not found: Mortar", "Building element", "ComboBox3"},
    };
    for (const Refusal& r : refusals) {
        host_.windows.clear();
        host_.prompts.shown.clear();
        r.change();
        auto* pages = Find<QTabWidget>("PageControl1");
        pages->setCurrentIndex(std::string(r.page) == "Report Opt." ? 0 : 3);
        EXPECT_EQ(Validate(), -1) << r.what;
        ASSERT_EQ(host_.prompts.shown.size(), 1u) << r.what;
        EXPECT_EQ(host_.prompts.shown[0].text, r.message) << r.what;
        EXPECT_EQ(host_.prompts.shown[0].caption, "Error!") << r.what;
        EXPECT_FALSE(host_.prompts.shown[0].question) << r.what;
        EXPECT_EQ(CurrentPage().toStdString(), r.page) << r.what;
        EXPECT_EQ(Window().focusWidget(), Find<QWidget>(r.control)) << r.what;
    }
}

TEST_F(CaseWindowValidationTest, FileNamesAreWrittenBackTrimmed) {
    Edit("Edit2")->setText("  .\\BrazilianWeathers\\floext.pvh \t");
    Edit("Edit3")->setText(" room.pvh ");
    EXPECT_EQ(Validate(), 0);
    EXPECT_EQ(Edit("Edit2")->text(), ".\\BrazilianWeathers\\floext.pvh");
    EXPECT_EQ(Edit("Edit3")->text(), "room.pvh");
}

TEST_F(CaseWindowValidationTest, ProfileStartBeforeTheIntervalAsksAndYesMovesIt) {
    Find<QCheckBox>("CheckBox2")->click();
    Choose("ComboBox9", "02");
    EXPECT_EQ(Validate(), -1);
    ASSERT_EQ(host_.prompts.shown.size(), 1u);
    EXPECT_TRUE(host_.prompts.shown[0].question);
    EXPECT_EQ(host_.prompts.shown[0].caption, "Porvap 2.0");
    EXPECT_EQ(host_.prompts.shown[0].text,
              "Starting date of flow interval is less than starting date of simulation\n"
              "Change starting date of flow interval?");
    EXPECT_EQ(CurrentPage(), "Report Opt.");
    EXPECT_EQ(Window().focusWidget(), List("ComboBox22"));
    EXPECT_EQ(DateShown("ComboBox22", "ComboBox23", "ComboBox24"), "01/01 00");

    host_.prompts.answers = {true};
    EXPECT_EQ(Validate(), -1);
    EXPECT_EQ(DateShown("ComboBox22", "ComboBox23", "ComboBox24"), "01/02 00");
    EXPECT_EQ(Validate(), 0);
    EXPECT_EQ(Window().Settings().profileStart, "01/02 - 00");
    EXPECT_EQ(host_.prompts.shown.size(), 2u);
}

TEST_F(CaseWindowValidationTest, ProfileStopAfterTheIntervalAsksAndYesMovesIt) {
    ChooseDate("ComboBox11", "ComboBox12", "ComboBox13", "30", "11", "23");
    host_.prompts.answers = {true};
    EXPECT_EQ(Validate(), -1);
    ASSERT_EQ(host_.prompts.shown.size(), 1u);
    EXPECT_EQ(host_.prompts.shown[0].text,
              "Ending date of flow interval is bigger than ending date of simulation\n"
              "Change ending date of flow interval?");
    EXPECT_EQ(DateShown("ComboBox25", "ComboBox26", "ComboBox27"), "30/11 23");
    EXPECT_EQ(Validate(), 0);
}

// A corrected start beyond the profile stop takes the stop along, as choosing it would.
TEST_F(CaseWindowValidationTest, CorrectedProfileStartKeepsTheStopAfterIt) {
    Find<QCheckBox>("CheckBox2")->click();
    ChooseDate("ComboBox25", "ComboBox26", "ComboBox27", "15", "01", "00");
    Choose("ComboBox9", "02");
    host_.prompts.answers = {true};
    EXPECT_EQ(Validate(), -1);
    EXPECT_EQ(DateShown("ComboBox22", "ComboBox23", "ComboBox24"), "01/02 00");
    EXPECT_EQ(DateShown("ComboBox25", "ComboBox26", "ComboBox27"), "15/03 00");
    EXPECT_EQ(Validate(), 0);
    EXPECT_EQ(Window().Settings().profileDays, 42);
}

}  // namespace
}  // namespace porvap::test
