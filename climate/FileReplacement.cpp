#include "climate/FileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "climate/TextFiles.h"

namespace porvap {
namespace {

namespace fs = std::filesystem;

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
        const std::string prefix = ".porvap-" + std::to_string(getpid()) + "-";
        for (int attempt = 0; attempt < 100 && descriptor_ < 0; ++attempt) {
            path_ = destination.parent_path() / (prefix + std::to_string(count++) + ".tmp");
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
    const bool onDisk = std::fflush(file.get()) == 0 && fsync(fileno(file.get())) == 0;
    return FinishWriting(file) && onDisk;
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

}  // namespace

bool MayReplaceFile(const std::string& path) {
    return MayReplace(Destination(path));
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

}  // namespace porvap
