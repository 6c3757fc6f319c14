// Standard MIDI Files: events, tracks, the reader (which pairs every note-off
// with its note-on so that each note-on knows its length) and the writer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "OwnedList.h"
#include "uRingFile.h"

class TMemoryStream;

struct TMidiEvent {
  uint8_t Status = 0;  // 0x80-0xEF channel message, 0xFF meta event, 0xF0-0xFE system
  uint8_t Data1 = 0;   // the key of a note message; a meta event's type
  uint8_t Data2 = 0;   // the velocity of a note message
  std::string MetaData;
  int32_t Delta = 0;         // ticks since the previous event of the track
  int32_t AbsoluteTime = 0;  // ticks since the start of the track
  // A note-on: ticks until its paired note-off (0 while unpaired);
  // -1 on a note-off that was paired; 0 otherwise.
  int32_t NoteLength = 0;

  bool IsNoteOn() const { return (Status & 0xF0) == 0x90; }
  // A note-on with a velocity: it starts a note.
  bool SoundsNote() const { return IsNoteOn() && Data2 != 0; }
  // Channel 10 is the drum kit: its keys name drums, not pitches.
  bool IsPercussion() const { return IsChannelMessage() && (Status & 0x0F) == 9; }
  bool IsNoteOff() const { return (Status & 0xF0) == 0x80 || (IsNoteOn() && Data2 == 0); }
  bool IsMeta() const { return Status == 0xFF; }
  bool IsChannelMessage() const { return Status >= 0x80 && Status <= 0xEF; }
};

class TMidiTrack {
 public:
  std::string TrackName;       // text of the last meta event of type 3
  std::string InstrumentName;  // text of the last meta event of type 4
  int32_t RunningTotal = 0;

  // Appends the event at the running total and pairs a note-off with the
  // latest earlier note-on of its channel and key.
  void AddEvent(std::unique_ptr<TMidiEvent> event);
  // The event, or null for an index outside the track.
  TMidiEvent* GetEvent(int index) const { return FEvents.Find(index); }
  int Count() const { return FEvents.Count(); }

 private:
  TOwnedList<TMidiEvent> FEvents;
  // The latest note-on per channel and key, so that pairing takes constant
  // time however long the track is. Only the keys the track sounds have an
  // entry: a file of many small tracks costs memory by its size.
  std::unordered_map<uint16_t, TMidiEvent*> FLatestNoteOn;
};

class TMidiFile : public TRingFile {
 public:
  uint8_t FileFormat = 0;  // 0, 1 or 2
  int32_t Division = 0;    // ticks per quarter note from the header
  // Beats per minute of the last tempo event read; 120, the Standard MIDI
  // File default, when none was. Separate from the tune's own Tempo.
  int32_t FileTempo = 120;

  void LoadFromStream(TStream& stream) override;
  std::string GetText() override;
  void SaveMidiToStream(TMemoryStream& stream) const;

  TMidiTrack* GetTrack(int index) const { return FTracks.Find(index); }
  int TrackCount() const { return FTracks.Count(); }
  TMidiTrack* AddTrack(std::unique_ptr<TMidiTrack> track) { return FTracks.Add(std::move(track)); }
  void ClearTracks() { FTracks.Clear(); }

 private:
  void ReadHeaderChunk(TStream& stream, int64_t end);
  void ReadTrackChunk(TStream& stream);

  TOwnedList<TMidiTrack> FTracks;
};

// 60000000 div tempo microseconds a quarter, held to what three bytes hold;
// a tempo of 0 raises EDivByZero.
std::unique_ptr<TMidiEvent> NewTempoEvent(int32_t tempo);
std::unique_ptr<TMidiEvent> NewEndOfTrackEvent();

// The Standard MIDI File variable-length number, most significant group
// first. Reading stops at the first byte without the high bit or at the end.
uint32_t ReadVarLen(TStream& stream);
void WriteVarLen(TStream& stream, uint32_t value);
