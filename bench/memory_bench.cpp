// The heap one RING2RING call takes at its peak, per byte of its source:
// tunes of every notation grown from 25 KB to 3.2 MB into every notation.
// The figure must stay flat as the source grows (linear memory) and low.
// Every allocation of the process goes through the operator new below, the
// library's too, so the peak of one call is counted exactly; the time of
// these runs means little, since the counting slows every allocation.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>

#include "bench/BenchSupport.h"
#include "bench/TypicalTunes.h"

namespace {

size_t gHeldBytes = 0;
size_t gPeakBytes = 0;
size_t gAllocations = 0;

void* Allocate(size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (!p) throw std::bad_alloc();
  ++gAllocations;
  gHeldBytes += malloc_usable_size(p);
  gPeakBytes = std::max(gPeakBytes, gHeldBytes);
  return p;
}

void Free(void* p) {
  if (!p) return;
  gHeldBytes -= malloc_usable_size(p);
  std::free(p);
}

}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, size_t) noexcept { Free(p); }
void operator delete[](void* p, size_t) noexcept { Free(p); }

namespace {

void PeakPerSourceByte(benchmark::State& state, const std::string& from, const std::string& to) {
  BenchLibrary lib;
  const std::string text = GrownTune(lib, from, static_cast<size_t>(state.range(0)));
  const std::string scrambled = ScrambleText(text);
  const std::string fromDescriptor = "R" + from;
  const std::string toDescriptor = "R" + to;
  std::vector<char> buffer(ProgramOutputSize(text));
  size_t peak = 0;
  for (auto _ : state) {
    const size_t before = gHeldBytes;
    gPeakBytes = before;
    int32_t length = 0;
    if (lib.RING2RING()(scrambled.data(), static_cast<int32_t>(scrambled.size()), fromDescriptor.c_str(),
                        toDescriptor.c_str(), buffer.data(), static_cast<int32_t>(buffer.size()), &length) != 0)
      state.SkipWithError("conversion failed");
    peak = gPeakBytes - before;
  }
  state.counters["source_KB"] = static_cast<double>(text.size()) / 1024.0;
  state.counters["peak_MB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
  state.counters["bytes_per_source_byte"] = static_cast<double>(peak) / static_cast<double>(text.size());
}

// The allocations and heap bytes of one call for the typical tune, in a
// pair (to an empty target name: through the shipped filter).
void AllocationsPerCall(benchmark::State& state, const std::string& from, const std::string& to,
                        const std::string& filter) {
  BenchLibrary lib;
  const std::string scrambled = ScrambleText(TypicalTune(lib, from));
  const std::string scrambledFilter = ScrambleText(filter);
  const std::string fromDescriptor = "R" + from;
  const std::string toDescriptor = "R" + to;
  std::vector<char> buffer(kProgramOutputSize);
  size_t allocations = 0;
  size_t peak = 0;
  for (auto _ : state) {
    const size_t before = gAllocations;
    const size_t held = gHeldBytes;
    gPeakBytes = held;
    int32_t length = 0;
    const int32_t result =
        to.empty() ? lib.RING2MAP()(scrambled.data(), static_cast<int32_t>(scrambled.size()), fromDescriptor.c_str(),
                                    scrambledFilter.data(), static_cast<int32_t>(scrambledFilter.size()), "R", "R",
                                    buffer.data(), static_cast<int32_t>(buffer.size()), &length)
                   : lib.RING2RING()(scrambled.data(), static_cast<int32_t>(scrambled.size()),
                                     fromDescriptor.c_str(), toDescriptor.c_str(), buffer.data(),
                                     static_cast<int32_t>(buffer.size()), &length);
    if (result != 0) state.SkipWithError("conversion failed");
    allocations = gAllocations - before;
    peak = gPeakBytes - held;
  }
  state.counters["allocations"] = static_cast<double>(allocations);
  state.counters["peak_bytes"] = static_cast<double>(peak);
}

void RegisterAll() {
  const std::string filter = ShippedFilter();
  for (const TNotation& source : kSourceNotations) {
    for (const TNotation& target : kTargetNotations) {
      const std::string from = source.Code;
      const std::string to = target.Code;
      benchmark::RegisterBenchmark(("Allocations/" + std::string(source.Name) + "/" + target.Name).c_str(),
                                   [=](benchmark::State& state) { AllocationsPerCall(state, from, to, {}); })
          ->Iterations(1);
    }
    const std::string from = source.Code;
    benchmark::RegisterBenchmark(("Allocations/" + std::string(source.Name) + "/Filter").c_str(),
                                 [=](benchmark::State& state) { AllocationsPerCall(state, from, {}, filter); })
        ->Iterations(1);
  }
  for (const TNotation& source : kSourceNotations)
    for (const TNotation& target : kTargetNotations) {
      const std::string from = source.Code;
      const std::string to = target.Code;
      benchmark::RegisterBenchmark(("PeakHeap/" + std::string(source.Name) + "/" + target.Name).c_str(),
                                   [=](benchmark::State& state) { PeakPerSourceByte(state, from, to); })
          ->Apply([](benchmark::internal::Benchmark* b) {
            for (const int64_t kilobytes : {25, 50, 100, 200, 400, 800, 1600, 3200, 4096}) b->Arg(kilobytes << 10);
          })
          ->Iterations(1)
          ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv, RegisterAll); }
