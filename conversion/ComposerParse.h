// Reading Composer text: tones "C#+4 D-3 P5 H" separated by blanks, each a
// note letter (H is B, P a rest), an optional "#", an optional "+" or "-"
// for one octave above or below the default, and a note value digit 1..6.
// A framed text "L35&2 ...&&" followed by two checksum characters reads the
// same: the prefix is skipped, and the suffix is never read.
#pragma once

#include <string>

#include "conversion/GrammarBase.h"

// Symbols (a missing terminal is reported under its number).
constexpr int csPlus = 3;
constexpr int csMinus = 4;
constexpr int csP = 5;
constexpr int csC = 6;
constexpr int csCSharp = 7;
constexpr int csD = 8;
constexpr int csDSharp = 9;
constexpr int csE = 10;
constexpr int csF = 11;
constexpr int csFSharp = 12;
constexpr int csG = 13;
constexpr int csGSharp = 14;
constexpr int csA = 15;
constexpr int csASharp = 16;
constexpr int csH = 17;
constexpr int csB = 18;
constexpr int cs1 = 19;  // the note value digits 1..6 are the symbols 19..24
constexpr int cs6 = 24;
constexpr int csNot = 25;
// Errors of the productions.
constexpr int ceDuration = 26;
constexpr int ceScale = 27;
constexpr int ceNote = 28;

class TComposerParseScanner : public TGrammarScanner {
 public:
  TComposerParseScanner();
};

class TComposerParse : public TGrammarParser {
 public:
  explicit TComposerParse(TComponent* owner);

  std::string Version() const override { return "1.1.1.114"; }

 protected:
  void ParseTune() override;

 private:
  std::unique_ptr<TRingTrack> ParseToneList();
  // Fills the tone; false when it adds none.
  bool ParseTone(TRingTone& tone);
  void Note(std::string& letter, uint8_t& accidental);
  int32_t Scale();
  int32_t Value();
};
