#include "uRingLib.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "TextScramble.h"
#include "conversion/uRingLib.h"

namespace {

constexpr size_t FirstOutputSize = 409600;
constexpr size_t MaxLength = std::numeric_limits<int32_t>::max();
// The library's own codes for a text it could not take and for output that
// could not be handed back.
constexpr int32_t TextLoadFailed = -3;
constexpr int32_t OutputCopyFailed = -7;

// Room for the result of a source of the given size. Through the shipped
// filters a page's text takes at most about four bytes per byte of its
// source (one-letter eMelody tones; from MIDI under one), so the first call
// nearly always fits: a call that must be repeated runs the whole
// conversion again.
size_t ExpectedOutputSize(size_t sourceSize) {
  return std::min(MaxLength, std::max(FirstOutputSize, 4 * sourceSize));
}

// Calls the export with an output buffer that starts out holding the
// scrambled incoming output. The library cuts a result that does not fit
// and still reports success, so a result that fills the buffer is fetched
// again with four times the room until it fits with room to spare.
template <class Call>
int32_t CallWithOutput(const Call& call, size_t sourceSize, std::string& output) {
  if (output.size() >= MaxLength) return OutputCopyFailed;
  const std::string incoming = ScrambleText(output);
  size_t size = std::max(ExpectedOutputSize(sourceSize), incoming.size() + 1);
  for (;;) {
    std::vector<char> buffer(size, 0);
    std::copy(incoming.begin(), incoming.end(), buffer.begin());
    int32_t length = static_cast<int32_t>(incoming.size());
    const int32_t result = call(buffer.data(), static_cast<int32_t>(size), &length);
    if (result != 0) return result;
    if (length < 0) return OutputCopyFailed;
    if (static_cast<size_t>(length) + 1 < size) {
      output = UnscrambleText(std::string(buffer.data(), static_cast<size_t>(length)));
      return 0;
    }
    if (size == MaxLength) return OutputCopyFailed;
    size = size > MaxLength / 4 ? MaxLength : size * 4;
  }
}

}  // namespace

int32_t RingToRing(const std::string& source, const std::string& sourceFormat, const std::string& targetFormat,
                   std::string& output) {
  if (source.size() > MaxLength) return TextLoadFailed;
  const std::string scrambledSource = ScrambleText(source);
  return CallWithOutput(
      [&](char* buffer, int32_t size, int32_t* length) {
        return RING2RING(scrambledSource.data(), static_cast<int32_t>(scrambledSource.size()), sourceFormat.c_str(),
                         targetFormat.c_str(), buffer, size, length);
      },
      source.size(), output);
}

int32_t RingToMap(const std::string& source, const std::string& sourceFormat, const std::string& filter,
                  const std::string& filterMode, const std::string& outputMode, std::string& output) {
  if (source.size() > MaxLength || filter.size() > MaxLength) return TextLoadFailed;
  const std::string scrambledSource = ScrambleText(source);
  const std::string scrambledFilter = ScrambleText(filter);
  return CallWithOutput(
      [&](char* buffer, int32_t size, int32_t* length) {
        return RING2MAP(scrambledSource.data(), static_cast<int32_t>(scrambledSource.size()), sourceFormat.c_str(),
                        scrambledFilter.data(), static_cast<int32_t>(scrambledFilter.size()), filterMode.c_str(),
                        outputMode.c_str(), buffer, size, length);
      },
      source.size(), output);
}
