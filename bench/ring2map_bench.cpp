// RING2MAP: a real tune through each shipped filter beside RING2RING of the
// same tune (what loading and applying a filter adds to a call); tunes of
// far octaves of growing length, notes ever farther up and filters crowded
// with look-alike names, to show that the time grows linearly with the tune,
// with the text a note's steps make and with the filter's lines.
// The far octaves also go through a filter that keys one template per octave
// step, the costliest form a filter can take. Compare RING2MAP and RING2RING
// under load with --benchmark_repetitions=10
// --benchmark_enable_random_interleaving=true.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "bench/BenchSupport.h"
#include "runtime/Streams.h"
#include "tests/support/RtttlCorpus.h"

namespace {

// One template per octave step, wrapping the note's text, and nothing
// remembered: every far note repeats the step thousands of times.
const std::string kStepPerOctaveFilter =
    "FilterInfo_FilterType=1\r\nDefaultOptions_Octave=0\r\nDefaultOptions_Sharp=0\r\n"
    "DefaultOptions_Duration=4\r\nDefaultOptions_DotDuration=0\r\nRemember_Octave=0\r\nRemember_Sharp=0\r\n"
    "Remember_Duration=0\r\nRemember_DotDuration=0\r\nRemember_ToneSeparater= \r\nNoteMapper_C=1\r\n"
    "DurationMapper_MapperType=1\r\nOctaveMapper_MapperType=1\r\nOctaveMapper_ToHigher=*$NOTE$\r\n"
    "MapperOrder_1=0\r\nMapperOrder_2=1\r\nMapperOrder_3=2\r\nMapperOrder_4=3\r\nMapperOrder_5=4\r\n";

// The longest RTTTL tune of the corpus: a whole ringtone of 99 notes.
std::string RealTune() {
  const auto tunes = RtttlCorpusTunes();
  const auto longest = std::max_element(tunes.begin(), tunes.end(),
                                        [](const auto& a, const auto& b) { return a.size() < b.size(); });
  return longest == tunes.end() ? std::string() : *longest;
}

// notes quarters of C in the octave.
std::string FarOctaveTune(int64_t notes, int64_t octave = 4000) {
  std::string text = "Far:d=4,o=5,b=100:";
  for (int64_t i = 0; i < notes; ++i) text += "c" + std::to_string(octave) + ",";
  text.pop_back();
  return text;
}

struct TFilter {
  std::string Name;
  std::string Scrambled;
};

std::vector<TFilter> ShippedFilters() {
  std::vector<TFilter> filters;
  for (const auto& e : std::filesystem::directory_iterator(CAROLUNE_BIN_DIR "/Filters"))
    if (e.path().extension() == ".kps" || e.path().extension() == ".mss")
      filters.push_back({e.path().filename().string(), ScrambleText(ReadFileBytes(e.path().string()))});
  std::sort(filters.begin(), filters.end(), [](const auto& a, const auto& b) { return a.Name < b.Name; });
  return filters;
}

void MapTune(benchmark::State& state, const std::string& tune, const std::string& scrambledFilter,
             size_t outputSize) {
  if (tune.empty()) {
    state.SkipWithError("nothing to convert: corpus not found");
    return;
  }
  BenchLibrary lib;
  const std::string scrambled = ScrambleText(tune);
  for (auto _ : state)
    if (lib.Map(scrambled, "R00", scrambledFilter, outputSize) != 0) state.SkipWithError("conversion failed");
  state.counters["tune_bytes"] = static_cast<double>(tune.size());
}

void BM_Ring2Ring_RealTune(benchmark::State& state) { ConvertEach(state, {RealTune()}, "R00", "R00"); }

void BM_Ring2Map_RealTune(benchmark::State& state, const std::string& filter) {
  const std::string tune = RealTune();
  MapTune(state, tune, filter, tune.size() * 8 + 65536);
}

// Each far note renders to at most a note's longest text (4 KB).
void BM_Ring2Map_FarOctaves(benchmark::State& state, const std::string& filter) {
  const int64_t notes = state.range(0);
  MapTune(state, FarOctaveTune(notes), filter, static_cast<size_t>(notes) * 4200 + 65536);
  state.SetComplexityN(notes);
}

// About 1, 2, 3 (500 notes), 4, 8 and 16 KB of tune text.
void FarOctaveSizes(benchmark::internal::Benchmark* b) {
  for (const int64_t notes : {170, 340, 500, 680, 1360, 2730}) b->Arg(notes);
  b->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}

// A hundred notes ever farther up: the time of a note grows with the text
// its octave steps make, not with its square.
void BM_Ring2Map_FartherOctaves(benchmark::State& state, const std::string& filter) {
  const int64_t octave = state.range(0);
  MapTune(state, FarOctaveTune(100, octave), filter, 100 * 4200 + 65536);
  state.SetComplexityN(octave);
}

void FartherOctaves(benchmark::internal::Benchmark* b) {
  for (const int64_t octave : {250, 500, 1000, 2000, 4000}) b->Arg(octave);
  b->Unit(benchmark::kMillisecond)->Complexity(benchmark::oAuto);
}

// A filter holding lines ahead of its own whose names differ only where a
// careless case fold would join them ("@" and "`" in every place): loading it
// must stay linear in its lines however the names look.
std::string CrowdedFilter(int64_t lines) {
  std::string text;
  for (int64_t i = 0; i < lines; ++i) {
    for (int bit = 0; bit < 16; ++bit) text += (i >> bit & 1) ? '`' : '@';
    text += "=1\r\n";
  }
  return text + kStepPerOctaveFilter;
}

void BM_Ring2Map_CrowdedFilter(benchmark::State& state) {
  const std::string tune = RealTune();
  MapTune(state, tune, ScrambleText(CrowdedFilter(state.range(0))), tune.size() * 8 + 65536);
  state.SetComplexityN(state.range(0));
}

}  // namespace

int main(int argc, char** argv) {
  // Far octaves through the step filter give outputs of megabytes. Left to
  // itself the allocator maps such blocks fresh and hands them back on every
  // call, and on this kind of virtual machine the page faults that follow
  // cost more than the rendering; keeping the heap fixed measures the
  // library's own work. (Without these two lines the 16 KB case takes some
  // ten times the 8 KB one.)
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  benchmark::Initialize(&argc, argv);
  benchmark::RegisterBenchmark("RING2RING/RealTune", BM_Ring2Ring_RealTune)->Unit(benchmark::kMicrosecond);
  std::vector<TFilter> filters = ShippedFilters();
  for (const TFilter& f : filters)
    benchmark::RegisterBenchmark(("RING2MAP/RealTune/" + f.Name).c_str(), BM_Ring2Map_RealTune, f.Scrambled)
        ->Unit(benchmark::kMicrosecond);
  filters.push_back({"StepPerOctave", ScrambleText(kStepPerOctaveFilter)});
  for (const TFilter& f : filters) {
    benchmark::RegisterBenchmark(("RING2MAP/FarOctaves/" + f.Name).c_str(), BM_Ring2Map_FarOctaves, f.Scrambled)
        ->Apply(FarOctaveSizes);
    benchmark::RegisterBenchmark(("RING2MAP/FartherOctaves/" + f.Name).c_str(), BM_Ring2Map_FartherOctaves,
                                 f.Scrambled)
        ->Apply(FartherOctaves);
  }
  benchmark::RegisterBenchmark("RING2MAP/CrowdedFilter", BM_Ring2Map_CrowdedFilter)
      ->RangeMultiplier(2)
      ->Range(1 << 10, 1 << 14)
      ->Unit(benchmark::kMillisecond)
      ->Complexity(benchmark::oN);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
