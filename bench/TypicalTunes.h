// The tunes the per-call and memory benchmarks convert: one typical tune in
// each notation the library reads, and the same tunes grown to any size.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "conversion/uRingLib.h"
#include "runtime/Streams.h"
#include "runtime/TextScramble.h"
#include "tests/support/MidiTunes.h"

struct TNotation {
  const char* Name;
  const char* Code;
};

// The notations a tune is read from, and those it is written to.
inline const std::vector<TNotation> kSourceNotations = {
    {"RTTTL", "00"}, {"Composer", "01"}, {"eMelody", "02"}, {"iMelody", "03"}, {"MIDI", "04"}};
inline const std::vector<TNotation> kTargetNotations = {{"RTTTL", "00"},   {"Composer", "01"}, {"Framed", "11"},
                                                        {"eMelody", "02"}, {"iMelody", "03"},  {"MIDI", "04"}};

// The output buffer the program hands the library at the first call for a
// tune of ordinary size; a large source gets four bytes of room per byte.
constexpr int32_t kProgramOutputSize = 409600;
inline size_t ProgramOutputSize(const std::string& source) {
  return std::max<size_t>(kProgramOutputSize, 4 * source.size());
}

// The main of a benchmark program whose benchmarks are registered at run
// time, by registerAll.
inline int RunBenchmarks(int argc, char** argv, void (*registerAll)()) {
  registerAll();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// A ringtone of ordinary length (64 tones, 300 bytes): values from whole to
// thirty-second, dots, sharps, rests and three octaves.
inline const std::string kTypicalRtttl =
    "Typical tune:d=4,o=5,b=140:8e6,8d#6,8e6,8d#6,8e6,8b,8d6,8c6,a,8p,8c,8e,8a,b,8p,8e,8g#,8b,c6,8p,8e,"
    "8e6,8d#6,8e6,8d#6,8e6,8b,8d6,8c6,a,8p,8c,8e,8a,b,8p,8e,8c6,8b,2a,16p,32c7,32b6,16a6,8g6.,f#6,"
    "16e6,16d6,c6,8b,a.,1p,8a,8c6,8e6,8a6,g#6,8e6,8d6,c6,2b,16a,16b,2a.";

// The first filter beside the library, as the program finds its filters.
std::string ShippedFilter() {
  std::vector<std::filesystem::path> files;
  const std::filesystem::path folder = std::filesystem::path(CAROLUNE_BIN_DIR) / "Filters";
  if (std::filesystem::exists(folder))
    for (const auto& entry : std::filesystem::directory_iterator(folder)) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files.empty() ? std::string() : ReadFileBytes(files.front().string());
}

// Text to text through RING2RING, with an output buffer of the given size;
// the unscrambled output, empty when the call fails.
inline std::string ConvertedText(BenchLibrary& lib, const std::string& text, const std::string& from,
                                 const std::string& to, size_t bufferSize) {
  const std::string scrambled = ScrambleText(text);
  std::vector<char> buffer(bufferSize);
  int32_t length = 0;
  const int32_t result = lib.RING2RING()(scrambled.data(), static_cast<int32_t>(scrambled.size()), from.c_str(),
                                         to.c_str(), buffer.data(), static_cast<int32_t>(buffer.size()), &length);
  if (result != Pelmora::rrSuccess || length <= 0) return {};
  return UnscrambleText(std::string(buffer.data(), static_cast<size_t>(length)));
}

// The typical tune in the notation of the code, as the library writes it.
inline std::string TypicalTune(BenchLibrary& lib, const std::string& code) {
  return ConvertedText(lib, kTypicalRtttl, "R00", "R" + code, kProgramOutputSize);
}

// The typical tune's tones repeated (a text notation) or a melody of notes
// (MIDI) up to about size bytes in the notation of the code.
inline std::string GrownTune(BenchLibrary& lib, const std::string& code, size_t size) {
  if (code == "04") return GeneratedMidi(GeneratedMidiNotesIn(static_cast<int64_t>(size)));
  const std::string typical = TypicalTune(lib, code);
  // What comes before the tones, the tones, and what comes after them.
  size_t first = 0;
  size_t last = typical.size();
  if (code == "00") first = typical.rfind(':') + 1;
  if (code == "02" || code == "03") {
    first = typical.find("MELODY:") + 7;
    last = typical.find("\r\nEND:");
  }
  const std::string head = typical.substr(0, first);
  const std::string tones = typical.substr(first, last - first) + (code == "00" ? "," : "");
  std::string text = head;
  while (text.size() + tones.size() < size) text += tones;
  if (code == "00") text.pop_back();
  return text + typical.substr(last);
}
