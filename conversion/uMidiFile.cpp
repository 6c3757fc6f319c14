#include "conversion/uMidiFile.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "runtime/Streams.h"
#include "runtime/SysUtils.h"

namespace {

constexpr uint8_t kMetaTrackName = 0x03;
constexpr uint8_t kMetaInstrumentName = 0x04;
constexpr uint8_t kMetaTempo = 0x51;
constexpr uint8_t kMetaEndOfTrack = 0x2F;
constexpr int32_t kMaxTempoMicros = 0xFFFFFF;
// A track keeps the data of its meta events each after its length in four
// bytes; where the data starts must fit four bytes of a signed offset.
constexpr size_t kMetaLengthSize = sizeof(uint32_t);
constexpr size_t kMaxMetaBytes = INT32_MAX;

// Tick arithmetic wraps at 32 bits, like the counters it models; hostile
// deltas must not make it undefined.
int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t WrappingSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

size_t VarLenSize(uint32_t value) {
  size_t size = 1;
  while (value >>= 7) ++size;
  return size;
}

char* WriteBigEndian32(char* at, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) *at++ = static_cast<char>(value >> shift);
  return at;
}

bool HasTwoDataBytes(uint8_t status) { return status < 0xC0 || status > 0xDF; }

// How the writer puts an event: a channel message with running status, a
// meta event with its data; any other event is left out. A track's body is
// measured first, so that it can be written in one piece after its length.
template <class TPut>
void PutEvent(TPut& put, uint8_t& runningStatus, const TMidiMessage& e, uint32_t delta, std::string_view data) {
  if (e.IsChannelMessage()) {
    put.VarLen(delta);
    if (e.Status != runningStatus) {
      put.Byte(e.Status);
      runningStatus = e.Status;
    }
    put.Byte(e.Data1);
    if (HasTwoDataBytes(e.Status)) put.Byte(e.Data2);
  } else if (e.IsMeta()) {
    put.VarLen(delta);
    put.Byte(0xFF);
    put.Byte(e.Data1);
    put.VarLen(static_cast<uint32_t>(data.size()));
    put.Bytes(data);
  }
}

struct TMeasure {
  size_t Size = 0;
  void Byte(uint8_t) { ++Size; }
  void VarLen(uint32_t value) { Size += VarLenSize(value); }
  void Bytes(std::string_view bytes) { Size += bytes.size(); }
};

// Writes where the file's bytes go, which the measure has sized.
struct TWrite {
  char* At;
  void Byte(uint8_t byte) { *At++ = static_cast<char>(byte); }
  void VarLen(uint32_t value) {
    if (value < 0x80) {  // nearly every delta
      Byte(static_cast<uint8_t>(value));
      return;
    }
    uint8_t groups[5];
    int count = 0;
    do {
      groups[count++] = value & 0x7F;
      value >>= 7;
    } while (value != 0);
    while (count > 1) Byte(groups[--count] | 0x80);
    Byte(groups[0]);
  }
  void Bytes(std::string_view bytes) { At = std::copy(bytes.begin(), bytes.end(), At); }
};

// The most an event takes besides its data: two numbers of five bytes, and
// the status and type of a meta event (a channel message takes three bytes
// after its delta).
constexpr size_t kMostEventBytes = 2 * 5 + 2;

constexpr size_t kHeaderSize = 14;
constexpr size_t kChunkHeadSize = 8;

}  // namespace

namespace {

// Events per group: reading a time or a value kept aside walks at most
// this many events.
constexpr size_t kGroupLength = 256;

// Note lengths that do not fit sixteen bits, by event index: a real file
// hardly has one (a note of over 65535 ticks), a hostile one one per note.
// Open addressing over pairs, at most half the slots taken.
class TLongNoteLengths {
 public:
  int32_t Get(uint32_t index) const { return FSlots[Find(index)].Length; }
  void Set(uint32_t index, int32_t length) {
    if (2 * (FCount + 1) > FSlots.size()) Rehash(std::max<size_t>(16, 2 * FSlots.size()));
    TSlot& slot = FSlots[Find(index)];
    if (slot.Index == kFree) ++FCount;
    slot = {index, length};
  }

 private:
  static constexpr uint32_t kFree = UINT32_MAX;  // a track holds fewer events
  struct TSlot {
    uint32_t Index = kFree;
    int32_t Length = 0;
  };

  // The slot that holds the index, or the free slot where it goes.
  size_t Find(uint32_t index) const {
    const size_t mask = FSlots.size() - 1;
    size_t slot = (uint64_t{index} * 0x9E3779B97F4A7C15ull >> 32) & mask;
    while (FSlots[slot].Index != kFree && FSlots[slot].Index != index) slot = (slot + 1) & mask;
    return slot;
  }
  void Rehash(size_t slots) {
    std::vector<TSlot> old(slots);
    old.swap(FSlots);
    for (const TSlot& slot : old)
      if (slot.Index != kFree) FSlots[Find(slot.Index)] = slot;
  }

  std::vector<TSlot> FSlots;
  size_t FCount = 0;
};

}  // namespace

struct TMidiTrack::TAside {
  // The start of each group after the first (which starts at time 0 with
  // the first value aside): the running total before its first event, and
  // the index in Values of its first event's first value.
  struct TGroup {
    int32_t StartTime;
    uint32_t FirstValue;
  };
  TChunkedList<TGroup> Groups;
  // In the order of the events: a delta kept aside, then a meta event's
  // place in MetaData kept aside.
  TChunkedList<uint32_t> Values;
  // The data of every meta event, each after its length in four bytes.
  std::string MetaData;
  TLongNoteLengths LongNoteLengths;
};

TMidiTrack::TMidiTrack() = default;
TMidiTrack::~TMidiTrack() = default;
TMidiTrack::TMidiTrack(TMidiTrack&&) noexcept = default;
TMidiTrack& TMidiTrack::operator=(TMidiTrack&&) noexcept = default;

TMidiTrack::TAside& TMidiTrack::Aside() {
  if (!FAside) FAside = std::make_unique<TAside>();
  return *FAside;
}

TMidiTrack::TPlace TMidiTrack::Place(size_t index) const {
  const size_t first = index - index % kGroupLength;
  TPlace place{0, 0};
  if (first > 0) {
    const TAside::TGroup& group = FAside->Groups[first / kGroupLength - 1];
    place = {group.StartTime, group.FirstValue};
  }
  for (size_t i = first;; ++i) {
    const TStoredEvent& e = FEvents[i];
    const int32_t delta =
        (e.Flags & TStoredEvent::kDeltaAside) ? static_cast<int32_t>(FAside->Values[place.Aside]) : e.ShortDelta;
    place.AbsoluteTime = WrappingAdd(place.AbsoluteTime, delta);
    if (i == index) return place;
    place.Aside += e.DeltasAside() + (e.IsMeta() && (e.Flags & TStoredEvent::kValueAside) ? 1 : 0);
  }
}

void TMidiTrack::SetNoteLength(size_t index, int32_t length) {
  TStoredEvent& e = FEvents[index];
  e.Flags &= ~(TStoredEvent::kValueAside | TStoredEvent::kPairedNoteOff);
  if (length == -1) {
    e.Flags |= TStoredEvent::kPairedNoteOff;
  } else if (length >= 0 && length <= UINT16_MAX) {
    e.ShortValue = static_cast<uint16_t>(length);
  } else {
    e.Flags |= TStoredEvent::kValueAside;
    Aside().LongNoteLengths.Set(static_cast<uint32_t>(index), length);
  }
}

void TMidiTrack::AddEvent(const TMidiEvent& event) {
  // Only a note message pairs: any other event leaves the note-ons as
  // they are, known or not.
  if (!event.IsNoteOn() && !event.IsNoteOff()) {
    Append(event, event.Delta, event.MetaData);
    return;
  }
  if (!FNoteOns) {
    FNoteOns = std::make_unique<TNoteOnIndex>();
    int32_t time = 0;
    for (int i = 0; i < Count(); ++i) {
      time = WrappingAdd(time, Delta(i));
      if (Message(i).IsNoteOn()) FNoteOns->Set(Message(i), static_cast<size_t>(i), time);
    }
  }
  AddEvent(event, event.Delta, event.MetaData, *FNoteOns);
}

void TMidiTrack::AddNote(const TMidiMessage& noteOn, int32_t delta, int32_t length) {
  FNoteOns.reset();  // built again from the events should a note be added by AddEvent
  const size_t on = Append(noteOn, delta, {});
  TMidiMessage noteOff = noteOn;
  noteOff.Data2 = 0;
  const size_t off = Append(noteOff, length, {});
  SetNoteLength(on, length);
  FEvents[off].Flags |= TStoredEvent::kPairedNoteOff;
}

void TMidiTrack::AppendShort(const TMidiMessage& message, uint8_t flags, uint32_t delta, uint32_t value) {
  // Written field by field where it stands: a record put together first and
  // copied whole stalls the copy on the parts just written.
  TStoredEvent& added = FEvents.push_back({});
  static_cast<TMidiMessage&>(added) = message;
  added.Flags = flags;
  added.ShortDelta = static_cast<uint16_t>(delta);
  added.ShortValue = static_cast<uint16_t>(value);
}

void TMidiTrack::AddEvent(const TMidiMessage& message, int32_t delta, std::string_view metaData,
                          TNoteOnIndex& noteOns) {
  if (&noteOns != FNoteOns.get()) FNoteOns.reset();  // it no longer knows every note-on
  const size_t index = FEvents.size();
  const auto deltaBits = static_cast<uint32_t>(delta);
  if (message.IsMeta() || deltaBits > UINT16_MAX || index % kGroupLength == 0) {
    Append(message, delta, metaData);
  } else {
    // Nearly every event of a file: a channel message whose delta fits its
    // sixteen bits, inside a group, with nothing kept aside.
    FRunningTotal = WrappingAdd(FRunningTotal, delta);
    AppendShort(message, 0, deltaBits, 0);
  }
  if (message.IsNoteOff()) {
    if (const TNoteOnIndex::TNoteOn* latest = noteOns.Latest(message)) {
      const int32_t length = WrappingSub(FRunningTotal, latest->AbsoluteTime);
      TStoredEvent& noteOn = FEvents[latest->Index];
      if (length >= 0 && length <= UINT16_MAX && noteOn.Flags == 0)
        noteOn.ShortValue = static_cast<uint16_t>(length);
      else
        SetNoteLength(latest->Index, length);
      FEvents[index].Flags |= TStoredEvent::kPairedNoteOff;
    }
  }
  // A velocity-0 note-on still counts as the channel's latest note-on on
  // that key: a later note-off pairs with it.
  if (message.IsNoteOn()) noteOns.Set(message, index, FRunningTotal);
}

size_t TMidiTrack::Append(const TMidiMessage& message, int32_t delta, std::string_view metaData) {
  if (message.IsMeta() && (FAside ? FAside->MetaData.size() : 0) + kMetaLengthSize + metaData.size() > kMaxMetaBytes)
    throw std::length_error("meta data too long");
  const size_t index = FEvents.size();
  if (index > 0 && index % kGroupLength == 0)
    Aside().Groups.push_back({FRunningTotal, static_cast<uint32_t>(Aside().Values.size())});
  const auto deltaBits = static_cast<uint32_t>(delta);
  const bool deltaAside = deltaBits > UINT16_MAX;
  if (deltaAside) Aside().Values.push_back(deltaBits);
  FRunningTotal = WrappingAdd(FRunningTotal, delta);
  uint32_t value = 0;
  bool valueAside = false;
  if (message.IsMeta()) {
    TAside& aside = Aside();
    value = static_cast<uint32_t>(aside.MetaData.size());
    valueAside = value > UINT16_MAX;
    if (valueAside) aside.Values.push_back(value);
    const auto length = static_cast<uint32_t>(metaData.size());
    static_assert(sizeof length == kMetaLengthSize);
    aside.MetaData.append(reinterpret_cast<const char*>(&length), sizeof length);
    aside.MetaData.append(metaData);
    if (message.Data1 == kMetaTrackName) FTrackNameAt = static_cast<int32_t>(index);
    if (message.Data1 == kMetaInstrumentName) FInstrumentNameAt = static_cast<int32_t>(index);
  }
  // Written field by field where it stands: a record put together first and
  // copied whole stalls the copy on the parts just written.
  TStoredEvent& added = FEvents.push_back({});
  static_cast<TMidiMessage&>(added) = message;
  added.Flags = (deltaAside ? TStoredEvent::kDeltaAside : 0) | (valueAside ? TStoredEvent::kValueAside : 0);
  added.ShortDelta = deltaAside ? 0 : static_cast<uint16_t>(deltaBits);
  added.ShortValue = valueAside ? 0 : static_cast<uint16_t>(value);
  return index;
}

std::optional<TMidiEvent> TMidiTrack::GetEvent(int index) const {
  if (index < 0 || index >= Count()) return std::nullopt;
  TMidiEvent event;
  static_cast<TMidiMessage&>(event) = Message(index);
  event.MetaData = MetaData(index);
  event.Delta = Delta(index);
  event.AbsoluteTime = Place(static_cast<size_t>(index)).AbsoluteTime;
  event.NoteLength = NoteLength(index);
  return event;
}

int32_t TMidiTrack::DeltaAside(size_t index) const { return static_cast<int32_t>(FAside->Values[Place(index).Aside]); }

int32_t TMidiTrack::FlaggedNoteLength(size_t index) const {
  const TStoredEvent& e = FEvents[index];
  if (e.Flags & TStoredEvent::kPairedNoteOff) return -1;
  if (e.Flags & TStoredEvent::kValueAside) return FAside->LongNoteLengths.Get(static_cast<uint32_t>(index));
  return e.ShortValue;
}

std::string_view TMidiTrack::MetaData(int index) const {
  const auto i = static_cast<size_t>(index);
  const TStoredEvent& e = FEvents[i];
  if (!e.IsMeta()) return {};
  return MetaDataAt(
      (e.Flags & TStoredEvent::kValueAside) ? FAside->Values[Place(i).Aside + e.DeltasAside()] : e.ShortValue);
}

std::string_view TMidiTrack::MetaDataAt(uint32_t at) const {
  uint32_t length = 0;
  std::memcpy(&length, FAside->MetaData.data() + at, sizeof length);
  return std::string_view(FAside->MetaData).substr(at + sizeof length, length);
}

// The events in order, each with the values kept aside for it read as the
// walk comes to them.
template <class TPut>
void TMidiTrack::PutBody(TPut& put) const {
  uint8_t runningStatus = 0;
  uint32_t aside = 0;
  for (size_t i = 0; i < FEvents.size(); ++i) {
    const TStoredEvent& e = FEvents[i];
    uint32_t delta = e.ShortDelta;
    if (e.Flags & TStoredEvent::kDeltaAside) delta = FAside->Values[aside++];
    std::string_view data;
    if (e.IsMeta()) data = MetaDataAt((e.Flags & TStoredEvent::kValueAside) ? FAside->Values[aside++] : e.ShortValue);
    PutEvent(put, runningStatus, e, delta, data);
  }
}

std::string TMidiTrack::MetaDataOfLast(int32_t index) const {
  return index < 0 ? std::string() : std::string(MetaData(index));
}

TMidiTrack* TMidiFile::GetTrack(int index) {
  BuildTracks();
  return index < 0 || index >= TrackCount() ? nullptr : &FTracks[static_cast<size_t>(index)];
}

const TMidiTrack* TMidiFile::GetTrack(int index) const {
  BuildTracks();
  return index < 0 || index >= TrackCount() ? nullptr : &FTracks[static_cast<size_t>(index)];
}

TMidiTrack* TMidiFile::AddTrack(std::unique_ptr<TMidiTrack> track) {
  BuildTracks();
  return &FTracks.push_back(std::move(*track));
}

void TMidiFile::ClearTracks() {
  FTracks.clear();
  FChunks.clear();
  FChunksWritten = false;
  std::string().swap(FBytes);
}

std::string_view TMidiFile::TrackChunk(int index) const {
  const TChunkPlace& chunk = FChunks.at(static_cast<size_t>(index));
  return std::string_view(FBytes).substr(chunk.Start, chunk.Length);
}

void TMidiFile::LoadFromText(std::string text) { Read(std::move(text)); }

void TMidiFile::LoadFromStream(TStream& stream) {
  std::string copy;
  const std::string_view bytes = BytesFromPosition(stream, copy);
  Read(bytes.data() == copy.data() ? std::move(copy) : std::string(bytes));
}

void TMidiFile::Read(std::string bytes) {
  ClearTracks();
  FileTempo = 120;
  FBytes = std::move(bytes);
  TMidiByteReader reader(FBytes);
  while (!reader.AtEnd()) {
    const std::string_view kind = reader.Bytes(4);
    const uint32_t length = reader.BigEndian32();
    const size_t end = reader.Position() + length;
    if (kind == "MThd") {
      reader.Byte();
      const uint8_t format = reader.Byte();
      if (format <= 2) FileFormat = format;
      reader.Byte();  // the track count is what the chunks say, not this
      reader.Byte();
      const uint8_t high = reader.Byte();
      Division = (high << 8) | reader.Byte();
      if (end > reader.Position()) reader.SkipTo(end);
    } else if (kind == "MTrk") {
      // The track is read from its own bytes, so that an event running past
      // the chunk's end cannot swallow the tracks after it.
      const size_t start = reader.Position();
      const std::string_view body = reader.Bytes(length);
      FChunks.push_back({start, body.size()});
      ReadTrackFacts(body);
    } else {
      reader.SkipTo(end);  // a vendor's chunk: not ours to read
    }
  }
}

void TMidiFile::ReadTrackFacts(std::string_view body) {
  size_t metaBytes = 0;
  for (TMidiChunkReader reader(body); !reader.AtEnd();) {
    // Nearly every event is a note, which says nothing of either.
    uint32_t delta = 0;
    TMidiMessage note;
    if (reader.NextNote(delta, note)) continue;
    const TMidiChunkReader::TEvent event = reader.Next();
    if (!event.Message.IsMeta()) continue;
    const std::string_view data = event.MetaData;
    // The track built from the chunk could not hold its meta data: the file
    // is refused as it is read.
    metaBytes += kMetaLengthSize + data.size();
    if (metaBytes > kMaxMetaBytes) throw std::length_error("meta data too long");
    if (event.Message.Data1 == kMetaTempo && data.size() >= 3) {
      const uint32_t micros = (static_cast<uint8_t>(data[0]) << 16) | (static_cast<uint8_t>(data[1]) << 8) |
                              static_cast<uint8_t>(data[2]);
      // A tempo of zero microseconds is no tempo at all; keep the last one.
      if (micros != 0) FileTempo = static_cast<int32_t>(60000000 / micros);
    }
  }
}

void TMidiFile::BuildTracks() const {
  if (FChunks.empty()) return;
  for (const TChunkPlace& chunk : FChunks) ReadTrackChunk(std::string_view(FBytes).substr(chunk.Start, chunk.Length));
  FChunks.clear();
  FChunksWritten = false;
  std::string().swap(FBytes);
}

void TMidiFile::ReadTrackChunk(std::string_view body) const {
  TMidiTrack& track = FTracks.push_back(TMidiTrack());
  // A note message takes three bytes or more.
  track.FEvents.reserve(body.size() / 3);
  TNoteOnIndex noteOns;
  for (TMidiChunkReader reader(body); !reader.AtEnd();) {
    const TMidiChunkReader::TEvent event = reader.Next();
    track.AddEvent(event.Message, static_cast<int32_t>(event.Delta), event.MetaData, noteOns);
  }
}

void TMidiTrackBytes::Add(const TMidiMessage& message, uint32_t delta, std::string_view metaData) {
  TWrite write{Room(kMostEventBytes + metaData.size())};
  PutEvent(write, FRunningStatus, message, delta, metaData);
  FSize = static_cast<size_t>(write.At - FBody.data());
}

void TMidiTrackBytes::AddNote(const TMidiMessage& noteOn, uint32_t delta, uint32_t length) {
  TMidiMessage noteOff = noteOn;
  noteOff.Data2 = 0;
  TWrite write{Room(2 * kMostEventBytes)};
  PutEvent(write, FRunningStatus, noteOn, delta, {});
  PutEvent(write, FRunningStatus, noteOff, length, {});
  FSize = static_cast<size_t>(write.At - FBody.data());
}

char* TMidiTrackBytes::Room(size_t bytes) {
  if (FBody.size() - FSize < bytes) FBody.resize(std::max(2 * FBody.size(), FSize + bytes));
  return FBody.data() + FSize;
}

void TMidiTrackBytes::Reserve(size_t bytes) { FBody.resize(std::max(FBody.size(), bytes)); }

void TMidiFile::AddTrack(TMidiTrackBytes track) {
  if (TrackCount() > 0) {
    // Built as any track added after others, so that the tracks keep
    // their order.
    BuildTracks();
    ReadTrackChunk(std::string_view(track.FBody).substr(0, track.FSize));
    return;
  }
  track.FBody.resize(track.FSize);
  FBytes = std::move(track.FBody);
  FChunks.push_back({0, FBytes.size()});
  FChunksWritten = true;
}

size_t TMidiFile::FileSize() const {
  size_t size = kHeaderSize;
  if (FChunksWritten) {
    for (const TChunkPlace& chunk : FChunks) size += kChunkHeadSize + chunk.Length;
    return size;
  }
  BuildTracks();
  for (size_t t = 0; t < FTracks.size(); ++t) {
    TMeasure measure;
    FTracks[t].PutBody(measure);
    size += kChunkHeadSize + measure.Size;
  }
  return size;
}

void TMidiFile::WriteFile(char* bytes) const {
  char* at = std::copy_n("MThd", 4, bytes);
  at = WriteBigEndian32(at, 6);
  *at++ = '\0';
  *at++ = static_cast<char>(TrackCount() > 0 ? 1 : 0);
  *at++ = '\0';
  *at++ = static_cast<char>(TrackCount());
  *at++ = static_cast<char>(Division >> 8);
  *at++ = static_cast<char>(Division);
  if (FChunksWritten) {
    for (const TChunkPlace& chunk : FChunks) {
      at = WriteBigEndian32(std::copy_n("MTrk", 4, at), static_cast<uint32_t>(chunk.Length));
      at = std::copy_n(FBytes.data() + chunk.Start, chunk.Length, at);
    }
    return;
  }
  BuildTracks();
  for (size_t t = 0; t < FTracks.size(); ++t) {
    // The body goes first and its length before it after: nothing is
    // measured twice.
    char* const head = at;
    TWrite write{head + kChunkHeadSize};
    FTracks[t].PutBody(write);
    std::copy_n("MTrk", 4, head);
    WriteBigEndian32(head + 4, static_cast<uint32_t>(write.At - head - kChunkHeadSize));
    at = write.At;
  }
}

std::string TMidiFile::FileBytes() const {
  std::string bytes(FileSize(), '\0');
  WriteFile(bytes.data());
  return bytes;
}

void TMidiFile::SaveMidiToStream(TMemoryStream& stream) const {
  stream.SetPosition(0);
  stream.WriteString(FileBytes());
}

std::string TMidiFile::GetText() { return FileBytes(); }

std::unique_ptr<TMidiEvent> NewTempoEvent(int32_t tempo) {
  // The event holds three bytes: a tempo slower than they can say is held
  // at the slowest they can.
  const int32_t micros = std::clamp(IntDiv(60000000, tempo), 1, kMaxTempoMicros);
  auto event = std::make_unique<TMidiEvent>();
  event->Status = 0xFF;
  event->Data1 = kMetaTempo;
  event->MetaData = {static_cast<char>(micros >> 16), static_cast<char>(micros >> 8), static_cast<char>(micros)};
  return event;
}

std::unique_ptr<TMidiEvent> NewEndOfTrackEvent() {
  auto event = std::make_unique<TMidiEvent>();
  event->Status = 0xFF;
  event->Data1 = kMetaEndOfTrack;
  return event;
}
