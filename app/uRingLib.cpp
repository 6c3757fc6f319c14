#include "app/uRingLib.h"

#include <malloc.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <string_view>

#include "conversion/uRingLib.h"
#include "runtime/TextScramble.h"

namespace Carolune {

namespace {

constexpr size_t FirstOutputSize = 409600;
constexpr size_t MaxLength = std::numeric_limits<int32_t>::max();

// A descriptor's format code follows its mode letter.
bool IsMidiFormat(std::string_view descriptor) { return descriptor.size() == 3 && descriptor.substr(1) == "04"; }

// Room for the result of a source of the given size and format. Through the
// shipped filters a page's text takes at most about four bytes per byte of
// a text source (one-letter eMelody tones) and under one per byte of MIDI
// (a note with its note-off takes six bytes or more, its text some four or
// five), so the first call nearly
// always fits: a call that must be repeated runs the whole conversion again,
// and the library writes (zeroes) every byte of room the result leaves.
size_t ExpectedOutputSize(size_t sourceSize, std::string_view sourceFormat) {
  const size_t bytesPerSourceByte = IsMidiFormat(sourceFormat) ? 1 : 4;
  return std::min(MaxLength, std::max(FirstOutputSize, bytesPerSourceByte * sourceSize));
}

// A conversion of the largest sources allocates and frees some tens of
// megabytes, and the next page's conversion as much again. Given back to the
// system after each call, every page of that memory is mapped afresh (and
// zeroed by the system) on the next one, which costs more than the
// conversion's own work: the program keeps what it frees for its next
// conversion instead, large blocks included.
void KeepFreedMemoryForConversions() {
  constexpr int kLargestHeapBlock = 32 << 20;  // the most the allocator allows
  constexpr int kFreeMemoryKept = 48 << 20;
  [[maybe_unused]] static const bool kept =
      mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock) == 1 && mallopt(M_TRIM_THRESHOLD, kFreeMemoryKept) == 1;
}

// Calls the export with an output buffer that starts out holding the
// scrambled incoming output. The library cuts a result that does not fit
// and still reports success, so a result that fills the buffer is fetched
// again with four times the room until it fits with room to spare.
template <class Call>
int32_t CallWithOutput(const Call& call, size_t firstSize, std::string& output) {
  if (output.size() >= MaxLength) return Pelmora::rrOutputFailed;
  KeepFreedMemoryForConversions();
  size_t size = std::max(firstSize, output.size() + 1);
  for (;;) {
    // Left unfilled: a text result is written over the whole buffer, the
    // rest zeroed, by the library itself; nothing but the returned length's
    // bytes is read back.
    const auto buffer = std::make_unique_for_overwrite<char[]>(size);
    ScrambleInto(output, buffer.get());
    int32_t length = static_cast<int32_t>(output.size());
    const int32_t result = call(buffer.get(), static_cast<int32_t>(size), &length);
    if (result != Pelmora::rrSuccess) return result;
    if (length < 0) return Pelmora::rrOutputFailed;
    if (static_cast<size_t>(length) + 1 < size) {
      output = UnscrambleText(std::string(buffer.get(), static_cast<size_t>(length)));
      return Pelmora::rrSuccess;
    }
    if (size == MaxLength) return Pelmora::rrOutputFailed;
    size = size > MaxLength / 4 ? MaxLength : size * 4;
  }
}

}  // namespace

TScrambledText::TScrambledText(std::string text) : FScrambled(ScrambleText(std::move(text))) {}

int32_t RingToRing(const TScrambledText& source, const std::string& sourceFormat, const std::string& targetFormat,
                   std::string& output) {
  if (source.Size() > MaxLength) return Pelmora::rrTextLoadFailed;
  const std::string& scrambled = source.Scrambled();
  return CallWithOutput(
      [&](char* buffer, int32_t size, int32_t* length) {
        return Pelmora::RING2RING(scrambled.data(), static_cast<int32_t>(scrambled.size()), sourceFormat.c_str(),
                                  targetFormat.c_str(), buffer, size, length);
      },
      ExpectedOutputSize(source.Size(), sourceFormat), output);
}

int32_t RingToRing(const std::string& source, const std::string& sourceFormat, const std::string& targetFormat,
                   std::string& output) {
  if (source.size() > MaxLength) return Pelmora::rrTextLoadFailed;
  return RingToRing(TScrambledText(source), sourceFormat, targetFormat, output);
}

int32_t RingToMap(const TScrambledText& source, const std::string& sourceFormat, const std::string& filter,
                  const std::string& filterMode, const std::string& outputMode, std::string& output) {
  if (source.Size() > MaxLength || filter.size() > MaxLength) return Pelmora::rrTextLoadFailed;
  const std::string& scrambledSource = source.Scrambled();
  const std::string scrambledFilter = ScrambleText(filter);
  return CallWithOutput(
      [&](char* buffer, int32_t size, int32_t* length) {
        return Pelmora::RING2MAP(scrambledSource.data(), static_cast<int32_t>(scrambledSource.size()),
                                 sourceFormat.c_str(), scrambledFilter.data(),
                                 static_cast<int32_t>(scrambledFilter.size()), filterMode.c_str(), outputMode.c_str(),
                                 buffer, size, length);
      },
      ExpectedOutputSize(source.Size(), sourceFormat), output);
}

int32_t RingToMap(const std::string& source, const std::string& sourceFormat, const std::string& filter,
                  const std::string& filterMode, const std::string& outputMode, std::string& output) {
  if (source.size() > MaxLength) return Pelmora::rrTextLoadFailed;
  return RingToMap(TScrambledText(source), sourceFormat, filter, filterMode, outputMode, output);
}

}  // namespace Carolune
