// The conversion library's build of the filter file reader over any bytes,
// and its mapping operations on what it read: a filter that does not load
// says so with the conversion error, and mapping a note ends in time linear
// in the filter with a note text of bounded length, or says that the filter
// makes the text too long.
#include <cstddef>
#include <cstdint>
#include <string>

#include "conversion/uFilterCtrl.h"
#include "fuzz/FuzzSupport.h"
#include "runtime/SysUtils.h"

namespace {

using TFilter = Pelmora::TRingtoneFilterConfig;

// A note's text through every mapper, from the filter's default state.
void MapOneNote(const TFilter& filter, const Pelmora::TNoteLastState& state, int32_t duration, int32_t octave,
                bool sharp, bool dotted, size_t limit) {
  try {
    std::string text = filter.MapNote("c");
    text = filter.MapSharp(state, sharp, text);
    text = filter.MapDotDuration(state, dotted, text);
    text = filter.MapDuration(state, duration, text);
    text = filter.MapOctave(state, octave, text);
    FUZZ_CHECK(text.size() <= limit);
  } catch (const Pelmora::EFilterOverflow&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = InputBytes(data, size);
  TFilter filter;
  try {
    filter.LoadFromText(text);
  } catch (const EConvertError&) {
    return 0;
  }
  for (int step = -1; step <= 5; ++step) {
    try {
      filter.GetMapperOrder(step);
    } catch (const EConvertError&) {
    }
  }
  // Three notes from the default state: one where nothing changes, one a
  // step away in every respect, and one as far away as numbers go. (Each
  // may repeat a template thousands of times, so there are only three.)
  Pelmora::TNoteLastState state;
  filter.ResetLastState(&state);
  // A template's expansion may pass the note's limit by what follows its
  // last placeholder, which the filter's own size bounds.
  const size_t limit = TFilter::MaxNoteText + size;
  constexpr int32_t kMax = 2147483647, kMin = -kMax - 1;
  MapOneNote(filter, state, state.Duration, state.Octave, state.Sharp, state.Dotted, limit);
  MapOneNote(filter, state, state.Duration == 4 ? 8 : 4, state.Octave < kMax ? state.Octave + 1 : 0, !state.Sharp, !state.Dotted, limit);
  MapOneNote(filter, state, kMin, state.Octave < 0 ? kMax : kMin, true, false, limit);
  return 0;
}
