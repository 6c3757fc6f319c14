// Calls the real libPelmora.so the way a program does, for the benchmarks.
// PELMORA_LIBRARY names another build of the library to measure with the
// same benchmark programs (an earlier build, say, for a before and after).
#pragma once

#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/TextScramble.h"

class BenchLibrary {
 public:
  using Ring2Ring = int32_t (*)(const char*, int32_t, const char*, const char*, char*, int32_t, int32_t*);
  using Ring2Map = int32_t (*)(const char*, int32_t, const char*, const char*, int32_t, const char*, const char*,
                               char*, int32_t, int32_t*);

  BenchLibrary() {
    const char* path = std::getenv("PELMORA_LIBRARY");
    FHandle = dlopen(path ? path : CAROLUNE_BIN_DIR "/libPelmora.so", RTLD_NOW | RTLD_LOCAL);
    if (!FHandle) {
      std::fprintf(stderr, "%s\n", dlerror());
      std::exit(1);
    }
    FRing2Ring = reinterpret_cast<Ring2Ring>(dlsym(FHandle, "RING2RING"));
    FRing2Map = reinterpret_cast<Ring2Map>(dlsym(FHandle, "RING2MAP"));
  }
  ~BenchLibrary() { dlclose(FHandle); }
  BenchLibrary(const BenchLibrary&) = delete;
  BenchLibrary& operator=(const BenchLibrary&) = delete;

  Ring2Ring RING2RING() const { return FRing2Ring; }
  Ring2Map RING2MAP() const { return FRing2Map; }

  // Converts already scrambled text; returns the result code.
  int32_t Convert(const std::string& scrambled, const char* from, const char* to) {
    FBuffer.resize(scrambled.size() * 8 + 65536);
    int32_t length = 0;
    return FRing2Ring(scrambled.data(), static_cast<int32_t>(scrambled.size()), from, to, FBuffer.data(),
                      static_cast<int32_t>(FBuffer.size()), &length);
  }

  // Renders an already scrambled tune through an already scrambled filter
  // text into an output buffer of the given size; returns the result code.
  int32_t Map(const std::string& scrambled, const char* from, const std::string& scrambledFilter,
              size_t outputSize) {
    FBuffer.resize(outputSize);
    int32_t length = 0;
    return FRing2Map(scrambled.data(), static_cast<int32_t>(scrambled.size()), from, scrambledFilter.data(),
                     static_cast<int32_t>(scrambledFilter.size()), "R", "R", FBuffer.data(),
                     static_cast<int32_t>(FBuffer.size()), &length);
  }

 private:
  void* FHandle = nullptr;
  Ring2Ring FRing2Ring = nullptr;
  Ring2Map FRing2Map = nullptr;
  std::vector<char> FBuffer;
};

// Converts every text once per iteration and counts their bytes and texts;
// a failed conversion, or no text at all (a missing corpus), ends the
// benchmark with an error.
inline void ConvertEach(benchmark::State& state, const std::vector<std::string>& texts, const char* from,
                        const char* to) {
  if (texts.empty()) {
    state.SkipWithError("nothing to convert: corpus not found");
    return;
  }
  std::vector<std::string> scrambled;
  int64_t size = 0;
  for (const auto& text : texts) {
    scrambled.push_back(ScrambleText(text));
    size += static_cast<int64_t>(text.size());
  }
  BenchLibrary lib;
  for (auto _ : state)
    for (const auto& text : scrambled)
      if (lib.Convert(text, from, to) != 0) state.SkipWithError("conversion failed");
  state.SetBytesProcessed(state.iterations() * size);
  state.counters["tunes"] = static_cast<double>(texts.size());
}

// Generated texts from 25 to 400 KB, so that the fit shows linear time.
inline void GrowingTextSizes(benchmark::internal::Benchmark* b) {
  for (const int64_t kilobytes : {25, 50, 100, 200, 400}) b->Arg(kilobytes << 10);
  b->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);
}
