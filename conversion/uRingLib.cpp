// The two exports. Each call unscrambles its arguments, creates the source
// tune by its format code and loads it, copies it into the target, renders
// the target and scrambles the result into the caller's buffer; every object
// it creates is freed before it returns, and no exception leaves it.
#include "conversion/uRingLib.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <utility>

#include "conversion/uComposerRing.h"
#include "conversion/uMedolyRing.h"
#include "conversion/uMidiFile.h"
#include "conversion/uRingConvert.h"
#include "conversion/uRingFile.h"
#include "conversion/uRingKeyPressBase.h"
#include "conversion/uRtttlRing.h"
#include "runtime/Streams.h"
#include "runtime/TextScramble.h"

namespace Pelmora {

namespace {

// Both mode letters come from one constant, so neither stands in the binary
// as a plain character.
constexpr char kModeSeed = 0x35;
char TextModeLetter() { return static_cast<char>(kModeSeed ^ 0x67); }  // "R"
char FileModeLetter() { return static_cast<char>(kModeSeed ^ 0x73); }  // "F"

// The code is read in the caller's descriptor, which outlives the call.
struct TDescriptor {
  char Mode = '\0';
  std::string_view Code;
};

TDescriptor SplitDescriptor(const char* descriptor) {
  if (!descriptor || !*descriptor) return {};
  return {descriptor[0], std::string_view(descriptor + 1)};
}

// With room for the 0 byte a parser ends its text with, so that a tune's
// text is never copied to make room for it.
std::string UnscrambledArgument(const char* data, int32_t length) {
  if (!data || length <= 0) return {};
  std::string text;
  text.reserve(static_cast<size_t>(length) + 1);
  text.assign(data, static_cast<size_t>(length));
  return UnscrambleText(std::move(text));
}

// A tune of any notation, made in the call's own frame rather than on the
// heap: freed when the holder goes, or sooner by Free.
class TTuneHolder {
 public:
  TTuneHolder() = default;
  ~TTuneHolder() { Free(); }
  TTuneHolder(const TTuneHolder&) = delete;
  TTuneHolder& operator=(const TTuneHolder&) = delete;

  // Makes the notation object for a format code; null for an unknown code.
  TRingFile* Create(std::string_view code) {
    if (code == "04") return Make<TMidiFile>();
    if (code == "00") return Make<TRtttlRing>();
    if (code == "01" || code == "11") return Make<TComposerRing>();
    if (code == "02") return Make<TeMelodyRing>();
    if (code == "03") return Make<TiMelodyRing>();
    return nullptr;
  }
  TRingFile& Tune() const { return *FTune; }
  void Free() {
    if (FTune) std::destroy_at(std::exchange(FTune, nullptr));
  }

 private:
  static constexpr size_t kRoom = std::max(
      {sizeof(TMidiFile), sizeof(TRtttlRing), sizeof(TComposerRing), sizeof(TeMelodyRing), sizeof(TiMelodyRing)});

  // A tune made before is freed first, so the room never holds two; a
  // notation the room does not fit fails to build.
  template <class TNotation>
  TRingFile* Make() {
    static_assert(sizeof(TNotation) <= kRoom && alignof(TNotation) <= alignof(std::max_align_t));
    Free();
    // Every member of a notation starts from its own initializer, so the
    // room is not zeroed first, as value-initialising would.
    FTune = ::new (FRoom) TNotation;
    return FTune;
  }

  alignas(std::max_align_t) std::byte FRoom[kRoom];
  TRingFile* FTune = nullptr;
};

// The tune's own text, except that "01" is the Composer text without the
// frame that "11" (and the Composer tune's own text) has.
std::string RenderRingFile(TRingFile& target, std::string_view code) {
  if (code == "01") return ComposerText(target, true, false);
  return target.GetText();
}

// Runs the loader that the mode letter names; returns the result code of the
// step.
template <typename FromFile, typename FromText>
TRingResult LoadByMode(char mode, FromFile fromFile, FromText fromText) {
  if (mode == FileModeLetter()) {
    try {
      fromFile();
    } catch (...) {
      return rrFileLoadFailed;
    }
    return rrSuccess;
  }
  if (mode == TextModeLetter()) {
    try {
      fromText();
    } catch (...) {
      return rrTextLoadFailed;
    }
    return rrSuccess;
  }
  return rrUnknownMode;
}

// The text is handed to the tune: a source of megabytes is not copied again.
TRingResult LoadRingFile(TRingFile& tune, char mode, std::string argument) {
  return LoadByMode(
      mode, [&] { tune.LoadFromFile(argument); }, [&] { tune.LoadFromText(std::move(argument)); });
}

// The source is done with once copied: a long tune's events and tones are
// freed before the target's text is made.
TRingResult CopyTune(TTuneHolder& source, TRingFile& target) {
  try {
    AssignRingFile(source.Tune(), target, [&] { source.Free(); });
  } catch (...) {
    return rrCopyFailed;
  }
  return rrSuccess;
}

// Text mode: the (possibly cut) text goes scrambled into the buffer and the
// rest of the buffer is zeroed; each byte is written once. The buffer is
// never written past its size and not at all on failure.
TRingResult DeliverText(const std::string& text, char* output, int32_t outputSize, int32_t* outputLength) {
  if (!output || !outputLength || outputSize < 0) return rrOutputFailed;
  if (outputSize == 0 && !text.empty()) return rrOutputFailed;
  try {
    const size_t length = text.size() > static_cast<size_t>(outputSize) ? static_cast<size_t>(outputSize) - 1
                                                                        : text.size();
    ScrambleInto(std::string_view(text).substr(0, length), output);
    std::memset(output + length, 0, static_cast<size_t>(outputSize) - length);
    *outputLength = static_cast<int32_t>(length);
  } catch (...) {
    return rrOutputFailed;
  }
  return rrSuccess;
}

// File mode: the buffer holds the scrambled target file name. The file gets
// the text just rendered, so that "01" is unframed in a file too.
TRingResult DeliverFile(const std::string& text, const char* output, int32_t outputSize, const int32_t* outputLength) {
  if (!output || !outputLength || *outputLength < 0 || *outputLength > outputSize) return rrFileWriteFailed;
  try {
    TFileStream file(UnscrambledArgument(output, *outputLength), TFileMode::fmCreate);
    file.WriteString(text);
  } catch (...) {
    return rrFileWriteFailed;
  }
  return rrSuccess;
}

// Text mode for a MIDI file that fits the buffer whole: its bytes are
// written into the buffer and scrambled where they stand, so that a long
// file is never held twice. False, with nothing written, when it does not
// fit; the file goes the way of every text then.
bool DeliverMidiInPlace(const TMidiFile& midi, char* output, int32_t outputSize, int32_t* outputLength) {
  if (!output || !outputLength || outputSize < 0) return false;
  const size_t size = midi.FileSize();
  if (size > static_cast<size_t>(outputSize)) return false;
  midi.WriteFile(output);
  ScrambleInto(std::string_view(output, size), output);
  std::memset(output + size, 0, static_cast<size_t>(outputSize) - size);
  *outputLength = static_cast<int32_t>(size);
  return true;
}

// Renders the target and delivers it by the output mode letter. Returns the
// code of the step, or the copy step's code when delivery succeeded.
TRingResult RenderAndDeliver(TRingFile& target, std::string_view code, char mode, TRingResult result, char* output,
                             int32_t outputSize, int32_t* outputLength) {
  const TMidiFile* midi = target.AsMidiFile();
  try {
    if (midi && mode == TextModeLetter() && DeliverMidiInPlace(*midi, output, outputSize, outputLength)) return result;
  } catch (...) {
    return rrRenderFailed;
  }
  std::string text;
  try {
    text = RenderRingFile(target, code);
  } catch (...) {
    return rrRenderFailed;
  }
  TRingResult delivered = rrUnknownMode;
  if (mode == TextModeLetter())
    delivered = DeliverText(text, output, outputSize, outputLength);
  else if (mode == FileModeLetter())
    delivered = DeliverFile(text, output, outputSize, outputLength);
  return delivered == rrSuccess ? result : delivered;
}

// Creates and loads the source in the holder; the result code of the step.
TRingResult LoadSource(TTuneHolder& holder, const char* source, int32_t sourceLength, const char* sourceDescriptor) {
  const TDescriptor descriptor = SplitDescriptor(sourceDescriptor);
  TRingFile* const tune = holder.Create(descriptor.Code);
  if (!tune) return rrUnknownFormat;
  return LoadRingFile(*tune, descriptor.Mode, UnscrambledArgument(source, sourceLength));
}

// The phone filter, from a file or from its text.
TRingResult LoadFilter(TRingtoneFilterConfig& filter, char mode, const std::string& argument) {
  return LoadByMode(
      mode, [&] { filter.LoadFromFile(argument); }, [&] { filter.LoadFromText(argument); });
}

}  // namespace

extern "C" PELMORA_API int32_t PELMORA_CALL RING2RING(const char* source, int32_t sourceLength,
                                                      const char* sourceDescriptor, const char* targetDescriptor,
                                                      char* output, int32_t outputSize, int32_t* outputLength) {
  try {
    TTuneHolder sourceHolder;
    const TRingResult loaded = LoadSource(sourceHolder, source, sourceLength, sourceDescriptor);
    if (loaded != rrSuccess) return loaded;
    const TDescriptor target = SplitDescriptor(targetDescriptor);
    TTuneHolder targetHolder;
    TRingFile* const targetTune = targetHolder.Create(target.Code);
    if (!targetTune) return rrUnknownFormat;
    const TRingResult result = CopyTune(sourceHolder, *targetTune);
    return RenderAndDeliver(*targetTune, target.Code, target.Mode, result, output, outputSize, outputLength);
  } catch (...) {
    return rrCopyFailed;  // out of memory while creating the tunes
  }
}

extern "C" PELMORA_API int32_t PELMORA_CALL RING2MAP(const char* source, int32_t sourceLength,
                                                     const char* sourceDescriptor, const char* filter,
                                                     int32_t filterLength, const char* filterDescriptor,
                                                     const char* outputDescriptor, char* output, int32_t outputSize,
                                                     int32_t* outputLength) {
  try {
    TTuneHolder sourceHolder;
    const TRingResult loaded = LoadSource(sourceHolder, source, sourceLength, sourceDescriptor);
    if (loaded != rrSuccess) return loaded;
    TKeyPressBase targetTune;
    const TRingResult result = CopyTune(sourceHolder, targetTune);
    const std::string filterArgument = UnscrambledArgument(filter, filterLength);
    const TRingResult filterResult =
        LoadFilter(targetTune.FilterConfig, SplitDescriptor(filterDescriptor).Mode, filterArgument);
    if (filterResult != rrSuccess) return filterResult;
    return RenderAndDeliver(targetTune, {}, SplitDescriptor(outputDescriptor).Mode, result, output, outputSize,
                            outputLength);
  } catch (...) {
    return rrCopyFailed;
  }
}

}  // namespace Pelmora
