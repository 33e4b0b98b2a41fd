#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "core/common/TextFiles.h"

namespace porvap {

// Writes the whole content of a file into the stream it is given; errors are left in the
// stream (ferror) for the caller to find.
using ContentWriter = std::function<void(std::FILE*)>;

// Replaces the file at path ('\' or '/' separators) with what `write` produces, in full or
// not at all. The content goes to a temporary file in the same directory that is flushed
// to disk and renamed over path only when every write, the flush and the close succeeded;
// otherwise the temporary is removed, the file at path is left as it was and the result is
// false. A process killed part-way leaves the old file (and at most a stray temporary).
// The new file keeps the permission bits of the one it replaces; a symbolic link at path
// stays and the file it names is replaced, as writing in place would have done.
bool ReplaceFile(const std::string& path, const ContentWriter& write);

// The same replacement for content written over a longer time, for files that must be
// replaced together (the result files of a run): each goes to its own temporary, the caller
// closes them all with CloseOnDisk and commits them only when every one succeeded. Destroyed
// before its commit, the replacement removes its temporary and leaves the file at path.
class StagedReplacement {
  public:
    explicit StagedReplacement(const std::string& path);
    ~StagedReplacement();
    StagedReplacement(StagedReplacement&&) noexcept;
    StagedReplacement& operator=(StagedReplacement&&) noexcept;

    // The stream on the temporary, once; null when path may not be replaced or no temporary
    // could be made.
    FileHandle Open();
    // Puts the temporary, already closed, in the place of the file at path.
    bool Commit();

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// Flushes a written file to disk and closes it: true only when every write, the flush and the
// close succeeded.
bool CloseOnDisk(FileHandle& file);

// Whether ReplaceFile may replace the file at path: there is none yet, or it is a regular file
// that may be written. Nothing is opened, so a pipe does not block the question.
bool MayReplaceFile(const std::string& path);

// Removes the temporaries that replacements in `directory` left behind when their process
// died part-way (their names carry the process id). Those of a live process, and every other
// file, stay.
void RemoveStaleTemporaries(const std::string& directory);

}  // namespace porvap
