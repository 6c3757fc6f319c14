// The two line-oriented ringtone texts that open with "BEGIN:" and close
// with "END:": eMelody and iMelody.
#pragma once

#include <cstdint>
#include <string>

#include "uRingFile.h"

// ------------------------------------------------------------------ iMelody

// iMelody, "BEGIN:IMELODY" ... "MELODY:*5c2#d3.r1ledonV11" ... "END:IMELODY".
class TiMelodyRing : public TRingFile {
 public:
  // The fixed VERSION and FORMAT lines, NAME when there is a name, COMPOSER,
  // MELODY and END; tempo, style and volume are not written.
  std::string GetText() override;
  // Reads as far as the text parses; numbers that do not convert take
  // their fallbacks, so nothing is raised for malformed text.
  void LoadFromStream(TStream& stream) override;

  // The digit of a note value: 1 whole 0, 2 1, 4 2, 8 3, 16 4, any other 5.
  static int32_t DurationCode(int32_t duration);
};
