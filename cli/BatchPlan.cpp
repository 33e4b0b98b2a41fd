#include "cli/BatchPlan.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

namespace porvap {

namespace fs = std::filesystem;

namespace {

bool AddDirectory(const fs::path& directory, std::vector<std::string>& cases, std::string& error) {
    std::vector<std::string> found;
    std::error_code failure;
    for (fs::directory_iterator it(directory, failure), end; !failure && it != end;
         it.increment(failure)) {
        if (it->path().extension() == ".sim" && it->is_regular_file(failure))
            found.push_back(it->path().string());
    }
    if (failure) {
        error = "cannot read directory '" + directory.string() + "': " + failure.message();
        return false;
    }
    if (found.empty()) {
        error = "no .sim case file in directory '" + directory.string() + "'";
        return false;
    }
    std::sort(found.begin(), found.end());
    cases.insert(cases.end(), found.begin(), found.end());
    return true;
}

std::string Folded(std::string name) {
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

// A stem that would name the output directory itself or its parent is replaced.
std::string Stem(const std::string& casePath) {
    const std::string stem = fs::path(casePath).stem().string();
    return stem.empty() || stem == "." || stem == ".." ? "case" : stem;
}

std::string UniqueName(const std::string& stem, const std::set<std::string>& reserved,
                       const std::set<std::string>& taken) {
    if (taken.count(Folded(stem)) == 0)
        return stem;
    for (int n = 2;; ++n) {
        const std::string name = stem + "-" + std::to_string(n);
        if (reserved.count(Folded(name)) == 0 && taken.count(Folded(name)) == 0)
            return name;
    }
}

}  // namespace

bool CollectCaseFiles(const std::vector<std::string>& inputs, std::vector<std::string>& cases,
                      std::string& error) {
    cases.clear();
    for (const std::string& input : inputs) {
        std::error_code ignored;
        if (!fs::is_directory(input, ignored)) {
            cases.push_back(input);
        } else if (!AddDirectory(input, cases, error)) {
            return false;
        }
    }
    return true;
}

std::vector<BatchCase> PlanBatch(const std::vector<std::string>& cases,
                                 const std::string& outputDirectory) {
    std::set<std::string> reserved;
    for (const std::string& path : cases)
        reserved.insert(Folded(Stem(path)));
    std::set<std::string> taken;
    std::vector<BatchCase> plan;
    for (const std::string& path : cases) {
        const std::string name = UniqueName(Stem(path), reserved, taken);
        taken.insert(Folded(name));
        plan.push_back({path, (fs::path(outputDirectory) / name).string()});
    }
    return plan;
}

}  // namespace porvap
