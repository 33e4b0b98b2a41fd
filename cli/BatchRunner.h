#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "cli/BatchPlan.h"
#include "cli/CaseRun.h"

namespace porvap {

class MaterialCatalog;

// How one case of a batch ended.
struct CaseReport {
    BatchCase job;
    CaseOutcome outcome;
    std::string status;  // first line of the completion, stop or refusal message

    bool Completed() const { return outcome.code == 0; }
    // Where the results are: the planned directory, or the one the run took beside it while
    // another run held that.
    const std::string& ResultsDirectory() const {
        return Completed() ? outcome.resultsDirectory : job.resultsDirectory;
    }
};

// Called as each case finishes, one call at a time, from the thread that ran the case.
using CaseFinished =
    std::function<void(const CaseReport& report, std::size_t finished, std::size_t total)>;

// The number of cores, at least 1.
int DefaultJobs();

// Runs every case, `jobs` at a time on threads of their own, each with its result files and
// its CSV exports in its results directory (created when missing). The catalog is shared by all the
// runs and only read. Answers the reports in the order of the cases.
std::vector<CaseReport> RunBatch(const std::vector<BatchCase>& cases,
                                 const MaterialCatalog& catalog, int jobs,
                                 const CaseFinished& finished);

}  // namespace porvap
