// The MIDI preview's timeline over any bytes. A file it accepts has a time
// for every tick that only grows, a tick for every time that lies no later,
// a length that is the time of its last tick, and a playable copy that
// reads back as the very same timeline and copy.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <string_view>

#include "fuzz/FuzzSupport.h"
#include "windowing/MidiTimeline.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto timeline = TMidiTimeline::Read(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!timeline) return 0;
  const int64_t end = timeline->EndTick(), length = timeline->LengthMs();
  FUZZ_CHECK(end >= 0 && length >= 0);
  FUZZ_CHECK(timeline->MsAtTick(end) == length);
  int64_t lastMs = 0, lastTick = 0;
  for (const int64_t tick : {int64_t{0}, end / 3, end / 2, end - 1, end}) {
    const int64_t ms = timeline->MsAtTick(tick);
    FUZZ_CHECK(ms >= lastMs);
    lastMs = ms;
  }
  for (const int64_t ms : {int64_t{0}, length / 3, length / 2, length - 1, length}) {
    const int64_t tick = timeline->TickAtMs(ms);
    FUZZ_CHECK(tick >= lastTick && tick <= end);
    FUZZ_CHECK(timeline->MsAtTick(tick) <= std::max<int64_t>(ms, 0));
    lastTick = tick;
  }
  const auto again = TMidiTimeline::Read(timeline->PlayableBytes());
  FUZZ_CHECK(again);
  FUZZ_CHECK(again->EndTick() == end && again->LengthMs() == length);
  FUZZ_CHECK(again->PlayableBytes() == timeline->PlayableBytes());
  return 0;
}
