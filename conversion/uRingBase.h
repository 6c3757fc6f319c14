// Tones and the track that holds them: the one in-memory form every notation
// is converted through.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "OwnedList.h"

// Kind of a tone.
constexpr uint8_t rkNote = 0;     // a note or a rest
constexpr uint8_t rkControl = 1;  // a control event

// Dot of a note.
constexpr uint8_t rdNone = 0;
constexpr uint8_t rdDotted = 1;        // "."
constexpr uint8_t rdDoubleDotted = 2;  // iMelody ":"
constexpr uint8_t rdTriplet = 3;       // iMelody ";"

// Accidental of a note.
constexpr uint8_t raNatural = 0;
constexpr uint8_t raSharp = 1;
constexpr uint8_t raFlat = 2;

// ControlKind of a control event, with what its Value holds.
constexpr int32_t ckLed = 16;        // 1 on, 0 off
constexpr int32_t ckVibration = 17;  // 1 on, 0 off
constexpr int32_t ckBacklight = 18;  // 1 on, 0 off
constexpr int32_t ckVolume = 19;     // volume level
constexpr int32_t ckTempo = 21;      // beats per minute
constexpr int32_t ckStyle = 22;      // character code of "N", "C" or "S"
constexpr int32_t ckOctave = 23;     // octave
constexpr int32_t ckDuration = 24;   // note value

// One note, rest or control event. A new tone is a note with every number 0
// and an empty letter. Note is one letter, "P" for a rest; compare it upper-
// cased, since one reader keeps rests as "p".
struct TRingTone {
  uint8_t Kind = rkNote;
  int32_t Duration = 0;
  std::string Note;
  int32_t Octave = 0;
  uint8_t Dot = rdNone;
  int32_t Volume = 0;
  uint8_t Accidental = raNatural;
  int32_t ControlKind = 0;
  int32_t Value = 0;

  void Assign(const TRingTone& source) { *this = source; }
  bool IsRest() const { return Note == "P" || Note == "p"; }
};

// The tones of a tune in playing order; the track owns them.
class TRingTrack {
 public:
  TOwnedList<TRingTone> Tones;

  TRingTone* Add(std::unique_ptr<TRingTone> tone) { return Tones.Add(std::move(tone)); }
  void Clear() { Tones.Clear(); }
  int Count() const { return Tones.Count(); }
  // Index outside the track: EListError.
  TRingTone* GetTone(int index) const { return Tones.Items(index); }
  // Replaces this track's tones by copies of the source's.
  void Assign(const TRingTrack& source);
};
