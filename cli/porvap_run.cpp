// porvap-run: runs case files without the desktop program.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/BatchCommand.h"
#include "cli/CaseRun.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleMessages.h"
#include "core/common/FileReplacement.h"
#include "core/engine/EngineObserver.h"
#include "core/engine/Run.h"

namespace {

constexpr const char* kHelp =
    "Usage: porvap-run CASE.sim\n"
    "       porvap-run [-j N] [-o DIR] CASE.sim|DIR ...\n"
    "\n"
    "Runs Porvap case files without the desktop program. The current working directory\n"
    "must hold \"materiais.cfg\" and the material and climate files the cases name (paths\n"
    "in a case are relative to it).\n"
    "\n"
    "Each case is checked with the same rules and messages as the Run button; a question\n"
    "about the flow interval counts as answered No. A run writes hext.txt, hint.txt,\n"
    "flux.txt, arq.txt and perfis.txt, all five at its end: a run that stops, fails or\n"
    "cannot write them leaves the previous ones as they were. A case run as step by step\n"
    "in the program runs straight through here.\n"
    "\n"
    "A run holds the directory of its result files until it ends. One that starts while\n"
    "another run (a window of the program, another porvap-run) holds that directory\n"
    "writes into runs/STEM inside it instead (STEM: the case file's name without .sim;\n"
    "runs/STEM-2, runs/STEM-3, ... when that is held too) and says so.\n"
    "\n"
    "One case file and no -o: the result files go into the working directory; a progress\n"
    "bar shows on standard error when that is a terminal, and the completion message is\n"
    "printed.\n"
    "\n"
    "Otherwise the cases run as a batch, in one process: a directory stands for every *.sim\n"
    "file directly inside it, in name order. Each case's result files go into DIR/STEM\n"
    "(STEM-2, STEM-3, ... when cases share a name), created when missing, with the hourly\n"
    "flows and the monthly summary as flows.csv and monthly.csv. A line is printed as each\n"
    "case finishes, with the directory of its results, then a table:\n"
    "the status of each case (completion, stop or refusal message), the peak heat gain and\n"
    "peak heat loss of the room in W/m2 with their date and hour, and the yearly heating\n"
    "and cooling in kWh/m2 (arq.txt's yearly figures, which are Wh/m2, divided by 1000).\n"
    "Gain and cooling are heat the room gains through the element, loss and heating heat\n"
    "it loses through it, all as positive figures, over the office hours of working days\n"
    "as in arq.txt.\n"
    "\n"
    "Options:\n"
    "  -j N    run N cases at a time (default: one per core)\n"
    "  -o DIR  directory of the results directories (default: the working directory)\n"
    "  -h, --help  show this help\n"
    "\n"
    "Exit status: 0 when every run completed, 1 when a run stopped on an error (result\n"
    "files that could not be written among them) or a case was refused, 2 for a usage\n"
    "error (unknown option, -j 0, no case, a directory without a .sim file).\n";

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

int RunSingleCase(const std::string& casePath) {
    porvap::ConsoleMessages messages;
    ProgressBar bar;
    const porvap::CaseOutcome outcome =
        porvap::RunCase(casePath, messages, isatty(STDERR_FILENO) ? &bar : nullptr);
    bar.Finish();
    if (!outcome.notice.text.empty())
        std::fprintf(outcome.code == 0 ? stdout : stderr, "%s\n", outcome.notice.text.c_str());
    return outcome.code == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    porvap::CommandLine line;
    std::string error;
    if (!porvap::ParseCommandLine({argv + 1, argv + argc}, line, error))
        return porvap::ReportUsageError(error);
    if (line.help) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    porvap::RemoveStaleTemporaries(".");
    return line.SingleCase() ? RunSingleCase(line.inputs.front()) : porvap::RunBatchCommand(line);
}
