#pragma once

#include <functional>

#include <QMdiArea>

namespace porvap {

// The frame's client area, holding the child windows.
class ChildWindowArea : public QMdiArea {
  public:
    explicit ChildWindowArea(QWidget* parent);

    // Called whenever a child window leaves the area; the list of child windows is already
    // up to date then (a closed window leaves it at once, before it is deleted).
    void SetChildRemovedHandler(std::function<void()> handler);
    // Minimised children in rows along the bottom edge, left to right, upward.
    void ArrangeIcons();
    // Every child minimised, from the last to the first.
    void MinimizeAll();

  protected:
    bool viewportEvent(QEvent* event) override;

  private:
    std::function<void()> childRemoved_;
};

}  // namespace porvap
