#pragma once

#include <cstdio>
#include <functional>
#include <string>

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

// Whether ReplaceFile may replace the file at path: there is none yet, or it is a regular file
// that may be written. Nothing is opened, so a pipe does not block the question.
bool MayReplaceFile(const std::string& path);

// Removes the temporaries that replacements in `directory` left behind when their process
// died part-way (their names carry the process id). Those of a live process, and every other
// file, stay.
void RemoveStaleTemporaries(const std::string& directory);

}  // namespace porvap
