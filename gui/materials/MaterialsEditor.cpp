#include "gui/materials/MaterialsEditor.h"

#include <algorithm>

#include <QComboBox>
#include <QHideEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QShowEvent>
#include <QStringList>

#include "core/materials/EditorMessages.h"
#include "core/materials/MaterialCatalog.h"
#include "core/workspace/RunningSimulations.h"
#include "gui/toolkit/Prompter.h"

namespace porvap {

using namespace editor;

namespace {

constexpr const char* kSimulationsRunning = "There are simulations running!!!";
constexpr const char* kRemove = "Remove material?";

// As the box lists them: ignoring case, then by case.
void SortNames(QStringList& names) {
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = QString::compare(a, b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
}

QString Fixed3(float value) {
    return QString::asprintf("%1.3f", value);
}

}  // namespace

MaterialsEditor::MaterialsEditor(MaterialCatalog& catalog, const DirectoryConfig& directories,
                                 const SimulationCounter& simulations, Prompter& prompts,
                                 QWidget* owner)
    : catalog_(catalog),
      directories_(directories),
      simulations_(simulations),
      prompts_(prompts),
      owner_(owner),
      c_(BuildEditorControls(*this)) {
    setObjectName("Form2");
    setWindowTitle(kCaption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // The program ends with its main window even while the editor is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    Connect();
}

void MaterialsEditor::Connect() {
    connect(c_.materialBox, &QComboBox::activated, this, &MaterialsEditor::ComboBox1Click);
    connect(c_.materialBox->lineEdit(), &QLineEdit::textEdited, this,
            &MaterialsEditor::ComboBox1KeyPress);
    connect(c_.include, &QPushButton::clicked, this, &MaterialsEditor::Button3Click);
    connect(c_.fromFile, &QRadioButton::clicked, this, &MaterialsEditor::RadioButton1Click);
    connect(c_.constant, &QRadioButton::clicked, this, &MaterialsEditor::RadioButton1Click);
    connect(c_.browse, &QPushButton::clicked, this, &MaterialsEditor::Button5Click);
    connect(c_.obtain, &QPushButton::clicked, this, &MaterialsEditor::Button7Click);
    connect(c_.cancel, &QPushButton::clicked, this, &MaterialsEditor::Button9Click);
    connect(c_.remove, &QPushButton::clicked, this, &MaterialsEditor::Button4Click);
    connect(c_.atualize, &QPushButton::clicked, this, &MaterialsEditor::Button1Click);
    connect(c_.exit, &QPushButton::clicked, this, &MaterialsEditor::Button2Click);
    connect(c_.help, &QPushButton::clicked, this, &MaterialsEditor::Button8Click);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &MaterialsEditor::Button8Click);
}

void MaterialsEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void MaterialsEditor::hideEvent(QHideEvent* event) {
    CancelInclusion(false);
    if (owner_)
        owner_->setEnabled(true);
    QDialog::hideEvent(event);
}

void MaterialsEditor::FormActivate() {
    if (owner_)
        owner_->setEnabled(false);
    FillMaterialBox();
    if (c_.materialBox->currentIndex() >= 0)
        ComboBox1Click();
    const bool changesAllowed = simulations_.RunningSimulations() < 1;
    if (!changesAllowed)
        prompts_.Show(kSimulationsRunning, kNoticeCaption);
    c_.include->setVisible(changesAllowed);
    c_.remove->setVisible(changesAllowed);
}

void MaterialsEditor::ComboBox1Click() {
    c_.remove->setEnabled(true);
    c_.include->setEnabled(true);
    c_.include->setText(kChangeCaption);
    int k = catalog_.FindMaterialByName(BoxName());
    if (k < 0 && c_.materialBox->count() > 0) {
        c_.materialBox->setCurrentIndex(0);
        k = catalog_.FindMaterialByName(BoxName());
    }
    if (k < 0)
        return;
    c_.file->setText(QString::fromStdString(catalog_.Path(k)));
    const MaterialRecord* record = catalog_.Record(k);
    c_.dryEdits[0]->setText(Fixed3(record->DryDensity()));
    c_.dryEdits[1]->setText(Fixed3(record->DryPorosity()));
    c_.dryEdits[2]->setText(Fixed3(record->SpecificHeat()));
}

void MaterialsEditor::ComboBox1KeyPress() {
    c_.include->setEnabled(true);
    c_.include->setText(kIncludeCaption);
    c_.remove->setEnabled(false);
    c_.file->clear();
    for (QLineEdit* edit : c_.dryEdits) {
        edit->setText(kNoValue);
    }
}

void MaterialsEditor::Button4Click() {
    if (CatalogLocked())
        return;
    if (!prompts_.AskYesNo(kRemove, kNoticeCaption)) {
        c_.materialBox->setFocus();
        return;
    }
    const int position = c_.materialBox->currentIndex();
    const int k = catalog_.FindMaterialByName(BoxName());
    if (k < 0)
        return;
    if (!catalog_.CatalogFileWritable()) {
        prompts_.Show(kCatalogNotWritten, kErrorCaption);
        return;
    }
    catalog_.RemoveMaterialNamed(catalog_.EntryName(k));
    SaveChanges();
    c_.materialBox->setCurrentIndex(std::min(position, c_.materialBox->count() - 1));
    if (c_.materialBox->currentIndex() < 0)
        ComboBox1KeyPress();
    else
        ComboBox1Click();
}

// Rereads the catalog file; the button is never shown.
void MaterialsEditor::Button1Click() {
    if (CatalogLocked())
        return;
    catalog_.FreeAllMaterials();
    catalog_.LoadCatalog(prompts_);
    FillMaterialBox();
}

void MaterialsEditor::Button2Click() {
    close();
}

void MaterialsEditor::Button8Click() {
    prompts_.OpenHelp(kHelpContext);
}

std::string MaterialsEditor::BoxName() const {
    return c_.materialBox->currentText().trimmed().toStdString();
}

// The running simulations use the catalog's records.
bool MaterialsEditor::CatalogLocked() {
    if (simulations_.RunningSimulations() < 1)
        return false;
    prompts_.Show(kSimulationsRunning, kNoticeCaption);
    return true;
}

void MaterialsEditor::ShowMaterialNamed(const std::string& name) {
    const QString text = QString::fromStdString(name);
    const int index = c_.materialBox->findText(text, Qt::MatchFixedString);
    if (index < 0) {
        c_.materialBox->setEditText(text);
        ComboBox1KeyPress();
        return;
    }
    c_.materialBox->setCurrentIndex(index);
    ComboBox1Click();
}

// The names text follows the box's sorted order.
void MaterialsEditor::SaveChanges() {
    if (!catalog_.SaveCatalog())
        prompts_.Show(kCatalogNotWritten, kErrorCaption);
    QStringList names;
    for (int k = 0; k < catalog_.EntryCount(); ++k) {
        names << QString::fromStdString(catalog_.EntryName(k));
    }
    SortNames(names);
    std::string text;
    for (const QString& name : names) {
        text += name.toStdString() + '\n';
    }
    catalog_.SetNamesText(text);
    FillMaterialBox();
}

void MaterialsEditor::FillMaterialBox() {
    QStringList names =
        QString::fromStdString(catalog_.NamesText()).split('\n', Qt::SkipEmptyParts);
    SortNames(names);
    c_.materialBox->clear();
    c_.materialBox->addItems(names);
    c_.materialBox->setCurrentIndex(names.isEmpty() ? -1 : 0);
}

}  // namespace porvap
