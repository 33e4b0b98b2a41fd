#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

namespace porvap {

// Case and configuration files carry paths written with '\' separators; '/' opens the same
// file on every platform the program runs on.
inline std::string NativePath(const std::string& path) {
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens a data file in C stdio (the formats are printf and scanf formats), either separator.
inline FileHandle OpenFile(const std::string& path, const char* mode) {
    return FileHandle(std::fopen(NativePath(path).c_str(), mode));
}

// Takes over an open descriptor when it is a regular file, in blocking mode again; closes it
// otherwise.
inline FileHandle AdoptRegularFile(int fd, const char* mode) {
    if (fd < 0)
        return nullptr;
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return nullptr;
    }
    FileHandle file(fdopen(fd, mode));
    if (!file)
        ::close(fd);
    return file;
}

// Opens a data file for reading; anything but a regular file is refused. A path in a data
// file or a dialog may name a directory (reads fail at once and loops never end), a pipe
// (opening it waits for a writer) or a device (/dev/zero never ends a line). The open does
// not block, so a pipe is refused rather than waited on.
inline FileHandle OpenDataFile(const std::string& path) {
    return AdoptRegularFile(::open(NativePath(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC),
                            "r");
}

// Opens a file for appending, created when missing; as for reading, anything but a regular
// file is refused without waiting for a reader of a pipe.
inline FileHandle OpenAppendFile(const std::string& path) {
    const int flags = O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC;
    return AdoptRegularFile(::open(NativePath(path).c_str(), flags, 0666), "a");
}

// Closes a file that was written to: true only when every write and the close succeeded,
// so a write that fails part-way is reported like a file that cannot be created.
inline bool FinishWriting(FileHandle& file) {
    const bool written = !std::ferror(file.get());
    return std::fclose(file.release()) == 0 && written;
}

}  // namespace porvap
