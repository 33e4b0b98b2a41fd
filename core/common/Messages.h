#pragma once

#include <deque>
#include <string>
#include <vector>

namespace porvap {

// How the core talks to the user: the desktop program shows message boxes, tests and the
// command-line program record the messages and answer from a script.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // A notice or error with an OK button.
    virtual void Show(const std::string& text, const std::string& caption) = 0;
    // A Yes/No question; true means Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
};

class RecordingMessageSink : public MessageSink {
  public:
    struct Message {
        std::string text;
        std::string caption;
        bool question = false;
    };

    void Show(const std::string& text, const std::string& caption) override {
        messages_.push_back({text, caption, false});
    }

    // Answers come from the queue in order; once it is empty every answer is No.
    bool AskYesNo(const std::string& text, const std::string& caption) override {
        messages_.push_back({text, caption, true});
        if (answers_.empty())
            return false;
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    void QueueAnswer(bool yes) { answers_.push_back(yes); }
    const std::vector<Message>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }

  private:
    std::vector<Message> messages_;
    std::deque<bool> answers_;
};

}  // namespace porvap
