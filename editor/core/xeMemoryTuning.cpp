#include "xeMemoryTuning.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void KeepLargeBlocksReturnable() {
#if defined(__GLIBC__)
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}
