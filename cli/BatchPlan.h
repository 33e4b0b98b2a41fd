#pragma once

#include <string>
#include <vector>

namespace porvap {

// One case of a batch and the directory its result files go to.
struct BatchCase {
    std::string casePath;
    std::string resultsDirectory;
};

// The case files in the order given, each directory replaced by the "*.sim" files directly
// inside it, sorted by name. Answers false with the message when a directory holds none or
// cannot be read; other paths are taken as case files, whether they exist or not.
bool CollectCaseFiles(const std::vector<std::string>& inputs, std::vector<std::string>& cases,
                      std::string& error);

// Gives each case outputDirectory/<case file stem>. A stem already taken by an earlier case
// gets the first free "-2", "-3", ... suffix that is no other case's stem either. Names are
// compared ignoring case, so no two results meet on a case-insensitive file system.
std::vector<BatchCase> PlanBatch(const std::vector<std::string>& cases,
                                 const std::string& outputDirectory);

}  // namespace porvap
