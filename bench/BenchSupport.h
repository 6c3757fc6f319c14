// Calls the real libPelmora.so the way a program does, for the benchmarks.
#pragma once

#include <dlfcn.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "TextScramble.h"

class BenchLibrary {
 public:
  using Ring2Ring = int32_t (*)(const char*, int32_t, const char*, const char*, char*, int32_t, int32_t*);

  BenchLibrary() {
    FHandle = dlopen(CAROLUNE_BIN_DIR "/libPelmora.so", RTLD_NOW | RTLD_LOCAL);
    if (!FHandle) {
      std::fprintf(stderr, "%s\n", dlerror());
      std::exit(1);
    }
    FRing2Ring = reinterpret_cast<Ring2Ring>(dlsym(FHandle, "RING2RING"));
  }
  ~BenchLibrary() { dlclose(FHandle); }

  // Converts already scrambled text; returns the result code.
  int32_t Convert(const std::string& scrambled, const char* from, const char* to) {
    FBuffer.resize(scrambled.size() * 8 + 65536);
    int32_t length = 0;
    return FRing2Ring(scrambled.data(), static_cast<int32_t>(scrambled.size()), from, to, FBuffer.data(),
                      static_cast<int32_t>(FBuffer.size()), &length);
  }

 private:
  void* FHandle = nullptr;
  Ring2Ring FRing2Ring = nullptr;
  std::vector<char> FBuffer;
};
