// RING2RING iMelody to iMelody: every corpus file in one run, and generated
// texts of growing size to show that the time grows linearly with the text.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "runtime/Streams.h"
#include "tests/support/CorpusFiles.h"

namespace {

std::string GeneratedTune(size_t size) {
  std::string text =
      "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\nNAME:Generated tune\r\nCOMPOSER:Bench\r\n"
      "BEAT:125\r\nSTYLE:S1\r\nVOLUME:V10\r\nMELODY:";
  const std::string bar = "*5c2#d3.r1ledon V+&b4e2:*4g3;V5 vibeoff a0backon ";
  while (text.size() < size) text += bar;
  return text + "\r\nEND:IMELODY";
}

void BM_iMelodyToiMelody_Corpus(benchmark::State& state) {
  std::vector<std::string> tunes;
  for (const auto& path : CorpusFiles("imelody", ".imy")) tunes.push_back(ReadFileBytes(path.string()));
  ConvertEach(state, tunes, "R03", "R03");
}
BENCHMARK(BM_iMelodyToiMelody_Corpus)->Unit(benchmark::kMicrosecond);

void BM_iMelodyToiMelody_Generated(benchmark::State& state) {
  ConvertEach(state, {GeneratedTune(static_cast<size_t>(state.range(0)))}, "R03", "R03");
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_iMelodyToiMelody_Generated)->Apply(GrowingTextSizes);

}  // namespace

BENCHMARK_MAIN();
