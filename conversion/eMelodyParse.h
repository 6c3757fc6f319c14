// Reading eMelody: "BEGIN:EMELODY", the VERSION line, NAME and COMPOSER lines
// in any order and number, the MELODY line, "END:EMELODY"; CR LF line ends.
// A tone is [+...][#|(b)]letter[.]: each "+" raises the note one octave over
// the default, and the letter's case gives its length (upper case a half,
// lower case an eighth, a "." doubles it). The parser expects note letters
// apart from each other; TeMelodyRing puts blanks between them first.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "conversion/GrammarBase.h"

// Symbols (a missing terminal is reported under its number).
constexpr int esLineEnd = 3;  // CR directly followed by LF
constexpr int esBegin = 4;
constexpr int esColon = 5;
constexpr int esEmelody = 6;
constexpr int esVersion = 7;
constexpr int esName = 8;
constexpr int esComposer = 9;
constexpr int esMelody = 10;
constexpr int esEnd = 11;
constexpr int esPlus = 12;
constexpr int esOpen = 13;
constexpr int esB = 14;
constexpr int esClose = 15;
constexpr int esHash = 16;
constexpr int esP = 17;
constexpr int esC = 18;
constexpr int esD = 19;
constexpr int esE = 20;
constexpr int esF = 21;
constexpr int esG = 22;
constexpr int esA = 23;
constexpr int esDot = 24;
constexpr int esNot = 25;
// Errors of the productions.
constexpr int eeNote = 26;
constexpr int eeSharp = 27;

class TeMelodyParseScanner : public TGrammarScanner {
 public:
  TeMelodyParseScanner();
};

class TeMelodyParse : public TGrammarParser {
 public:
  explicit TeMelodyParse(TComponent* owner);

  std::string Version() const override { return "1.1.1.79"; }

  // The note value of a length code: 0 whole, 1 half, 2 quarter, any other
  // an eighth.
  static int32_t DurationFromCode(int32_t code);

 protected:
  void ParseTune() override;

 private:
  std::unique_ptr<TRingTrack> ParseToneList();
  // eMelody has no controls: every command is a tone.
  // Fill the tone; false when it adds none.
  bool ParseToneCommand(TRingTone& tone) { return ParseTone(tone); }
  bool ParseTone(TRingTone& tone);
  int32_t ParseOctaveShift();
  uint8_t Sharp();
  void Note(std::string& letter, int32_t& code);
  void ParseDot() { Get(); }
};
