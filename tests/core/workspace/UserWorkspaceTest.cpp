#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "TestSupport.h"
#include "core/workspace/UserWorkspace.h"

namespace porvap {
namespace {

namespace fs = std::filesystem;

// An installed program (prefix/bin, prefix/share/porvap/data holding a copy of data/), a home
// directory and a start directory without a catalog, all under a scratch directory.
class UserWorkspace : public ::testing::Test {
  protected:
    UserWorkspace() {
        fs::create_directories(Bin());
        fs::create_directories(Home());
        fs::create_directories(Start());
        fs::create_directories(Bundled().parent_path());
        fs::copy(test::SourcePath("data"), Bundled(), fs::copy_options::recursive);
    }

    fs::path Bin() const { return scratch_.Path() / "prefix" / "bin"; }
    fs::path Bundled() const { return scratch_.Path() / "prefix/share/porvap/data"; }
    fs::path Home() const { return scratch_.Path() / "home"; }
    fs::path Start() const { return scratch_.Path() / "start"; }
    fs::path Workspace() const { return Home() / "Porvap"; }

    StartPlaces Places() const { return {Start(), Bin(), "", Home().string()}; }

    // Every bundled file is in the workspace, with the bundled content.
    void ExpectCopyOfBundled() const {
        int files = 0;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(Bundled())) {
            if (!entry.is_regular_file())
                continue;
            ++files;
            const fs::path copy = Workspace() / fs::relative(entry.path(), Bundled());
            EXPECT_EQ(test::ReadFile(copy), test::ReadFile(entry.path())) << copy;
        }
        EXPECT_GT(files, 10);
    }

  private:
    test::ScratchDir scratch_;
};

TEST_F(UserWorkspace, FirstStartCopiesTheBundledDataAndALaterStartKeepsTheUsersFiles) {
    const WorkspaceChoice first = ChooseWorkspace(Places());
    EXPECT_EQ(first.error, "");
    EXPECT_EQ(first.directory, Workspace());
    ExpectCopyOfBundled();

    test::WriteFile(Workspace() / "materiais.cfg", "edited\n");
    test::WriteFile(Workspace() / "cases/default.sim", "mine\n");
    fs::remove(Workspace() / "cases/wall-level0.sim");
    const WorkspaceChoice later = ChooseWorkspace(Places());
    EXPECT_EQ(later.error, "");
    EXPECT_EQ(later.directory, Workspace());
    EXPECT_EQ(test::ReadFile(Workspace() / "materiais.cfg"), "edited\n");
    EXPECT_EQ(test::ReadFile(Workspace() / "cases/default.sim"), "mine\n");
    EXPECT_FALSE(fs::exists(Workspace() / "cases/wall-level0.sim"));
}

TEST_F(UserWorkspace, PreparingFillsInAroundFilesAlreadyThere) {
    fs::create_directories(Workspace() / "cases");
    test::WriteFile(Workspace() / "cases/default.sim", "mine\n");
    test::WriteFile(Workspace() / "notes.txt", "keep\n");
    EXPECT_EQ(ChooseWorkspace(Places()).directory, Workspace());
    EXPECT_EQ(test::ReadFile(Workspace() / "cases/default.sim"), "mine\n");
    EXPECT_EQ(test::ReadFile(Workspace() / "notes.txt"), "keep\n");
    EXPECT_EQ(test::ReadFile(Workspace() / "cases/wall-level5.sim"),
              test::ReadFile(Bundled() / "cases/wall-level5.sim"));
}

TEST_F(UserWorkspace, StartsWithACatalogOrWithoutInstalledDataStayWhereTheyAre) {
    test::WriteFile(Start() / "materiais.cfg", "");
    EXPECT_EQ(ChooseWorkspace(Places()).directory, fs::path());

    fs::remove(Start() / "materiais.cfg");
    fs::remove_all(Bundled());
    const WorkspaceChoice choice = ChooseWorkspace(Places());
    EXPECT_EQ(choice.directory, fs::path());
    EXPECT_EQ(choice.error, "");
    EXPECT_FALSE(fs::exists(Workspace()));
}

TEST_F(UserWorkspace, TheVariableNamesTheWorkspaceRelativeToTheStart) {
    StartPlaces places = Places();
    places.workspaceVariable = "../elsewhere";
    const fs::path expected = (Start() / "../elsewhere").lexically_normal();
    EXPECT_EQ(ChooseWorkspace(places).directory, expected);
    EXPECT_TRUE(fs::is_regular_file(expected / "materiais.cfg"));
    EXPECT_FALSE(fs::exists(Workspace()));

    places.workspaceVariable = "";
    places.home = "";
    const WorkspaceChoice nowhere = ChooseWorkspace(places);
    EXPECT_EQ(nowhere.directory, fs::path());
    EXPECT_NE(nowhere.error.find("HOME"), std::string::npos) << nowhere.error;
}

TEST_F(UserWorkspace, MissingBundledDataIsReported) {
    fs::remove(Bundled() / "materiais.cfg");
    const WorkspaceChoice choice = ChooseWorkspace(Places());
    EXPECT_EQ(choice.directory, fs::path());
    EXPECT_NE(choice.error.find((Bundled() / "materiais.cfg").string()), std::string::npos)
        << choice.error;
    EXPECT_NE(choice.error.find(Start().string()), std::string::npos) << choice.error;
    EXPECT_FALSE(fs::exists(Workspace()));
}

// Paths below a regular file cannot be created even by root, who ignores permissions.
TEST_F(UserWorkspace, AWorkspaceThatCannotBeWrittenIsReported) {
    StartPlaces places = Places();
    test::WriteFile(Home() / "file", "");
    places.workspaceVariable = (Home() / "file/Porvap").string();
    const WorkspaceChoice blocked = ChooseWorkspace(places);
    EXPECT_EQ(blocked.directory, fs::path());
    EXPECT_NE(blocked.error.find(places.workspaceVariable), std::string::npos) << blocked.error;

    // A copy that fails half-way leaves no catalog behind, so the next start tries again.
    fs::create_directories(Workspace());
    test::WriteFile(Workspace() / "Materials", "a file where a directory belongs\n");
    const WorkspaceChoice halfway = ChooseWorkspace(Places());
    EXPECT_EQ(halfway.directory, fs::path());
    EXPECT_NE(halfway.error.find("Materials"), std::string::npos) << halfway.error;
    EXPECT_FALSE(fs::exists(Workspace() / "materiais.cfg"));

    fs::remove(Workspace() / "Materials");
    EXPECT_EQ(ChooseWorkspace(Places()).directory, Workspace());
    ExpectCopyOfBundled();
}

TEST_F(UserWorkspace, EnteringChangesIntoThePreparedDirectory) {
    const fs::path target = Home() / "from-variable";
    ASSERT_EQ(setenv(kWorkspaceVariable, target.c_str(), 1), 0);
    fs::current_path(Start());
    const std::string error = EnterUserWorkspace(Bin());
    unsetenv(kWorkspaceVariable);
    EXPECT_EQ(error, "");
    EXPECT_TRUE(fs::equivalent(fs::current_path(), target));
    EXPECT_TRUE(fs::is_regular_file("materiais.cfg"));
}

}  // namespace
}  // namespace porvap
