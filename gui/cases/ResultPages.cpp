#include <QAction>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/results/ResultViews.h"
#include "gui/cases/CaseWindowControls.h"
#include "gui/cases/CaseWindowPages.h"
#include "gui/toolkit/ChartMenu.h"
#include "gui/toolkit/ChartView.h"
#include "gui/toolkit/FormControls.h"

namespace porvap {

namespace {

constexpr int kSideColumnWidth = 120;  // px; list of dates or of reports

QAction* AddAction(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QMenu* MakeMenu(const char* name, QWidget* owner) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(name);
    return menu;
}

QListWidget* MakeListBox(const char* name) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setFixedWidth(kSideColumnWidth);
    return list;
}

QWidget* ChartPageWidget(ChartView* chart) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chart);
    return page;
}

QWidget* ProfilesPage(ChartView* chart, ResultPageControls& r) {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(0, 0, 4, 4);
    auto* column = new QVBoxLayout;
    r.ListBox2 = MakeListBox("ListBox2");
    r.ListBox2->setContextMenuPolicy(Qt::CustomContextMenu);
    r.Button19 = MakeButton("Button19", QObject::tr("Options..."),
                            QObject::tr("Try right-clicking the listbox above..."));
    column->addWidget(r.ListBox2, 1);
    column->addWidget(r.Button19);
    row->addWidget(chart, 1);
    row->addLayout(column);
    return page;
}

QWidget* ReportsPage(ResultPageControls& r) {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    auto* column = new QVBoxLayout;
    r.ListBox3 = MakeListBox("ListBox3");
    r.Button29 = MakeButton("Button29", QObject::tr("Save as..."));
    r.SaveFlowsCsv = MakeButton("SaveFlowsCsv", QObject::tr("Save flows as CSV..."),
                                QObject::tr("The hourly flows of the last run, for spreadsheets"));
    r.SaveMonthlyCsv = MakeButton("SaveMonthlyCsv", QObject::tr("Save monthly as CSV..."),
                                  QObject::tr("The monthly summary of the last run"));
    r.SaveFlowsCsv->setEnabled(false);
    r.SaveMonthlyCsv->setEnabled(false);
    column->addWidget(r.ListBox3, 1);
    column->addWidget(r.Button29);
    column->addWidget(r.SaveFlowsCsv);
    column->addWidget(r.SaveMonthlyCsv);
    r.ResultsFolder = new QLabel;
    r.ResultsFolder->setObjectName("ResultsFolder");
    r.ResultsFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    r.ResultsFolder->hide();
    r.Memo1 = new QPlainTextEdit;
    r.Memo1->setObjectName("Memo1");
    r.Memo1->setReadOnly(true);
    // The reports are columns of figures.
    r.Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    r.Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* text = new QVBoxLayout;
    text->addWidget(r.ResultsFolder);
    text->addWidget(r.Memo1, 1);
    row->addLayout(column);
    row->addLayout(text, 1);
    return page;
}

void BuildMenus(ResultPageControls& r, QWidget* owner) {
    r.PopupChart1 = new ChartMenu("PopupChart1", owner);
    r.PopupMenu1 = MakeMenu("PopupMenu1", owner);
    r.Salvar2 = AddAction(r.PopupMenu1, "Salvar2", QObject::tr("&Save..."));
    r.Salvartodos1 = AddAction(r.PopupMenu1, "Salvartodos1", QObject::tr("Save &all..."));
    r.Visualizar1 = AddAction(r.PopupMenu1, "Visualizar1", QObject::tr("&Visualize"));
}

}  // namespace

std::array<QWidget*, 7> BuildResultPages(CaseWindowControls& c, const ResultViews& views,
                                         QWidget* owner) {
    ResultPageControls& r = c.results;
    BuildMenus(r, owner);
    std::array<QWidget*, 7> pages{};
    // The views' charts are in page order; each names its widget.
    for (int i = ResultViews::kBehaviour; i <= ResultViews::kFlows; ++i) {
        auto* chart = new ChartView(views.Chart(static_cast<ResultViews::ChartIndex>(i)));
        r.PopupChart1->ShowOnRightClick(chart);
        r.charts[i] = chart;
        pages[i] = i == ResultViews::kProfiles ? ProfilesPage(chart, r) : ChartPageWidget(chart);
    }
    pages[6] = ReportsPage(r);
    return pages;
}

}  // namespace porvap
