#pragma once

#include <array>

#include "gui/cases/DateCombos.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace porvap {

class ChartMenu;
class ChartView;
class LayerEditor;

// The result pages' controls.
struct ResultPageControls {
    // The charts of the pages G1 to G6: Chart1, Chart2, Chart4, Chart5, Chart3, Chart6.
    std::array<ChartView*, 6> charts{};
    QListWidget* ListBox2 = nullptr;  // dates of the saved profiles
    QPushButton* Button19 = nullptr;
    QListWidget* ListBox3 = nullptr;  // report titles
    QLabel* ResultsFolder = nullptr;  // where the reports come from, if not the working directory
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button29 = nullptr;
    QPushButton* SaveFlowsCsv = nullptr;  // enabled while a completed run's data is there
    QPushButton* SaveMonthlyCsv = nullptr;
    ChartMenu* PopupChart1 = nullptr;  // on every chart
    QMenu* PopupMenu1 = nullptr;       // on ListBox2
    QAction* Salvar2 = nullptr;
    QAction* Salvartodos1 = nullptr;
    QAction* Visualizar1 = nullptr;
};

// The controls of a case window, named as in the window's layout. The labels listed are
// those the enabling rules switch together with their controls.
struct CaseWindowControls {
    QTabWidget* PageControl1 = nullptr;
    LayerEditor* layers = nullptr;

    // Building element: data and paint.
    QLineEdit* Edit15 = nullptr;
    QLineEdit* Edit24 = nullptr;
    QLineEdit* Edit33 = nullptr;
    QLineEdit* Edit34 = nullptr;
    QLineEdit* Edit35 = nullptr;
    QLineEdit* Edit36 = nullptr;

    // Weather.
    QLineEdit* Edit2 = nullptr;
    QPushButton* Button12 = nullptr;
    QPushButton* Button13 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QPushButton* Button14 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QWidget* constantConditions = nullptr;  // Edit4, Edit5 and their labels
    QLineEdit* Edit1 = nullptr;
    QLabel* Edit1Label = nullptr;
    QCheckBox* CheckBox6 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QLabel* Edit6Label = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QRadioButton* RadioButton13 = nullptr;
    QRadioButton* RadioButton14 = nullptr;
    QLineEdit* Edit14 = nullptr;
    QWidget* airVelocity = nullptr;  // Edit14 and its labels

    // Simulation.
    DateCombos start;   // ComboBox1, ComboBox9, ComboBox10
    DateCombos finish;  // ComboBox11, ComboBox12, ComboBox13
    QPushButton* Button15 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QLineEdit* Edit8 = nullptr;
    QLineEdit* Edit9 = nullptr;
    std::array<QRadioButton*, 6> levels{};  // RadioButton3 .. RadioButton8, level 0 .. 5
    QRadioButton* RadioButton9 = nullptr;
    QRadioButton* RadioButton10 = nullptr;
    QLineEdit* Edit10 = nullptr;

    // Report options.
    QCheckBox* CheckBox2 = nullptr;
    QRadioButton* RadioButton11 = nullptr;
    QRadioButton* RadioButton12 = nullptr;
    QWidget* profileInterval = nullptr;  // Edit11, profile start and stop, their labels
    QLineEdit* Edit11 = nullptr;
    DateCombos profileStart;          // ComboBox22, ComboBox23, ComboBox24
    DateCombos profileStop;           // ComboBox25, ComboBox26, ComboBox27
    QWidget* profileDates = nullptr;  // ListBox1, the date picker, its buttons and labels
    QListWidget* ListBox1 = nullptr;
    DateCombos picker;  // ComboBox14, ComboBox15, ComboBox16
    QPushButton* Button16 = nullptr;
    QPushButton* Button17 = nullptr;
    QPushButton* Button18 = nullptr;
    QCheckBox* CheckBox11 = nullptr;
    QComboBox* ComboBox17 = nullptr;
    QWidget* graph3Interval = nullptr;  // ComboBox17 and its labels

    // Below the pages.
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button26 = nullptr;
    QPushButton* Button8 = nullptr;

    // Step-by-step panel.
    QLabel* Panel5 = nullptr;
    QLabel* externalTemperature = nullptr;
    QLabel* externalMoisture = nullptr;
    QLabel* internalTemperature = nullptr;
    QLabel* internalMoisture = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    DateCombos goTo;  // ComboBox19, ComboBox20, ComboBox21
    QWidget* goToGroup = nullptr;
    QPushButton* Button28 = nullptr;

    ResultPageControls results;
};

}  // namespace porvap
