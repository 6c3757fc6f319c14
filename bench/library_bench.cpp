// The library's cost per call, as the program calls it: a typical tune from
// every notation to every notation (RING2RING) and through a phone filter
// (RING2MAP), with the output buffer the program passes (TypicalTune) and
// with one just large enough for the result (SizedBuffer: the library zeroes
// all of the buffer it is given, 409,600 bytes take some 3 microseconds);
// and with a 4 KB one (SmallBuffer: what the conversion itself costs); a
// tune of every text notation grown to the 4 MiB the program accepts, and
// the largest MIDI file, to every page.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/BenchSupport.h"
#include "bench/TypicalTunes.h"

namespace {

// The largest file the program opens is 4 MiB; 600,000 notes come close.
constexpr int64_t kLargestMidiNotes = 600000;
constexpr size_t kLargestSource = size_t{4} << 20;
// An output buffer that holds a typical tune in any notation.
constexpr size_t kSmallOutputSize = 4096;

// One RING2RING call per iteration of already scrambled text, into a buffer
// of the given size, as the program's binding makes it.
void ConvertOnce(benchmark::State& state, const std::string& text, const std::string& from,
                 const std::string& to, size_t bufferSize) {
  BenchLibrary lib;
  const std::string scrambled = ScrambleText(text);
  std::vector<char> buffer(bufferSize);
  for (auto _ : state) {
    int32_t length = 0;
    if (lib.RING2RING()(scrambled.data(), static_cast<int32_t>(scrambled.size()), from.c_str(), to.c_str(),
                        buffer.data(), static_cast<int32_t>(buffer.size()), &length) != 0)
      state.SkipWithError("conversion failed");
  }
  state.counters["source_bytes"] = static_cast<double>(text.size());
}

void MapOnce(benchmark::State& state, const std::string& text, const std::string& from, const std::string& filter,
             size_t bufferSize) {
  if (filter.empty()) {
    state.SkipWithError("no shipped filter beside the library");
    return;
  }
  BenchLibrary lib;
  const std::string scrambled = ScrambleText(text);
  const std::string scrambledFilter = ScrambleText(filter);
  std::vector<char> buffer(bufferSize);
  for (auto _ : state) {
    int32_t length = 0;
    if (lib.RING2MAP()(scrambled.data(), static_cast<int32_t>(scrambled.size()), from.c_str(),
                       scrambledFilter.data(), static_cast<int32_t>(scrambledFilter.size()), "R", "R",
                       buffer.data(), static_cast<int32_t>(buffer.size()), &length) != 0)
      state.SkipWithError("conversion failed");
  }
}

void RegisterAll() {
  BenchLibrary lib;
  const std::string filter = ShippedFilter();
  for (const TNotation& source : kSourceNotations) {
    const std::string text = TypicalTune(lib, source.Code);
    const std::string from = std::string("R") + source.Code;
    const std::string pair = std::string(source.Name) + "/";
    for (const TNotation& target : kTargetNotations) {
      const std::string to = std::string("R") + target.Code;
      benchmark::RegisterBenchmark(("TypicalTune/" + pair + target.Name).c_str(), [=](benchmark::State& state) {
        ConvertOnce(state, text, from, to, kProgramOutputSize);
      })->Unit(benchmark::kMicrosecond);
      // The same call into a buffer just large enough for the result, as a
      // binding that sizes its buffer to the result would make it: the
      // library zeroes the whole buffer it is given.
      const size_t resultSize = ConvertedText(lib, text, from, to, kProgramOutputSize).size();
      benchmark::RegisterBenchmark(("SizedBuffer/" + pair + target.Name).c_str(), [=](benchmark::State& state) {
        ConvertOnce(state, text, from, to, resultSize + 2);
      })->Unit(benchmark::kMicrosecond);
      benchmark::RegisterBenchmark(("SmallBuffer/" + pair + target.Name).c_str(), [=](benchmark::State& state) {
        ConvertOnce(state, text, from, to, kSmallOutputSize);
      })->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark(("TypicalTune/" + pair + "Filter").c_str(), [=](benchmark::State& state) {
      MapOnce(state, text, from, filter, kProgramOutputSize);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("SmallBuffer/" + pair + "Filter").c_str(), [=](benchmark::State& state) {
      MapOnce(state, text, from, filter, kSmallOutputSize);
    })->Unit(benchmark::kMicrosecond);
  }

  for (const TNotation& source : kSourceNotations) {
    if (std::string(source.Code) == "04") continue;  // the largest MIDI file follows
    const auto grown = std::make_shared<const std::string>(GrownTune(lib, source.Code, kLargestSource));
    const std::string from = std::string("R") + source.Code;
    for (const TNotation& target : kTargetNotations) {
      const std::string to = std::string("R") + target.Code;
      benchmark::RegisterBenchmark(("Largest/" + std::string(source.Name) + "/" + target.Name).c_str(),
                                   [=](benchmark::State& state) {
                                     ConvertOnce(state, *grown, from, to, ProgramOutputSize(*grown));
                                   })
          ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark(("Largest/" + std::string(source.Name) + "/Filter").c_str(),
                                 [=](benchmark::State& state) {
                                   MapOnce(state, *grown, from, filter, ProgramOutputSize(*grown));
                                 })
        ->Unit(benchmark::kMillisecond);
  }

  const auto largest = std::make_shared<const std::string>(GeneratedMidi(kLargestMidiNotes));
  for (const TNotation& target : kTargetNotations) {
    const std::string to = std::string("R") + target.Code;
    benchmark::RegisterBenchmark(("LargestMidi/" + std::string(target.Name)).c_str(),
                                 [=](benchmark::State& state) {
                                   ConvertOnce(state, *largest, "R04", to, ProgramOutputSize(*largest));
                                 })
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("LargestMidi/Filter", [=](benchmark::State& state) {
    MapOnce(state, *largest, "R04", filter, ProgramOutputSize(*largest));
  })->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv, RegisterAll); }
