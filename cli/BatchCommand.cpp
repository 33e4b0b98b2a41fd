#include "cli/BatchCommand.h"

#include <algorithm>
#include <cstdio>

#include "cli/BatchPlan.h"
#include "cli/BatchRunner.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleMessages.h"
#include "cli/SummaryTable.h"
#include "core/materials/MaterialCatalog.h"

namespace porvap {

namespace {

void PrintFinished(const CaseReport& report, std::size_t finished, std::size_t total) {
    std::printf("[%zu/%zu] %s -> %s: %s\n", finished, total, report.job.casePath.c_str(),
                report.ResultsDirectory().c_str(), report.status.c_str());
    std::fflush(stdout);
}

}  // namespace

int RunBatchCommand(const CommandLine& line) {
    std::vector<std::string> files;
    std::string error;
    if (!CollectCaseFiles(line.inputs, files, error))
        return ReportUsageError(error);
    ConsoleMessages messages;
    MaterialCatalog catalog;
    catalog.LoadCatalog(messages);
    const std::vector<BatchCase> plan = PlanBatch(files, line.outputDirectory.value_or(""));
    const std::vector<CaseReport> reports =
        RunBatch(plan, catalog, line.jobs > 0 ? line.jobs : DefaultJobs(), PrintFinished);
    std::printf("\n%s", SummaryTable(reports).c_str());
    const bool allCompleted = std::all_of(reports.begin(), reports.end(),
                                          [](const CaseReport& r) { return r.Completed(); });
    return allCompleted ? 0 : 1;
}

}  // namespace porvap
