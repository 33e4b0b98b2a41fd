#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>

#include "TestSupport.h"
#include "gui/main/MainWindow.h"
#include "gui/toolkit/ScriptedPrompter.h"

namespace porvap::test {

// A shown main window on scripted answers, in a scratch working directory.
class MainWindowFixture : public ::testing::Test {
  protected:
    void Start() {
        form = std::make_unique<MainWindow>(prompter);
        form->show();
    }

    // The bundled data (catalog, material files, climate files) in the working directory.
    void CopyBundledData() const {
        std::filesystem::copy(SourcePath("data"), scratch.Path(),
                              std::filesystem::copy_options::recursive);
    }

    QAction* Action(const char* name) const {
        auto* action = form->findChild<QAction*>(name);
        EXPECT_NE(action, nullptr) << name;
        return action;
    }

    template <class W = QWidget>
    W* Find(const char* name) const {
        auto* widget = form->findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QMdiArea& Area() const { return *form->findChild<QMdiArea*>("ClientArea"); }

    QStringList Captions() const {
        QStringList captions;
        for (const QMdiSubWindow* window : Area().subWindowList()) {
            captions << window->widget()->windowTitle();
        }
        return captions;
    }

    // Lets closed windows go.
    static void Settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::string Shown(std::size_t k) const {
        if (k >= prompter.shown.size())
            return "(nothing shown)";
        return prompter.shown[k].text + " | " + prompter.shown[k].caption;
    }

    ScratchDir scratch;
    ScriptedPrompter prompter;
    std::unique_ptr<MainWindow> form;
};

}  // namespace porvap::test
