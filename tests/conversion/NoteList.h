// Tunes built in code for the rendering tests: one line per note.
#pragma once

#include <initializer_list>
#include <memory>

#include "conversion/uRingFile.h"

struct NoteSpec {
  const char* letter;
  int32_t duration;
  int32_t octave;
  uint8_t accidental = raNatural;
  uint8_t dot = rdNone;
};

inline void AddNotes(TRingTrack& track, std::initializer_list<NoteSpec> notes) {
  for (const NoteSpec& n : notes) {
    auto tone = std::make_unique<TRingTone>();
    tone->Note = n.letter;
    tone->Duration = n.duration;
    tone->Octave = n.octave;
    tone->Accidental = n.accidental;
    tone->Dot = n.dot;
    track.Add(std::move(tone));
  }
}

inline void AddNotes(TRingFile& tune, std::initializer_list<NoteSpec> notes) { AddNotes(*tune.Track, notes); }

inline void AddControl(TRingFile& tune, int32_t controlKind, int32_t value) {
  auto tone = std::make_unique<TRingTone>();
  tone->Kind = rkControl;
  tone->ControlKind = controlKind;
  tone->Value = value;
  tune.Track->Add(std::move(tone));
}
