#pragma once

#include <string>
#include <vector>

#include "core/common/FileReplacement.h"
#include "core/common/TextFiles.h"

namespace porvap {

// The folder a run writes its result files in, held from the run's start to its end so that
// no other run, of this process or of another, writes the same files; and the files, written
// as temporaries that take the place of the previous results only when the run publishes
// them, so that a run that fails or is aborted leaves those in place. The hold is released,
// and unpublished temporaries removed, when the folder is destroyed.
class ResultFolder {
  public:
    ResultFolder() = default;
    ~ResultFolder();
    ResultFolder(const ResultFolder&) = delete;
    ResultFolder& operator=(const ResultFolder&) = delete;

    // Holds `requested` ("" the working directory, which must exist) or, while another run
    // holds it, the first free of requested/runs/NAME, NAME-2, NAME-3 ..., created as needed,
    // where NAME is the stem of `caseName`. False when no folder could be held.
    bool Hold(const std::string& requested, const std::string& caseName);
    // The folder held: `requested` itself or the one beside it.
    const std::string& Path() const { return path_; }

    // A stream on the temporary that is to replace the folder's file of that name.
    FileHandle Create(const char* name);
    // Puts every file created, its stream closed by the caller, in the place of the previous
    // one, in the order of creation.
    bool Publish();

  private:
    int lock_ = -1;
    std::string path_;
    std::vector<StagedReplacement> files_;
};

}  // namespace porvap
