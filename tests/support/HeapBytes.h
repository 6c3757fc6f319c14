// The bytes the process holds on the heap right now, for tests that bound
// what a structure costs. The sanitizer counts the bytes asked for; the C
// library counts its blocks, each with its header and rounded up (a block
// of a few bytes costs 32), which is what the process really holds, so a
// bound must leave room for that. The C library also counts the few blocks
// a thread keeps for reuse as held, so its figure may be some kilobytes low.
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
