#pragma once

#include <cstddef>
#include <string>

#include "core/cases/CaseRecord.h"

namespace porvap {

// First and last line of a case file (".sim").
inline constexpr const char* kCaseFileMarker = "#Simulation";
inline constexpr const char* kCaseFileNotCreated = "File could not be opened";
inline constexpr const char* kCaseFileNotOpened = "File could not be opened for reading";
// Longest text line kept; the rest of a longer line is dropped, so later lines still
// line up.
inline constexpr std::size_t kMaxCaseLine = 499;

// Reads the case file at path ('\' or '/' separators). Returns 0, or -1 with the message
// to show under the caption "Error!": kCaseFileNotOpened, or "Invalid simulation file (n)"
// for the first failed check. After -1 the record is partly filled and must be discarded.
// A file with more than kMaxCaseLayers layers fails the layer-count check. List positions
// are kept as read, in or out of their lists.
int ReadCaseFile(const std::string& path, CaseRecord& record, std::string& message);

// Creates or overwrites the file. Returns 0, or -1 when it cannot be created or not be
// written completely (the caller shows kCaseFileNotCreated).
int WriteCaseFile(const std::string& path, const CaseRecord& record);

}  // namespace porvap
