// Reading and writing RTTTL: every corpus tune in one run, and generated
// texts of growing size, which must cost time in proportion to their length.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "uRtttlRing.h"

namespace {

std::vector<std::string> CorpusTunes() {
  std::vector<std::string> tunes;
  for (const char* file : {"anyrtttl-examples.txt", "sonivox-greensleeves.txt", "upy-rtttl.txt"}) {
    std::ifstream in(std::string(CAROLUNE_CORPUS_DIR) + "/rtttl/" + file, std::ios::binary);
    for (std::string line; std::getline(in, line);)
      if (!line.empty()) tunes.push_back(line);
  }
  return tunes;
}

std::string GeneratedTune(size_t size) {
  std::string text = "Generated:d=4,o=5,b=125:";
  const std::string bar = "8c#6.,p,16g,a5,2h.,32d#,";
  while (text.size() < size) text += bar;
  text.pop_back();
  return text;
}

size_t ReadAndWrite(const std::string& text) {
  TRtttlRing ring;
  ring.LoadFromText(text);
  return ring.GetText().size();
}

void BM_RtttlCorpus(benchmark::State& state) {
  const auto tunes = CorpusTunes();
  if (tunes.empty()) {
    state.SkipWithError("no RTTTL corpus found");
    return;
  }
  int64_t bytes = 0;
  for (auto _ : state) {
    for (const auto& tune : tunes) {
      benchmark::DoNotOptimize(ReadAndWrite(tune));
      bytes += static_cast<int64_t>(tune.size());
    }
  }
  state.SetBytesProcessed(bytes);
  state.counters["tunes"] = static_cast<double>(tunes.size());
}
BENCHMARK(BM_RtttlCorpus)->Unit(benchmark::kMicrosecond);

void BM_RtttlGenerated(benchmark::State& state) {
  const std::string text = GeneratedTune(static_cast<size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ReadAndWrite(text));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RtttlGenerated)
    ->Arg(25 << 10)
    ->Arg(50 << 10)
    ->Arg(100 << 10)
    ->Arg(200 << 10)
    ->Arg(400 << 10)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
