#include "MainWindowFixture.h"
#include "core/cases/CaseFile.h"
#include "gui/cases/CaseWindow.h"

namespace porvap::test {
namespace {

class CaseCommandsTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        CopyBundledData();
        Start();
    }

    std::string InScratch(const char* name) const { return (scratch.Path() / name).string(); }
};

CaseRecord TwoLayerWall() {
    CaseRecord record = DefaultCase("Solid clay brick");
    record.layers.push_back({"Mineral wool", "4", "0.05"});
    record.inclination = "45";
    record.dates = {"01/01 - 00", "15/06 - 12"};
    return record;
}

TEST_F(CaseCommandsTest, OpenShowsTheCaseInANewWindowCaptionedWithItsFullPath) {
    const CaseRecord record = TwoLayerWall();
    ASSERT_EQ(WriteCaseFile("wall.sim", record), 0);
    prompter.files.push_back("wall.sim");
    Action("FileOpenItem")->trigger();

    ASSERT_EQ(prompter.dialogs.size(), 1u);
    const FileDialogRequest& dialog = prompter.dialogs[0];
    EXPECT_EQ(dialog.filters,
              std::vector<std::string>({"All files (*.*)|*.*", "Porvap files (*.PVH)|*.pvh",
                                        "Simulation files (*.SIM)|*.sim"}));
    EXPECT_EQ(dialog.filterIndex, 3);
    EXPECT_EQ(dialog.directory, form->Directories().FirstDirectory());
    EXPECT_TRUE(prompter.shown.empty()) << Shown(0);
    ASSERT_EQ(form->ChildWindowCount(), 1);
    EXPECT_EQ(Captions(), QStringList({QString::fromStdString(InScratch("wall.sim"))}));
    ASSERT_NE(form->ActiveCaseWindow(), nullptr);
    EXPECT_EQ(form->ActiveCaseWindow()->CaptureCase(), record);
}

TEST_F(CaseCommandsTest, ACaseFileThatFailsToReadOpensNoWindow) {
    test::WriteFile("bad.sim", "#Simulation\n-1\n");
    prompter.files = {"bad.sim", "missing.sim", std::nullopt};
    for (int k = 0; k < 3; ++k) {
        Action("FileOpenItem")->trigger();
    }
    EXPECT_EQ(form->ChildWindowCount(), 0);
    ASSERT_EQ(prompter.shown.size(), 2u) << "a cancelled dialog shows nothing";
    EXPECT_EQ(Shown(0), "Invalid simulation file (2) | Error!");
    EXPECT_EQ(Shown(1), "File could not be opened for reading | Error!");
}

TEST_F(CaseCommandsTest, SaveAsNamesTheCaseAndSaveThenWritesToItSilently) {
    Action("FileNewItem")->trigger();
    Action("FileSaveItem")->trigger();  // a new case asks for a name; cancelled
    ASSERT_EQ(prompter.dialogs.size(), 1u);
    EXPECT_EQ(prompter.dialogs[0].fileName, "simul.sim");
    EXPECT_EQ(Captions(), QStringList({"Porvap 1"}));

    const std::string path = InScratch("saved.sim");
    prompter.files.push_back(path);
    Action("FileSaveAsItem")->trigger();
    ASSERT_EQ(prompter.dialogs.size(), 2u);
    EXPECT_EQ(prompter.dialogs[1].fileName, "simul.sim");
    EXPECT_EQ(prompter.dialogs[1].filterIndex, 3);
    EXPECT_EQ(Captions(), QStringList({QString::fromStdString(path)}));
    ASSERT_TRUE(std::filesystem::exists(path));

    std::filesystem::remove(path);
    Action("FileSaveItem")->trigger();
    EXPECT_EQ(prompter.dialogs.size(), 2u) << "Save asked again for a name";
    CaseRecord reread;
    std::string message;
    EXPECT_EQ(ReadCaseFile(path, reread, message), 0) << message;
    EXPECT_EQ(reread, form->ActiveCaseWindow()->CaptureCase());
    EXPECT_TRUE(prompter.shown.empty()) << Shown(0);
}

}  // namespace
}  // namespace porvap::test
