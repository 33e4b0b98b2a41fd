#include "core/common/FileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

#include "core/common/TextFiles.h"

namespace porvap {
namespace {

namespace fs = std::filesystem;

// A temporary is named kTemporaryPrefix, the writer's process id, '-', a count and
// kTemporarySuffix.
constexpr std::string_view kTemporaryPrefix = ".porvap-";
constexpr std::string_view kTemporarySuffix = ".tmp";

// The file a write in place would have changed: the one a symbolic link names.
fs::path Destination(const std::string& path) {
    const fs::path native = NativePath(path);
    std::error_code error;
    if (!fs::is_symlink(native, error))
        return native;
    const fs::path target = fs::weakly_canonical(native, error);
    return error ? native : target;
}

// A file that writing in place could not have changed is not replaced either, nor is
// anything but a regular file: renaming over a device or a pipe would swap it for a file.
bool MayReplace(const fs::path& destination) {
    struct stat existing {};
    if (stat(destination.c_str(), &existing) != 0)
        return true;
    return S_ISREG(existing.st_mode) && access(destination.c_str(), W_OK) == 0;
}

// The temporary, created exclusively next to the destination under a short name of its own
// (a long destination name plus a suffix could exceed the name limit). Removed unless
// renamed.
class TemporaryFile {
  public:
    explicit TemporaryFile(const fs::path& destination) {
        static std::atomic<unsigned> count{0};
        const std::string prefix = std::string(kTemporaryPrefix) + std::to_string(getpid()) + "-";
        for (int attempt = 0; attempt < 100 && descriptor_ < 0; ++attempt) {
            path_ = destination.parent_path() /
                    (prefix + std::to_string(count++) + std::string(kTemporarySuffix));
            descriptor_ = open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (descriptor_ < 0 && errno != EEXIST)
                break;
        }
        if (descriptor_ < 0)
            path_.clear();
    }
    ~TemporaryFile() {
        if (!path_.empty())
            unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // The descriptor passes to the caller, who closes it.
    int TakeDescriptor() { return std::exchange(descriptor_, -1); }

    bool RenameTo(const fs::path& destination) {
        if (std::rename(path_.c_str(), destination.c_str()) != 0)
            return false;
        path_.clear();
        return true;
    }

  private:
    fs::path path_;
    int descriptor_ = -1;
};

// The replacement keeps the permission bits of the file it replaces; a new file has the
// usual ones (open applied the umask).
void KeepMode(int descriptor, const fs::path& destination) {
    struct stat old {};
    if (stat(destination.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        fchmod(descriptor, old.st_mode & 07777);
}

bool WriteToDisk(int descriptor, const ContentWriter& write) {
    FileHandle file(fdopen(descriptor, "w"));
    if (!file) {
        close(descriptor);
        return false;
    }
    write(file.get());
    return CloseOnDisk(file);
}

// Makes the rename itself survive a power loss; the replacement has already happened, so
// a failure here is not reported as one of the write.
void SyncDirectory(const fs::path& directory) {
    const int descriptor =
        open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    fsync(descriptor);
    close(descriptor);
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The writer's process id when name is exactly a temporary's name, otherwise 0.
pid_t TemporaryWriter(std::string_view name) {
    if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix))
        return 0;
    name.remove_prefix(kTemporaryPrefix.size());
    name.remove_suffix(kTemporarySuffix.size());
    const auto dash = name.find('-');
    if (dash == std::string_view::npos || dash > 9 || !AllDigits(name.substr(0, dash)) ||
        !AllDigits(name.substr(dash + 1))) {
        return 0;
    }
    return static_cast<pid_t>(std::stol(std::string(name.substr(0, dash))));
}

// A process of another user still counts as alive.
bool ProcessGone(pid_t pid) {
    return kill(pid, 0) != 0 && errno == ESRCH;
}

}  // namespace

bool MayReplaceFile(const std::string& path) {
    return MayReplace(Destination(path));
}

void RemoveStaleTemporaries(const std::string& directory) {
    std::error_code error;
    fs::directory_iterator entry(NativePath(directory), error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const pid_t writer = TemporaryWriter(entry->path().filename().native());
        std::error_code ignored;
        if (writer > 0 && ProcessGone(writer) &&
            entry->symlink_status(ignored).type() == fs::file_type::regular) {
            fs::remove(entry->path(), ignored);
        }
    }
}

bool ReplaceFile(const std::string& path, const ContentWriter& write) {
    const fs::path destination = Destination(path);
    if (!MayReplace(destination))
        return false;
    TemporaryFile temporary(destination);
    const int descriptor = temporary.TakeDescriptor();
    if (descriptor < 0)
        return false;
    KeepMode(descriptor, destination);
    if (!WriteToDisk(descriptor, write) || !temporary.RenameTo(destination))
        return false;
    SyncDirectory(destination.parent_path());
    return true;
}

struct StagedReplacement::State {
    explicit State(const fs::path& path) : destination(path), temporary(path) {}
    fs::path destination;
    TemporaryFile temporary;
};

StagedReplacement::StagedReplacement(const std::string& path) {
    const fs::path destination = Destination(path);
    if (MayReplace(destination))
        state_ = std::make_unique<State>(destination);
}

StagedReplacement::~StagedReplacement() = default;
StagedReplacement::StagedReplacement(StagedReplacement&&) noexcept = default;
StagedReplacement& StagedReplacement::operator=(StagedReplacement&&) noexcept = default;

FileHandle StagedReplacement::Open() {
    const int descriptor = state_ ? state_->temporary.TakeDescriptor() : -1;
    if (descriptor < 0)
        return nullptr;
    KeepMode(descriptor, state_->destination);
    FileHandle file(fdopen(descriptor, "w"));
    if (!file)
        close(descriptor);
    return file;
}

bool StagedReplacement::Commit() {
    if (!state_ || !state_->temporary.RenameTo(state_->destination))
        return false;
    SyncDirectory(state_->destination.parent_path());
    return true;
}

bool CloseOnDisk(FileHandle& file) {
    const bool onDisk = std::fflush(file.get()) == 0 && fsync(fileno(file.get())) == 0;
    return FinishWriting(file) && onDisk;
}

}  // namespace porvap
