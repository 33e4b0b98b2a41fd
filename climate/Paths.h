#pragma once

#include <algorithm>
#include <string>

namespace porvap {

// Case and configuration files carry paths written with '\' separators; '/' opens the same
// file on every platform the program runs on.
inline std::string NativePath(const std::string& path) {
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

}  // namespace porvap
