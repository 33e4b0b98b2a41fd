#include "tools/limits/PeakMemory.h"

#include <sys/resource.h>

namespace porvap {

long PeakMemoryKiB() {
    rusage usage{};
    return getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_maxrss : -1;
}

}  // namespace porvap
