#pragma once

#include <QMenu>

class QAction;
class QWidget;

namespace porvap {

// The Copy / Save... pop-up menu of a window's charts. The layouts name the menu and its
// actions ("Copiar1", "Salvar1"); each window connects the actions to its own handlers, since
// each words its failures in its own way.
class ChartMenu : public QMenu {
  public:
    enum class Order { CopyFirst, SaveFirst };

    ChartMenu(const char* name, QWidget* owner, Order order = Order::CopyFirst);

    QAction* Copy() const { return copy_; }
    QAction* Save() const { return save_; }

    // A right click on the chart opens the menu where the pointer is.
    void ShowOnRightClick(QWidget* chart);

  private:
    QAction* copy_ = nullptr;
    QAction* save_ = nullptr;
};

}  // namespace porvap
