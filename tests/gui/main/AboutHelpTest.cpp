#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "MainWindowFixture.h"
#include "gui/main/AboutBox.h"
#include "gui/toolkit/HelpBrowser.h"

namespace porvap::test {
namespace {

using AboutHelpTest = MainWindowFixture;

HelpBrowser* ShownHelpBrowser() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* browser = qobject_cast<HelpBrowser*>(window); browser && browser->isVisible())
            return browser;
    }
    return nullptr;
}

TEST_F(AboutHelpTest, AboutBoxDisablesTheMainWindowUntilItIsClosed) {
    Start();
    Action("HelpAboutItem")->trigger();
    AboutBox& box = form->About();
    ASSERT_TRUE(box.isVisible());
    EXPECT_FALSE(form->isEnabled());
    EXPECT_TRUE(box.isEnabled());
    EXPECT_EQ(box.windowTitle(), "Porvap 2.0");
    EXPECT_EQ(box.findChild<QLabel*>("ProductName")->text(), "Porvap 2.0");
    EXPECT_EQ(box.findChild<QLabel*>("Version")->text(), "15/05/1999");
    EXPECT_EQ(box.findChild<QLabel*>("Comments")->text(), "English");
    auto* ok = box.findChild<QPushButton*>("OKButton");
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());

    ok->click();
    EXPECT_FALSE(box.isVisible());
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(AboutHelpTest, HelpCommandAsksForTheMainWindowContext) {
    Start();
    Action("Ajuda1")->trigger();
    EXPECT_EQ(prompter.helpContexts, std::vector<int>({1000}));
}

// The build copies the manual next to this test program, as it does for the program.
TEST_F(AboutHelpTest, ManualViewerOpensAtTheAnchorOfTheContext) {
    Start();
    form->ShowManual(1000);
    HelpBrowser* browser = ShownHelpBrowser();
    ASSERT_NE(browser, nullptr) << Shown(0);
    EXPECT_EQ(browser->Source().fragment(), "context-1000");
    form->ShowManual(1003);
    EXPECT_EQ(ShownHelpBrowser(), browser) << "one viewer serves every context";
    EXPECT_EQ(browser->Source().fragment(), "context-1003");
}

TEST(ManualLocation, NextToTheExecutableThenInTheSharedDataOfAnInstallation) {
    QTemporaryDir root;
    const QDir prefix(root.path());
    prefix.mkpath("bin");
    prefix.mkpath("share/porvap");
    const QString bin = prefix.filePath("bin");
    EXPECT_TRUE(LocateManual(bin).isEmpty());

    test::WriteFile(prefix.filePath("share/porvap/manual.html").toStdString(), "installed");
    EXPECT_EQ(LocateManual(bin),
              QFileInfo(prefix.filePath("share/porvap/manual.html")).canonicalFilePath());
    test::WriteFile(prefix.filePath("bin/manual.html").toStdString(), "built");
    EXPECT_EQ(LocateManual(bin), QFileInfo(prefix.filePath("bin/manual.html")).canonicalFilePath());
}

TEST(Manual, HasEveryHelpContextAndNeedsNothingFromOutside) {
    const std::string manual = test::ReadFile(test::SourcePath("docs/manual.html"));
    for (int context : {1000, 1002, 1003}) {
        const std::string anchor = "id=\"" + HelpAnchor(context).toStdString() + "\"";
        EXPECT_NE(manual.find(anchor), std::string::npos) << anchor;
    }
    for (const char* external : {"src=", "<link", "http:", "https:", "@import"}) {
        EXPECT_EQ(manual.find(external), std::string::npos) << external;
    }
}

}  // namespace
}  // namespace porvap::test
