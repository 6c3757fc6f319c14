// The bytes the process holds on the heap right now, for tests that bound
// what a structure costs.
#pragma once

#include <malloc.h>

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own count: its allocator is not the C library's.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

inline size_t AllocatedBytes() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}
