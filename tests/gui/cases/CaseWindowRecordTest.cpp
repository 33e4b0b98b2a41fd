#include <filesystem>

#include <QAbstractButton>

#include "CaseWindowFixture.h"
#include "core/cases/CaseFile.h"

namespace porvap::test {
namespace {

class CaseWindowRecordTest : public CaseWindowTest {
  protected:
    void Check(const char* name) { Find<QAbstractButton>(name)->click(); }

    // Every input away from its default, set the way the user sets it.
    void ChangeEveryInput() {
        Choose("ComboBox2", "Stone");
        Choose("ComboBox3", "Mortar");
        Choose("ComboBox4", "Brick");
        Edit("Edit16")->setText("7");
        Edit("Edit26")->setText("0.025");
        Edit("Edit18")->setText("3");
        const std::vector<std::pair<const char*, const char*>> texts = {
            {"Edit15", "45"},   {"Edit24", "-30"}, {"Edit33", "0.2"},      {"Edit34", "150e-12"},
            {"Edit35", "1e-9"}, {"Edit36", "0.7"}, {"Edit2", "  sul.pvh"}, {"Edit3", "room.pvh"},
            {"Edit4", "22.5"},  {"Edit5", "55"},   {"Edit1", "20"},        {"Edit6", "4.1"},
            {"Edit14", "1.5"},  {"Edit7", "900"},  {"Edit8", "1e-5"},      {"Edit9", "80"},
            {"Edit10", "12.5"}, {"Edit11", "3"},
        };
        for (const auto& [edit, text] : texts)
            Edit(edit)->setText(text);
        for (const char* box : {"CheckBox1", "RadioButton2", "CheckBox6", "CheckBox3",
                                "RadioButton14", "RadioButton5", "RadioButton10", "CheckBox2"})
            Check(box);
        ChooseDate("ComboBox1", "ComboBox9", "ComboBox10", "10", "02", "03");
        ChooseDate("ComboBox11", "ComboBox12", "ComboBox13", "20", "11", "21");
        ChooseDate("ComboBox22", "ComboBox23", "ComboBox24", "11", "02", "00");
        ChooseDate("ComboBox25", "ComboBox26", "ComboBox27", "19", "11", "05");
        Check("RadioButton12");
        ChooseDate("ComboBox14", "ComboBox15", "ComboBox16", "05", "03", "07");
        Click("Button16");
        ChooseDate("ComboBox14", "ComboBox15", "ComboBox16", "06", "04", "08");
        Click("Button16");
        Choose("ComboBox17", "15");
        Check("CheckBox11");
    }
};

// Guards the round trip below against a control it would not notice.
void ExpectEveryFieldChanged(const CaseRecord& r, const CaseRecord& d) {
    EXPECT_NE(r.layers, d.layers);
    for (auto field :
         {&CaseRecord::inclination, &CaseRecord::orientation, &CaseRecord::groundReflectance,
          &CaseRecord::externalPermeance, &CaseRecord::internalPermeance, &CaseRecord::absorptivity,
          &CaseRecord::externalFile, &CaseRecord::internalFile, &CaseRecord::internalTemperature,
          &CaseRecord::internalHumidity, &CaseRecord::externalCoefficient,
          &CaseRecord::internalCoefficient, &CaseRecord::airVelocity, &CaseRecord::timeStep,
          &CaseRecord::tolerance, &CaseRecord::maxIterations, &CaseRecord::moistureContent,
          &CaseRecord::plottingInterval})
        EXPECT_NE(r.*field, d.*field) << r.*field;
    for (auto field :
         {&CaseRecord::internalFromFile, &CaseRecord::naturalConvection, &CaseRecord::stepByStep,
          &CaseRecord::modelLevel, &CaseRecord::profilesByInterval, &CaseRecord::graphicalOutput,
          &CaseRecord::graph3Interval})
        EXPECT_NE(r.*field, d.*field);
    for (auto field : {&CaseRecord::mainlyHot, &CaseRecord::calculateExternal,
                       &CaseRecord::calculateInternal, &CaseRecord::profiles})
        EXPECT_NE(r.*field, d.*field);
    for (auto field : {&CaseRecord::start, &CaseRecord::finish, &CaseRecord::profileStart,
                       &CaseRecord::profileStop, &CaseRecord::datePicker})
        EXPECT_NE(r.*field, d.*field);
    EXPECT_NE(r.dates, d.dates);
}

TEST_F(CaseWindowRecordTest, EveryInputSurvivesACaseFile) {
    ChangeEveryInput();
    const CaseRecord captured = Window().CaptureCase();
    ExpectEveryFieldChanged(captured, DefaultCase("Brick"));
    EXPECT_EQ(captured.layers,
              (std::vector<CaseLayer>{
                  {"Stone", "7", "0.1"}, {"Mortar", "5", "0.025"}, {"Brick", "3", "0.1"}}));
    EXPECT_EQ(captured.dates, (std::vector<std::string>{"05/03 - 07", "06/04 - 08"}));
    EXPECT_EQ(captured.modelLevel, 2);
    EXPECT_EQ(captured.graph3Interval, 3);

    ASSERT_EQ(WriteCaseFile("case.sim", captured), 0);
    CaseRecord read;
    std::string message;
    ASSERT_EQ(ReadCaseFile("case.sim", read, message), 0) << message;
    CaseWindow* opened = host_.CreateCaseWindow("case.sim");
    opened->ApplyCase(read);
    EXPECT_EQ(opened->CaptureCase(), captured);
    EXPECT_TRUE(host_.prompts.shown.empty());
    EXPECT_TRUE(Find<QWidget>(*opened, "ListBox1")->isEnabled());
    EXPECT_TRUE(Find<QWidget>(*opened, "Edit14")->isEnabled());
    EXPECT_FALSE(Find<QWidget>(*opened, "ComboBox17")->isEnabled());
}

TEST_F(CaseWindowRecordTest, UnknownMaterialStopsTheLayersAtItsRow) {
    CaseRecord record = DefaultCase("Brick");
    record.layers = {{"stone", "4", "0.2"}, {"Granite", "2", "0.05"}, {"Mortar", "1", "0.01"}};
    Window().ApplyCase(record);
    ASSERT_EQ(host_.prompts.shown.size(), 1u);
    EXPECT_EQ(host_.prompts.shown[0].text, "Material not found");
    EXPECT_EQ(host_.prompts.shown[0].caption, "Granite");
    EXPECT_EQ(Window().CaptureCase().layers, (std::vector<CaseLayer>{{"Stone", "4", "0.2"}}));
    EXPECT_TRUE(List("ComboBox3")->isEnabled());
    EXPECT_EQ(List("ComboBox3")->currentIndex(), -1);
    EXPECT_FALSE(List("ComboBox4")->isEnabled());
}

// Row 0 always shows a material, so an unknown one there keeps the default and the
// later rows still come.
TEST_F(CaseWindowRecordTest, UnknownMaterialInTheFirstRowKeepsTheDefault) {
    CaseRecord record = DefaultCase("Granite");
    record.layers[0].sections = "8";
    record.layers.push_back({"Mortar", "2", "0.03"});
    Window().ApplyCase(record);
    ASSERT_EQ(host_.prompts.shown.size(), 1u);
    EXPECT_EQ(host_.prompts.shown[0].caption, "Granite");
    EXPECT_EQ(Window().CaptureCase().layers,
              (std::vector<CaseLayer>{{"Brick", "8", "0.1"}, {"Mortar", "2", "0.03"}}));
}

// Row 0 stays empty and row 1 disabled.
TEST_F(CaseWindowRecordTest, WithAnEmptyCatalogOnlyTheFirstLayerIsReported) {
    for (const char* name : {"Mortar", "Brick", "Stone"})
        host_.RemoveMaterial(name);
    CaseRecord record = DefaultCase("Brick");
    record.layers.push_back({"Stone", "1", "0.1"});
    record.timeStep = "60";
    Window().ApplyCase(record);
    ASSERT_EQ(host_.prompts.shown.size(), 1u);
    EXPECT_EQ(host_.prompts.shown[0].caption, "Brick");
    EXPECT_EQ(Edit("Edit7")->text(), "60");
    EXPECT_EQ(List("ComboBox2")->currentIndex(), -1);
    EXPECT_FALSE(List("ComboBox3")->isEnabled());
    EXPECT_EQ(Window().CaptureCase().layers.size(), 1u);
}

TEST_F(CaseWindowRecordTest, NoLayersLeaveTheNewWindowLayer) {
    CaseRecord record;
    record.layers.clear();
    Window().ApplyCase(record);
    EXPECT_EQ(Window().CaptureCase(), DefaultCase("Brick"));
}

TEST_F(CaseWindowRecordTest, PositionsOutsideTheirListsLeaveNoSelection) {
    CaseRecord record = DefaultCase("Brick");
    record.start = {40, 0, 0};
    record.finish = {30, 1, 23};  // the 31st of February
    record.datePicker = {0, 12, 0};
    record.graph3Interval = 9;
    Window().ApplyCase(record);
    const CaseRecord captured = Window().CaptureCase();
    EXPECT_EQ(captured.start, (DatePositions{-1, 0, 0}));
    EXPECT_EQ(captured.finish, (DatePositions{-1, 1, 23}));
    EXPECT_EQ(captured.datePicker.month, -1);
    EXPECT_EQ(captured.graph3Interval, -1);
    EXPECT_EQ(List("ComboBox1")->count(), 31);
    EXPECT_EQ(List("ComboBox11")->count(), 28);

    EXPECT_EQ(Window().ValidateAndSetUp(), -1);
    ASSERT_EQ(host_.prompts.shown.size(), 1u);
    EXPECT_EQ(host_.prompts.shown[0].text, "Invalid start day");
    EXPECT_EQ(CurrentPage(), "Simulation");
}

TEST_F(CaseWindowRecordTest, AppliedIntervalKeepsTheFinishAfterTheStart) {
    CaseRecord record = DefaultCase("Brick");
    record.start = {14, 5, 10};
    record.finish = {0, 2, 0};
    Window().ApplyCase(record);
    EXPECT_EQ(DateShown("ComboBox11", "ComboBox12", "ComboBox13"), "01/07 00");
}

TEST_F(CaseWindowRecordTest, SaveAsksForANameUntilTheCaseHasOne) {
    const std::string path = (scratch_.Path() / "wall.sim").string();
    host_.prompts.files = {path};
    Click("Button26");
    ASSERT_EQ(host_.prompts.dialogs.size(), 1u);
    const FileDialogRequest& request = host_.prompts.dialogs[0];
    EXPECT_EQ(request.fileName, "simul.sim");
    EXPECT_EQ(request.filters,
              (std::vector<std::string>{"Text files|*.txt", "Bitmaps|*.bmp", "Simulations|*.sim",
                                        "PNG images|*.png", "SVG drawings|*.svg", "CSV files|*.csv",
                                        "All files|*.*"}));
    EXPECT_EQ(request.filterIndex, 3);
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_EQ(request.directory, host_.directories.FirstDirectory());
    EXPECT_EQ(Window().windowTitle().toStdString(), path);

    Edit("Edit7")->setText("600");
    Click("Button26");
    EXPECT_EQ(host_.prompts.dialogs.size(), 1u);
    CaseRecord saved;
    std::string message;
    ASSERT_EQ(ReadCaseFile(path, saved, message), 0) << message;
    EXPECT_EQ(saved, Window().CaptureCase());
    EXPECT_TRUE(host_.prompts.shown.empty());
}

TEST_F(CaseWindowRecordTest, CancelledOrFailedSaveKeepsTheCaption) {
    host_.prompts.files = {std::nullopt, "missing/wall.sim"};
    Click("Button26");
    EXPECT_EQ(Window().windowTitle(), "Porvap 1");
    EXPECT_TRUE(host_.prompts.shown.empty());

    Click("Button26");
    EXPECT_EQ(Window().windowTitle(), "Porvap 1");
    ASSERT_EQ(host_.prompts.shown.size(), 1u);
    EXPECT_EQ(host_.prompts.shown[0].text, "File could not be opened");
    EXPECT_EQ(host_.prompts.shown[0].caption, "Error!");

    Click("Button26");
    EXPECT_EQ(host_.prompts.dialogs.size(), 3u);
}

TEST_F(CaseWindowRecordTest, SaveToACaptionThatCannotBeWrittenIsReported) {
    Window().setWindowTitle("missing/wall.sim");
    Click("Button26");
    EXPECT_TRUE(host_.prompts.dialogs.empty());
    ASSERT_EQ(host_.prompts.shown.size(), 1u);
    EXPECT_EQ(host_.prompts.shown[0].text, "File could not be opened");
    EXPECT_EQ(Window().windowTitle(), "missing/wall.sim");
}

}  // namespace
}  // namespace porvap::test
