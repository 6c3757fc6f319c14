// Reading iMelody: "BEGIN:IMELODY", the VERSION and FORMAT lines, header
// fields NAME, COMPOSER, BEAT, STYLE and VOLUME in any order, the MELODY line
// of tones and controls without separators, "END:IMELODY"; CR LF line ends.
// A tone is [*octave][&|#]letter digit[.|:|;]; the controls are ledon,
// ledoff, vibeon, vibeoff, backon, backoff and V with a number, "+" or "-".
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "conversion/GrammarBase.h"

// Symbols (a missing terminal is reported under its number).
constexpr int isLineEnd = 3;  // CR directly followed by LF
constexpr int isBegin = 4;
constexpr int isColon = 5;
constexpr int isImelody = 6;
constexpr int isVersion = 7;
constexpr int isFormat = 8;
constexpr int isName = 9;
constexpr int isComposer = 10;
constexpr int isBeat = 11;
constexpr int isStyle = 12;
constexpr int isVolume = 13;
constexpr int isMelody = 14;
constexpr int isEnd = 15;
constexpr int isLedOn = 16;
constexpr int isLedOff = 17;
constexpr int isVibeOn = 18;
constexpr int isVibeOff = 19;
constexpr int isBackOn = 20;
constexpr int isBackOff = 21;
constexpr int isV = 22;
constexpr int isPlus = 23;
constexpr int isMinus = 24;
constexpr int isStar = 25;
constexpr int isAmpersand = 26;
constexpr int isHash = 27;
constexpr int isR = 28;
constexpr int isC = 29;
constexpr int isD = 30;
constexpr int isE = 31;
constexpr int isF = 32;
constexpr int isG = 33;
constexpr int isA = 34;
constexpr int isB = 35;
constexpr int isDot = 36;
constexpr int isSemicolon = 37;
constexpr int isNot = 38;
// Errors of the productions.
constexpr int ieSpecialDuration = 39;
constexpr int ieNote = 40;
constexpr int ieSharp = 41;
constexpr int ieVolumeControl = 42;  // a V without number, "+" or "-"
constexpr int ieControl = 43;        // not a control
constexpr int ieToneCommand = 44;

class TiMelodyParseScanner : public TGrammarScanner {
 public:
  TiMelodyParseScanner();
};

class TiMelodyParse : public TGrammarParser {
 public:
  explicit TiMelodyParse(TComponent* owner);

  std::string Version() const override { return "1.1.1.66"; }

  // The note value of a duration digit: 0 whole to 5 thirty-second; any
  // other number a thirty-second.
  static int32_t DurationFromCode(int32_t code);

 protected:
  void ParseTune() override;

 private:
  void ParseHeader();
  void ParseBeat();
  void ParseStyle();
  std::string ParseWord();
  void ParseVolume();
  std::unique_ptr<TRingTrack> ParseToneList();
  std::optional<TRingTone> ToneCommand();
  std::optional<TRingTone> ParseTone();
  int32_t ParseOctavePrefix();
  uint8_t Sharp();
  std::string Note();
  uint8_t SpecialDuration();
  TRingTone Control();
  int32_t VolumeValue();

  // Where the melody stands: the volume that "V+" and "V-" step from, and
  // the octave of a note without its own "*" prefix.
  int32_t FRunningVolume = 0;
  int32_t FRunningOctave = 0;
};
