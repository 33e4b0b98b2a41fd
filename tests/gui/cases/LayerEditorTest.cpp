#include <array>

#include "CaseWindowFixture.h"

namespace porvap::test {
namespace {

constexpr std::array<const char*, 8> kLists = {"ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5",
                                               "ComboBox6", "ComboBox7", "ComboBox8", "ComboBox18"};
constexpr std::array<const char*, 8> kSections = {"Edit16", "Edit17", "Edit18", "Edit19",
                                                  "Edit20", "Edit21", "Edit22", "Edit23"};
constexpr std::array<const char*, 8> kThicknesses = {"Edit25", "Edit26", "Edit27", "Edit28",
                                                     "Edit29", "Edit30", "Edit31", "Edit32"};
constexpr std::array<const char*, 8> kEraseButtons = {
    nullptr, "Button5", "Button6", "Button7", "Button9", "Button10", "Button11", "Button27"};

class LayerEditorTest : public CaseWindowTest {
  protected:
    bool RowEnabled(int row) {
        const bool list = List(kLists[row])->isEnabled();
        EXPECT_EQ(Edit(kSections[row])->isEnabled(), list) << row;
        EXPECT_EQ(Edit(kThicknesses[row])->isEnabled(), list) << row;
        return list;
    }

    bool RowEmpty(int row) {
        return List(kLists[row])->currentIndex() == -1 && Edit(kSections[row])->text().isEmpty() &&
               Edit(kThicknesses[row])->text().isEmpty();
    }

    // The row whose erase button shows, or 0 when none does.
    int EraseButtonShown() {
        int shown = 0;
        for (int row = 1; row < 8; ++row) {
            if (!Find<QPushButton>(kEraseButtons[row])->isHidden()) {
                EXPECT_EQ(shown, 0) << "second erase button in row " << row;
                shown = row;
            }
        }
        return shown;
    }

    // Rows enabled from row 0 on; every later row must be disabled.
    int EnabledRows() {
        int enabled = 0;
        while (enabled < 8 && RowEnabled(enabled))
            ++enabled;
        for (int row = enabled; row < 8; ++row)
            EXPECT_FALSE(RowEnabled(row)) << row;
        return enabled;
    }

    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const CaseLayer& layer : Window().CaptureCase().layers)
            names.push_back(layer.material);
        return names;
    }

    void ChooseRows(std::initializer_list<const char*> materials) {
        int row = 0;
        for (const char* material : materials)
            Choose(kLists[row++], material);
    }
};

TEST_F(LayerEditorTest, NewWindowShowsFirstSortedMaterialAndAnEmptySecondRow) {
    QComboBox* first = List("ComboBox2");
    ASSERT_EQ(first->count(), 3);
    EXPECT_EQ(first->itemText(0), "Brick");
    EXPECT_EQ(first->itemText(2), "Stone");
    EXPECT_EQ(first->currentText(), "Brick");
    EXPECT_EQ(Edit("Edit16")->text(), "5");
    EXPECT_EQ(Edit("Edit25")->text(), "0.1");
    EXPECT_TRUE(RowEmpty(1));
    EXPECT_EQ(EnabledRows(), 2);
    EXPECT_EQ(EraseButtonShown(), 0);
    EXPECT_EQ(Find<QWidget>("Button5")->toolTip(), "Erase this layer");
    EXPECT_EQ(Window().CaptureCase().layers, (std::vector<CaseLayer>{{"Brick", "5", "0.1"}}));
}

TEST_F(LayerEditorTest, ChoosingThreeRowsThenErasingTheLast) {
    ChooseRows({"Brick", "Mortar", "Stone"});
    EXPECT_EQ(EnabledRows(), 4);
    EXPECT_EQ(EraseButtonShown(), 2);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Brick", "Mortar", "Stone"}));
    EXPECT_EQ(Edit("Edit18")->text(), "5");
    EXPECT_EQ(Edit("Edit27")->text(), "0.1");

    Click("Button6");
    EXPECT_TRUE(RowEmpty(2));
    EXPECT_EQ(EnabledRows(), 3);
    EXPECT_EQ(EraseButtonShown(), 1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Brick", "Mortar"}));

    Click("Button5");
    EXPECT_EQ(EnabledRows(), 2);
    EXPECT_EQ(EraseButtonShown(), 0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Brick"}));
}

TEST_F(LayerEditorTest, ChangingAFilledRowReplacesOnlyItsName) {
    ChooseRows({"Brick", "Mortar", "Stone"});
    Edit("Edit16")->setText("9");
    Choose("ComboBox2", "Stone");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Stone", "Mortar", "Stone"}));
    EXPECT_EQ(Edit("Edit16")->text(), "9");
    EXPECT_EQ(EraseButtonShown(), 2);
    EXPECT_EQ(EnabledRows(), 4);
}

TEST_F(LayerEditorTest, AllEightRowsCanBeFilledAndTheLastEnablesNothing) {
    ChooseRows({"Brick", "Mortar", "Stone", "Brick", "Mortar", "Stone", "Brick", "Mortar"});
    EXPECT_EQ(EnabledRows(), 8);
    EXPECT_EQ(EraseButtonShown(), 7);
    EXPECT_EQ(Names().size(), 8u);
    Click("Button27");
    EXPECT_EQ(Names().size(), 7u);
    EXPECT_EQ(EnabledRows(), 8);
    EXPECT_TRUE(RowEmpty(7));
}

TEST_F(LayerEditorTest, ClearRestoresTheNewWindowRows) {
    ChooseRows({"Stone", "Mortar", "Stone", "Brick"});
    Edit("Edit16")->setText("12");
    Click("Button4");
    EXPECT_EQ(List("ComboBox2")->currentText(), "Brick");
    EXPECT_EQ(Edit("Edit16")->text(), "5");
    EXPECT_EQ(Edit("Edit25")->text(), "0.1");
    for (int row = 1; row < 8; ++row)
        EXPECT_TRUE(RowEmpty(row)) << row;
    EXPECT_EQ(EnabledRows(), 2);
    EXPECT_EQ(EraseButtonShown(), 0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Brick"}));
}

TEST_F(LayerEditorTest, ActualizeDropsTheRowsFromAVanishedMaterialOn) {
    ChooseRows({"Brick", "Mortar", "Stone"});
    host_.RemoveMaterial("Mortar");
    host_.AddMaterial("Wood");
    Click("Button3");
    EXPECT_EQ(List("ComboBox2")->currentText(), "Brick");
    EXPECT_EQ(List("ComboBox2")->findText("Wood"), 2);
    EXPECT_EQ(List("ComboBox2")->findText("Mortar"), -1);
    for (int row = 1; row < 8; ++row)
        EXPECT_TRUE(RowEmpty(row)) << row;
    EXPECT_EQ(EnabledRows(), 1);
    EXPECT_EQ(EraseButtonShown(), 0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Brick"}));

    // Choosing the last row's material again offers the next row.
    Choose("ComboBox2", "Wood");
    EXPECT_EQ(EnabledRows(), 2);
}

// Row 0 stays open for a new choice rather than leaving every row disabled.
TEST_F(LayerEditorTest, ActualizeAfterTheFirstRowsMaterialVanished) {
    ChooseRows({"Brick", "Mortar"});
    host_.RemoveMaterial("Brick");
    Click("Button3");
    EXPECT_TRUE(RowEmpty(0));
    EXPECT_EQ(EnabledRows(), 1);
    EXPECT_EQ(Window().CaptureCase().layers, (std::vector<CaseLayer>{{"", "", ""}}));
    Choose("ComboBox2", "Stone");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Stone"}));
    EXPECT_EQ(Edit("Edit16")->text(), "5");
    EXPECT_EQ(EnabledRows(), 2);
}

struct ExitCase {
    const char* edit;
    const char* text;
    const char* message;  // nullptr when accepted
};

TEST_F(LayerEditorTest, LeavingASectionOrThicknessEditChecksItsText) {
    const std::vector<ExitCase> cases = {
        {"Edit16", "0", "Invalid number of sections"},
        {"Edit16", "2.5", "Invalid number of sections"},
        {"Edit16", "-3", "Invalid number of sections"},
        {"Edit16", "", "Invalid number of sections"},
        {"Edit16", "12", nullptr},
        {"Edit25", "abc", "Invalid thickness"},
        {"Edit25", "0", "Invalid thickness"},
        {"Edit25", "-0.1", "Invalid thickness"},
        {"Edit25", "0.02", nullptr},
        {"Edit25", "1e-2", nullptr},
    };
    CaseWindow& window = ActiveWindow();
    QWidget* elsewhere = Find<QWidget>("Edit15");
    for (const ExitCase& c : cases) {
        host_.prompts.shown.clear();
        QLineEdit* edit = Edit(c.edit);
        edit->setFocus();
        edit->setText(c.text);
        elsewhere->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        if (!c.message) {
            EXPECT_TRUE(host_.prompts.shown.empty()) << c.edit << " '" << c.text << "'";
            EXPECT_EQ(window.focusWidget(), elsewhere);
            continue;
        }
        ASSERT_EQ(host_.prompts.shown.size(), 1u) << c.edit << " '" << c.text << "'";
        EXPECT_EQ(host_.prompts.shown[0].text, c.message);
        EXPECT_EQ(host_.prompts.shown[0].caption, "Error!");
        EXPECT_EQ(window.focusWidget(), edit) << c.edit << " '" << c.text << "'";
    }
}

// Going back to the refused edit passes through the empty edit the user tabbed into; that
// edit was never really left and must not be reported as well.
TEST_F(LayerEditorTest, ReturningTheFocusReportsOnlyTheEditLeft) {
    CaseWindow& window = ActiveWindow();
    Edit("Edit16")->setFocus();
    Edit("Edit16")->setText("0");
    Edit("Edit17")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QApplication::processEvents();
    ASSERT_EQ(host_.prompts.shown.size(), 1u);
    EXPECT_EQ(host_.prompts.shown[0].text, "Invalid number of sections");
    EXPECT_EQ(window.focusWidget(), Edit("Edit16"));
}

TEST_F(LayerEditorTest, LeavingForAnotherWindowIsNotLeavingTheEdit) {
    ActiveWindow();
    Edit("Edit16")->setFocus();
    Edit("Edit16")->setText("0");
    QLineEdit other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QApplication::processEvents();
    EXPECT_TRUE(host_.prompts.shown.empty());
}

// Erasing row 1 disables the empty row 2 under the focus: the focus moves on, but the
// user did not leave a field.
TEST_F(LayerEditorTest, AnEditDisabledUnderTheFocusIsNotChecked) {
    ChooseRows({"Brick", "Mortar"});
    ActiveWindow();
    Edit("Edit18")->setFocus();
    Click("Button5");
    QApplication::processEvents();
    EXPECT_FALSE(Edit("Edit18")->isEnabled());
    EXPECT_TRUE(host_.prompts.shown.empty());
}

}  // namespace
}  // namespace porvap::test
