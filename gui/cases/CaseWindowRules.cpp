#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "gui/cases/CaseWindow.h"

namespace porvap {

// Check boxes and radio buttons run their rules whenever their state changes, also when
// a case is applied; the rules only read states, so running one twice does no harm.
void CaseWindow::ConnectRules() {
    connect(c_.RadioButton1, &QRadioButton::toggled, this, &CaseWindow::RadioButton1Click);
    connect(c_.CheckBox6, &QCheckBox::toggled, this, &CaseWindow::CheckBox6Click);
    connect(c_.CheckBox3, &QCheckBox::toggled, this, &CaseWindow::CheckBox3Click);
    connect(c_.RadioButton13, &QRadioButton::toggled, this, &CaseWindow::RadioButton13Click);
    connect(c_.CheckBox2, &QCheckBox::toggled, this, &CaseWindow::CheckBox2Click);
    connect(c_.RadioButton11, &QRadioButton::toggled, this, &CaseWindow::RadioButton11Click);
    connect(c_.CheckBox11, &QCheckBox::toggled, this, &CaseWindow::CheckBox11Click);
    RadioButton1Click();
    CheckBox6Click();
    CheckBox3Click();
    CheckBox2Click();
    CheckBox11Click();
}

void CaseWindow::RadioButton1Click() {
    const bool fromFile = c_.RadioButton1->isChecked();
    c_.Edit3->setEnabled(fromFile);
    c_.Button14->setEnabled(fromFile);
    c_.constantConditions->setEnabled(!fromFile);
}

void CaseWindow::CheckBox6Click() {
    const bool computed = c_.CheckBox6->isChecked();
    c_.Edit1->setEnabled(!computed);
    c_.Edit1Label->setEnabled(!computed);
}

void CaseWindow::CheckBox3Click() {
    const bool computed = c_.CheckBox3->isChecked();
    c_.Edit6->setEnabled(!computed);
    c_.Edit6Label->setEnabled(!computed);
    c_.RadioButton13->setEnabled(computed);
    c_.RadioButton14->setEnabled(computed);
    if (!computed)
        c_.RadioButton13->setChecked(true);
    RadioButton13Click();
}

void CaseWindow::RadioButton13Click() {
    c_.airVelocity->setEnabled(c_.RadioButton14->isChecked());
}

void CaseWindow::CheckBox2Click() {
    const bool profiles = c_.CheckBox2->isChecked();
    if (profiles)
        c_.RadioButton11->setChecked(true);
    c_.RadioButton11->setEnabled(profiles);
    c_.RadioButton12->setEnabled(profiles);
    RadioButton11Click();
}

void CaseWindow::RadioButton11Click() {
    const bool profiles = c_.CheckBox2->isChecked();
    const bool byInterval = c_.RadioButton11->isChecked();
    c_.profileInterval->setEnabled(profiles && byInterval);
    c_.profileDates->setEnabled(profiles && !byInterval);
}

void CaseWindow::CheckBox11Click() {
    settings_.graphicalOutput = c_.CheckBox11->isChecked();
    c_.graph3Interval->setEnabled(settings_.graphicalOutput);
}

}  // namespace porvap
