#include "gui/main/ChildWindowArea.h"

#include <QEvent>
#include <QMdiSubWindow>

namespace porvap {

ChildWindowArea::ChildWindowArea(QWidget* parent) : QMdiArea(parent) {}

void ChildWindowArea::SetChildRemovedHandler(std::function<void()> handler) {
    childRemoved_ = std::move(handler);
}

void ChildWindowArea::ArrangeIcons() {
    const QRect room = viewport()->rect();
    QPoint corner(room.left(), room.bottom() + 1);
    for (QMdiSubWindow* window : subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize icon = window->size();
        if (corner.x() > room.left() && corner.x() + icon.width() > room.right() + 1) {
            corner = QPoint(room.left(), corner.y() - icon.height());
        }
        window->move(corner.x(), corner.y() - icon.height());
        corner.rx() += icon.width();
    }
}

void ChildWindowArea::MinimizeAll() {
    const QList<QMdiSubWindow*> windows = subWindowList();
    for (auto window = windows.crbegin(); window != windows.crend(); ++window) {
        (*window)->showMinimized();
    }
}

bool ChildWindowArea::viewportEvent(QEvent* event) {
    const bool handled = QMdiArea::viewportEvent(event);
    if (event->type() == QEvent::ChildRemoved && childRemoved_)
        childRemoved_();
    return handled;
}

}  // namespace porvap
