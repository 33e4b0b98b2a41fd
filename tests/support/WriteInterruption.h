#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

namespace porvap::test {

// What happens to a write that reaches the file size limit of its process: it fails as on a
// full disk (SIGXFSZ ignored, the write returns EFBIG), or the process is killed right there
// (SIGXFSZ's default action), part-way through the file.
enum class AtLimit { Fail, Kill };
enum class Outcome { ReportedFailure, ReportedSuccess, Killed, Other };

// Runs `write` (true when it reports success) in a child process whose files may not grow
// past limitBytes.
inline Outcome WriteUnderFileSizeLimit(rlim_t limitBytes, AtLimit atLimit,
                                       const std::function<bool()>& write) {
    const pid_t child = fork();
    if (child == 0) {
        const rlimit limit{limitBytes, limitBytes};
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        std::signal(SIGXFSZ, atLimit == AtLimit::Fail ? SIG_IGN : SIG_DFL);
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(3);
        _exit(write() ? 1 : 0);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return Outcome::Other;
    if (WIFSIGNALED(status))
        return WTERMSIG(status) == SIGXFSZ ? Outcome::Killed : Outcome::Other;
    if (WIFEXITED(status) && WEXITSTATUS(status) <= 1)
        return WEXITSTATUS(status) == 0 ? Outcome::ReportedFailure : Outcome::ReportedSuccess;
    return Outcome::Other;
}

// The id of a process that has ended (and been waited for).
inline pid_t EndedProcessId() {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

inline std::set<std::string> DirectoryEntries(const std::filesystem::path& directory = ".") {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.insert(entry.path().filename().string());
    return names;
}

}  // namespace porvap::test
