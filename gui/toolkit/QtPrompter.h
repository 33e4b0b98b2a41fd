#pragma once

#include <functional>

#include "gui/toolkit/Prompter.h"

class QWidget;

namespace porvap {

// Real message boxes and file dialogs, parented to a window; help goes to a handler the
// program installs (the manual viewer).
class QtPrompter : public Prompter {
  public:
    QtPrompter(QWidget* parent, std::function<void(int)> openHelp);

    void Show(const std::string& text, const std::string& caption) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;
    void OpenHelp(int context) override;

  private:
    QWidget* parent_;
    std::function<void(int)> openHelp_;
};

}  // namespace porvap
