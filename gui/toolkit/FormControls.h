#pragma once

#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace porvap {

// Named controls of the case window's form. The object name is the control's name in the
// window's layout, which validation and the tests use to find it; a hint becomes both
// the tool tip and the status-bar tip.

void SetHint(QWidget* control, const QString& hint);
QLineEdit* MakeEdit(const char* name, const QString& text, const QString& hint = {});
QPushButton* MakeButton(const char* name, const QString& caption, const QString& hint = {});
QCheckBox* MakeCheckBox(const char* name, const QString& caption, bool checked);
QRadioButton* MakeRadioButton(const char* name, const QString& caption, bool checked);
QComboBox* MakeList(const char* name);
QGroupBox* MakeGroup(const QString& title);
QLabel* MakeLabel(const QString& text);

}  // namespace porvap
