#pragma once

#if defined(__linux__) && (defined(__x86_64__) || defined(__i386__))
#include <sys/io.h>
#endif

namespace tarvel::test {

// Whether the kernel offers ioperm to this process. Turning a permission off
// needs no privilege and touches no port, so asking costs nothing.
inline bool IopermAvailable() {
#if defined(__linux__) && (defined(__x86_64__) || defined(__i386__))
  return ::ioperm(0x378, 1, 0) == 0;
#else
  return false;
#endif
}

}  // namespace tarvel::test
