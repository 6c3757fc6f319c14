// Reading iMelody: "BEGIN:IMELODY", the VERSION and FORMAT lines, header
// fields NAME, COMPOSER, BEAT, STYLE and VOLUME in any order, the MELODY line
// of tones and controls without separators, "END:IMELODY"; CR LF line ends.
// A tone is [*octave][&|#]letter digit[.|:|;]; the controls are ledon,
// ledoff, vibeon, vibeoff, backon, backoff and V with a number, "+" or "-".
// A repeat block "(" tones "@" count [V+|V-] ")" plays its tones count times
// ("@0", for ever, once), the volume step between repetitions.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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

  // Repetitions of repeat blocks stop once the melody would hold more tones
  // than this (the tones the text writes are always kept): a tune is then
  // minutes long, and a short text cannot grow without bound.
  static constexpr int kMaxRepeatedTones = 4096;

 protected:
  void ParseTune() override;

 private:
  void ParseHeader();
  void ParseBeat();
  void ParseStyle();
  std::string ParseWord();
  void ParseVolume();
  // One entry of the melody, and what a repetition of it needs to know: its
  // octave is the one in force where the repetition starts (no prefix stood
  // before it in the block), or its volume steps the running volume.
  struct TEntry {
    TRingTone Tone;
    bool OctaveFromStart;
    int VolumeStep;
  };

  std::unique_ptr<TRingTrack> ParseToneList();
  bool MelodyGoesOn() const;
  void ToneCommand(std::vector<TEntry>& entries);
  void ParseRepeatBlock(TRingTrack& track);
  void Repeat(TRingTrack& track, const std::vector<TEntry>& body, const std::vector<TEntry>& step, int32_t count);
  bool LookAheadIs(char c) const;
  bool SwitchRun(std::vector<TRingTone>* controls, char* letter) const;
  void SwitchRunEntries(std::vector<TEntry>& entries);
  // The tone ahead, when it is plainly spelled: true when it filled the tone
  // and read past it.
  bool PlainTone(TRingTone& tone);
  // Fill the tone, as NewTone presets it where the text leaves a field
  // unsaid; false when it adds none.
  bool ParseTone(TRingTone& tone);
  bool ToneAfterLetter(TRingTone& tone);
  // The duration digit and mark after a tone's letter.
  struct TLength {
    int32_t Duration;
    uint8_t Dot;
  };
  TLength LengthAfterLetter();
  int32_t ParseOctavePrefix();
  uint8_t Sharp();
  void Note(std::string& letter);
  uint8_t SpecialDuration();
  TRingTone Control();
  int32_t VolumeValue();

  // Where the melody stands: the volume that "V+" and "V-" step from, and
  // the octave of a note without its own "*" prefix.
  int32_t FRunningVolume = 0;
  int32_t FRunningOctave = 0;
  // Octave prefixes read so far, and the step of the volume control read
  // last (0 for a numbered one).
  int FOctavePrefixes = 0;
  int FVolumeStep = 0;
};
