// RING2RING MIDI to MIDI: on the largest corpus file, and on generated files
// of growing size to show that the time grows linearly with the file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/BenchSupport.h"
#include "runtime/Streams.h"
#include "tests/support/MidiTunes.h"

namespace {

std::string LargestCorpusMidi() {
  std::string best;
  const std::filesystem::path root = std::filesystem::path(CAROLUNE_CORPUS_DIR) / "midi";
  if (!std::filesystem::exists(root)) return best;
  for (const auto& e : std::filesystem::recursive_directory_iterator(root)) {
    if (e.path().extension() != ".mid") continue;
    std::string bytes = ReadFileBytes(e.path().string());
    if (bytes.size() > best.size()) best = std::move(bytes);
  }
  return best;
}

void BM_MidiToMidi_LargestCorpusFile(benchmark::State& state) {
  BenchLibrary lib;
  const std::string scrambled = ScrambleText(LargestCorpusMidi());
  for (auto _ : state) benchmark::DoNotOptimize(lib.Convert(scrambled, "R04", "R04"));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(scrambled.size()));
}
BENCHMARK(BM_MidiToMidi_LargestCorpusFile)->Unit(benchmark::kMillisecond);

void BM_MidiToMidi_Generated(benchmark::State& state) {
  BenchLibrary lib;
  const std::string scrambled = ScrambleText(GeneratedMidi(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(lib.Convert(scrambled, "R04", "R04"));
  state.counters["file_KB"] = static_cast<double>(scrambled.size()) / 1024.0;
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MidiToMidi_Generated)->RangeMultiplier(2)->Range(12500, 100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
