#pragma once

#include <functional>
#include <map>
#include <string>

#include <QObject>
#include <QPointer>

class QLineEdit;
class QWidget;

namespace porvap {

class Prompter;

// Checks an edit's text when the focus moves from it to another control of the same
// window, the way the user leaves a field. A refused text is reported under "Error!" and
// the focus goes back to the edit. Leaving for another window, a pop-up or the message
// box itself is not leaving the field.
class EditExitCheck : public QObject {
    Q_OBJECT

  public:
    using Rule = std::function<bool(const std::string&)>;

    // scope: the window whose controls count as "another control".
    EditExitCheck(QWidget* scope, Prompter& prompts);

    void Watch(QLineEdit* edit, Rule accepts, std::string message);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Watched {
        Rule accepts;
        std::string message;
    };

    // Runs after the focus change has completed, so the message box never opens inside
    // focus handling and the control that was clicked does not act.
    void CheckLater(QLineEdit* edit);
    void Check(QLineEdit* edit);

    QWidget* scope_;
    Prompter& prompts_;
    std::map<QObject*, Watched> watched_;
    QPointer<QLineEdit> pending_;
    // Set while a refusal is reported and the focus is moved back: focus changes then
    // are ours, not the user's.
    bool reporting_ = false;
};

}  // namespace porvap
