#include "gui/materials/MaterialsEditor.h"

#include <initializer_list>
#include <optional>
#include <vector>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/common/InputText.h"
#include "core/common/TextFiles.h"
#include "core/materials/EditorMessages.h"
#include "core/materials/EditorRules.h"
#include "core/materials/MaterialCatalog.h"
#include "core/materials/MaterialFile.h"
#include "core/workspace/DirectoryConfig.h"
#include "gui/toolkit/Prompter.h"

// The including mode: a material's data from a property file or from constant values.

namespace porvap {

using namespace editor;

namespace {

constexpr const char* kAlreadyExists = "Material already exists!\nChange his properties?";
constexpr const char* kSelectFile = "Select a file";
constexpr const char* kOverwrite = "File already exists!\nOverwrite?";
constexpr const char* kInvalidProperties = "Invalid properties";
constexpr const char* kNotIncluded = "Material not included";

void SetEnabled(std::initializer_list<QWidget*> controls, bool enabled) {
    for (QWidget* control : controls) {
        control->setEnabled(enabled);
    }
}

}  // namespace

void MaterialsEditor::Button3Click() {
    if (CatalogLocked())
        return;
    c_.materialBox->setEditText(c_.materialBox->currentText().trimmed());
    const std::string name = BoxName();
    if (name.empty()) {
        c_.materialBox->setFocus();
        return;
    }
    if (const std::string problem = MaterialNameProblem(name); !problem.empty()) {
        prompts_.Show(problem, kErrorCaption);
        c_.materialBox->setFocus();
        return;
    }
    const int k = catalog_.FindMaterialByName(name);
    if (k >= 0 && !catalog_.Path(k).empty() && !prompts_.AskYesNo(kAlreadyExists, kNoticeCaption)) {
        c_.materialBox->setFocus();
        return;
    }
    SetEnabled({c_.materialBox, c_.materialLabel, c_.include, c_.remove}, false);
    SetEnabled({c_.sourceLabel, c_.fromFile, c_.constant}, true);
    RadioButton1Click();
    SetEnabled({c_.fileLabel, c_.file, c_.browse, c_.obtain, c_.cancel}, true);
    c_.include->setDefault(false);
    c_.obtain->setDefault(true);
    c_.file->setFocus();
}

void MaterialsEditor::RadioButton1Click() {
    const bool constant = ConstantMode();
    const ConstantMaterialTexts defaults = DefaultConstantMaterialTexts();
    const std::array<std::string, EditorControls::kPropertyCount> values{
        defaults.k,      defaults.dt,   defaults.dteta, defaults.dtv,
        defaults.dtetav, defaults.teta, defaults.slope};
    for (int i = 0; i < EditorControls::kPropertyCount; ++i) {
        c_.propertyLabels[i]->setEnabled(constant);
        c_.propertyEdits[i]->setEnabled(constant);
        c_.propertyEdits[i]->setText(constant ? QString::fromStdString(values[i]) : kNoValue);
    }
    for (int i = 0; i < EditorControls::kDryCount; ++i) {
        c_.dryLabels[i]->setEnabled(constant);
        c_.dryEdits[i]->setEnabled(constant);
    }
}

// A new constant-property file is saved, an existing property file is opened.
void MaterialsEditor::Button5Click() {
    FileDialogRequest request;
    request.directory = directories_.FirstDirectory();
    request.fileName = c_.file->text().toStdString();
    request.filters = {"DAT files|*.dat", "All files|*.*"};
    request.overwritePrompt = ConstantMode();
    const std::optional<std::string> chosen =
        ConstantMode() ? prompts_.ChooseFileToSave(request) : prompts_.ChooseFileToOpen(request);
    if (chosen)
        c_.file->setText(QString::fromStdString(*chosen));
}

void MaterialsEditor::Button7Click() {
    const std::string name = BoxName();
    const std::string file = TrimFileName(c_.file->text().toStdString());
    if (file.empty()) {
        prompts_.Show(kSelectFile, kErrorCaption);
        c_.file->setFocus();
        return;
    }
    if (ConstantMode() && !WriteConstantProperties(name, file))
        return;
    IncludeMaterial(name, file);
    Button9Click();
}

void MaterialsEditor::Button9Click() {
    CancelInclusion(true);
}

void MaterialsEditor::CancelInclusion(bool byButton) {
    SetEnabled({c_.materialBox, c_.materialLabel}, true);
    if (byButton) {
        c_.include->setEnabled(true);
        c_.remove->setEnabled(c_.include->text() == kChangeCaption);
    }
    c_.sourceLabel->setEnabled(false);
    c_.fromFile->setChecked(true);
    RadioButton1Click();
    SetEnabled({c_.fromFile, c_.constant, c_.fileLabel, c_.file, c_.browse, c_.obtain, c_.cancel},
               false);
    const int k = catalog_.FindMaterialByName(BoxName());
    c_.file->setText(QString::fromStdString(catalog_.Path(k)));
    c_.obtain->setDefault(false);
    c_.include->setDefault(true);
    c_.materialBox->setFocus();
}

bool MaterialsEditor::ConstantMode() const {
    return !c_.fromFile->isChecked();
}

bool MaterialsEditor::WriteConstantProperties(const std::string& name, const std::string& file) {
    if (QLineEdit* invalid = FirstInvalidValue()) {
        prompts_.Show(kInvalidProperties, kErrorCaption);
        invalid->setFocus();
        return false;
    }
    if (OpenDataFile(file) && !prompts_.AskYesNo(kOverwrite, kNoticeCaption))
        return false;
    ConstantMaterialTexts texts;
    texts.name = name;
    texts.density = c_.dryEdits[0]->text().toStdString();
    texts.porosity = c_.dryEdits[1]->text().toStdString();
    texts.specificHeat = c_.dryEdits[2]->text().toStdString();
    std::array<std::string*, EditorControls::kPropertyCount> properties{
        &texts.k, &texts.dt, &texts.dteta, &texts.dtv, &texts.dtetav, &texts.teta, &texts.slope};
    for (int i = 0; i < EditorControls::kPropertyCount; ++i) {
        *properties[i] = c_.propertyEdits[i]->text().toStdString();
    }
    if (!WriteConstantMaterialFile(texts, file)) {
        prompts_.Show(kInvalidProperties, kErrorCaption);
        return false;
    }
    return true;
}

// The writer would take a text that is not a number as 0.
QLineEdit* MaterialsEditor::FirstInvalidValue() const {
    std::vector<QLineEdit*> edits(c_.dryEdits.begin(), c_.dryEdits.end());
    edits.insert(edits.end(), c_.propertyEdits.begin(), c_.propertyEdits.end());
    for (QLineEdit* edit : edits) {
        if (!IsMaterialValue(edit->text().toStdString()))
            return edit;
    }
    return nullptr;
}

// The new file is loaded before the material it replaces is dropped, so a file that fails
// leaves the catalog, and the catalog file, exactly as they were.
void MaterialsEditor::IncludeMaterial(const std::string& name, const std::string& file) {
    if (!catalog_.CatalogFileWritable()) {
        prompts_.Show(kCatalogNotWritten, kErrorCaption);
        return;
    }
    const std::string path = CatalogPathFor(file, directories_.FirstDirectory());
    if (LoadMaterialFile(catalog_, path)) {
        catalog_.RemoveMaterialNamed(name);
        catalog_.AppendEntry(name, path);
        SaveChanges();
    } else {
        prompts_.Show(kNotIncluded, name);
    }
    ShowMaterialNamed(name);
}

}  // namespace porvap
