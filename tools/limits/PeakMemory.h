#pragma once

namespace porvap {

// Largest resident set of this process so far, KiB (the kernel's high-water mark).
long PeakMemoryKiB();

}  // namespace porvap
