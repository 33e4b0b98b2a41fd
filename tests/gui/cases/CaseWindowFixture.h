#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "TestSupport.h"
#include "core/materials/MaterialCatalog.h"
#include "core/materials/MaterialFile.h"
#include "core/workspace/DirectoryConfig.h"
#include "core/workspace/RunningSimulations.h"
#include "gui/cases/CaseWindow.h"
#include "gui/cases/CaseWindowHost.h"
#include "gui/toolkit/ScriptedDesktop.h"
#include "gui/toolkit/ScriptedPrompter.h"

namespace porvap::test {

// First line of an external hourly file with wind (layout 3).
inline const std::string kWindClimateLine = "25.0 0.8 100.0 50.0 30.0 90.0 2.0 180.0 1 1 0\n";

// The main window as a case window sees it: a catalog, dialogs answered from a script,
// and the windows it was asked to create.
class FakeHost : public CaseWindowHost {
  public:
    const MaterialCatalog& Catalog() const override { return catalog; }
    const DirectoryConfig& Directories() const override { return directories; }
    SimulationCounter& Simulations() override { return simulations; }
    Prompter& Prompts() override { return prompts; }
    Desktop& DesktopServices() override { return desktop; }
    int& ProgressCounter() override { return progressCounter; }
    int ChildWindowCount() const override { return static_cast<int>(windows.size()); }
    CaseWindow* CreateCaseWindow(const std::string& caption) override {
        windows.push_back(std::make_unique<CaseWindow>(*this));
        windows.back()->setWindowTitle(QString::fromStdString(caption));
        windows.back()->show();
        return windows.back().get();
    }
    void OpenPsychrometricChart(const std::string& climateFile) override {
        charts.push_back(climateFile);
    }

    void AddMaterial(const std::string& name) {
        ConstantMaterialTexts texts = DefaultConstantMaterialTexts();
        texts.name = name;
        const std::string path = name + ".dat";
        ASSERT_TRUE(WriteConstantMaterialFile(texts, path));
        ASSERT_TRUE(LoadMaterialFile(catalog, path));
        catalog.AppendEntry(name, path);
        catalog.BuildMaterialNames();
    }

    void RemoveMaterial(const std::string& name) {
        const int k = catalog.FindMaterialByName(name);
        ASSERT_GE(k, 0);
        catalog.RemoveMaterialAt(k);
        catalog.RemoveEntryAt(k);
        catalog.BuildMaterialNames();
    }

    MaterialCatalog catalog;
    DirectoryConfig directories;
    SimulationCounter simulations;
    ScriptedPrompter prompts;
    ScriptedDesktop desktop;
    int progressCounter = 25;
    std::vector<std::unique_ptr<CaseWindow>> windows;
    std::vector<std::string> charts;
};

// A scratch working directory with three materials (catalog order Mortar, Brick, Stone)
// and the default external climate file.
class CaseWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"Mortar", "Brick", "Stone"})
            host_.AddMaterial(name);
        host_.directories.Read();
        std::filesystem::create_directory("BrazilianWeathers");
        WriteFile("BrazilianWeathers/floext.pvh", kWindClimateLine);
    }

    CaseWindow& Window() {
        if (host_.windows.empty())
            host_.CreateCaseWindow("Porvap 1");
        return *host_.windows.front();
    }

    // Shown, active and focusable, for the checks made when an edit is left.
    CaseWindow& ActiveWindow() {
        CaseWindow& window = Window();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return window;
    }

    template <class T>
    T* Find(const char* name) {
        return Find<T>(Window(), name);
    }

    template <class T>
    static T* Find(CaseWindow& window, const char* name) {
        T* control = window.findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
    QComboBox* List(const char* name) { return Find<QComboBox>(name); }

    // The user picks the item with this text.
    static void Choose(QComboBox* list, const QString& text) {
        const int index = list->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    void Choose(const char* list, const QString& text) { Choose(List(list), text); }

    // The user sets a date's day, month and hour lists, month first.
    void ChooseDate(const char* day, const char* month, const char* hour, const QString& dd,
                    const QString& mm, const QString& hh) {
        Choose(month, mm);
        Choose(day, dd);
        Choose(hour, hh);
    }

    QString DateShown(const char* day, const char* month, const char* hour) {
        return List(day)->currentText() + "/" + List(month)->currentText() + " " +
               List(hour)->currentText();
    }

    void Click(const char* button) { Find<QPushButton>(button)->click(); }

    QString CurrentPage() {
        auto* pages = Find<QTabWidget>("PageControl1");
        return pages->tabText(pages->currentIndex());
    }

    ScratchDir scratch_;
    FakeHost host_;
};

}  // namespace porvap::test
