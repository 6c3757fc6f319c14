// RING2RING MIDI to MIDI: on the largest corpus file, and on generated files
// of growing size to show that the time grows linearly with the file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "BenchSupport.h"
#include "Streams.h"

namespace {

std::string BigEndian32(uint32_t n) {
  return {static_cast<char>(n >> 24), static_cast<char>(n >> 16), static_cast<char>(n >> 8), static_cast<char>(n)};
}

// A format-0 file of count notes with running status: each note is a
// note-on and a velocity-0 note-on an eighth later.
std::string GeneratedMidi(int64_t count) {
  std::string body = std::string("\x00\xFF\x51\x03\x07\xA1\x20\x00\x90", 9);
  for (int64_t i = 0; i < count; ++i) {
    const char key = static_cast<char>(48 + i % 24);
    body += std::string{key, '\x40', '\x30', key, '\x00', '\x00'};
  }
  body += std::string("\x00\xFF\x2F\x00", 4);
  return std::string("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60", 14) + "MTrk" + BigEndian32(static_cast<uint32_t>(body.size())) + body;
}

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
