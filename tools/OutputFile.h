#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace porvap::datagen {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// A text file opened for writing that closes itself; empty when it cannot be created.
using OutputFile = std::unique_ptr<std::FILE, FileCloser>;

inline OutputFile OpenOutput(const std::string& path) {
    return OutputFile(std::fopen(path.c_str(), "w"));
}

}  // namespace porvap::datagen
