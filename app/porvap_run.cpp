// porvap-run: runs a case file without the desktop program.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/CaseRun.h"
#include "engine/EngineObserver.h"
#include "engine/Run.h"
#include "shell/Messages.h"

namespace {

constexpr const char* kHelp =
    "Usage: porvap-run CASE.sim\n"
    "\n"
    "Runs a Porvap case file without the desktop program, in the current working\n"
    "directory. That directory must hold \"materiais.cfg\" and the material and climate\n"
    "files the case names (paths in the case are relative to it).\n"
    "\n"
    "The case is checked with the same rules and messages as the Run button; a question\n"
    "about the flow interval counts as answered No. The run writes hext.txt, hint.txt,\n"
    "flux.txt, arq.txt and perfis.txt into the working directory, shows a progress bar on\n"
    "standard error when that is a terminal, and prints the completion message.\n"
    "A case run as step by step in the program runs straight through here.\n"
    "\n"
    "To run many cases side by side, give each its own directory: the result files have\n"
    "fixed names.\n"
    "\n"
    "Exit status: 0 when the run completed, 1 when it stopped on an error or the case\n"
    "was refused, 2 for a usage error.\n";

// Messages of loading and checking, one line each on standard error.
class ConsoleMessages : public porvap::MessageSink {
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

// A bar on standard error, redrawn when the percentage changes.
class ProgressBar : public porvap::EngineObserver {
  public:
    void Progress(float intervalLength, float elapsed) override {
        if (intervalLength <= 0.0f)
            return;
        if (elapsed < lastElapsed_)
            ++pass_;
        lastElapsed_ = elapsed;
        const int percent = std::min(100, static_cast<int>(100.0f * elapsed / intervalLength));
        if (percent == lastPercent_)
            return;
        lastPercent_ = percent;
        char bar[41];
        std::memset(bar, '#', 40);
        std::memset(bar + percent * 40 / 100, ' ', 40 - percent * 40 / 100);
        bar[40] = '\0';
        std::fprintf(stderr, "\r%-9s [%s] %3d%%", pass_ == 0 ? "warm-up" : "recording", bar,
                     percent);
        std::fflush(stderr);
    }
    void Finish() const {
        if (lastPercent_ >= 0)
            std::fputc('\n', stderr);
    }

  private:
    float lastElapsed_ = 0.0f;
    int lastPercent_ = -1;
    int pass_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (argc != 2) {
        std::fputs(kHelp, stderr);
        return 2;
    }
    ConsoleMessages messages;
    ProgressBar bar;
    const int rc = porvap::RunCase(argv[1], messages, isatty(STDERR_FILENO) ? &bar : nullptr);
    bar.Finish();
    const porvap::RunMessage done = porvap::RunCodeMessage(rc);
    if (done.text)
        std::fprintf(rc == 0 ? stdout : stderr, "%s\n", done.text);
    return rc == 0 ? 0 : 1;
}
