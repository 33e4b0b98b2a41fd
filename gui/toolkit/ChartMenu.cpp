#include "gui/toolkit/ChartMenu.h"

#include <QAbstractScrollArea>

namespace porvap {

namespace {

QAction* AddAction(QMenu& menu, const char* name, const QString& caption) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    return action;
}

}  // namespace

ChartMenu::ChartMenu(const char* name, QWidget* owner, Order order) : QMenu(owner) {
    setObjectName(name);
    if (order == Order::SaveFirst)
        save_ = AddAction(*this, "Salvar1", tr("&Save..."));
    copy_ = AddAction(*this, "Copiar1", tr("&Copy"));
    if (order == Order::CopyFirst)
        save_ = AddAction(*this, "Salvar1", tr("&Save..."));
}

// Scroll areas, the chart views among them, report a click in their viewport's coordinates.
void ChartMenu::ShowOnRightClick(QWidget* chart) {
    chart->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* area = qobject_cast<QAbstractScrollArea*>(chart);
    QWidget* surface = area ? area->viewport() : chart;
    connect(chart, &QWidget::customContextMenuRequested, this,
            [this, surface](const QPoint& at) { popup(surface->mapToGlobal(at)); });
}

}  // namespace porvap
