#include "cli/BatchRunner.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <thread>

#include "core/common/Messages.h"
#include "core/engine/Run.h"

namespace porvap {

namespace {

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

std::string Status(const CaseOutcome& outcome) {
    return outcome.notice.text.empty() ? "Stopped with code " + std::to_string(outcome.code)
                                       : FirstLine(outcome.notice.text);
}

CaseReport RunOne(const BatchCase& job, const MaterialCatalog& catalog) {
    CaseReport report{job, CaseOutcome{}, std::string()};
    std::error_code failure;
    std::filesystem::create_directories(job.resultsDirectory, failure);
    if (failure) {
        report.outcome.code = kOutputFilesFailed;
        report.status = "Results directory could not be created: " + failure.message();
        return report;
    }
    RecordingMessageSink messages;
    try {
        report.outcome =
            RunCase(job.casePath, job.resultsDirectory, catalog, messages, nullptr, true);
    } catch (const std::exception& error) {
        report.outcome.code = kCaseThrew;
        report.status = std::string("Run failed: ") + error.what();
        return report;
    }
    report.status = messages.Messages().empty() ? Status(report.outcome)
                                                : FirstLine(messages.Messages().front().text);
    return report;
}

}  // namespace

int DefaultJobs() {
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

std::vector<CaseReport> RunBatch(const std::vector<BatchCase>& cases,
                                 const MaterialCatalog& catalog, int jobs,
                                 const CaseFinished& finished) {
    std::vector<CaseReport> reports(cases.size());
    std::atomic<std::size_t> next{0};
    std::mutex finishing;
    std::size_t finishedCount = 0;
    auto work = [&] {
        for (std::size_t i = next++; i < cases.size(); i = next++) {
            CaseReport report = RunOne(cases[i], catalog);
            const std::lock_guard lock(finishing);
            reports[i] = std::move(report);
            if (finished)
                finished(reports[i], ++finishedCount, cases.size());
        }
    };
    const std::size_t threads = std::min(static_cast<std::size_t>(std::max(jobs, 1)), cases.size());
    std::vector<std::jthread> helpers;
    for (std::size_t t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(work);
        } catch (const std::system_error&) {
            break;  // fewer threads than asked for still run every case
        }
    }
    work();
    helpers.clear();
    return reports;
}

}  // namespace porvap
