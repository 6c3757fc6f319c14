#include "windowing/MidiTimeline.h"

#include <algorithm>
#include <limits>

namespace {

// The synthesizer counts ticks in 32-bit integers; a track stops counting
// where it would go beyond.
constexpr int64_t kMaxTick = std::numeric_limits<int32_t>::max();
constexpr uint32_t kMaxDelta = 0x0FFFFFFF;
constexpr int64_t kDefaultTempo = 500000;  // 120 quarter notes a minute
constexpr uint8_t kMetaEndOfTrack = 0x2F;
constexpr uint8_t kMetaTempo = 0x51;

// Reads forward through a bounded range of bytes; every read says whether
// the bytes were there.
class TByteReader {
 public:
  explicit TByteReader(std::string_view bytes) : FBytes(bytes) {}
  bool AtEnd() const { return FPos >= FBytes.size(); }
  bool Peek(uint8_t& value) const {
    if (AtEnd()) return false;
    value = static_cast<uint8_t>(FBytes[FPos]);
    return true;
  }
  bool Byte(uint8_t& value) {
    if (!Peek(value)) return false;
    ++FPos;
    return true;
  }
  bool Take(uint64_t count, std::string_view& out) {
    if (count > FBytes.size() - FPos) return false;
    out = FBytes.substr(FPos, static_cast<size_t>(count));
    FPos += static_cast<size_t>(count);
    return true;
  }
  std::string_view TakeRest() {
    const std::string_view rest = FBytes.substr(std::min(FPos, FBytes.size()));
    FPos = FBytes.size();
    return rest;
  }
  // A variable-length quantity of at most four bytes.
  bool VarLen(uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
      uint8_t b = 0;
      if (!Byte(b)) return false;
      value = (value << 7) | (b & 0x7Fu);
      if ((b & 0x80) == 0) return true;
    }
    return false;
  }

 private:
  std::string_view FBytes;
  size_t FPos = 0;
};

uint32_t BigEndian(std::string_view bytes) {
  uint32_t value = 0;
  for (char c : bytes) value = (value << 8) | static_cast<uint8_t>(c);
  return value;
}

void PutVarLen(std::string& out, uint32_t value) {
  char groups[4];
  int n = 0;
  do {
    groups[n++] = static_cast<char>(value & 0x7F);
    value >>= 7;
  } while (value != 0 && n < 4);
  while (n > 1) out += static_cast<char>(groups[--n] | 0x80);
  out += groups[0];
}

void PutBigEndian(std::string& out, uint32_t value, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

std::string TempoEvent(int64_t microsPerQuarter) {
  std::string event{'\x00', '\xFF', static_cast<char>(kMetaTempo), '\x03'};
  PutBigEndian(event, static_cast<uint32_t>(microsPerQuarter), 3);
  return event;
}

std::string Chunk(const char* kind, const std::string& body) {
  std::string chunk(kind, 4);
  PutBigEndian(chunk, static_cast<uint32_t>(body.size()), 4);
  return chunk + body;
}

// One track: its clean copy, where it ends, and the tempo changes it holds.
class TTrackReader {
 public:
  TTrackReader(std::string_view body, bool keepTempo, TMidiTimeline::TTempoChanges& tempos)
      : FReader(body), FKeepTempo(keepTempo), FTempos(tempos) {}

  void Read() {
    while (!FReader.AtEnd() && ReadEvent()) {
    }
    Emit(FTick, std::string{'\xFF', static_cast<char>(kMetaEndOfTrack), '\x00'});
  }
  const std::string& Body() const { return FBody; }
  int64_t EndTick() const { return FTick; }

 private:
  // False at the end of the track: its end-of-track event or the first
  // event that cannot be read.
  bool ReadEvent() {
    uint32_t delta = 0;
    uint8_t status = 0;
    if (!FReader.VarLen(delta) || !FReader.Peek(status)) return false;
    const int64_t at = FTick + delta;
    if (at > kMaxTick) return false;
    if (status < 0x80) {
      if (FRunning == 0) return false;
      status = FRunning;
    } else {
      FReader.Byte(status);
    }
    bool more = false;
    if (status < 0xF0) {
      more = ChannelEvent(at, status);
    } else if (status == 0xF0 || status == 0xF7) {
      more = SystemExclusive(at, status);
    } else if (status == 0xFF) {
      more = MetaEvent(at);
    }  // other system messages have no place in a file
    if (more) FTick = at;
    return more;
  }

  bool ChannelEvent(int64_t at, uint8_t status) {
    const int count = (status & 0xE0) == 0xC0 ? 1 : 2;
    std::string_view data;
    if (!FReader.Take(static_cast<uint64_t>(count), data)) return false;
    std::string event(1, static_cast<char>(status));
    for (char c : data) event += static_cast<char>(c & 0x7F);
    Emit(at, event);
    FRunning = status;
    return true;
  }

  // Escape packets (F7) are left out: the synthesizer refuses them.
  bool SystemExclusive(int64_t at, uint8_t status) {
    uint32_t length = 0;
    std::string_view data;
    if (!FReader.VarLen(length) || !FReader.Take(length, data)) return false;
    if (status == 0xF0) {
      std::string event(1, '\xF0');
      PutVarLen(event, length);
      Emit(at, event.append(data));
    }
    return true;
  }

  // Only tempo changes matter to the sound; a tempo event of the wrong size
  // or of no duration is left out.
  bool MetaEvent(int64_t at) {
    uint8_t type = 0;
    uint32_t length = 0;
    std::string_view data;
    if (!FReader.Byte(type) || !FReader.VarLen(length) || !FReader.Take(length, data)) return false;
    if (type == kMetaEndOfTrack) {
      FTick = at;
      return false;
    }
    if (type != kMetaTempo || !FKeepTempo || length != 3) return true;
    const int64_t tempo = BigEndian(data);
    if (tempo > 0) {
      FTempos.emplace_back(at, tempo);
      Emit(at, TempoEvent(tempo).substr(1));
    }
    return true;
  }

  void Emit(int64_t at, const std::string& event) {
    // A gap wider than one delta can hold (left by events not copied) is
    // bridged by empty text events.
    while (at - FWritten > kMaxDelta) {
      PutVarLen(FBody, kMaxDelta);
      FBody += std::string{'\xFF', '\x01', '\x00'};
      FWritten += kMaxDelta;
    }
    PutVarLen(FBody, static_cast<uint32_t>(at - FWritten));
    FBody += event;
    FWritten = at;
  }

  TByteReader FReader;
  bool FKeepTempo;
  TMidiTimeline::TTempoChanges& FTempos;
  std::string FBody;
  int64_t FTick = 0;
  int64_t FWritten = 0;
  uint8_t FRunning = 0;
};

// The time division of the header as ticks per quarter note and the tempo
// that stands before any tempo event. A division in frames counts time in
// fixed steps: a quarter note then stands for one frame rate's worth of
// frames, and tempo events do not count.
struct TDivision {
  int64_t TicksPerQuarter = 0;
  int64_t FixedTempo = 0;  // 0 for a division in ticks per quarter note
};

std::optional<TDivision> ReadDivision(uint32_t division) {
  if ((division & 0x8000) == 0) {
    if (division == 0) return std::nullopt;
    return TDivision{division, 0};
  }
  const int framesPerSecond = 256 - static_cast<int>(division >> 8);
  const int64_t ticksPerFrame = division & 0xFF;
  if (ticksPerFrame == 0) return std::nullopt;
  switch (framesPerSecond) {
    case 24:
    case 25:
    case 30:
      return TDivision{framesPerSecond * ticksPerFrame, 1000000};
    case 29:  // 30 frames with drops: 30 frames take 1.001 s
      return TDivision{30 * ticksPerFrame, 1001000};
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<TMidiTimeline> TMidiTimeline::Read(std::string_view bytes) {
  TByteReader file(bytes);
  std::string_view kind, lengthBytes, header;
  if (!file.Take(4, kind) || kind != "MThd" || !file.Take(4, lengthBytes)) return std::nullopt;
  const uint32_t headerLength = BigEndian(lengthBytes);
  if (headerLength < 6 || !file.Take(headerLength, header)) return std::nullopt;
  const uint32_t format = BigEndian(header.substr(0, 2));
  const uint32_t declaredTracks = BigEndian(header.substr(2, 2));
  const std::optional<TDivision> division = ReadDivision(BigEndian(header.substr(4, 2)));
  if (format > 2 || !division) return std::nullopt;

  TMidiTimeline timeline;
  timeline.FDivision = division->TicksPerQuarter;
  const bool fixedTempo = division->FixedTempo != 0;
  TTempoChanges tempos;
  std::string tracks;
  uint32_t trackCount = 0;
  while (trackCount < declaredTracks && !file.AtEnd()) {
    std::string_view chunkKind, chunkLength, body;
    if (!file.Take(4, chunkKind) || !file.Take(4, chunkLength)) break;
    const uint32_t length = BigEndian(chunkLength);
    if (!file.Take(length, body)) body = file.TakeRest();  // a truncated file: the last chunk holds what is left
    if (chunkKind != "MTrk") continue;
    TTrackReader track(body, !fixedTempo, tempos);
    track.Read();
    tracks += Chunk("MTrk", (trackCount == 0 && fixedTempo ? TempoEvent(division->FixedTempo) : "") + track.Body());
    timeline.FEndTick = std::max(timeline.FEndTick, track.EndTick());
    ++trackCount;
  }
  if (trackCount == 0) return std::nullopt;

  timeline.BuildTempoMap(std::move(tempos), fixedTempo ? division->FixedTempo : kDefaultTempo);
  const int64_t length = timeline.MsAtTick(timeline.FEndTick);
  if (length > std::numeric_limits<int32_t>::max()) return std::nullopt;
  timeline.FLengthMs = static_cast<int32_t>(length);

  std::string playableHeader;
  PutBigEndian(playableHeader, format == 2 ? 2 : (trackCount == 1 ? 0 : 1), 2);
  PutBigEndian(playableHeader, trackCount, 2);
  PutBigEndian(playableHeader, static_cast<uint32_t>(timeline.FDivision), 2);
  timeline.FPlayable = Chunk("MThd", playableHeader) + tracks;
  return timeline;
}

// Tracks play side by side: the changes of all tracks make one map, and of
// two changes at one tick the one read later holds, as in playback.
void TMidiTimeline::BuildTempoMap(TTempoChanges changes, int64_t initialTempo) {
  std::stable_sort(changes.begin(), changes.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  FSegments = {{0, 0, initialTempo}};
  for (const auto& [tick, tempo] : changes) {
    TTempoSegment& last = FSegments.back();
    if (tick == last.Tick) {
      last.MicrosPerQuarter = tempo;
      continue;
    }
    FSegments.push_back({tick, last.Elapsed + (tick - last.Tick) * last.MicrosPerQuarter, tempo});
  }
}

const TMidiTimeline::TTempoSegment& TMidiTimeline::SegmentAtTick(int64_t tick) const {
  auto after = std::upper_bound(FSegments.begin(), FSegments.end(), tick,
                                [](int64_t t, const TTempoSegment& s) { return t < s.Tick; });
  return *std::prev(after);
}

int64_t TMidiTimeline::MsAtTick(int64_t tick) const {
  tick = std::clamp<int64_t>(tick, 0, kMaxTick);
  const TTempoSegment& segment = SegmentAtTick(tick);
  const int64_t elapsed = segment.Elapsed + (tick - segment.Tick) * segment.MicrosPerQuarter;
  return elapsed / (FDivision * 1000);
}

int64_t TMidiTimeline::TickAtMs(int64_t ms) const {
  ms = std::clamp<int64_t>(ms, 0, FLengthMs);
  const int64_t target = ms * 1000 * FDivision;
  auto after = std::upper_bound(FSegments.begin(), FSegments.end(), target,
                                [](int64_t t, const TTempoSegment& s) { return t < s.Elapsed; });
  const TTempoSegment& segment = *std::prev(after);
  return std::min(FEndTick, segment.Tick + (target - segment.Elapsed) / segment.MicrosPerQuarter);
}
