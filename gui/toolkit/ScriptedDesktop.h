#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "gui/toolkit/Desktop.h"

namespace porvap {

// Records what would have gone to the clipboard and to other programs.
class ScriptedDesktop : public Desktop {
  public:
    bool CopyImage(const QImage& image) override {
        copied.push_back(image);
        return succeed;
    }
    bool OpenInTextViewer(const std::string& path) override {
        opened.push_back(path);
        return succeed;
    }

    bool succeed = true;
    std::vector<QImage> copied;
    std::vector<std::string> opened;
};

}  // namespace porvap
