// RING2RING RTTTL to RTTTL: every corpus tune in one run, and generated
// texts of growing size to show that the time grows linearly with the text.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "tests/support/RtttlCorpus.h"

namespace {

std::string GeneratedTune(size_t size) {
  std::string text = "Generated:d=4,o=5,b=125:";
  const std::string bar = "8c#6.,p,16g,a5,2h.,32d#,";
  while (text.size() < size) text += bar;
  text.pop_back();
  return text;
}

void BM_RtttlToRtttl_Corpus(benchmark::State& state) {
  const auto tunes = RtttlCorpusTunes();
  ConvertEach(state, tunes, "R00", "R00");
}
BENCHMARK(BM_RtttlToRtttl_Corpus)->Unit(benchmark::kMicrosecond);

void BM_RtttlToRtttl_Generated(benchmark::State& state) {
  ConvertEach(state, {GeneratedTune(static_cast<size_t>(state.range(0)))}, "R00", "R00");
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RtttlToRtttl_Generated)->Apply(GrowingTextSizes);

}  // namespace

BENCHMARK_MAIN();
