#include <initializer_list>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/cases/DateLists.h"
#include "gui/cases/CaseWindowControls.h"
#include "gui/cases/CaseWindowPages.h"
#include "gui/cases/LayerEditor.h"
#include "gui/toolkit/FormControls.h"

namespace porvap {

namespace {

constexpr int kNumberWidth = 80;  // px, edits of single numbers

QLineEdit* NumberEdit(const char* name, const QString& text, const QString& hint = {}) {
    QLineEdit* edit = MakeEdit(name, text, hint);
    edit->setFixedWidth(kNumberWidth);
    return edit;
}

// Controls side by side without margins, so that they can be switched as one.
QWidget* Line(std::initializer_list<QWidget*> parts) {
    auto* line = new QWidget;
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* part : parts)
        layout->addWidget(part);
    layout->addStretch();
    return line;
}

QWidget* Page(std::initializer_list<QWidget*> rows) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (QWidget* row : rows)
        layout->addWidget(row);
    layout->addStretch();
    return page;
}

// Captions above the day, month and hour lists of the dates below them, at grid row 0.
void AddDateHeaders(QGridLayout* grid, int column) {
    grid->addWidget(MakeLabel(QObject::tr("Day / Month")), 0, column, 1, 2);
    grid->addWidget(MakeLabel(QObject::tr("Hour")), 0, column + 2);
}

void AddDate(QGridLayout* grid, int row, int column, const QString& caption,
             const DateCombos& date) {
    if (!caption.isEmpty())
        grid->addWidget(MakeLabel(caption), row, column - 1);
    grid->addWidget(date.Day(), row, column);
    grid->addWidget(date.Month(), row, column + 1);
    grid->addWidget(date.Hour(), row, column + 2);
}

QGroupBox* DataGroup(CaseWindowControls& c) {
    QGroupBox* group = MakeGroup(QObject::tr("Data"));
    auto* form = new QFormLayout(group);
    c.Edit15 = NumberEdit("Edit15", "90", QObject::tr("90 - Vertical / 0 - Horizontal"));
    c.Edit24 = NumberEdit("Edit24", "0", QObject::tr("0 - South / 90 - East"));
    c.Edit33 = NumberEdit("Edit33", "0");
    form->addRow(QObject::tr("Inclination to the horiz. (deg)"), c.Edit15);
    form->addRow(QObject::tr("Orientation to south (degrees)"), c.Edit24);
    form->addRow(QObject::tr("Ground reflectance"), c.Edit33);
    return group;
}

QGroupBox* PaintGroup(CaseWindowControls& c) {
    QGroupBox* group = MakeGroup(QObject::tr("Paint"));
    auto* form = new QFormLayout(group);
    c.Edit34 = NumberEdit("Edit34", "200e-12");
    c.Edit35 = NumberEdit("Edit35", "900e-12");
    c.Edit36 = NumberEdit("Edit36", "0.35");
    form->addRow(MakeLabel(QObject::tr("Permeance [ ng/(Pa-m2-s) ]")));
    form->addRow(QObject::tr("external:"), c.Edit34);
    form->addRow(QObject::tr("internal:"), c.Edit35);
    form->addRow(QObject::tr("Absortivity"), c.Edit36);
    return group;
}

QGroupBox* ExternalClimateGroup(CaseWindowControls& c) {
    QGroupBox* group = MakeGroup(QObject::tr("External climate"));
    auto* grid = new QGridLayout(group);
    c.Edit2 = MakeEdit("Edit2", ".\\BrazilianWeathers\\floext.pvh");
    c.Button12 =
        MakeButton("Button12", QObject::tr("Browse..."), QObject::tr("Search PVH file in disk"));
    c.Button13 = MakeButton("Button13", QObject::tr("Visualize..."),
                            QObject::tr("Open psychromethric chart with selected PVH file"));
    c.CheckBox1 = MakeCheckBox("CheckBox1", QObject::tr("Mainly hot"), true);
    grid->addWidget(MakeLabel(QObject::tr("Hourly file:")), 0, 0);
    grid->addWidget(c.Edit2, 0, 1, 1, 3);
    grid->addWidget(c.CheckBox1, 1, 1);
    grid->addWidget(c.Button12, 1, 2);
    grid->addWidget(c.Button13, 1, 3);
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* InternalConditionsGroup(CaseWindowControls& c) {
    QGroupBox* group = MakeGroup(QObject::tr("Internal conditions"));
    auto* grid = new QGridLayout(group);
    c.RadioButton1 = MakeRadioButton("RadioButton1", QObject::tr("Hourly file:"), true);
    c.Edit3 = MakeEdit("Edit3", ".\\InternalConditions(0HeatGain)\\FLOint0g.pvh");
    c.Button14 = MakeButton("Button14", QObject::tr("Browse..."));
    c.RadioButton2 = MakeRadioButton("RadioButton2", QObject::tr("Constant conditions"), false);
    c.Edit4 = NumberEdit("Edit4", "25");
    c.Edit5 = NumberEdit("Edit5", "80.0");
    c.constantConditions =
        Line({MakeLabel(QObject::tr("Temperature:")), c.Edit4, MakeLabel(QObject::tr("oC")),
              MakeLabel(QObject::tr("Relative humidity:")), c.Edit5, MakeLabel(QObject::tr("%"))});
    grid->addWidget(c.RadioButton1, 0, 0);
    grid->addWidget(c.Edit3, 0, 1);
    grid->addWidget(c.Button14, 0, 2);
    grid->addWidget(c.RadioButton2, 1, 0);
    grid->addWidget(c.constantConditions, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* ConvectionGroup(CaseWindowControls& c) {
    QGroupBox* group = MakeGroup(QObject::tr("Thermal convection coeficients"));
    auto* grid = new QGridLayout(group);
    c.CheckBox6 = MakeCheckBox("CheckBox6", QObject::tr("Calculate external coeficient"), false);
    c.Edit1 = NumberEdit("Edit1", "12.4");
    c.Edit1Label = MakeLabel(QObject::tr("Coeficient:"));
    c.CheckBox3 = MakeCheckBox("CheckBox3", QObject::tr("Calculate internal coeficient"), false);
    c.Edit6 = NumberEdit("Edit6", "3.6");
    c.Edit6Label = MakeLabel(QObject::tr("Coeficient:"));
    c.RadioButton13 = MakeRadioButton("RadioButton13", QObject::tr("Use natural coeficient"), true);
    c.RadioButton14 = MakeRadioButton("RadioButton14", QObject::tr("Use forced coeficient"), false);
    c.Edit14 = NumberEdit("Edit14", "0.5");
    c.airVelocity =
        Line({MakeLabel(QObject::tr("Air volocity:")), c.Edit14, MakeLabel(QObject::tr("m/s"))});
    grid->addWidget(c.CheckBox6, 0, 0, 1, 2);
    grid->addWidget(c.Edit1Label, 1, 0);
    grid->addWidget(c.Edit1, 1, 1, Qt::AlignLeft);
    grid->addWidget(c.CheckBox3, 0, 2, 1, 2);
    grid->addWidget(c.Edit6Label, 1, 2);
    grid->addWidget(c.Edit6, 1, 3, Qt::AlignLeft);
    grid->addWidget(c.RadioButton13, 2, 2, 1, 2);
    grid->addWidget(c.RadioButton14, 3, 2, 1, 2);
    grid->addWidget(c.airVelocity, 4, 2, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox* IntervalGroup(CaseWindowControls& c) {
    QGroupBox* group = MakeGroup(QObject::tr("Desired interval"));
    auto* grid = new QGridLayout(group);
    c.start = DateCombos("ComboBox1", "ComboBox9", "ComboBox10");
    c.finish = DateCombos("ComboBox11", "ComboBox12", "ComboBox13");
    c.Button15 = MakeButton("Button15", QObject::tr("Restore"),
                            QObject::tr("Set interval do initial state"));
    AddDateHeaders(grid, 1);
    AddDate(grid, 1, 1, QObject::tr("Start:"), c.start);
    AddDate(grid, 2, 1, QObject::tr("Finish:"), c.finish);
    grid->addWidget(c.Button15, 3, 1, 1, 3);
    return group;
}

QGroupBox* ParametersGroup(CaseWindowControls& c) {
    QGroupBox* group = MakeGroup(QObject::tr("Parameters"));
    auto* form = new QFormLayout(group);
    c.Edit7 = NumberEdit("Edit7", "3600");
    c.Edit8 = NumberEdit("Edit8", "1e-3");
    c.Edit9 = NumberEdit("Edit9", "150");
    form->addRow(QObject::tr("Time step:"), Line({c.Edit7, MakeLabel(QObject::tr("seconds"))}));
    form->addRow(QObject::tr("Convergence criteria:"), c.Edit8);
    form->addRow(QObject::tr("Max.number of iterations:"), c.Edit9);
    return group;
}

QGroupBox* ModelGroup(CaseWindowControls& c) {
    static constexpr std::array<const char*, 6> kNames = {"RadioButton3", "RadioButton4",
                                                          "RadioButton5", "RadioButton6",
                                                          "RadioButton7", "RadioButton8"};
    const std::array<QString, 6> captions = {QObject::tr("Level 0 (more complex)"),
                                             QObject::tr("Level 1"),
                                             QObject::tr("Level 2"),
                                             QObject::tr("Level 3"),
                                             QObject::tr("Level 4"),
                                             QObject::tr("Level 5 (more simple)")};
    QGroupBox* group = MakeGroup(QObject::tr("Model"));
    auto* column = new QVBoxLayout(group);
    column->addWidget(MakeLabel(QObject::tr("Level of simplification")));
    for (std::size_t level = 0; level < kNames.size(); ++level) {
        c.levels[level] = MakeRadioButton(kNames[level], captions[level], level == 5);
        column->addWidget(c.levels[level]);
    }
    return group;
}

QGroupBox* ExecutionGroup(CaseWindowControls& c) {
    QGroupBox* group = MakeGroup(QObject::tr("Execution"));
    auto* column = new QVBoxLayout(group);
    c.RadioButton9 = MakeRadioButton("RadioButton9", QObject::tr("Normal"), true);
    c.RadioButton10 = MakeRadioButton("RadioButton10", QObject::tr("Step by step"), false);
    column->addWidget(c.RadioButton9);
    column->addWidget(c.RadioButton10);
    return group;
}

QGroupBox* MoistureGroup(CaseWindowControls& c) {
    QGroupBox* group = MakeGroup(QObject::tr("Moisture content"));
    auto* column = new QVBoxLayout(group);
    c.Edit10 = NumberEdit("Edit10", "00.0");
    column->addWidget(Line({c.Edit10, MakeLabel(QObject::tr("%"))}));
    column->addWidget(MakeLabel(QObject::tr("(Used in models 3, 4 e 5)")));
    return group;
}

QWidget* ProfileIntervalControls(CaseWindowControls& c) {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    c.Edit11 = NumberEdit("Edit11", "6");
    c.Edit11->setFixedWidth(kNumberWidth / 2);
    c.profileStart = DateCombos("ComboBox22", "ComboBox23", "ComboBox24");
    c.profileStop = DateCombos("ComboBox25", "ComboBox26", "ComboBox27");
    AddDateHeaders(grid, 1);
    AddDate(grid, 1, 1, QObject::tr("Starting at:"), c.profileStart);
    AddDate(grid, 2, 1, QObject::tr("Stopping at"), c.profileStop);
    grid->addWidget(MakeLabel(QObject::tr("Plotting interval:")), 3, 0);
    grid->addWidget(Line({c.Edit11, MakeLabel(QObject::tr("h."))}), 3, 1, 1, 3);
    grid->setRowStretch(4, 1);
    return box;
}

QWidget* ProfileDateControls(CaseWindowControls& c) {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    c.ListBox1 = new QListWidget;
    c.ListBox1->setObjectName("ListBox1");
    c.picker = DateCombos("ComboBox14", "ComboBox15", "ComboBox16");
    c.Button16 = MakeButton("Button16", QObject::tr("Add"), QObject::tr("Add date to list"));
    c.Button17 = MakeButton("Button17", QObject::tr("Remove"),
                            QObject::tr("Remove selected date from list"));
    c.Button18 =
        MakeButton("Button18", QObject::tr("Clear"), QObject::tr("Remove all dates from list"));
    AddDateHeaders(grid, 0);
    AddDate(grid, 1, 0, {}, c.picker);
    grid->addWidget(MakeLabel(QObject::tr("Dates")), 2, 0, 1, 3);
    grid->addWidget(c.ListBox1, 3, 0, 3, 3);
    grid->addWidget(c.Button16, 3, 3);
    grid->addWidget(c.Button17, 4, 3);
    grid->addWidget(c.Button18, 5, 3);
    return box;
}

QGroupBox* ProfilesGroup(CaseWindowControls& c) {
    QGroupBox* group = MakeGroup(QObject::tr("Profiles"));
    auto* grid = new QGridLayout(group);
    c.CheckBox2 =
        MakeCheckBox("CheckBox2", QObject::tr("Profiles of temperature, moisture and mass"), false);
    c.RadioButton11 = MakeRadioButton("RadioButton11", QObject::tr("Use time interval"), true);
    c.RadioButton12 = MakeRadioButton("RadioButton12", QObject::tr("Use specific dates"), false);
    c.profileInterval = ProfileIntervalControls(c);
    c.profileDates = ProfileDateControls(c);
    grid->addWidget(c.CheckBox2, 0, 0, 1, 2);
    grid->addWidget(c.RadioButton11, 1, 0);
    grid->addWidget(c.profileInterval, 2, 0);
    grid->addWidget(c.RadioButton12, 1, 1);
    grid->addWidget(c.profileDates, 2, 1);
    return group;
}

QGroupBox* OptionsGroup(CaseWindowControls& c) {
    QGroupBox* group = MakeGroup(QObject::tr("Options"));
    auto* column = new QVBoxLayout(group);
    c.CheckBox11 = MakeCheckBox("CheckBox11", QObject::tr("Generate graphical output"), true);
    c.ComboBox17 = MakeList("ComboBox17");
    for (int days : kGraph3Days)
        c.ComboBox17->addItem(QString::number(days));
    c.ComboBox17->setCurrentIndex(0);
    c.graph3Interval = Line({MakeLabel(QObject::tr("Plotting interval (graph 3)")), c.ComboBox17,
                             MakeLabel(QObject::tr("days"))});
    column->addWidget(c.CheckBox11);
    column->addWidget(c.graph3Interval);
    return group;
}

QWidget* SideBySide(QWidget* left, QWidget* right) {
    auto* pair = new QWidget;
    auto* layout = new QHBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(left);
    layout->addWidget(right);
    return pair;
}

QWidget* Column(std::initializer_list<QWidget*> parts) {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* part : parts)
        layout->addWidget(part);
    layout->addStretch();
    return column;
}

}  // namespace

QWidget* BuildBuildingElementPage(CaseWindowControls& c) {
    return Page({c.layers, SideBySide(DataGroup(c), PaintGroup(c))});
}

QWidget* BuildWeatherPage(CaseWindowControls& c) {
    return Page({ExternalClimateGroup(c), InternalConditionsGroup(c), ConvectionGroup(c)});
}

QWidget* BuildSimulationPage(CaseWindowControls& c) {
    return Page({SideBySide(Column({IntervalGroup(c), ParametersGroup(c), MoistureGroup(c)}),
                            Column({ModelGroup(c), ExecutionGroup(c)}))});
}

QWidget* BuildReportOptionsPage(CaseWindowControls& c) {
    return Page({ProfilesGroup(c), OptionsGroup(c)});
}

}  // namespace porvap
