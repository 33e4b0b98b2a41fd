#include "gui/materials/MaterialsEditorForm.h"

#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/materials/MaterialFile.h"
#include "gui/toolkit/FormControls.h"

namespace porvap {
namespace {

constexpr const char* kDataHint = "Arquivo de propriedades do material";
constexpr const char* kNoValue = "...";
constexpr int kNameBoxWidth = 280;  // px
constexpr int kValueWidth = 110;    // px

struct Field {
    const char* caption;
    const char* labelName;
    const char* editName;
};

constexpr std::array<Field, EditorControls::kPropertyCount> kPropertyFields{{
    {"K", "Label10", "Edit2"},
    {"DT", "Label11", "Edit3"},
    {"DTeta", "Label12", "Edit4"},
    {"DTV", "Label13", "Edit5"},
    {"DTetaV", "Label14", "Edit6"},
    {"Teta", "Label15", "Edit7"},
    {"dTeta", "Label16", "Edit8"},
}};

constexpr std::array<Field, EditorControls::kDryCount> kDryFields{{
    {"Dry density", "Label17", "Edit10"},
    {"Dry porosity", "Label18", "Edit9"},
    {"Specific heat", "Label3", "Edit11"},
}};

QLabel* NamedLabel(const char* name, const QString& text, bool enabled) {
    QLabel* label = MakeLabel(text);
    label->setObjectName(name);
    label->setEnabled(enabled);
    return label;
}

QPushButton* Button(const char* name, const QString& caption, const QString& hint, bool enabled) {
    QPushButton* button = MakeButton(name, caption, hint);
    button->setEnabled(enabled);
    return button;
}

// A disabled value field and its label.
QLineEdit* ValueEdit(const Field& field, const QString& text, QLabel*& label) {
    label = NamedLabel(field.labelName, field.caption, false);
    QLineEdit* edit = MakeEdit(field.editName, text, kDataHint);
    edit->setEnabled(false);
    edit->setFixedWidth(kValueWidth);
    label->setBuddy(edit);
    return edit;
}

void CreateBrowsingControls(EditorControls& c) {
    c.materialLabel = NamedLabel("Label2", "Material:", true);
    c.materialBox = new QComboBox;
    c.materialBox->setObjectName("ComboBox1");
    c.materialBox->setEditable(true);
    c.materialBox->setInsertPolicy(QComboBox::NoInsert);
    c.materialBox->setMinimumWidth(kNameBoxWidth);
    SetHint(c.materialBox, "Lista de materiais");
    c.materialLabel->setBuddy(c.materialBox);
    c.include =
        Button("Button3", "&Include", "Include/Change material for use in simulations", true);
    c.include->setDefault(true);
    c.remove = Button("Button4", "&Remove", "Remove this material from Porvap 2.0", false);
    c.atualize = Button("Button1", "Atualize", {}, true);
    c.atualize->setVisible(false);
}

void CreateDataControls(EditorControls& c) {
    c.sourceLabel = NamedLabel("Label1", "Obtain material data from:", false);
    c.fromFile = MakeRadioButton("RadioButton1", "preexistent material file (.DAT)", true);
    c.fromFile->setEnabled(false);
    c.constant = MakeRadioButton("RadioButton3", "constant properties", false);
    c.constant->setEnabled(false);
    c.fileLabel = NamedLabel("Label9", "File:", false);
    c.file = MakeEdit("Edit1", {}, kDataHint);
    c.file->setEnabled(false);
    c.fileLabel->setBuddy(c.file);
    c.browse = Button("Button5", "&Browse...", "Procurar arquivo", false);
    for (int i = 0; i < EditorControls::kPropertyCount; ++i) {
        c.propertyEdits[i] = ValueEdit(kPropertyFields[i], kNoValue, c.propertyLabels[i]);
    }
    const ConstantMaterialTexts defaults = DefaultConstantMaterialTexts();
    const std::array<std::string, EditorControls::kDryCount> dry{
        defaults.density, defaults.porosity, defaults.specificHeat};
    for (int i = 0; i < EditorControls::kDryCount; ++i) {
        c.dryEdits[i] = ValueEdit(kDryFields[i], QString::fromStdString(dry[i]), c.dryLabels[i]);
    }
    c.obtain = Button("Button7", "&Obtain",
                      "Read data of this material and include it in Porvap 2.0", false);
    c.cancel = Button("Button9", "&Cancel", "Cancel inclusion of this material", false);
}

QHBoxLayout* BrowsingRow(const EditorControls& c) {
    auto* row = new QHBoxLayout;
    row->addWidget(c.materialLabel);
    row->addWidget(c.materialBox, 1);
    row->addWidget(c.include);
    row->addWidget(c.remove);
    row->addWidget(c.atualize);
    return row;
}

// Transport properties on the left; the isotherm and the dry material on the right.
QFrame* DataPanel(const EditorControls& c) {
    auto* panel = new QFrame;
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* grid = new QGridLayout(panel);
    grid->addWidget(c.sourceLabel, 0, 0, 1, 5);
    grid->addWidget(c.fromFile, 1, 0, 1, 2);
    grid->addWidget(c.constant, 1, 3, 1, 2);
    grid->addWidget(c.fileLabel, 2, 0);
    grid->addWidget(c.file, 2, 1, 1, 3);
    grid->addWidget(c.browse, 2, 4);
    constexpr int kFirstValueRow = 3;
    constexpr int kTransportCount = 5;
    for (int i = 0; i < kTransportCount; ++i) {
        grid->addWidget(c.propertyLabels[i], kFirstValueRow + i, 0);
        grid->addWidget(c.propertyEdits[i], kFirstValueRow + i, 1);
    }
    int row = kFirstValueRow;
    for (int i = kTransportCount; i < EditorControls::kPropertyCount; ++i, ++row) {
        grid->addWidget(c.propertyLabels[i], row, 3);
        grid->addWidget(c.propertyEdits[i], row, 4);
    }
    for (int i = 0; i < EditorControls::kDryCount; ++i, ++row) {
        grid->addWidget(c.dryLabels[i], row, 3);
        grid->addWidget(c.dryEdits[i], row, 4);
    }
    grid->setColumnMinimumWidth(2, kValueWidth / 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(c.obtain);
    buttons->addWidget(c.cancel);
    grid->addLayout(buttons, row, 0, 1, 5);
    return panel;
}

// The "Parede" page is kept but never shown.
QTabWidget* Pages(const EditorControls& c) {
    auto* pages = new QTabWidget;
    pages->setObjectName("PageControl1");
    auto* materials = new QWidget;
    materials->setObjectName("TabSheet1");
    auto* layout = new QVBoxLayout(materials);
    layout->addLayout(BrowsingRow(c));
    layout->addWidget(DataPanel(c));
    pages->addTab(materials, "Materials");
    auto* wall = new QWidget;
    wall->setObjectName("TabSheet2");
    pages->setTabVisible(pages->addTab(wall, "Parede"), false);
    return pages;
}

}  // namespace

EditorControls BuildEditorControls(QDialog& window) {
    EditorControls c;
    CreateBrowsingControls(c);
    CreateDataControls(c);
    c.exit = Button("Button2", "&Exit", "Close this window", true);
    c.help = Button("Button8", "&Help", {}, true);
    c.pages = Pages(c);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(c.help);
    bottom->addStretch();
    bottom->addWidget(c.exit);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(c.pages);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return c;
}

}  // namespace porvap
