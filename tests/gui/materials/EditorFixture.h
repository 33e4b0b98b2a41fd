#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

#include "TestSupport.h"
#include "core/common/Messages.h"
#include "core/materials/MaterialCatalog.h"
#include "core/materials/MaterialFile.h"
#include "core/workspace/DirectoryConfig.h"
#include "core/workspace/RunningSimulations.h"
#include "gui/materials/MaterialsEditor.h"
#include "gui/toolkit/ScriptedPrompter.h"

namespace porvap::test {

// A constant-property material file whose dry density tells it apart.
inline void WriteMaterial(const std::string& name, const std::string& path,
                          const std::string& density) {
    ConstantMaterialTexts texts = DefaultConstantMaterialTexts();
    texts.name = name;
    texts.density = density;
    ASSERT_TRUE(WriteConstantMaterialFile(texts, path));
}

// A scratch working directory with a catalog file of three materials (catalog order Mortar,
// Brick, Stone), loaded as the program loads it, and the editor over it. Every test ends by
// comparing the catalog with one loaded afresh from the catalog file.
class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteMaterial("Mortar", "mortar.dat", "2050.0");
        WriteMaterial("Brick", "brick.dat", "1800.0");
        WriteMaterial("Stone", "stone.dat", "2600.0");
        UseCatalog({{"Mortar", "mortar.dat"}, {"Brick", "brick.dat"}, {"Stone", "stone.dat"}});
    }

    void TearDown() override { ExpectCatalogMatchesItsFile(); }

    void UseCatalog(const std::vector<std::pair<std::string, std::string>>& entries) {
        std::string text;
        for (const auto& [name, path] : entries) {
            text += CatalogLine(name, path);
        }
        WriteFile(MaterialCatalog::kCatalogFile, text);
        catalog.FreeAllMaterials();
        RecordingMessageSink messages;
        catalog.LoadCatalog(messages);
        ASSERT_TRUE(messages.Messages().empty());
        directories.Read();
    }

    void ExpectCatalogMatchesItsFile() const {
        MaterialCatalog fresh;
        RecordingMessageSink messages;
        fresh.LoadCatalog(messages);
        EXPECT_TRUE(messages.Messages().empty());
        EXPECT_EQ(catalog.Entries(), fresh.Entries());
        ASSERT_EQ(catalog.Count(), catalog.EntryCount());
        ASSERT_EQ(catalog.Count(), fresh.Count());
        for (int k = 0; k < catalog.Count(); ++k) {
            EXPECT_EQ(catalog.Record(k)->FilePath(), fresh.Record(k)->FilePath());
            EXPECT_EQ(catalog.Record(k)->DryDensity(), fresh.Record(k)->DryDensity());
        }
    }

    MaterialsEditor& Editor() {
        if (!editor)
            editor = std::make_unique<MaterialsEditor>(catalog, directories, simulations, prompts,
                                                       &owner);
        return *editor;
    }

    MaterialsEditor& Shown() {
        Editor().show();
        return *editor;
    }

    template <class T>
    T* Find(const char* name) {
        T* control = Editor().findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QComboBox* Box() { return Find<QComboBox>("ComboBox1"); }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(name); }
    void Click(const char* name) { Find<QAbstractButton>(name)->click(); }

    QStringList Items() {
        QStringList items;
        for (int i = 0; i < Box()->count(); ++i) {
            items << Box()->itemText(i);
        }
        return items;
    }

    // The user picks a name from the list.
    void Pick(const QString& name) {
        const int index = Box()->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        Box()->setCurrentIndex(index);
        emit Box()->activated(index);
    }

    // The user types over the box's text.
    void Type(const QString& text) {
        Box()->lineEdit()->selectAll();
        QTest::keyClicks(Box()->lineEdit(), text);
    }

    // Types a new name and enters the including mode with constant properties.
    void StartConstantInclusion(const QString& name) {
        Type(name);
        Click("Button3");
        Click("RadioButton3");
    }

    std::string Messages() const {
        std::string text;
        for (const auto& shown : prompts.shown) {
            text += "[" + shown.caption + "] " + shown.text + "\n";
        }
        return text;
    }

    std::string CatalogFile() const { return ReadFile(MaterialCatalog::kCatalogFile); }

    bool Including() { return Button("Button7")->isEnabled(); }

    ScratchDir scratch;
    MaterialCatalog catalog;
    DirectoryConfig directories;
    SimulationCounter simulations;
    ScriptedPrompter prompts;
    QWidget owner;
    std::unique_ptr<MaterialsEditor> editor;
};

}  // namespace porvap::test
