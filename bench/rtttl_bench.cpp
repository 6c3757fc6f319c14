// RING2RING RTTTL to RTTTL: every corpus tune in one run, and generated
// texts of growing size to show that the time grows linearly with the text.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchSupport.h"
#include "RtttlCorpus.h"
#include "TextScramble.h"

namespace {

std::string GeneratedTune(size_t size) {
  std::string text = "Generated:d=4,o=5,b=125:";
  const std::string bar = "8c#6.,p,16g,a5,2h.,32d#,";
  while (text.size() < size) text += bar;
  text.pop_back();
  return text;
}

void BM_RtttlToRtttl_Corpus(benchmark::State& state) {
  std::vector<std::string> scrambled;
  int64_t size = 0;
  for (const auto& tune : RtttlCorpusTunes()) {
    scrambled.push_back(ScrambleText(tune));
    size += static_cast<int64_t>(tune.size());
  }
  if (scrambled.empty()) {
    state.SkipWithError("no RTTTL corpus found");
    return;
  }
  BenchLibrary lib;
  for (auto _ : state)
    for (const auto& tune : scrambled)
      if (lib.Convert(tune, "R00", "R00") != 0) state.SkipWithError("conversion failed");
  state.SetBytesProcessed(state.iterations() * size);
  state.counters["tunes"] = static_cast<double>(scrambled.size());
}
BENCHMARK(BM_RtttlToRtttl_Corpus)->Unit(benchmark::kMicrosecond);

void BM_RtttlToRtttl_Generated(benchmark::State& state) {
  const std::string text = ScrambleText(GeneratedTune(static_cast<size_t>(state.range(0))));
  BenchLibrary lib;
  for (auto _ : state)
    if (lib.Convert(text, "R00", "R00") != 0) state.SkipWithError("conversion failed");
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RtttlToRtttl_Generated)
    ->Arg(25 << 10)
    ->Arg(50 << 10)
    ->Arg(100 << 10)
    ->Arg(200 << 10)
    ->Arg(400 << 10)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
