#pragma once

#include <array>

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace porvap {

// The materials editor's controls, named as in the window's layout; the comments give the
// names. They start in browsing mode.
struct EditorControls {
    static constexpr int kPropertyCount = 7;
    static constexpr int kDryCount = 3;

    QTabWidget* pages = nullptr;       // PageControl1
    QLabel* materialLabel = nullptr;   // Label2
    QComboBox* materialBox = nullptr;  // ComboBox1
    QPushButton* include = nullptr;    // Button3
    QPushButton* remove = nullptr;     // Button4
    QPushButton* atualize = nullptr;   // Button1
    QLabel* sourceLabel = nullptr;     // Label1
    QRadioButton* fromFile = nullptr;  // RadioButton1
    QRadioButton* constant = nullptr;  // RadioButton3
    QLabel* fileLabel = nullptr;       // Label9
    QLineEdit* file = nullptr;         // Edit1
    QPushButton* browse = nullptr;     // Button5
    // K, DT, DTeta, DTV, DTetaV, Teta, dTeta: Label10 to Label16, Edit2 to Edit8.
    std::array<QLabel*, kPropertyCount> propertyLabels{};
    std::array<QLineEdit*, kPropertyCount> propertyEdits{};
    // Dry density, dry porosity, specific heat: Label17, Label18, Label3; Edit10, Edit9,
    // Edit11.
    std::array<QLabel*, kDryCount> dryLabels{};
    std::array<QLineEdit*, kDryCount> dryEdits{};
    QPushButton* obtain = nullptr;  // Button7
    QPushButton* cancel = nullptr;  // Button9
    QPushButton* exit = nullptr;    // Button2
    QPushButton* help = nullptr;    // Button8
};

// Creates the controls and lays them out in `window`.
EditorControls BuildEditorControls(QDialog& window);

}  // namespace porvap
