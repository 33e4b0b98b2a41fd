#pragma once

#include <cstdio>
#include <string>

#include "core/common/Messages.h"

namespace porvap {

// Messages of loading and checking, one line each on standard error; questions are
// answered No.
class ConsoleMessages : public MessageSink {
  public:
    void Show(const std::string& text, const std::string& caption) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), OneLine(text).c_str());
    }
    bool AskYesNo(const std::string& text, const std::string& caption) override {
        std::fprintf(stderr, "%s: %s [answered No]\n", caption.c_str(), OneLine(text).c_str());
        return false;
    }

  private:
    static std::string OneLine(std::string text) {
        for (char& c : text)
            if (c == '\n')
                c = ' ';
        return text;
    }
};

}  // namespace porvap
