#include "core/engine/ResultFolder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace porvap {

namespace {

namespace fs = std::filesystem;

// Beside the result files; it stays, empty, when the run ends. Locks taken on it belong to
// each open of it, so two engines of one process exclude each other as two processes do,
// and a process that dies releases its own.
constexpr const char* kLockFile = ".porvap.lock";
constexpr int kMaxFolders = 100;  // of one case beside a held folder

enum class HoldResult { Held, Busy, Failed };

HoldResult TryHold(const fs::path& folder, int& lock) {
    const int descriptor =
        open((folder / kLockFile).c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return HoldResult::Failed;
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        close(descriptor);
        return HoldResult::Busy;
    }
    // Held, or on a file system without locks, where the folder is used unguarded.
    lock = descriptor;
    return HoldResult::Held;
}

std::string FolderName(const std::string& caseName) {
    const std::string stem = fs::path(NativePath(caseName)).stem().string();
    return stem.empty() || stem == "." || stem == ".." ? "case" : stem;
}

}  // namespace

ResultFolder::~ResultFolder() {
    files_.clear();
    if (lock_ >= 0)
        close(lock_);
}

bool ResultFolder::Hold(const std::string& requested, const std::string& caseName) {
    const fs::path base = NativePath(requested);
    HoldResult held = TryHold(base, lock_);
    path_ = requested;
    const std::string name = FolderName(caseName);
    for (int k = 1; held == HoldResult::Busy && k <= kMaxFolders; ++k) {
        const fs::path folder = base / "runs" / (k == 1 ? name : name + "-" + std::to_string(k));
        std::error_code error;
        fs::create_directories(folder, error);
        held = error ? HoldResult::Failed : TryHold(folder, lock_);
        path_ = folder.string();
    }
    return held == HoldResult::Held;
}

FileHandle ResultFolder::Create(const char* name) {
    files_.emplace_back((fs::path(path_) / name).string());
    return files_.back().Open();
}

bool ResultFolder::Publish() {
    for (StagedReplacement& file : files_) {
        if (!file.Commit())
            return false;
    }
    return true;
}

}  // namespace porvap
