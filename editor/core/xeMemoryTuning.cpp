#include "xeMemoryTuning.h"

#include <cstdlib>  // names the C library: __GLIBC__ is not known before a system header

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void KeepLargeBlocksReturnable() {
#if defined(__GLIBC__)
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}
