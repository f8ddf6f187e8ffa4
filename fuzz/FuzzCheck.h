// The fuzz targets' assertion: says which condition failed before aborting, so the crash report names it.
#pragma once
#include <cstdio>
#include <cstdlib>

#define CHECK(Cond)                                                          \
  do {                                                                       \
    if (!(Cond)) {                                                           \
      std::fprintf(stderr, "check failed: %s (line %d)\n", #Cond, __LINE__); \
      std::abort();                                                          \
    }                                                                        \
  } while (0)
