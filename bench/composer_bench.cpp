// RING2RING Composer to Composer: generated one-line texts of growing size,
// unframed and framed, to show that the time grows linearly with the text.
// The writer keeps only the first 35 tones, so the reading dominates.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/BenchSupport.h"

namespace {

std::string GeneratedTune(size_t size, bool framed) {
  std::string text = framed ? "L35&2 " : "";
  const std::string bar = "C#+4 D-3 P5 H a#1 G+6 f2 E-5 ";
  while (text.size() < size) text += bar;
  return framed ? text + "&&00" : text;
}

void BM_ComposerToComposer_Generated(benchmark::State& state) {
  ConvertEach(state, {GeneratedTune(static_cast<size_t>(state.range(0)), false)}, "R01", "R01");
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ComposerToComposer_Generated)->Apply(GrowingTextSizes);

void BM_FramedToFramed_Generated(benchmark::State& state) {
  ConvertEach(state, {GeneratedTune(static_cast<size_t>(state.range(0)), true)}, "R11", "R11");
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FramedToFramed_Generated)->Apply(GrowingTextSizes);

}  // namespace

BENCHMARK_MAIN();
