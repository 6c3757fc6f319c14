// The output contract of the library's two exports in text mode, checked on
// every call: the output buffer is exactly as large as the caller says (the
// address sanitizer sees any write beyond it), a failure writes nothing, a
// success writes the scrambled text (cut to the size less one when it does
// not fit) and zeroes the rest, and the same call with a smaller buffer
// gives the same answer, cut the same way.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "conversion/uRingLib.h"
#include "fuzz/FuzzSupport.h"
#include "runtime/TextScramble.h"

// One call of an export: (output, output size, output length) -> result code.
using TExportCall = std::function<int32_t(char*, int32_t, int32_t*)>;

struct TExportResult {
  int32_t Code = 0;
  std::string Text;  // unscrambled; empty when nothing was delivered
};

// Codes that text mode may give: success, unknown format, loading the text
// failed, copying failed (output still delivered), delivering failed,
// rendering failed.
inline bool IsTextModeCode(int32_t code) {
  using namespace Pelmora;
  return code == rrSuccess || code == rrUnknownFormat || code == rrTextLoadFailed || code == rrCopyFailed ||
         code == rrOutputFailed || code == rrRenderFailed;
}
inline bool Delivers(int32_t code) { return code == Pelmora::rrSuccess || code == Pelmora::rrCopyFailed; }

constexpr int32_t kGenerousOutput = 256 * 1024;

inline TExportResult CallWithBuffer(const TExportCall& call, int32_t size) {
  // Whole-buffer comparisons through memcmp: a loop over the bytes here
  // would be instrumented and cost more than the conversion.
  static const std::string untouched(kGenerousOutput, '\x5A'), zeros(kGenerousOutput, '\0');
  // A buffer of exactly the size given (the generous one made once: fresh
  // large blocks would cost a page fault per page on every call).
  static const std::unique_ptr<char[]> generous(new char[kGenerousOutput]);
  std::unique_ptr<char[]> small;
  char* buffer = generous.get();
  if (size != kGenerousOutput) {
    small.reset(new char[static_cast<size_t>(size)]);
    buffer = small.get();
  }
  constexpr int32_t kNoLength = -12345;
  std::memcpy(buffer, untouched.data(), static_cast<size_t>(size));
  int32_t length = kNoLength;
  TExportResult result;
  result.Code = call(buffer, size, &length);
  FUZZ_CHECK(IsTextModeCode(result.Code));
  if (!Delivers(result.Code)) {
    FUZZ_CHECK(length == kNoLength);
    FUZZ_CHECK(std::memcmp(buffer, untouched.data(), static_cast<size_t>(size)) == 0);
    return result;
  }
  FUZZ_CHECK(length >= 0 && length <= size);
  FUZZ_CHECK(std::memcmp(buffer + length, zeros.data(), static_cast<size_t>(size - length)) == 0);
  result.Text = UnscrambleText(std::string(buffer, static_cast<size_t>(length)));
  return result;
}

// Calls with a generous buffer and with the small size; both must agree.
inline void CheckExportCall(const TExportCall& call, int32_t smallSize) {
  const TExportResult whole = CallWithBuffer(call, kGenerousOutput);
  const TExportResult small = CallWithBuffer(call, smallSize);
  if (!Delivers(whole.Code)) {
    FUZZ_CHECK(small.Code == whole.Code);
    return;
  }
  if (whole.Text.size() >= static_cast<size_t>(kGenerousOutput) - 1) return;  // cut itself: nothing to compare
  if (smallSize == 0 && !whole.Text.empty()) {
    FUZZ_CHECK(small.Code == Pelmora::rrOutputFailed);
    return;
  }
  FUZZ_CHECK(small.Code == whole.Code);
  const size_t kept = whole.Text.size() <= static_cast<size_t>(smallSize) ? whole.Text.size()
                                                                           : static_cast<size_t>(smallSize) - 1;
  FUZZ_CHECK(small.Text == whole.Text.substr(0, kept));
}

// The small output sizes a harness picks from: none, one byte, a few, a line.
inline int32_t SmallOutputSize(uint8_t choice) {
  constexpr int32_t kSizes[] = {0, 1, 2, 7, 16, 64, 256, 4096};
  return kSizes[choice % 8];
}
