#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "gui/cases/CaseWindow.h"

namespace porvap {

// Lists run their handlers when the user picks an item; changes made by the handlers
// themselves and by ApplyCase do not.
void CaseWindow::ConnectDateLists() {
    for (QComboBox* list : {c_.start.Day(), c_.start.Hour(), c_.finish.Day(), c_.finish.Hour()})
        connect(list, &QComboBox::activated, this, &CaseWindow::ComboBox1Change);
    for (QComboBox* list : {c_.profileStart.Day(), c_.profileStart.Hour(), c_.profileStop.Day(),
                            c_.profileStop.Hour()}) {
        connect(list, &QComboBox::activated, this, &CaseWindow::ComboBox22Change);
    }
    connect(c_.start.Month(), &QComboBox::activated, this, &CaseWindow::ComboBox9Change);
    connect(c_.finish.Month(), &QComboBox::activated, this, &CaseWindow::ComboBox12Change);
    connect(c_.profileStart.Month(), &QComboBox::activated, this, &CaseWindow::ComboBox23Change);
    connect(c_.profileStop.Month(), &QComboBox::activated, this, &CaseWindow::ComboBox26Change);
    connect(c_.picker.Month(), &QComboBox::activated, this, &CaseWindow::ComboBox15Change);
    connect(c_.goTo.Month(), &QComboBox::activated, this, [this] { c_.goTo.FillDayList(); });
    connect(c_.Button15, &QPushButton::clicked, this, &CaseWindow::Button15Click);
    connect(c_.Button16, &QPushButton::clicked, this, &CaseWindow::Button16Click);
    connect(c_.Button17, &QPushButton::clicked, this, &CaseWindow::Button17Click);
    connect(c_.Button18, &QPushButton::clicked, this, &CaseWindow::Button18Click);
}

void CaseWindow::ComboBox9Change() {
    c_.start.FillDayList();
    ComboBox1Change();
}

void CaseWindow::ComboBox12Change() {
    c_.finish.FillDayList();
    ComboBox1Change();
}

void CaseWindow::ComboBox1Change() {
    KeepFinishAfterStart(c_.start, c_.finish);
}

void CaseWindow::ComboBox23Change() {
    c_.profileStart.FillDayList();
    ComboBox22Change();
}

void CaseWindow::ComboBox26Change() {
    c_.profileStop.FillDayList();
    ComboBox22Change();
}

void CaseWindow::ComboBox22Change() {
    KeepFinishAfterStart(c_.profileStart, c_.profileStop);
}

void CaseWindow::ComboBox15Change() {
    c_.picker.FillDayList();
}

void CaseWindow::Button15Click() {
    c_.start.SetPositions({0, 0, 0});
    c_.finish.SetPositions({30, 11, 23});
}

// The profile dates: each date at most once.
void CaseWindow::Button16Click() {
    if (!c_.picker.IsComplete())
        return;
    const QString date = QString::fromStdString(DateLabel(c_.picker.Date()));
    if (c_.ListBox1->findItems(date, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        c_.ListBox1->addItem(date);
}

void CaseWindow::Button17Click() {
    const int row = c_.ListBox1->currentRow();
    if (row >= 0)
        delete c_.ListBox1->takeItem(row);
}

void CaseWindow::Button18Click() {
    c_.ListBox1->clear();
}

}  // namespace porvap
