// RING2RING eMelody to eMelody: every corpus file in one run, and generated
// texts of growing size to show that the time grows linearly with the text.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "runtime/Streams.h"
#include "tests/support/CorpusFiles.h"

namespace {

// Note letters side by side, so the rewriting sets apart nearly every one.
std::string GeneratedTune(size_t size) {
  std::string text = "BEGIN:EMELODY\r\nVERSION:1.0\r\nNAME:Generated tune\r\nCOMPOSER:Bench\r\nMELODY:";
  const std::string bar = "cdE.+f#g(b)AP++a.Bc";
  while (text.size() < size) text += bar;
  return text + "\r\nEND:EMELODY\r\n";
}

void BM_eMelodyToeMelody_Corpus(benchmark::State& state) {
  std::vector<std::string> tunes;
  for (const auto& path : CorpusFiles("emelody", ".emy")) tunes.push_back(ReadFileBytes(path.string()));
  ConvertEach(state, tunes, "R02", "R02");
}
BENCHMARK(BM_eMelodyToeMelody_Corpus)->Unit(benchmark::kMicrosecond);

void BM_eMelodyToeMelody_Generated(benchmark::State& state) {
  ConvertEach(state, {GeneratedTune(static_cast<size_t>(state.range(0)))}, "R02", "R02");
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_eMelodyToeMelody_Generated)->Apply(GrowingTextSizes);

}  // namespace

BENCHMARK_MAIN();
