#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/cases/CaseWindowControls.h"
#include "gui/cases/CaseWindowPages.h"
#include "gui/toolkit/FormControls.h"

namespace porvap {

namespace {

// The temperature and moisture of one climate at the current step of a paused run.
QGroupBox* ClimateGroup(const QString& title, QLabel*& temperature, const char* temperatureName,
                        QLabel*& moisture, const char* moistureName) {
    QGroupBox* group = MakeGroup(title);
    auto* form = new QFormLayout(group);
    temperature = MakeLabel(QStringLiteral("..."));
    temperature->setObjectName(temperatureName);
    moisture = MakeLabel(QStringLiteral("..."));
    moisture->setObjectName(moistureName);
    form->addRow(QObject::tr("Temp.:"), temperature);
    form->addRow(QObject::tr("Moist.:"), moisture);
    return group;
}

QGroupBox* GoToGroup(CaseWindowControls& c) {
    QGroupBox* group = MakeGroup(QObject::tr("Go to date..."));
    auto* grid = new QGridLayout(group);
    c.goTo = DateCombos("ComboBox19", "ComboBox20", "ComboBox21");
    c.Button28 = MakeButton("Button28", {});
    c.Button28->setIcon(c.Button28->style()->standardIcon(QStyle::SP_MediaSeekForward));
    grid->addWidget(c.goTo.Day(), 0, 0);
    grid->addWidget(c.goTo.Month(), 0, 1);
    grid->addWidget(c.goTo.Hour(), 1, 0);
    grid->addWidget(c.Button28, 1, 1);
    c.goToGroup = group;
    return group;
}

}  // namespace

QWidget* BuildButtonBar(CaseWindowControls& c) {
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    c.ProgressBar1 = new QProgressBar;
    c.ProgressBar1->setObjectName("ProgressBar1");
    c.ProgressBar1->setRange(0, 100);
    c.ProgressBar1->setValue(0);
    c.Button1 =
        MakeButton("Button1", QObject::tr("Run"), QObject::tr("Starts/Stops the simulation"));
    c.Button2 =
        MakeButton("Button2", QObject::tr("Clone"), QObject::tr("Creates a copy of this window"));
    c.Button26 = MakeButton("Button26", QObject::tr("Save"), QObject::tr("Saves this simulation"));
    c.Button8 = MakeButton("Button8", QObject::tr("Help"));
    layout->addWidget(c.ProgressBar1, 1);
    for (QPushButton* button : {c.Button1, c.Button2, c.Button26, c.Button8})
        layout->addWidget(button);
    return bar;
}

QWidget* BuildStepPanel(CaseWindowControls& c) {
    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    c.Panel5 = MakeLabel(QStringLiteral("01/01 - 00"));
    c.Panel5->setObjectName("Panel5");
    c.Panel5->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    c.Panel5->setAlignment(Qt::AlignCenter);
    c.BitBtn1 = MakeButton("BitBtn1", QObject::tr("Proceed"));
    c.BitBtn1->setDefault(true);
    c.BitBtn2 = MakeButton("BitBtn2", QObject::tr("Non-stop"));
    c.BitBtn3 = MakeButton("BitBtn3", QObject::tr("Abort"));
    column->addWidget(c.Panel5);
    column->addWidget(ClimateGroup(QObject::tr("Ext. climate"), c.externalTemperature, "Label34",
                                   c.externalMoisture, "Label35"));
    column->addWidget(ClimateGroup(QObject::tr("Int. climate"), c.internalTemperature, "Label38",
                                   c.internalMoisture, "Label39"));
    for (QPushButton* button : {c.BitBtn1, c.BitBtn2, c.BitBtn3}) {
        button->setEnabled(false);
        column->addWidget(button);
    }
    column->addWidget(GoToGroup(c));
    c.goToGroup->setEnabled(false);
    column->addStretch();
    return panel;
}

}  // namespace porvap
