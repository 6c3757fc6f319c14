// RING2MAP over any tune text, through one of the shipped phone filters or
// through a filter that is part of the input, with a small output buffer
// beside a generous one (ExportCalls.h).
//
// Input: one byte choosing the source format, one choosing the small output
// size, one choosing the filter (a shipped one for half of its values, else the
// input's own), then the tune's bytes; with the input's own filter, the tune ends at the
// first "||FILTER||" and the filter's text follows.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "conversion/uRingLib.h"
#include "fuzz/ExportCalls.h"
#include "fuzz/FuzzSupport.h"
#include "runtime/Streams.h"
#include "runtime/TextScramble.h"
#include "tests/support/ShippedFilters.h"

namespace {

const std::array<const char*, 6> kFormats = {"R00", "R01", "R11", "R02", "R03", "R04"};
const std::string kFilterMark = "||FILTER||";

// The filter files only, in name order, so that an input picks the same
// filter on every machine.
const std::vector<std::string>& ShippedFilters() {
  static const std::vector<std::string> filters = [] {
    std::vector<std::string> texts;
    for (const auto& file : ShippedFilterFiles()) texts.push_back(ReadFileBytes(file.string()));
    return texts;
  }();
  return filters;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const char* source = kFormats[data[0] % kFormats.size()];
  const int32_t smallSize = SmallOutputSize(data[1]);
  const size_t choice = data[2] % (2 * ShippedFilters().size() + 1);  // about half through a shipped filter
  std::string tune = InputBytes(data + 3, size - 3), filter;
  if (choice < ShippedFilters().size()) {
    filter = ShippedFilters()[choice];
  } else if (const size_t mark = tune.find(kFilterMark); mark != std::string::npos) {
    filter = tune.substr(mark + kFilterMark.size());
    tune.resize(mark);
  }
  const std::string scrambledTune = ScrambleText(tune), scrambledFilter = ScrambleText(filter);
  CheckExportCall(
      [&](char* output, int32_t outputSize, int32_t* length) {
        return Pelmora::RING2MAP(scrambledTune.data(), static_cast<int32_t>(scrambledTune.size()), source,
                                 scrambledFilter.data(), static_cast<int32_t>(scrambledFilter.size()), "R", "R", output,
                                 outputSize, length);
      },
      smallSize);
  return 0;
}
