#include "gui/cases/EditExitCheck.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include "core/cases/CaseValidation.h"
#include "gui/toolkit/Prompter.h"

namespace porvap {

EditExitCheck::EditExitCheck(QWidget* scope, Prompter& prompts)
    : QObject(scope), scope_(scope), prompts_(prompts) {}

void EditExitCheck::Watch(QLineEdit* edit, Rule accepts, std::string message) {
    watched_[edit] = {std::move(accepts), std::move(message)};
    edit->installEventFilter(this);
}

bool EditExitCheck::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut || reporting_ || pending_)
        return false;
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;
    QWidget* next = QApplication::focusWidget();
    if (next && next != scope_ && scope_->isAncestorOf(next))
        CheckLater(qobject_cast<QLineEdit*>(watched));
    return false;
}

void EditExitCheck::CheckLater(QLineEdit* edit) {
    pending_ = edit;
    QMetaObject::invokeMethod(
        this,
        [this] {
            const QPointer<QLineEdit> left = pending_;
            pending_.clear();
            if (left)
                Check(left);
        },
        Qt::QueuedConnection);
}

void EditExitCheck::Check(QLineEdit* edit) {
    const Watched& rule = watched_.at(edit);
    if (!edit->isEnabled() || !edit->isVisible() || rule.accepts(edit->text().toStdString()))
        return;
    reporting_ = true;
    prompts_.Show(rule.message, kErrorCaption);
    edit->setFocus(Qt::OtherFocusReason);
    reporting_ = false;
}

}  // namespace porvap
