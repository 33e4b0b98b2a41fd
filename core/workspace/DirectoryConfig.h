#pragma once

#include <string>

namespace porvap {

// The starting directories of the file dialogs, kept between runs in "config.cfg" in the
// working directory. Both always end in a path separator.
class DirectoryConfig {
  public:
    static constexpr const char* kFileName = "config.cfg";
    static constexpr std::size_t kMaxLineLength = 199;

    // Reads "config.cfg"; a missing file, or a missing or empty line, gives the current
    // directory. Returns whether the file was there.
    bool Read();
    // Creates "config.cfg" anew; false when it cannot be written.
    bool Write() const;

    const std::string& FirstDirectory() const { return first_; }
    const std::string& SecondDirectory() const { return second_; }

  private:
    std::string first_;
    std::string second_;
};

// Appends '/' unless the text already ends in '/' or '\\'.
std::string WithTrailingSeparator(const std::string& directory);

}  // namespace porvap
