// The two line-oriented ringtone texts that open with "BEGIN:" and close
// with "END:": eMelody and iMelody.
#pragma once

#include <cstdint>
#include <string>

#include "conversion/uRingFile.h"

// ------------------------------------------------------------------ eMelody

// eMelody, "BEGIN:EMELODY" ... "MELODY:cdE.+f#g(b)AP" ... "END:EMELODY".
class TeMelodyRing : public TRingFile {
 public:
  // The fixed VERSION line, NAME (also when empty), COMPOSER, MELODY and
  // END; tempo, style, volume, dots and controls are not written.
  std::string GetText() override;
  // Puts blanks between adjacent note letters of the melody, then reads as
  // far as the text parses; nothing is raised for malformed text.
  void LoadFromStream(TStream& stream) override;

  // The length code of a note value: 1 whole 0, 2 1, 4 2, any other 3.
  static int32_t DurationCode(int32_t duration);
};

// ------------------------------------------------------------------ iMelody

// iMelody, "BEGIN:IMELODY" ... "MELODY:*5c2#d3.r1ledonV11" ... "END:IMELODY".
class TiMelodyRing : public TRingFile {
 public:
  // The fixed VERSION and FORMAT lines, BEAT (the tempo held to 25..900),
  // NAME when there is a name, COMPOSER, MELODY and END; style and volume
  // are not written.
  std::string GetText() override;
  // Joins folded melody lines, then reads as far as the text parses
  // (repeat blocks given as their tones); numbers that do not convert take
  // their fallbacks, so nothing is raised for malformed text.
  void LoadFromStream(TStream& stream) override;

  // The digit of a note value: 1 whole 0, 2 1, 4 2, 8 3, 16 4, any other 5.
  static int32_t DurationCode(int32_t duration);
};
