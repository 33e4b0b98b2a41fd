#pragma once

#include <string>

class QImage;

namespace porvap {

// The desktop services the windows use besides dialogs: the clipboard and other programs.
class Desktop {
  public:
    virtual ~Desktop() = default;
    virtual bool CopyImage(const QImage& image) = 0;
    // The desktop's viewer for a text file, started and not waited for.
    virtual bool OpenInTextViewer(const std::string& path) = 0;
};

}  // namespace porvap
