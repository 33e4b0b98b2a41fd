#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/common/Messages.h"

namespace porvap {

// A common open or save dialog. Filters are "Description|*.ext" entries; the index is
// 1-based, as the windows count them.
struct FileDialogRequest {
    std::string directory;
    std::string fileName;
    std::vector<std::string> filters;
    int filterIndex = 1;
    bool overwritePrompt = false;
};

// Everything a window asks of the user or of the desktop. The Qt implementation shows real
// dialogs; tests script the answers and read what would have been shown.
class Prompter : public MessageSink {
  public:
    virtual std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) = 0;
    // The user manual, at the section of a help context (1000 main window, 1002 materials
    // editor, 1003 case window).
    virtual void OpenHelp(int context) = 0;
};

}  // namespace porvap
