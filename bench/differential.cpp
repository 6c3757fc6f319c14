// Compares two builds of libPelmora.so byte for byte: every tune of the
// corpus beside the checkout, the hand-made tunes of the fuzz seeds,
// generated RTTTL tunes of the shape the round-trip tests make, what the
// reference makes of each of them in every notation, and damaged copies of
// them all, converted from their notation to every notation (RING2RING) and
// through every filter of the program and of the fuzz seeds (RING2MAP), each
// into a 4 KB and a 409,600-byte buffer. Result code, returned length and
// every byte of the buffer must agree; each difference is printed.
//
//   differential <reference libPelmora.so> [<candidate libPelmora.so>]
//
// The candidate defaults to the library beside this program. Exit code 0
// when the two agree everywhere, 1 on a difference, 2 on a usage error.
#include <dlfcn.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "runtime/Streams.h"
#include "runtime/TextScramble.h"

namespace {

using Ring2Ring = int32_t (*)(const char*, int32_t, const char*, const char*, char*, int32_t, int32_t*);
using Ring2Map = int32_t (*)(const char*, int32_t, const char*, const char*, int32_t, const char*, const char*,
                             char*, int32_t, int32_t*);

// A build of the library in a link namespace of its own, so that two builds
// of the same library never share a symbol.
class TLibrary {
 public:
  explicit TLibrary(const std::string& path) : FHandle(dlmopen(LM_ID_NEWLM, path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
    if (!FHandle) return;
    FRing2Ring = reinterpret_cast<Ring2Ring>(dlsym(FHandle, "RING2RING"));
    FRing2Map = reinterpret_cast<Ring2Map>(dlsym(FHandle, "RING2MAP"));
  }
  ~TLibrary() {
    if (FHandle) dlclose(FHandle);
  }
  TLibrary(const TLibrary&) = delete;
  TLibrary& operator=(const TLibrary&) = delete;

  bool Loaded() const { return FRing2Ring && FRing2Map; }
  Ring2Ring RING2RING() const { return FRing2Ring; }
  Ring2Map RING2MAP() const { return FRing2Map; }

 private:
  void* FHandle;
  Ring2Ring FRing2Ring = nullptr;
  Ring2Map FRing2Map = nullptr;
};

// What one call left behind: its code, the length it returned and the whole
// buffer (filled with a pattern before the call, so bytes it did not write
// count too).
struct TOutcome {
  int32_t Code = 0;
  int32_t Length = 0;
  std::vector<char> Buffer;

  bool operator==(const TOutcome&) const = default;
  std::string Text() const {
    const auto length = static_cast<size_t>(std::clamp<int32_t>(Length, 0, static_cast<int32_t>(Buffer.size())));
    return UnscrambleText(std::string(Buffer.data(), length));
  }
};

constexpr char kPattern = '\xA5';
constexpr int32_t kBufferSizes[] = {4096, 409600};
const char* const kTargets[] = {"00", "01", "11", "02", "03", "04"};

struct TSource {
  std::string Code;  // the notation it is read as
  std::string Text;
  std::string Label;
};

TOutcome Convert(const TLibrary& lib, const std::string& scrambled, const std::string& from, const std::string& to,
                 int32_t bufferSize) {
  TOutcome outcome;
  outcome.Buffer.assign(static_cast<size_t>(bufferSize), kPattern);
  outcome.Code = lib.RING2RING()(scrambled.data(), static_cast<int32_t>(scrambled.size()), from.c_str(),
                                 to.c_str(), outcome.Buffer.data(), bufferSize, &outcome.Length);
  return outcome;
}

TOutcome Map(const TLibrary& lib, const std::string& scrambled, const std::string& from,
             const std::string& scrambledFilter, int32_t bufferSize) {
  TOutcome outcome;
  outcome.Buffer.assign(static_cast<size_t>(bufferSize), kPattern);
  outcome.Code = lib.RING2MAP()(scrambled.data(), static_cast<int32_t>(scrambled.size()), from.c_str(),
                                scrambledFilter.data(), static_cast<int32_t>(scrambledFilter.size()), "R", "R",
                                outcome.Buffer.data(), bufferSize, &outcome.Length);
  return outcome;
}

// ------------------------------------------------------------------ tunes

std::string CodeOfExtension(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".rtx" || extension == ".rtttl" || extension == ".txt") return "00";
  if (extension == ".kpz") return "01";
  if (extension == ".emy") return "02";
  if (extension == ".imy") return "03";
  if (extension == ".mid" || extension == ".midi") return "04";
  return {};
}

std::vector<std::filesystem::path> FilesUnder(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  if (!std::filesystem::exists(folder)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// RTTTL files hold a tune per line; every other file is one tune.
void AddTuneFiles(const std::filesystem::path& folder, std::vector<TSource>& sources) {
  for (const auto& path : FilesUnder(folder)) {
    const std::string code = CodeOfExtension(path);
    if (code.empty()) continue;
    const std::string bytes = ReadFileBytes(path.string());
    if (code != "00" || path.extension() != ".txt") {
      sources.push_back({code, bytes, path.filename().string()});
      continue;
    }
    std::ifstream in(path, std::ios::binary);
    int line = 0;
    for (std::string text; std::getline(in, text);)
      if (++line, !text.empty()) sources.push_back({code, text, path.filename().string() + ":" + std::to_string(line)});
  }
}

// RTTTL tunes in the spellings real tunes use ("_" or "#" for the sharp, the
// dot before or after the octave, either case, blanks after commas), with
// note values, octaves and tempos over every range a writer treats apart.
std::string GeneratedTune(std::mt19937& random) {
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const int values[] = {1, 2, 4, 8, 16, 32, 64, 3, 0};
  const auto value = [&] { return values[pick(0, pick(0, 9) == 0 ? 8 : 5)]; };
  const int duration = value();
  const int octave = pick(0, 9) == 0 ? pick(0, 10) : pick(4, 7);
  const int tempo = pick(0, 9) == 0 ? pick(0, 2000) : pick(25, 900);
  std::string text = "Tune " + std::to_string(pick(0, 999)) + (pick(0, 3) == 0 ? ": Live" : "") +
                     ":d=" + std::to_string(duration) + ",o=" + std::to_string(octave) +
                     (pick(0, 5) == 0 ? ", s=" + std::string(1, "NCS"[pick(0, 2)]) : "") +
                     ",b=" + std::to_string(tempo) + ":";
  const char letters[] = "cdefgabhp";
  const int tones = pick(1, pick(0, 9) == 0 ? 400 : 40);
  for (int i = 0; i < tones; ++i) {
    if (i > 0) text += pick(0, 4) == 0 ? ", " : ",";
    if (pick(0, 30) == 0) {
      text += std::string(1, "obd"[pick(0, 2)]) + "=" + std::to_string(pick(1, 200));
      continue;
    }
    char letter = letters[pick(0, 8)];
    if (pick(0, 1)) letter = static_cast<char>(std::toupper(letter));
    const int own = value();
    const int toneOctave = pick(0, 9) == 0 ? pick(0, 10) : pick(4, 7);
    const bool dot = pick(0, 3) == 0;
    std::string entry = own != duration || pick(0, 5) == 0 ? std::to_string(own) : "";
    entry += letter;
    if (std::string("cdfgaCDFGAebEB").find(letter) != std::string::npos && pick(0, 2) == 0)
      entry += pick(0, 1) ? "#" : "_";
    const std::string octaveText = toneOctave != octave || pick(0, 5) == 0 ? std::to_string(toneOctave) : "";
    entry += dot && pick(0, 1) ? "." + octaveText : octaveText + (dot ? "." : "");
    text += entry;
  }
  return text;
}

// Damaged copies: cut short, bytes changed to the ones the readers treat
// apart, bytes inserted; each from its own seed.
std::vector<TSource> Damaged(const std::vector<TSource>& sources, int copies) {
  // The literal's own terminating 0 byte is one of them.
  static const std::string kSpecial("{}(*)/#_.,:;=+-!@*\r\n\t \x1a", 24);
  std::mt19937 random(7);
  std::vector<TSource> damaged;
  for (const TSource& source : sources) {
    if (source.Text.empty()) continue;
    for (int copy = 0; copy < copies; ++copy) {
      std::string text = source.Text;
      const auto at = [&] { return std::uniform_int_distribution<size_t>(0, text.size() - 1)(random); };
      switch (copy % 3) {
        case 0: text.resize(at()); break;
        case 1:
          for (int i = 0; i < 3 && !text.empty(); ++i) text[at()] = kSpecial[at() % kSpecial.size()];
          break;
        default: text.insert(at(), 1, static_cast<char>(random() & 0xFF)); break;
      }
      damaged.push_back({source.Code, text, source.Label + " damaged " + std::to_string(copy)});
    }
  }
  return damaged;
}

// What the reference makes of each source in every notation, as sources of
// that notation in turn ("11" reads as "01"); each distinct text once.
std::vector<TSource> Derived(const TLibrary& reference, const std::vector<TSource>& sources) {
  std::set<std::pair<std::string, std::string>> seen;
  for (const TSource& source : sources) seen.emplace(source.Code, source.Text);
  std::vector<TSource> derived;
  for (const TSource& source : sources) {
    const std::string scrambled = ScrambleText(source.Text);
    for (const char* target : kTargets) {
      const TOutcome outcome = Convert(reference, scrambled, "R" + source.Code, std::string("R") + target, 409600);
      if (outcome.Code != 0) continue;
      const std::string code = std::strcmp(target, "11") == 0 ? "01" : target;
      std::string text = outcome.Text();
      if (seen.emplace(code, text).second) derived.push_back({code, std::move(text), source.Label + " as " + target});
    }
  }
  return derived;
}

// ------------------------------------------------------------- comparing

struct TTally {
  long Calls = 0;
  long Differences = 0;
};

void Report(const TSource& source, const std::string& what, const TOutcome& want, const TOutcome& got,
            TTally& tally) {
  ++tally.Calls;
  if (want == got) return;
  if (++tally.Differences > 50) return;
  size_t at = 0;
  while (at < want.Buffer.size() && at < got.Buffer.size() && want.Buffer[at] == got.Buffer[at]) ++at;
  std::printf("DIFFERS %s (%s) %s: code %d/%d, length %d/%d, first byte apart at %zu\n", source.Label.c_str(),
              source.Code.c_str(), what.c_str(), want.Code, got.Code, want.Length, got.Length, at);
  std::printf("  reference: %.120s\n  candidate: %.120s\n", want.Text().c_str(), got.Text().c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s <reference libPelmora.so> [<candidate libPelmora.so>]\n", argv[0]);
    return 2;
  }
  const TLibrary reference(argv[1]);
  const TLibrary candidate(argc == 3 ? argv[2] : CAROLUNE_BIN_DIR "/libPelmora.so");
  if (!reference.Loaded() || !candidate.Loaded()) {
    std::fprintf(stderr, "cannot load a library: %s\n", dlerror());
    return 2;
  }

  const std::filesystem::path sourceDir = CAROLUNE_SOURCE_DIR;
  std::vector<TSource> sources;
  AddTuneFiles(CAROLUNE_CORPUS_DIR, sources);
  AddTuneFiles(sourceDir / "fuzz" / "seeds" / "tunes", sources);
  std::mt19937 random(20240610);
  for (int i = 0; i < 3000; ++i) sources.push_back({"00", GeneratedTune(random), "generated " + std::to_string(i)});
  const std::vector<TSource> derived = Derived(reference, sources);
  sources.insert(sources.end(), derived.begin(), derived.end());
  const std::vector<TSource> damaged = Damaged(sources, 3);
  sources.insert(sources.end(), damaged.begin(), damaged.end());

  std::vector<std::pair<std::string, std::string>> filters;
  for (const auto& folder : {sourceDir / "filters" / "Filters", sourceDir / "fuzz" / "seeds" / "filters"})
    for (const auto& path : FilesUnder(folder))
      filters.emplace_back(path.filename().string(), ScrambleText(ReadFileBytes(path.string())));

  TTally tally;
  for (const TSource& source : sources) {
    const std::string scrambled = ScrambleText(source.Text);
    const std::string from = "R" + source.Code;
    for (const int32_t size : kBufferSizes) {
      const std::string buffer = " into " + std::to_string(size);
      for (const char* target : kTargets) {
        const std::string to = std::string("R") + target;
        Report(source, "to " + std::string(target) + buffer, Convert(reference, scrambled, from, to, size),
               Convert(candidate, scrambled, from, to, size), tally);
      }
      for (const auto& [name, filter] : filters)
        Report(source, "through " + name + buffer, Map(reference, scrambled, from, filter, size),
               Map(candidate, scrambled, from, filter, size), tally);
    }
  }
  std::printf("%zu sources (%zu derived, %zu damaged), %zu filters: %ld calls compared, %ld differ\n",
              sources.size(), derived.size(), damaged.size(), filters.size(), tally.Calls, tally.Differences);
  return tally.Differences == 0 ? 0 : 1;
}
