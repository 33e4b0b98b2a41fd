#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "core/cases/DateLists.h"
#include "core/engine/SimulationEngine.h"
#include "gui/cases/CaseWindow.h"
#include "gui/toolkit/ChartMenu.h"
#include "gui/toolkit/ChartView.h"

namespace porvap {

namespace {

// During a run the charts and the profile list are redrawn at most this often, ms: redrawing
// a chart costs far more than a time step.
constexpr qint64 kRefreshInterval = 100;

void ShowValue(QLabel* label, double value) {
    label->setText(QString::asprintf("%1.3f", value));
}

}  // namespace

void CaseWindow::ConnectResults() {
    const ResultPageControls& r = c_.results;
    connect(r.ListBox2, &QListWidget::currentRowChanged, this, &CaseWindow::ShowSavedProfile);
    connect(r.ListBox2, &QListWidget::itemClicked, this,
            [this] { ShowSavedProfile(SelectedProfile()); });
    connect(r.ListBox2, &QWidget::customContextMenuRequested, this, &CaseWindow::PopUpProfileMenu);
    connect(r.Button19, &QPushButton::clicked, this, [this] {
        QPushButton* button = c_.results.Button19;
        c_.results.PopupMenu1->popup(button->mapToGlobal(QPoint(0, button->height())));
    });
    connect(r.ListBox3, &QListWidget::currentRowChanged, this, &CaseWindow::ShowReport);
    connect(c_.PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (ChartView* chart = CurrentChart())
            chart->Refresh();
    });
    connect(r.Button29, &QPushButton::clicked, this, &CaseWindow::Button29Click);
    connect(r.Salvar2, &QAction::triggered, this, &CaseWindow::Salvar2Click);
    connect(r.Salvartodos1, &QAction::triggered, this, &CaseWindow::Salvartodos1Click);
    connect(r.Visualizar1, &QAction::triggered, this, &CaseWindow::Visualizar1Click);
    connect(r.PopupChart1->Copy(), &QAction::triggered, this, &CaseWindow::Copiar1Click);
    connect(r.PopupChart1->Save(), &QAction::triggered, this, &CaseWindow::Salvar1Click);
    connect(r.SaveFlowsCsv, &QPushButton::clicked, this, &CaseWindow::SaveFlowsCsvClick);
    connect(r.SaveMonthlyCsv, &QPushButton::clicked, this, &CaseWindow::SaveMonthlyCsvClick);
}

void CaseWindow::RefreshViews() {
    for (ChartView* chart : c_.results.charts)
        chart->Refresh();
    SyncProfileList();
    sinceRefresh_.start();
}

// Charts on hidden pages wait for their page to be shown or for the run to stop.
void CaseWindow::RefreshViewsIfDue() {
    if (sinceRefresh_.isValid() && sinceRefresh_.elapsed() < kRefreshInterval)
        return;
    if (ChartView* chart = CurrentChart())
        chart->Refresh();
    SyncProfileList();
    sinceRefresh_.start();
}

void CaseWindow::SyncProfileList() {
    QListWidget* list = c_.results.ListBox2;
    const ProfileStore& store = views_.Profiles();
    for (int k = list->count(); k < store.Count(); ++k)
        list->addItem(QString::fromStdString(store.At(k).label));
}

void CaseWindow::ShowStepState() {
    const BoundaryState& b = engine_->boundary;
    ShowValue(c_.externalTemperature, b.current.temperature);
    ShowValue(c_.externalMoisture, b.current.relativeHumidity);
    ShowValue(c_.internalTemperature, b.internalTemperature);
    ShowValue(c_.internalMoisture, b.internalHumidity);
    c_.Panel5->setText(
        QString::fromStdString(DateLabel({b.current.day, b.current.month, b.current.hour})));
    SuggestGoToDate();
    views_.ShowProfile(engine_->thetaNew, engine_->tNew);
    RefreshViews();
}

// A month later; December has no later month, so there the suggestion is a day later,
// and an hour later on the 31st, leaving unselected what lies beyond the lists.
void CaseWindow::SuggestGoToDate() {
    const ClimateRecord& now = engine_->boundary.current;
    const bool december = now.month == 12;
    DatePositions suggestion{now.day - 1, now.month, now.hour};
    if (december) {
        suggestion.day = now.day;
        if (now.day == 31)
            suggestion.hour = now.hour + 1;
    }
    c_.goTo.SetPositions(suggestion);
}

void CaseWindow::ShowReports(RunReports loaded) {
    reports_ = std::move(loaded.reports);
    c_.results.ResultsFolder->setText(QString::fromStdString(loaded.location));
    c_.results.ResultsFolder->setVisible(!loaded.location.empty());
    QListWidget* list = c_.results.ListBox3;
    list->clear();
    for (const Report& report : reports_)
        list->addItem(QString::fromStdString(report.title));
    list->setCurrentRow(0);
}

void CaseWindow::ShowReport(int index) {
    if (index >= 0 && index < static_cast<int>(reports_.size()))
        c_.results.Memo1->setPlainText(QString::fromStdString(reports_[index].text));
}

void CaseWindow::ShowSavedProfile(int slot) {
    if (slot < 0 || slot >= views_.Profiles().Count())
        return;
    views_.ShowProfile(slot);
    c_.results.charts[ResultViews::kProfiles]->Refresh();
}

// The item under the mouse becomes the selected profile before the menu opens.
void CaseWindow::PopUpProfileMenu(const QPoint& at) {
    QListWidget* list = c_.results.ListBox2;
    if (QListWidgetItem* item = list->itemAt(at)) {
        list->setCurrentItem(item);
        ShowSavedProfile(list->row(item));
    }
    c_.results.PopupMenu1->popup(list->viewport()->mapToGlobal(at));
}

int CaseWindow::SelectedProfile() const {
    const QListWidgetItem* item = c_.results.ListBox2->currentItem();
    return item && item->isSelected() ? c_.results.ListBox2->row(item) : -1;
}

ChartView* CaseWindow::CurrentChart() const {
    const QWidget* page = c_.PageControl1->currentWidget();
    for (ChartView* chart : c_.results.charts) {
        if (page && page->isAncestorOf(chart))
            return chart;
    }
    return nullptr;
}

}  // namespace porvap
