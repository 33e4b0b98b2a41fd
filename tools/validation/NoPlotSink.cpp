#include "tools/validation/PlotSinks.h"

namespace porvap::validation {

std::unique_ptr<PlotSink> MakePlotSink(int&, char**) {
    return nullptr;
}

}  // namespace porvap::validation
