#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "gui/toolkit/Prompter.h"

namespace porvap {

// Answers from queues and records every request, for tests and headless tools.
// Unanswered questions get No; unanswered dialogs are cancelled.
class ScriptedPrompter : public Prompter {
  public:
    struct Shown {
        std::string text;
        std::string caption;
        bool question = false;
    };

    void Show(const std::string& text, const std::string& caption) override {
        shown.push_back({text, caption, false});
    }
    bool AskYesNo(const std::string& text, const std::string& caption) override {
        shown.push_back({text, caption, true});
        return Next(answers).value_or(false);
    }
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override {
        dialogs.push_back(request);
        return Next(files).value_or(std::nullopt);
    }
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override {
        dialogs.push_back(request);
        return Next(files).value_or(std::nullopt);
    }
    void OpenHelp(int context) override { helpContexts.push_back(context); }

    std::deque<bool> answers;
    std::deque<std::optional<std::string>> files;
    std::vector<Shown> shown;
    std::vector<FileDialogRequest> dialogs;
    std::vector<int> helpContexts;

  private:
    template <class T>
    static std::optional<T> Next(std::deque<T>& queue) {
        if (queue.empty())
            return std::nullopt;
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};

}  // namespace porvap
