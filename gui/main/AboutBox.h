#pragma once

#include <QDialog>

class QHideEvent;
class QShowEvent;

namespace porvap {

// The about box. It is a window of its own rather than a child of the main window, because
// the main window is disabled while the box shows and a disabled parent would disable the
// box as well.
class AboutBox : public QDialog {
    Q_OBJECT

  public:
    static constexpr const char* kCaption = "Porvap 2.0";
    static constexpr const char* kProductName = "Porvap 2.0";
    static constexpr const char* kVersion = "15/05/1999";

    // `owner` is disabled while the box shows.
    explicit AboutBox(QWidget* owner);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QWidget* owner_;
};

}  // namespace porvap
