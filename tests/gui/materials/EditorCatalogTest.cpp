#include <filesystem>

#include "EditorFixture.h"

namespace porvap::test {
namespace {

using EditorCatalogTest = EditorTest;

std::string Absolute(const std::string& path) {
    return std::filesystem::absolute(path).string();
}

TEST_F(EditorCatalogTest, IncludesAFileOfTheFirstDirectoryByItsBareName) {
    WriteMaterial("Lime file", "lime.dat", "1600.0");
    const std::string before = CatalogFile();
    Shown();
    Type("  Lime  ");
    Click("Button3");
    prompts.files = {Absolute("lime.dat")};
    Click("Button5");
    Click("Button7");

    EXPECT_TRUE(prompts.shown.empty()) << Messages();
    EXPECT_EQ(catalog.Entries().back(), (CatalogEntry{"Lime", "lime.dat"}));
    EXPECT_EQ(catalog.Record(catalog.Count() - 1)->DryDensity(), 1600.0f);
    EXPECT_EQ(CatalogFile(), before + CatalogLine("Lime", "lime.dat"));
    EXPECT_EQ(Items(), QStringList({"Brick", "Lime", "Mortar", "Stone"}));
    EXPECT_EQ(catalog.NamesText(), "Brick\nLime\nMortar\nStone\n");
    EXPECT_EQ(Box()->currentText(), "Lime");
    EXPECT_EQ(Edit("Edit1")->text(), "lime.dat");
    EXPECT_EQ(Edit("Edit10")->text(), "1600.000");
    EXPECT_FALSE(Including());
    EXPECT_EQ(Button("Button3")->text(), "&Change");
    EXPECT_TRUE(Button("Button4")->isEnabled());
}

TEST_F(EditorCatalogTest, KeepsTheFullPathOfAFileElsewhere) {
    std::filesystem::create_directory("other");
    WriteMaterial("Lime file", "other/lime.dat", "1600.0");
    Shown();
    Type("Lime");
    Click("Button3");
    Edit("Edit1")->setText(QString::fromStdString(Absolute("other/lime.dat")));
    Click("Button7");
    EXPECT_EQ(catalog.Entries().back(), (CatalogEntry{"Lime", Absolute("other/lime.dat")}));
}

// The fixture's last check loads the catalog file again.
TEST_F(EditorCatalogTest, NamesThatFillTheColumnOrHoldAnEqualSignSurviveTheCatalogFile) {
    Shown();
    for (const QString& name : {QString("Gypsum=board"), QString(40, 'x')}) {
        Type(name);
        Click("Button3");
        Edit("Edit1")->setText("brick.dat");
        Click("Button7");
        EXPECT_EQ(catalog.Entries().back(), (CatalogEntry{name.toStdString(), "brick.dat"}));
    }
    EXPECT_TRUE(prompts.shown.empty()) << Messages();
}

TEST_F(EditorCatalogTest, ConstantPropertiesWriteANewFileAndIncludeIt) {
    Shown();
    StartConstantInclusion("Plaster");
    Edit("Edit10")->setText("1200");
    Edit("Edit9")->setText("0.3");
    Edit("Edit11")->setText("840");
    Edit("Edit2")->setText("0.5");
    Edit("Edit1")->setText("plaster.dat");
    Click("Button7");

    EXPECT_TRUE(prompts.shown.empty()) << Messages();
    ASSERT_EQ(catalog.Entries().back(), (CatalogEntry{"Plaster", "plaster.dat"}));
    const MaterialRecord* record = catalog.Record(catalog.Count() - 1);
    EXPECT_EQ(record->Name(), "Plaster");
    EXPECT_EQ(record->DryDensity(), 1200.0f);
    EXPECT_EQ(record->K().Get(0), 0.5f);
    EXPECT_EQ(record->K().Get(100), 0.5f);
    EXPECT_FALSE(Including());
}

TEST_F(EditorCatalogTest, ConstantPropertiesOverAnExistingFileAskFirst) {
    WriteFile("plaster.dat", "keep me\n");
    const std::vector<CatalogEntry> before = catalog.Entries();
    Shown();
    StartConstantInclusion("Plaster");
    for (const char* name : {"Edit10", "Edit9", "Edit11"})
        Edit(name)->setText("1");
    Edit("Edit1")->setText("plaster.dat");
    Click("Button7");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "File already exists!\nOverwrite?");
    EXPECT_TRUE(prompts.shown[0].question);
    EXPECT_EQ(ReadFile("plaster.dat"), "keep me\n");
    EXPECT_EQ(catalog.Entries(), before);
    EXPECT_TRUE(Including()) << "answered No: the user may pick another file";

    prompts.answers = {true};
    Click("Button7");
    EXPECT_EQ(prompts.shown.size(), 2u) << Messages();
    EXPECT_EQ(catalog.Entries().back(), (CatalogEntry{"Plaster", "plaster.dat"}));
    EXPECT_FALSE(Including());
}

TEST_F(EditorCatalogTest, MissingFileOrInvalidValuesStopBeforeAnythingIsWritten) {
    Shown();
    StartConstantInclusion("Plaster");
    Click("Button7");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Select a file");
    EXPECT_EQ(prompts.shown[0].caption, "Error");

    // A new name leaves the dry values at "...", which the writer would take as 0.
    Edit("Edit1")->setText("plaster.dat");
    Click("Button7");
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[1].text, "Invalid properties");
    EXPECT_EQ(prompts.shown[1].caption, "Error");

    for (const char* name : {"Edit10", "Edit9", "Edit11"})
        Edit(name)->setText("1");
    Edit("Edit3")->setText("1e999");
    Click("Button7");
    EXPECT_EQ(prompts.shown.size(), 3u);
    EXPECT_FALSE(std::filesystem::exists("plaster.dat"));
    EXPECT_EQ(catalog.FindMaterialByName("Plaster"), -1);
    EXPECT_TRUE(Including());
    Click("Button9");
}

TEST_F(EditorCatalogTest, FailedChangeKeepsTheMaterialWithItsOldFile) {
    WriteFile("broken.dat", "#Porvap file\nBroken\n1 2\n");
    const std::vector<CatalogEntry> entries = catalog.Entries();
    const MaterialRecord* brick = catalog.Record(catalog.FindMaterialByName("Brick"));
    const std::string file = CatalogFile();
    Shown();
    Pick("Brick");
    prompts.answers = {true};
    Click("Button3");
    Edit("Edit1")->setText("broken.dat");
    Click("Button7");

    ASSERT_EQ(prompts.shown.size(), 2u) << Messages();
    EXPECT_EQ(prompts.shown[1].text, "Material not included");
    EXPECT_EQ(prompts.shown[1].caption, "Brick");
    EXPECT_EQ(catalog.Entries(), entries);
    EXPECT_EQ(catalog.Record(catalog.FindMaterialByName("Brick")), brick);
    EXPECT_EQ(CatalogFile(), file);
    EXPECT_EQ(Box()->currentText(), "Brick");
    EXPECT_EQ(Edit("Edit1")->text(), "brick.dat");
    EXPECT_EQ(Button("Button3")->text(), "&Change");
    EXPECT_FALSE(Including());
}

TEST_F(EditorCatalogTest, ChangeReplacesTheFileAndPutsTheMaterialLast) {
    WriteMaterial("Brick", "brick2.dat", "1500.0");
    Shown();
    Type("BRICK");
    EXPECT_EQ(Button("Button3")->text(), "&Include");
    prompts.answers = {true};
    Click("Button3");
    Edit("Edit1")->setText("brick2.dat");
    Click("Button7");

    EXPECT_EQ(catalog.Entries(),
              (std::vector<CatalogEntry>{
                  {"Mortar", "mortar.dat"}, {"Stone", "stone.dat"}, {"BRICK", "brick2.dat"}}));
    EXPECT_EQ(catalog.Record(2)->DryDensity(), 1500.0f);
    EXPECT_EQ(Items(), QStringList({"BRICK", "Mortar", "Stone"}));
    EXPECT_EQ(Edit("Edit10")->text(), "1500.000");
}

TEST_F(EditorCatalogTest, RemovingTheLastItemSelectsTheNewLast) {
    Shown();
    Pick("Stone");
    Click("Button4");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Remove material?");
    EXPECT_EQ(catalog.Count(), 3) << "answered No";

    prompts.answers = {true};
    Click("Button4");
    EXPECT_EQ(catalog.Entries(),
              (std::vector<CatalogEntry>{{"Mortar", "mortar.dat"}, {"Brick", "brick.dat"}}));
    EXPECT_EQ(CatalogFile(),
              CatalogLine("Mortar", "mortar.dat") + CatalogLine("Brick", "brick.dat"));
    EXPECT_EQ(Items(), QStringList({"Brick", "Mortar"}));
    EXPECT_EQ(catalog.NamesText(), "Brick\nMortar\n");
    EXPECT_EQ(Box()->currentText(), "Mortar");
    EXPECT_EQ(Edit("Edit1")->text(), "mortar.dat");
    EXPECT_TRUE(Button("Button4")->isEnabled());
}

TEST_F(EditorCatalogTest, RemovingTheOnlyItemLeavesTheTypingState) {
    UseCatalog({{"Brick", "brick.dat"}});
    Shown();
    prompts.answers = {true};
    Click("Button4");
    EXPECT_EQ(catalog.Count(), 0);
    EXPECT_EQ(CatalogFile(), "");
    EXPECT_EQ(Box()->count(), 0);
    EXPECT_EQ(Button("Button3")->text(), "&Include");
    EXPECT_TRUE(Button("Button3")->isEnabled());
    EXPECT_FALSE(Button("Button4")->isEnabled());
    EXPECT_EQ(Edit("Edit1")->text(), "");
    EXPECT_EQ(Edit("Edit10")->text(), "...");
}

}  // namespace
}  // namespace porvap::test
