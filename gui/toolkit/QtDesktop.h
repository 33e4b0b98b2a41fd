#pragma once

#include "gui/toolkit/Desktop.h"

namespace porvap {

class QtDesktop : public Desktop {
  public:
    bool CopyImage(const QImage& image) override;
    bool OpenInTextViewer(const std::string& path) override;
};

}  // namespace porvap
