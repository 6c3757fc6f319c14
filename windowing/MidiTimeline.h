// The timing of a Standard MIDI File as far as its bytes are sound: where a
// tick falls in milliseconds under the file's own tempo map, how long the
// tune lasts, and a clean copy of the sound part that the synthesizer plays
// as it is (the synthesizer refuses a whole file for one bad byte and learns
// a file's length only once it plays).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TMidiTimeline {
 public:
  // Tempo changes as (tick, microseconds per quarter note), in reading order.
  using TTempoChanges = std::vector<std::pair<int64_t, int64_t>>;

  // Reads the header and the declared tracks. Each track counts up to its
  // first event that cannot be read (a truncated or damaged track keeps what
  // came before); unknown chunks, escape packets and broken tempo events are
  // left out. Nothing when the bytes hold no MIDI header, an unusable time
  // division or no track, or when the tune would outlast 2^31 ms.
  static std::optional<TMidiTimeline> Read(std::string_view bytes);

  int32_t LengthMs() const { return FLengthMs; }
  int64_t EndTick() const { return FEndTick; }
  // The time of a tick, rounded down to whole milliseconds.
  int64_t MsAtTick(int64_t tick) const;
  // The last tick that has begun at that time, at most EndTick.
  int64_t TickAtMs(int64_t ms) const;
  // The sound part as a Standard MIDI File of ticks per quarter note: every
  // event with its own status byte, one tempo event per change, every track
  // closed by an end-of-track event at its end.
  const std::string& PlayableBytes() const { return FPlayable; }

 private:
  // From Tick on, a quarter note lasts MicrosPerQuarter; Elapsed is the time
  // up to Tick in microseconds times the division, kept whole so that no
  // rounding piles up across tempo changes.
  struct TTempoSegment {
    int64_t Tick;
    int64_t Elapsed;
    int64_t MicrosPerQuarter;
  };
  TMidiTimeline() = default;
  void BuildTempoMap(TTempoChanges changes, int64_t initialTempo);
  const TTempoSegment& SegmentAtTick(int64_t tick) const;

  int64_t FDivision = 1;
  std::vector<TTempoSegment> FSegments;
  int64_t FEndTick = 0;
  int32_t FLengthMs = 0;
  std::string FPlayable;
};
