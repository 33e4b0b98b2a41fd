#include "gui/toolkit/FormControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace porvap {

void SetHint(QWidget* control, const QString& hint) {
    control->setToolTip(hint);
    control->setStatusTip(hint);
}

QLineEdit* MakeEdit(const char* name, const QString& text, const QString& hint) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(name);
    SetHint(edit, hint);
    return edit;
}

QPushButton* MakeButton(const char* name, const QString& caption, const QString& hint) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    SetHint(button, hint);
    return button;
}

QCheckBox* MakeCheckBox(const char* name, const QString& caption, bool checked) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QRadioButton* MakeRadioButton(const char* name, const QString& caption, bool checked) {
    auto* button = new QRadioButton(caption);
    button->setObjectName(name);
    button->setChecked(checked);
    return button;
}

// Drop-down lists only offer their items; nothing can be typed.
QComboBox* MakeList(const char* name) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setEditable(false);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

QGroupBox* MakeGroup(const QString& title) {
    return new QGroupBox(title);
}

QLabel* MakeLabel(const QString& text) {
    return new QLabel(text);
}

}  // namespace porvap
