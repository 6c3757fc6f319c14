// Reading RTTTL: "name:defaults:tones", the defaults d (note value),
// o (octave), b (tempo) and s (style) separated by commas, the tones as
// [value]letter[#][octave][.] separated by commas ("_" may stand for "#",
// and the dot before the octave; E# reads as F and B# as the C above).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "conversion/GrammarBase.h"

// Symbols (a missing terminal is reported under its number).
constexpr int rsColon = 3;
constexpr int rsComma = 4;
constexpr int rsEqual = 5;
constexpr int rsO = 6;
constexpr int rsD = 7;
constexpr int rsB = 8;
constexpr int rsS = 9;
constexpr int rsN = 10;
constexpr int rsC = 11;
constexpr int rsP = 12;
constexpr int rsCSharp = 13;
constexpr int rsDSharp = 14;
constexpr int rsE = 15;
constexpr int rsF = 16;
constexpr int rsFSharp = 17;
constexpr int rsG = 18;
constexpr int rsGSharp = 19;
constexpr int rsA = 20;
constexpr int rsASharp = 21;
constexpr int rsH = 22;
constexpr int rsDot = 23;
constexpr int rsNot = 24;
// Errors of the productions.
constexpr int reNote = 25;
constexpr int reToneCommand = 26;
constexpr int reControlValue = 27;
constexpr int reControlName = 28;

class TRtttlParseScanner : public TGrammarScanner {
 public:
  TRtttlParseScanner();
};

class TRtttlParse : public TGrammarParser {
 public:
  explicit TRtttlParse(TComponent* owner);

  std::string Version() const override { return "1.1.1.108"; }

 protected:
  void ParseTune() override;

 private:
  void ParseControlList();
  // A default or a control among the tones: its kind and value.
  struct TControl {
    int32_t Kind;
    int32_t Value;
  };
  void ApplyControl(const TControl& control);
  TControl ParseControl();
  char ControlName();
  void ControlValue(int32_t& value, char& letter);
  std::unique_ptr<TRingTrack> ParseToneList();
  // The entry after the comma ahead, when it is a plainly spelled tone:
  // true when it filled the tone and read up to the next comma.
  bool PlainTone(TRingTone& tone);
  // Fill the tone; false when the entry adds none.
  bool ToneCommand(TRingTone& tone);
  bool ParseTone(TRingTone& tone);
  int32_t ParseDuration() { return ReadInteger(); }
  // How a note is sharp: as its symbol is (C# ... A#, each a key of its
  // own), or spelled so beside a letter whose symbol is not (E#, B#).
  enum class TSharp : uint8_t { None, OfSymbol, Spelled };
  void Note(std::string& letter, TSharp& sharp);
  static void SpellSharp(TRingTone& tone);
  int32_t ParseOctave() { return ReadInteger(); }
  void ParseDot() { Get(); }
  int32_t ReadInteger();
};
