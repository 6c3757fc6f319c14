// Standard MIDI Files: events, tracks, the reader (which pairs every note-off
// with its note-on so that each note-on knows its length) and the writer.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/uRingFile.h"
#include "runtime/ChunkedList.h"

class TMemoryStream;

// The status and data bytes of an event, and what they make of it.
struct TMidiMessage {
  uint8_t Status = 0;  // 0x80-0xEF channel message, 0xFF meta event, 0xF0-0xFE system
  uint8_t Data1 = 0;   // the key of a note message; a meta event's type
  uint8_t Data2 = 0;   // the velocity of a note message

  bool IsNoteOn() const { return (Status & 0xF0) == 0x90; }
  // A note-on with a velocity: it starts a note.
  bool SoundsNote() const { return IsNoteOn() && Data2 != 0; }
  // Channel 10 is the drum kit: its keys name drums, not pitches.
  bool IsPercussion() const { return IsChannelMessage() && (Status & 0x0F) == 9; }
  bool IsNoteOff() const { return (Status & 0xF0) == 0x80 || (IsNoteOn() && Data2 == 0); }
  bool IsMeta() const { return Status == 0xFF; }
  bool IsChannelMessage() const { return Status >= 0x80 && Status <= 0xEF; }
};

// Reads the bytes of a file held in memory. Reading past the end gives no
// bytes, as a stream does: a missing byte reads as 0 and a missing run is
// cut short.
class TMidiByteReader {
 public:
  explicit TMidiByteReader(std::string_view bytes)
      : FStart(reinterpret_cast<const uint8_t*>(bytes.data())), FAt(FStart), FEnd(FStart + bytes.size()) {}

  bool AtEnd() const { return FAt == FEnd; }
  size_t Position() const { return static_cast<size_t>(FAt - FStart); }
  size_t Left() const { return static_cast<size_t>(FEnd - FAt); }
  void SkipTo(size_t position) { FAt = FStart + std::min(position, static_cast<size_t>(FEnd - FStart)); }

  // The next byte, left where it stands; there must be one.
  uint8_t Peek() const { return *FAt; }
  // The next two bytes, which must be there.
  std::array<uint8_t, 2> TwoBytes() {
    FAt += 2;
    return {FAt[-2], FAt[-1]};
  }
  uint8_t Byte() { return AtEnd() ? 0 : *FAt++; }
  uint32_t BigEndian32() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | Byte();
    return value;
  }
  // The variable-length number: 7 bits a byte, most significant group
  // first, every byte but the last with its high bit set. Reading stops at
  // the first byte without the high bit or at the end.
  uint32_t VarLen() {
    uint32_t value = 0;
    while (!AtEnd()) {
      const uint8_t byte = *FAt++;
      value = (value << 7) + (byte & 0x7F);
      if ((byte & 0x80) == 0) break;
    }
    return value;
  }
  // At most count bytes, never more than are left.
  std::string_view Bytes(uint32_t count) {
    const size_t length = std::min<size_t>(count, Left());
    const std::string_view bytes(reinterpret_cast<const char*>(FAt), length);
    FAt += length;
    return bytes;
  }

 private:
  const uint8_t* FStart;
  const uint8_t* FAt;
  const uint8_t* FEnd;
};

// The events of a track chunk read one by one from its bytes, with running
// status. A status byte starts a new running status; an event that runs
// past the end of the chunk reads what is left, and its missing bytes as 0.
class TMidiChunkReader {
 public:
  struct TEvent {
    TMidiMessage Message;
    uint32_t Delta;
    std::string_view MetaData;  // a meta event's data, where the chunk holds it
  };

  explicit TMidiChunkReader(std::string_view body) : FReader(body) {}

  bool AtEnd() const { return FReader.AtEnd(); }
  TEvent Next() {
    TEvent event{{}, Delta(), {}};
    // A data byte after the delta is the event's first, under the running
    // status. Past the end there is neither.
    if (!FReader.AtEnd() && FReader.Peek() >= 0x80) FRunningStatus = FReader.Byte();
    const uint8_t status = FRunningStatus;
    TMidiMessage& message = event.Message;
    message.Status = status;
    if (status >= 0x80 && status <= 0xEF) {
      // A program change or channel pressure has one data byte, every other
      // channel message two.
      if (status >= 0xC0 && status <= 0xDF) {
        message.Data1 = FReader.Byte();
      } else if (FReader.Left() >= 2) {
        const std::array<uint8_t, 2> data = FReader.TwoBytes();
        message.Data1 = data[0];
        message.Data2 = data[1];
      } else {
        message.Data1 = FReader.Byte();
        message.Data2 = FReader.Byte();
      }
    } else if (status == 0xFF) {
      message.Data1 = FReader.Byte();
      event.MetaData = FReader.Bytes(FReader.VarLen());
    } else if (status == 0xF0 || status == 0xF7) {
      FReader.Bytes(FReader.VarLen());  // system exclusive: the body is not kept
    }
    return event;
  }
  // The next event when it is a note message with both its data bytes,
  // as Next reads it: nearly every event of a tune, read without what the
  // other events need. Any other event is left unread, for Next.
  bool NextNote(uint32_t& delta, TMidiMessage& message) {
    const size_t start = FReader.Position();
    delta = Delta();
    const bool ownStatus = !FReader.AtEnd() && FReader.Peek() >= 0x80;
    const uint8_t status = ownStatus ? FReader.Peek() : FRunningStatus;
    if ((status & 0xE0) != 0x80 || FReader.Left() < (ownStatus ? 3u : 2u)) {
      FReader.SkipTo(start);
      return false;
    }
    if (ownStatus) FRunningStatus = FReader.Byte();
    const std::array<uint8_t, 2> data = FReader.TwoBytes();
    message = {status, data[0], data[1]};
    return true;
  }

 private:
  // Most deltas are a single byte: read without the loop.
  uint32_t Delta() { return !FReader.AtEnd() && FReader.Peek() < 0x80 ? FReader.Byte() : FReader.VarLen(); }

  TMidiByteReader FReader;
  uint8_t FRunningStatus = 0;
};

// The latest note-on of each channel and key, by an index the caller gives
// it (a track's: the event's) and its absolute time: a note-off finds its
// note-on at once however long the track is. A channel's table is made when
// the channel first sounds, so a track costs what the channels it uses cost.
class TNoteOnIndex {
 public:
  struct TNoteOn {
    uint32_t Index;
    int32_t AbsoluteTime;
  };

  TNoteOnIndex() = default;
  // The channels point into the index itself.
  TNoteOnIndex(const TNoteOnIndex&) = delete;
  TNoteOnIndex& operator=(const TNoteOnIndex&) = delete;

  // Null when the channel has sounded no note-on on the key.
  const TNoteOn* Latest(const TMidiMessage& m) const {
    const TKeys* keys = FChannels[m.Status & 0x0F];
    return keys && keys->Knows(m.Data1) ? &keys->NoteOns[m.Data1] : nullptr;
  }
  void Set(const TMidiMessage& m, size_t index, int32_t absoluteTime) { KeysOf(m).Set(m.Data1, index, absoluteTime); }
  // Set, giving the note-on it replaces, or none (an index of kNone) as
  // Latest gives none: a note-on without a velocity ends one note and
  // stands for the next.
  static constexpr uint32_t kNone = UINT32_MAX;
  TNoteOn Exchange(const TMidiMessage& m, size_t index, int32_t absoluteTime) {
    TKeys& keys = KeysOf(m);
    const TNoteOn before = keys.Knows(m.Data1) ? keys.NoteOns[m.Data1] : TNoteOn{kNone, 0};
    keys.Set(m.Data1, index, absoluteTime);
    return before;
  }

 private:
  // A channel's keys: a new table clears the bits of the keys it knows, not
  // the 2 KB of note-ons, which are written before they are read.
  struct TKeys {
    std::array<uint64_t, 4> Known{};
    std::array<TNoteOn, 256> NoteOns;

    bool Knows(uint8_t key) const { return (Known[key / 64] >> (key % 64)) & 1; }
    void Set(uint8_t key, size_t index, int32_t absoluteTime) {
      Known[key / 64] |= uint64_t{1} << (key % 64);
      // Both halves in one store: a note-on read back whole soon after
      // would stall on two narrow ones.
      const uint64_t first = static_cast<uint32_t>(index);
      const uint64_t second = static_cast<uint32_t>(absoluteTime);
      const uint64_t both = std::endian::native == std::endian::little ? first | second << 32 : first << 32 | second;
      static_assert(sizeof(TNoteOn) == sizeof both && offsetof(TNoteOn, AbsoluteTime) == 4);
      std::memcpy(&NoteOns[key], &both, sizeof both);
    }
  };

  TKeys& KeysOf(const TMidiMessage& m) {
    TKeys*& keys = FChannels[m.Status & 0x0F];
    if (!keys) keys = NewKeys();
    return *keys;
  }
  TKeys* NewKeys() {
    if (!FFirstTaken) {
      FFirstTaken = true;
      return &FFirst;
    }
    return FMore.emplace_back(std::make_unique_for_overwrite<TKeys>()).get();
  }

  std::array<TKeys*, 16> FChannels{};  // null until the channel sounds
  // Most tracks sound on one channel: its table is the index's own, which
  // costs no allocation; any other channel's is made apart.
  TKeys FFirst;
  bool FFirstTaken = false;
  std::vector<std::unique_ptr<TKeys>> FMore;
};

struct TMidiEvent : TMidiMessage {
  std::string MetaData;
  int32_t Delta = 0;         // ticks since the previous event of the track
  int32_t AbsoluteTime = 0;  // ticks since the start of the track
  // A note-on: ticks until its paired note-off (0 while unpaired);
  // -1 on a note-off that was paired; 0 otherwise.
  int32_t NoteLength = 0;
};

// The events of one track. A file holds millions of events of a few bytes
// each, so they are kept in eight bytes apiece: the three message bytes, and
// in sixteen bits each the delta and the note length (a meta event: where
// its data starts), which is what real files need. A longer delta or data
// place is kept aside in the order of the events; a longer note length (set
// when a later note-off pairs) is kept aside by event index. Absolute times
// are summed from the start of a group of events, whose start time is kept.
class TMidiTrack {
 public:
  TMidiTrack();
  ~TMidiTrack();
  TMidiTrack(TMidiTrack&&) noexcept;
  TMidiTrack& operator=(TMidiTrack&&) noexcept;

  // The text of the last meta event of type 3 (track name) and of type 4
  // (instrument name); empty without one.
  std::string TrackName() const { return MetaDataOfLast(FTrackNameAt); }
  std::string InstrumentName() const { return MetaDataOfLast(FInstrumentNameAt); }
  // Ticks from the start of the track to its last event.
  int32_t RunningTotal() const { return FRunningTotal; }

  // Appends the event at the running total and pairs a note-off with the
  // latest earlier note-on of its channel and key.
  void AddEvent(std::unique_ptr<TMidiEvent> event) { AddEvent(*event); }
  void AddEvent(const TMidiEvent& event);
  // Appends a note: the note-on at delta ticks, and length ticks later its
  // end as a velocity-0 note-on, the two paired as AddEvent pairs them when
  // the note-on is the latest of its key.
  void AddNote(const TMidiMessage& noteOn, int32_t delta, int32_t length);
  // The event, or nothing for an index outside the track.
  std::optional<TMidiEvent> GetEvent(int index) const;
  int Count() const { return static_cast<int>(FEvents.size()); }

  // The parts of an event, read without building it; the index must lie
  // inside the track.
  const TMidiMessage& Message(int index) const { return FEvents[static_cast<size_t>(index)]; }
  int32_t Delta(int index) const {
    const TStoredEvent& e = FEvents[static_cast<size_t>(index)];
    return (e.Flags & TStoredEvent::kDeltaAside) ? DeltaAside(static_cast<size_t>(index)) : e.ShortDelta;
  }
  int32_t NoteLength(int index) const {
    const TStoredEvent& e = FEvents[static_cast<size_t>(index)];
    if (e.IsMeta()) return 0;
    return e.Flags == 0 ? e.ShortValue : FlaggedNoteLength(static_cast<size_t>(index));
  }
  std::string_view MetaData(int index) const;

 private:
  friend class TMidiFile;

  struct TStoredEvent : TMidiMessage {
    // What the flags say of the event's values.
    static constexpr uint8_t kDeltaAside = 1;     // the delta is kept aside
    static constexpr uint8_t kValueAside = 2;     // the note length or data place is kept aside
    static constexpr uint8_t kPairedNoteOff = 4;  // the note length is -1

    uint8_t Flags;
    uint16_t ShortDelta;  // the delta, unless it is kept aside
    uint16_t ShortValue;  // the note length or data place, unless flagged otherwise

    // A delta kept aside comes before a data place kept aside.
    uint32_t DeltasAside() const { return (Flags & kDeltaAside) ? 1 : 0; }
  };
  static_assert(sizeof(TStoredEvent) == 8);
  struct TAside;
  // Where an event stands: its absolute time and the first of the values
  // kept aside for it.
  struct TPlace {
    int32_t AbsoluteTime;
    uint32_t Aside;
  };

  // Appends, pairing through the given index of note-ons (a reader's, for
  // the one track it fills; AddEvent keeps one of the track's own).
  void AddEvent(const TMidiMessage& message, int32_t delta, std::string_view metaData, TNoteOnIndex& noteOns);
  // Appends without pairing; returns the event's index.
  size_t Append(const TMidiMessage& message, int32_t delta, std::string_view metaData);
  // Appends an event inside a group whose delta and value fit sixteen bits
  // (the running total is the caller's to keep).
  void AppendShort(const TMidiMessage& message, uint8_t flags, uint32_t delta, uint32_t value);
  // Puts the events as the writer puts them.
  template <class TPut>
  void PutBody(TPut& put) const;
  std::string_view MetaDataAt(uint32_t at) const;
  void SetNoteLength(size_t index, int32_t length);
  int32_t DeltaAside(size_t index) const;
  int32_t FlaggedNoteLength(size_t index) const;
  TPlace Place(size_t index) const;
  TAside& Aside();
  std::string MetaDataOfLast(int32_t index) const;

  TChunkedList<TStoredEvent> FEvents;
  // Made with the first event that needs it, so that a short track of
  // notes costs only its events.
  std::unique_ptr<TAside> FAside;
  int32_t FRunningTotal = 0;
  int32_t FTrackNameAt = -1;
  int32_t FInstrumentNameAt = -1;
  // Built when AddEvent is first called, from the events the track has.
  std::unique_ptr<TNoteOnIndex> FNoteOns;
};

// A track written straight into the bytes of its chunk, as the file's
// writer writes a track of the same events: channel messages with running
// status, meta events with their data, any other event left out. Nothing
// pairs until a track is built from the bytes.
class TMidiTrackBytes {
 public:
  void Add(const TMidiMessage& message, uint32_t delta, std::string_view metaData = {});
  void Add(const TMidiEvent& event) { Add(event, static_cast<uint32_t>(event.Delta), event.MetaData); }
  // A note: the note-on at delta ticks, and length ticks later its end as
  // a velocity-0 note-on, which running status writes in two bytes.
  void AddNote(const TMidiMessage& noteOn, uint32_t delta, uint32_t length);
  void Reserve(size_t bytes);

 private:
  friend class TMidiFile;

  // Where the next event goes, with room for this many bytes.
  char* Room(size_t bytes);

  std::string FBody;  // written up to FSize, the rest room to write in
  size_t FSize = 0;
  uint8_t FRunningStatus = 0;
};

// A file read is kept as its bytes until a track is first asked for: a
// conversion reduces the melody straight from the bytes of its track and
// never needs the others. So is the track a conversion writes, whose bytes
// are the file's but for the header and the chunk's head.
class TMidiFile : public TRingFile {
 public:
  uint8_t FileFormat = 0;  // 0, 1 or 2
  int32_t Division = 0;    // ticks per quarter note from the header
  // Beats per minute of the last tempo event read; 120, the Standard MIDI
  // File default, when none was. Separate from the tune's own Tempo.
  int32_t FileTempo = 120;

  void LoadFromText(std::string text) override;
  void LoadFromStream(TStream& stream) override;
  std::string GetText() override;
  TMidiFile* AsMidiFile() override { return this; }
  void SaveMidiToStream(TMemoryStream& stream) const;
  // The bytes GetText gives, and their number: a caller may have them
  // written straight where they go, at least FileSize() bytes.
  size_t FileSize() const;
  void WriteFile(char* bytes) const;

  // The track, or null for an index outside the file.
  TMidiTrack* GetTrack(int index);
  const TMidiTrack* GetTrack(int index) const;
  int TrackCount() const { return static_cast<int>(FTracks.size() + FChunks.size()); }
  TMidiTrack* AddTrack(std::unique_ptr<TMidiTrack> track);
  // A file of no tracks keeps the bytes as they are written, as the one
  // track they hold; after other tracks it is built from them.
  void AddTrack(TMidiTrackBytes track);
  void ClearTracks();

  // Whether the tracks are only read so far, not built; then each track's
  // events are read from the bytes of its chunk, by track index.
  bool TracksPending() const { return !FChunks.empty(); }
  std::string_view TrackChunk(int index) const;

 private:
  struct TChunkPlace {
    size_t Start;
    size_t Length;
  };

  void Read(std::string bytes);
  // The tempo and the size of the meta data of a track chunk.
  void ReadTrackFacts(std::string_view body);
  void BuildTracks() const;
  void ReadTrackChunk(std::string_view body) const;
  std::string FileBytes() const;

  // Tracks never move once added: GetTrack's pointers stay valid. Built
  // from the chunks of the bytes read when first asked for; the bytes are
  // let go then.
  mutable TChunkedList<TMidiTrack, TFirstChunk::Full> FTracks;
  mutable std::string FBytes;
  mutable std::vector<TChunkPlace> FChunks;
  // The chunks are the track written by AddTrack, whose bytes the file
  // writes as they stand.
  mutable bool FChunksWritten = false;
};

// 60000000 div tempo microseconds a quarter, held to what three bytes hold;
// a tempo of 0 raises EDivByZero.
std::unique_ptr<TMidiEvent> NewTempoEvent(int32_t tempo);
std::unique_ptr<TMidiEvent> NewEndOfTrackEvent();
