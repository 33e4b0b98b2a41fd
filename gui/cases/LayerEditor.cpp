#include "gui/cases/LayerEditor.h"

#include <algorithm>

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "core/common/InputText.h"
#include "core/materials/MaterialCatalog.h"
#include "gui/cases/EditExitCheck.h"
#include "gui/toolkit/FormControls.h"
#include "gui/toolkit/Prompter.h"

namespace porvap {

namespace {

struct RowNames {
    const char* material;
    const char* sections;
    const char* thickness;
    const char* erase;
};

constexpr std::array<RowNames, kMaxCaseLayers> kRowNames = {{
    {"ComboBox2", "Edit16", "Edit25", nullptr},
    {"ComboBox3", "Edit17", "Edit26", "Button5"},
    {"ComboBox4", "Edit18", "Edit27", "Button6"},
    {"ComboBox5", "Edit19", "Edit28", "Button7"},
    {"ComboBox6", "Edit20", "Edit29", "Button9"},
    {"ComboBox7", "Edit21", "Edit30", "Button10"},
    {"ComboBox8", "Edit22", "Edit31", "Button11"},
    {"ComboBox18", "Edit23", "Edit32", "Button27"},
}};

constexpr int kLastRow = kMaxCaseLayers - 1;
const char* const kDefaultSections = "5";
const char* const kDefaultThickness = "0.1";  // m
constexpr int kNumberWidth = 90;              // px, edits of sections and thickness

// Column headers wrap rather than widen the narrow window.
QLabel* Header(const QString& text) {
    QLabel* label = MakeLabel(text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return label;
}

}  // namespace

LayerEditor::LayerEditor(const MaterialCatalog& catalog, QWidget* parent)
    : QGroupBox(tr("Layers"), parent), catalog_(catalog) {
    BuildRows();
}

void LayerEditor::BuildRows() {
    auto* grid = new QGridLayout(this);
    grid->addWidget(Header(tr("Materials")), 0, 0);
    grid->addWidget(Header(tr("Number of sections")), 0, 1);
    grid->addWidget(Header(tr("Thickness of section (m)")), 0, 2);
    grid->addWidget(Header(tr("Erase section")), 0, 3);
    const QIcon eraseIcon = style()->standardIcon(QStyle::SP_DialogDiscardButton);
    for (int i = 0; i < kMaxCaseLayers; ++i) {
        Row& row = rows_[i];
        row.material = MakeList(kRowNames[i].material);
        row.material->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        row.sections = MakeEdit(kRowNames[i].sections, {});
        row.thickness = MakeEdit(kRowNames[i].thickness, {});
        row.sections->setFixedWidth(kNumberWidth);
        row.thickness->setFixedWidth(kNumberWidth);
        grid->addWidget(row.material, i + 1, 0);
        grid->addWidget(row.sections, i + 1, 1);
        grid->addWidget(row.thickness, i + 1, 2);
        connect(row.material, &QComboBox::activated, this, [this, i] { ChooseMaterial(i); });
        if (kRowNames[i].erase) {
            row.erase = MakeButton(kRowNames[i].erase, {}, tr("Erase this layer"));
            row.erase->setIcon(eraseIcon);
            row.erase->hide();
            grid->addWidget(row.erase, i + 1, 3, Qt::AlignLeft);
            connect(row.erase, &QPushButton::clicked, this, [this, i] { EraseLayer(i); });
        }
        SetRowEnabled(i, i < 2);
    }
    grid->addWidget(MakeLabel(tr("+ external")), 1, 4);
    grid->addWidget(MakeLabel(tr("+ internal")), kMaxCaseLayers, 4);
    grid->setColumnStretch(0, 1);
    grid->setRowMinimumHeight(kMaxCaseLayers + 1, 4);

    QPushButton* actualize =
        MakeButton("Button3", tr("Actualize"), tr("Reread recently added materials"));
    QPushButton* clear = MakeButton("Button4", tr("Clear"), tr("Clear the selected materials"));
    grid->addWidget(actualize, kMaxCaseLayers + 2, 1);
    grid->addWidget(clear, kMaxCaseLayers + 2, 2);
    connect(actualize, &QPushButton::clicked, this, &LayerEditor::Actualize);
    connect(clear, &QPushButton::clicked, this, &LayerEditor::Clear);
}

void LayerEditor::WatchEdits(EditExitCheck& checks) const {
    for (const Row& row : rows_) {
        checks.Watch(
            row.sections,
            [](const std::string& text) {
                int sections = 0;
                return ParseSectionCount(text, sections);
            },
            "Invalid number of sections");
        checks.Watch(
            row.thickness,
            [](const std::string& text) {
                float thickness = 0.0f;  // m
                return ParseThickness(text, thickness);
            },
            "Invalid thickness");
    }
}

int LayerEditor::LastRowInUse() const {
    return std::max(static_cast<int>(rowMaterials_.size()) - 1, 0);
}

void LayerEditor::InitLayerRows() {
    for (const Row& row : rows_)
        FillList(row.material);
    Row& first = rows_[0];
    first.material->setCurrentIndex(0);
    rows_[1].sections->clear();
    rows_[1].thickness->clear();
    rowMaterials_.clear();
    if (first.material->currentIndex() < 0) {
        SetRowEnabled(1, false);
    } else {
        rowMaterials_.push_back(first.material->currentText().toStdString());
        SetRowEnabled(1, true);
        first.sections->setText(kDefaultSections);
        first.thickness->setText(kDefaultThickness);
    }
    ShowEraseButtonOf(0);
}

void LayerEditor::ChooseMaterial(int row) {
    const Row& chosen = rows_[row];
    const int rowsInUse = static_cast<int>(rowMaterials_.size());
    if (chosen.material->currentIndex() < 0 || row > rowsInUse)
        return;
    if (chosen.sections->text().isEmpty())
        chosen.sections->setText(kDefaultSections);
    if (chosen.thickness->text().isEmpty())
        chosen.thickness->setText(kDefaultThickness);
    if (row < kLastRow)
        SetRowEnabled(row + 1, true);
    const std::string name = chosen.material->currentText().toStdString();
    if (row == rowsInUse) {
        rowMaterials_.push_back(name);
        ShowEraseButtonOf(row);
    } else {
        rowMaterials_[row] = name;
    }
}

void LayerEditor::EraseLayer(int row) {
    if (row < 1 || row != static_cast<int>(rowMaterials_.size()) - 1)
        return;
    if (row < kLastRow)
        EmptyRow(row + 1, false);
    EmptyRow(row, true);
    rowMaterials_.pop_back();
    ShowEraseButtonOf(row - 1);
}

// Row 0 stays enabled even when its material is gone, so that a material can be chosen.
void LayerEditor::Actualize() {
    rowMaterials_.clear();
    int row = 0;
    for (; row < kMaxCaseLayers; ++row) {
        QComboBox* list = rows_[row].material;
        const std::string shown =
            list->currentIndex() < 0 ? std::string() : list->currentText().toStdString();
        FillList(list);
        if (!SelectMaterial(row, shown))
            break;
        rowMaterials_.push_back(list->currentText().toStdString());
    }
    for (int empty = row; empty < kMaxCaseLayers; ++empty)
        EmptyRow(empty, empty == 0);
    ShowEraseButtonOf(LastRowInUse());
}

void LayerEditor::Clear() {
    for (int row = 2; row < kMaxCaseLayers; ++row)
        EmptyRow(row, false);
    InitLayerRows();
}

std::vector<CaseLayer> LayerEditor::Layers() const {
    std::vector<CaseLayer> layers;
    for (int i = 0; i <= LastRowInUse(); ++i) {
        const Row& row = rows_[i];
        const QString material =
            row.material->currentIndex() < 0 ? QString() : row.material->currentText();
        layers.push_back({material.toStdString(), row.sections->text().toStdString(),
                          row.thickness->text().toStdString()});
    }
    return layers;
}

void LayerEditor::ApplyLayers(const std::vector<CaseLayer>& layers, Prompter& prompts) {
    const std::size_t count = std::min<std::size_t>(layers.size(), kMaxCaseLayers);
    for (std::size_t i = 0; i < count; ++i) {
        const int row = static_cast<int>(i);
        const CaseLayer& layer = layers[i];
        if (!SelectMaterial(row, layer.material))
            prompts.Show("Material not found", layer.material);
        if (rows_[i].material->currentIndex() < 0)
            return;
        ChooseMaterial(row);
        rows_[i].sections->setText(QString::fromStdString(layer.sections));
        rows_[i].thickness->setText(QString::fromStdString(layer.thickness));
    }
}

// The lists are sorted, ignoring case, whatever the catalog's order.
void LayerEditor::FillList(QComboBox* list) const {
    QStringList names =
        QString::fromStdString(catalog_.NamesText()).split('\n', Qt::SkipEmptyParts);
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    list->clear();
    list->addItems(names);
    list->setCurrentIndex(-1);
}

void LayerEditor::EmptyRow(int row, bool enabled) {
    rows_[row].material->setCurrentIndex(-1);
    rows_[row].sections->clear();
    rows_[row].thickness->clear();
    SetRowEnabled(row, enabled);
}

void LayerEditor::SetRowEnabled(int row, bool enabled) {
    rows_[row].material->setEnabled(enabled);
    rows_[row].sections->setEnabled(enabled);
    rows_[row].thickness->setEnabled(enabled);
}

void LayerEditor::ShowEraseButtonOf(int row) {
    for (int i = 1; i < kMaxCaseLayers; ++i)
        rows_[i].erase->setVisible(i == row);
}

bool LayerEditor::SelectMaterial(int row, const std::string& name) {
    QComboBox* list = rows_[row].material;
    const int index = list->findText(QString::fromStdString(name), Qt::MatchFixedString);
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    return true;
}

}  // namespace porvap
