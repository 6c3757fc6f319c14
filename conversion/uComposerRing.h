// Composer, the one-line form some phones' melody composers show:
// "C#+4 D-3 P5 H", unframed, or framed as "L35&2 C3 D+4 &&" followed by two
// checksum characters.
#pragma once

#include <cstdint>
#include <string>

#include "conversion/uRingFile.h"

class TComposerRing : public TRingFile {
 public:
  // The framed text with a blank after each tone.
  std::string GetText() override;
  // Reads framed and unframed text alike; only the tones change. Malformed
  // text raises nothing: the tones read so far are kept.
  void LoadFromStream(TStream& stream) override;
};

// The tones as Composer text: letter, "#" for a sharp (a flat is written as
// the sharp of the letter below), "+" or "-" for the octave above or below
// the one the reader assumes (kNewTuneDefaultOctave; a tune reaching further
// first moves by whole octaves to fit these three as best it can, a note
// still outside is written at the nearest), the note value digit.
// Dots are dropped and controls give no letters. At most 35 tones are
// written, and writing stops after the tone that takes the text past 124
// characters. Framed, the text stands between "L35&2 " and "&&" and is
// followed by the two checksum characters of its bytes.
std::string ComposerText(const TRingFile& tune, bool spaced, bool framed);

// 1 "1", 2 "2", 4 "3", 8 "4", 16 "5", any other value "6".
char ComposerDurationDigit(int32_t duration);
