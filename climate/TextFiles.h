#pragma once

#include <sys/stat.h>

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

// Opens a data file for reading. A device is refused: a path in a data file may name one, and
// reading a line from an endless one (/dev/zero) would never return.
inline FileHandle OpenDataFile(const std::string& path) {
    FileHandle file = OpenFile(path, "r");
    struct stat status {};
    if (file && (fstat(fileno(file.get()), &status) != 0 || S_ISCHR(status.st_mode) ||
                 S_ISBLK(status.st_mode))) {
        file.reset();
    }
    return file;
}

// Closes a file that was written to: true only when every write and the close succeeded,
// so a write that fails part-way is reported like a file that cannot be created.
inline bool FinishWriting(FileHandle& file) {
    const bool written = !std::ferror(file.get());
    return std::fclose(file.release()) == 0 && written;
}

}  // namespace porvap
