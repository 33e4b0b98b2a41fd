#include "gui/main/AboutBox.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/main/Artwork.h"

namespace porvap {
namespace {

constexpr QSize kIconSize(48, 48);
constexpr QSize kPictureSize(250, 124);

QLabel* NewLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel* NewPicture(const QString& name, QSize size, QWidget* parent) {
    QLabel* label = NewLabel(name, QString(), parent);
    label->setPixmap(WallPicture(size));
    label->setFixedSize(size);
    return label;
}

QFrame* NewPanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* grid = new QGridLayout(panel);
    grid->addWidget(NewPicture("ProgramIcon", kIconSize, panel), 0, 0, 2, 1);
    QLabel* product = NewLabel("ProductName", AboutBox::kProductName, panel);
    QFont large = product->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    product->setFont(large);
    grid->addWidget(product, 0, 1);
    grid->addWidget(NewLabel("Version", AboutBox::kVersion, panel), 1, 1);
    grid->addWidget(NewPicture("Picture", kPictureSize, panel), 2, 0, 1, 2, Qt::AlignCenter);
    grid->addWidget(NewLabel("Comments", "English", panel), 3, 0, 1, 2);
    return panel;
}

}  // namespace

AboutBox::AboutBox(QWidget* owner) : owner_(owner) {
    setObjectName("AboutBox");
    setWindowTitle(kCaption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    // Closing the main window must end the program even while the box is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NewPanel(this));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (owner_)
        owner_->setEnabled(false);
    if (const QScreen* shown = screen()) {
        move(shown->availableGeometry().center() - rect().center());
    }
}

// Every way out (OK, Escape, the close box) hides the dialog.
void AboutBox::hideEvent(QHideEvent* event) {
    if (owner_)
        owner_->setEnabled(true);
    QDialog::hideEvent(event);
}

}  // namespace porvap
