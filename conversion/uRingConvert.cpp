#include "conversion/uRingConvert.h"

#include <algorithm>

#include "conversion/uMidiFile.h"
#include "conversion/uRingUtils.h"

namespace {

constexpr int32_t kTargetDivision = 96;
constexpr int32_t kBeatsPerBar = 4;
// Velocity 0 on this key stands for a rest that comes before any note.
constexpr uint8_t kLeadingRestKey = 60;

// Whether a note-on starts a note of the melody: percussion counts only in
// a file that sounds nothing else.
using TMelodyNote = bool (*)(const TMidiMessage&);

bool PitchedNote(const TMidiMessage& m) { return m.SoundsNote() && !m.IsPercussion(); }
bool AnyNote(const TMidiMessage& m) { return m.SoundsNote(); }

bool Sounds(const TMidiTrack& track, TMelodyNote isMelodyNote) {
  for (int i = 0; i < track.Count(); ++i)
    if (isMelodyNote(track.Message(i))) return true;
  return false;
}

struct TMelody {
  const TMidiTrack* Track;
  TMelodyNote IsMelodyNote;
};

// The first track that sounds a pitched note: track 0 whenever it does, so
// format-0 files and tunes kept in track 0 read as before; otherwise the
// usual layout of a tempo track followed by the melody. Drums are never the
// melody unless the file has nothing else.
TMelody MelodyTrack(const TMidiFile& midi) {
  for (const TMelodyNote isMelodyNote : {PitchedNote, AnyNote})
    for (int i = 0; i < midi.TrackCount(); ++i)
      if (Sounds(*midi.GetTrack(i), isMelodyNote)) return {midi.GetTrack(i), isMelodyNote};
  return {midi.GetTrack(0), AnyNote};
}

}  // namespace

void AssignRingFile(TRingFile& source, TRingFile& target) {
  if (auto* midi = dynamic_cast<TMidiFile*>(&source)) MidiToTones(*midi);
  target.Name = source.Name;
  target.Volume = source.Volume;
  target.DefaultOctave = source.DefaultOctave;
  target.Tempo = source.Tempo;
  target.Track->Assign(*source.Track);
  if (auto* midi = dynamic_cast<TMidiFile*>(&target)) TonesToMidi(*midi);
}

bool MidiToTones(TMidiFile& midi) {
  if (midi.TrackCount() == 0) return false;
  midi.Track->Clear();
  midi.Tempo = midi.FileTempo;
  const TMelody melody = MelodyTrack(midi);
  for (int i = 0; i < melody.Track->Count(); ++i) {
    const TMidiMessage& m = melody.Track->Message(i);
    if (!melody.IsMelodyNote(m)) continue;
    const TMidiNote note = MidiKeyToNote(m.Data1);
    const TNoteValue value = TicksToDuration(midi.Division, melody.Track->NoteLength(i));
    TRingTone tone;
    tone.Kind = rkNote;
    tone.Note = note.Note;
    tone.Accidental = note.Accidental;
    tone.Octave = note.Octave;
    tone.Duration = value.Duration;
    tone.Dot = value.Dotted ? rdDotted : rdNone;
    tone.Volume = 0;
    midi.Track->Add(tone);
  }
  return true;
}

void TonesToMidi(TMidiFile& midi) {
  auto track = std::make_unique<TMidiTrack>();
  midi.FileFormat = 0;
  midi.Division = kTargetDivision;
  track->AddEvent(NewTempoEvent(midi.Tempo));
  int64_t total = 0;
  uint8_t lastKey = kLeadingRestKey;
  for (const TRingTone* tone : midi.Track->Tones) {
    if (tone->Kind != rkNote) continue;
    const int32_t ticks = DurationToTicks(kTargetDivision, tone->Duration, tone->Dot);
    total += ticks;
    TMidiEvent event;
    event.Status = 0x90;
    event.Delta = ticks;
    if (!tone->IsRest()) {
      // A key outside the MIDI range would be written as a status byte and
      // corrupt the file; hold it at the nearest key.
      const int32_t key = NoteToMidiKey(tone->Note, tone->Accidental, tone->Octave);
      lastKey = static_cast<uint8_t>(std::clamp(key, 0, 127));
      event.Data1 = lastKey;
      // The accent follows the beat of the bar on which the note-on falls.
      const int32_t beat = static_cast<int32_t>((total / kTargetDivision) % kBeatsPerBar);
      event.Data2 = static_cast<uint8_t>(AccentVelocity(kBeatsPerBar, beat + 1));
    } else {
      event.Data1 = lastKey;
      event.Data2 = 0;
    }
    track->AddEvent(event);
  }
  track->AddEvent(NewEndOfTrackEvent());
  midi.AddTrack(std::move(track));
}
