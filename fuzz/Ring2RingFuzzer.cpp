// RING2RING over any tune text: every source format code to every target,
// with a small output buffer beside a generous one (ExportCalls.h).
//
// Input: one byte choosing the source format, one choosing the small
// output size, then the tune's bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "conversion/uRingLib.h"
#include "fuzz/ExportCalls.h"
#include "fuzz/FuzzSupport.h"
#include "runtime/TextScramble.h"

namespace {
const std::array<const char*, 6> kFormats = {"R00", "R01", "R11", "R02", "R03", "R04"};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const char* source = kFormats[data[0] % kFormats.size()];
  const int32_t smallSize = SmallOutputSize(data[1]);
  const std::string tune = ScrambleText(InputBytes(data + 2, size - 2));
  for (const char* target : kFormats)
    CheckExportCall(
        [&](char* output, int32_t outputSize, int32_t* length) {
          return Pelmora::RING2RING(tune.data(), static_cast<int32_t>(tune.size()), source, target, output, outputSize,
                                    length);
        },
        smallSize);
  return 0;
}
