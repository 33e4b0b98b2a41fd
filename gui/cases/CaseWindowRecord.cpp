#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "gui/cases/CaseWindow.h"
#include "gui/cases/CaseWindowHost.h"
#include "gui/cases/LayerEditor.h"

namespace porvap {

namespace {

std::string Text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

void SetText(QLineEdit* edit, const std::string& text) {
    edit->setText(QString::fromStdString(text));
}

int Flag(bool checked) {
    return checked ? 1 : 0;
}

// Checks the first button when the flag is 1, the second otherwise.
void CheckOne(int flag, QRadioButton* whenOne, QRadioButton* otherwise) {
    (flag == 1 ? whenOne : otherwise)->setChecked(true);
}

}  // namespace

CaseRecord CaseWindow::CaptureCase() const {
    CaseRecord r;
    r.layers = c_.layers->Layers();
    r.inclination = Text(c_.Edit15);
    r.orientation = Text(c_.Edit24);
    r.groundReflectance = Text(c_.Edit33);
    r.externalPermeance = Text(c_.Edit34);
    r.internalPermeance = Text(c_.Edit35);
    r.absorptivity = Text(c_.Edit36);
    r.internalFromFile = Flag(c_.RadioButton1->isChecked());
    r.externalFile = Text(c_.Edit2);
    r.mainlyHot = c_.CheckBox1->isChecked();
    r.internalFile = Text(c_.Edit3);
    r.internalTemperature = Text(c_.Edit4);
    r.internalHumidity = Text(c_.Edit5);
    r.calculateExternal = c_.CheckBox6->isChecked();
    r.externalCoefficient = Text(c_.Edit1);
    r.calculateInternal = c_.CheckBox3->isChecked();
    r.internalCoefficient = Text(c_.Edit6);
    r.airVelocity = Text(c_.Edit14);
    r.naturalConvection = Flag(c_.RadioButton13->isChecked());
    r.start = c_.start.Positions();
    r.finish = c_.finish.Positions();
    r.timeStep = Text(c_.Edit7);
    r.tolerance = Text(c_.Edit8);
    r.maxIterations = Text(c_.Edit9);
    r.stepByStep = Flag(c_.RadioButton10->isChecked());
    r.modelLevel = 5;
    for (int level = 4; level >= 0; --level) {
        if (c_.levels[level]->isChecked())
            r.modelLevel = level;
    }
    r.moistureContent = Text(c_.Edit10);
    r.profiles = c_.CheckBox2->isChecked();
    r.profilesByInterval = Flag(c_.RadioButton11->isChecked());
    r.plottingInterval = Text(c_.Edit11);
    r.profileStart = c_.profileStart.Positions();
    r.profileStop = c_.profileStop.Positions();
    r.datePicker = c_.picker.Positions();
    r.dates.clear();
    for (int i = 0; i < c_.ListBox1->count(); ++i)
        r.dates.push_back(c_.ListBox1->item(i)->text().toStdString());
    r.graphicalOutput = Flag(c_.CheckBox11->isChecked());
    r.graph3Interval = c_.ComboBox17->currentIndex();
    return r;
}

void CaseWindow::ApplyCase(const CaseRecord& r) {
    c_.layers->ApplyLayers(r.layers, host_.Prompts());

    SetText(c_.Edit15, r.inclination);
    SetText(c_.Edit24, r.orientation);
    SetText(c_.Edit33, r.groundReflectance);
    SetText(c_.Edit34, r.externalPermeance);
    SetText(c_.Edit35, r.internalPermeance);
    SetText(c_.Edit36, r.absorptivity);
    SetText(c_.Edit2, r.externalFile);
    c_.CheckBox1->setChecked(r.mainlyHot);

    CheckOne(r.internalFromFile, c_.RadioButton1, c_.RadioButton2);
    RadioButton1Click();

    SetText(c_.Edit3, r.internalFile);
    SetText(c_.Edit4, r.internalTemperature);
    SetText(c_.Edit5, r.internalHumidity);
    c_.CheckBox6->setChecked(r.calculateExternal);
    SetText(c_.Edit1, r.externalCoefficient);
    c_.CheckBox3->setChecked(r.calculateInternal);
    SetText(c_.Edit6, r.internalCoefficient);
    SetText(c_.Edit14, r.airVelocity);
    CheckBox3Click();
    if (c_.CheckBox3->isChecked()) {
        CheckOne(r.naturalConvection, c_.RadioButton13, c_.RadioButton14);
        RadioButton13Click();
    }

    c_.start.SetPositions(r.start);
    ComboBox9Change();
    c_.finish.SetPositions(r.finish);
    ComboBox12Change();

    SetText(c_.Edit7, r.timeStep);
    SetText(c_.Edit8, r.tolerance);
    SetText(c_.Edit9, r.maxIterations);
    const bool knownLevel = r.modelLevel >= 0 && r.modelLevel <= 4;
    c_.levels[knownLevel ? r.modelLevel : 5]->setChecked(true);
    CheckOne(r.stepByStep, c_.RadioButton10, c_.RadioButton9);

    SetText(c_.Edit10, r.moistureContent);
    c_.CheckBox2->setChecked(r.profiles);
    CheckBox2Click();
    if (c_.CheckBox2->isChecked()) {
        CheckOne(r.profilesByInterval, c_.RadioButton11, c_.RadioButton12);
        RadioButton11Click();
    }

    SetText(c_.Edit11, r.plottingInterval);
    c_.profileStart.SetPositions(r.profileStart);
    ComboBox23Change();
    c_.profileStop.SetPositions(r.profileStop);
    ComboBox26Change();
    c_.picker.SetPositions(r.datePicker);
    ComboBox15Change();

    for (const std::string& date : r.dates)
        c_.ListBox1->addItem(QString::fromStdString(date));

    c_.CheckBox11->setChecked(r.graphicalOutput != 0);
    c_.ComboBox17->setCurrentIndex(r.graph3Interval);
    CheckBox11Click();
}

}  // namespace porvap
