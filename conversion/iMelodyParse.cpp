#include "conversion/iMelodyParse.h"

#include <cstdint>

#include "conversion/uRingFile.h"

namespace {

const TGrammarNames kNames{
    {"EOF", "str", "int", "eln", "\"BEGIN\"", "\":\"", "\"IMELODY\"", "\"VERSION\"", "\"FORMAT\"", "\"NAME\"",
     "\"COMPOSER\"", "\"BEAT\"", "\"STYLE\"", "\"VOLUME\"", "\"MELODY\"", "\"END\"", "\"LEDON\"", "\"LEDOFF\"",
     "\"VIBEON\"", "\"VIBEOFF\"", "\"BACKON\"", "\"BACKOFF\"", "\"V\"", "\"+\"", "\"-\"", "\"*\"", "\"&\"", "\"#\"",
     "\"R\"", "\"C\"", "\"D\"", "\"E\"", "\"F\"", "\"G\"", "\"A\"", "\"B\"", "\".\"", "\";\"", "not"},
    {"SpecialDuration", "Note", "Sharp", "Control", "Control", "ToneCommand"}};

const TSymbolSet kToneStart = SymbolRange(isStar, isB);
const TSymbolSet kControlStart = SymbolRange(isLedOn, isV);
const TSymbolSet kToneListGoesOn = kToneStart | kControlStart;
const TSymbolSet kNoteLetter = SymbolRange(isR, isB);
const TSymbolSet kHeaderField = SymbolRange(isName, isVolume);

// The six switch words: which control they set, and to what.
struct TSwitchWord {
  int Symbol;
  int32_t ControlKind;
  int32_t Value;
};

constexpr TSwitchWord kSwitchWords[] = {
    {isLedOn, ckLed, 1},       {isLedOff, ckLed, 0},       {isVibeOn, ckVibration, 1},
    {isVibeOff, ckVibration, 0}, {isBackOn, ckBacklight, 1}, {isBackOff, ckBacklight, 0},
};

// "V+" and "V-" step the running volume without bound; at the ends of the
// 32-bit range it stays put rather than wrap round to the other end.
int32_t Stepped(int32_t volume, int step) {
  const int64_t next = int64_t{volume} + step;
  return next > INT32_MAX || next < INT32_MIN ? volume : static_cast<int32_t>(next);
}

const TScanTable& iMelodyScanTable() {
  static const TScanTable table = [] {
    TScanTable t(isNot);
    t.SetStartState('\r', TScanState::Pair('\n', isLineEnd, TScanKind::NoSymbol));
    for (const auto& [c, symbol] : {std::pair{':', isColon}, {'+', isPlus}, {'-', isMinus}, {'*', isStar},
                                    {'&', isAmpersand}, {'#', isHash}, {'.', isDot}, {';', isSemicolon}})
      t.SetStartState(static_cast<unsigned char>(c), TScanState::Single(symbol));
    t.SetWordStartStates();
    for (const auto& [text, symbol] :
         {std::pair{"BEGIN", isBegin}, {"IMELODY", isImelody}, {"VERSION", isVersion}, {"FORMAT", isFormat},
          {"NAME", isName}, {"COMPOSER", isComposer}, {"BEAT", isBeat}, {"STYLE", isStyle}, {"VOLUME", isVolume},
          {"MELODY", isMelody}, {"END", isEnd}, {"LEDON", isLedOn}, {"LEDOFF", isLedOff}, {"VIBEON", isVibeOn},
          {"VIBEOFF", isVibeOff}, {"BACKON", isBackOn}, {"BACKOFF", isBackOff}, {"V", isV}, {"R", isR},
          {"C", isC}, {"D", isD}, {"E", isE}, {"F", isF}, {"G", isG}, {"A", isA}, {"B", isB}})
      t.AddKeyword(text, symbol);
    return t;
  }();
  return table;
}

}  // namespace

TiMelodyParseScanner::TiMelodyParseScanner() : TGrammarScanner(iMelodyScanTable()) {}

TiMelodyParse::TiMelodyParse(TComponent* owner)
    : TGrammarParser(owner, std::make_unique<TiMelodyParseScanner>(), kNames) {}

int32_t TiMelodyParse::DurationFromCode(int32_t code) { return code >= 0 && code <= 4 ? int32_t{1} << code : 32; }

void TiMelodyParse::ParseTune() {
  for (const int symbol : {isBegin, isColon, isImelody, isLineEnd}) Expect(symbol);
  // Version and format are not kept.
  for (const int field : {isVersion, isFormat}) {
    Expect(field);
    Expect(isColon);
    SkipTo(isLineEnd);
    Expect(isLineEnd);
  }
  ParseHeader();
  Expect(isMelody);
  Expect(isColon);
  FRunningVolume = FRing->Volume;
  FRunningOctave = FRing->DefaultOctave;
  *FRing->Track = std::move(*ParseToneList());
  for (const int symbol : {isLineEnd, isEnd, isColon, isImelody}) Expect(symbol);
}

// The header fields in any order and number; anything else ends the header.
void TiMelodyParse::ParseHeader() {
  while (SymbolInSet(kHeaderField, LookAhead())) {
    const int field = LookAhead();
    Get();
    Expect(isColon);
    switch (field) {
      case isName: FRing->Name = TextUpTo(isLineEnd); break;
      case isComposer: FRing->Composer = TextUpTo(isLineEnd); break;
      case isBeat: ParseBeat(); break;
      case isStyle: ParseStyle(); break;
      default: ParseVolume(); break;
    }
    Expect(isLineEnd);
  }
}

void TiMelodyParse::ParseBeat() {
  Expect(symInteger);
  FRing->Tempo = LastSymbolNumberOr(64);
}

// "S0", "S1" and "S2" are normal, continuous and staccato; any other value
// leaves the style as it was.
void TiMelodyParse::ParseStyle() {
  if (!SameText(ParseWord(), "S")) return;
  Get();
  const std::string value = LastSymbolText();
  if (value == "0") FRing->Style = "N";
  if (value == "1") FRing->Style = "C";
  if (value == "2") FRing->Style = "S";
}

std::string TiMelodyParse::ParseWord() {
  Expect(symIdentifier);
  return LastSymbolText();
}

// The level is the symbol after the first "V", wherever that stands; a text
// without one leaves the volume as it was.
void TiMelodyParse::ParseVolume() {
  while (!SameText(LookAheadRawText(), "V") && LookAhead() != symEndOfText) Get();
  if (LookAhead() == symEndOfText) return;
  Get();
  Get();
  FRing->Volume = LastSymbolNumberOr(7);
}

// Tones and controls follow each other without separators. The first entry
// is always tried, so an empty melody or an unknown word is reported.
std::unique_ptr<TRingTrack> TiMelodyParse::ParseToneList() {
  auto track = NewTrack();
  do {
    if (const auto tone = ToneCommand()) track->Add(*tone);
  } while (SymbolInSet(kToneListGoesOn, LookAhead()));
  return track;
}

std::optional<TRingTone> TiMelodyParse::ToneCommand() {
  if (SymbolInSet(kToneStart, LookAhead())) return ParseTone();
  if (SymbolInSet(kControlStart, LookAhead())) return Control();
  SyntaxError(ieToneCommand);
  return std::nullopt;
}

std::optional<TRingTone> TiMelodyParse::ParseTone() {
  TRingTone tone = NewTone();
  tone.Kind = rkNote;
  tone.Octave = FRunningOctave;
  if (LookAhead() == isStar) tone.Octave = ParseOctavePrefix();
  if (LookAhead() == isAmpersand || LookAhead() == isHash) tone.Accidental = Sharp();
  tone.Note = Note();
  Expect(symInteger);
  // A duration that is no number is a quarter.
  tone.Duration = DurationFromCode(LastSymbolNumberOr(2));
  if (LookAhead() == isDot || LookAhead() == isColon || LookAhead() == isSemicolon) tone.Dot = SpecialDuration();
  // A prefix or an accidental without its letter ("*5" alone) adds no tone;
  // the prefix still holds for the tones after it.
  if (tone.Note.empty()) return std::nullopt;
  return tone;
}

// The octave holds for the following tones too, up to the next prefix.
int32_t TiMelodyParse::ParseOctavePrefix() {
  Expect(isStar);
  Expect(symInteger);
  FRunningOctave = LastSymbolNumberOr(FRing->DefaultOctave);
  return FRunningOctave;
}

uint8_t TiMelodyParse::Sharp() {
  const uint8_t accidental = LookAhead() == isAmpersand ? raFlat : raSharp;
  Get();
  return accidental;
}

// The letter keeps the source's case; a rest is kept as "p". Without a
// letter there is none.
std::string TiMelodyParse::Note() {
  if (!Expect(kNoteLetter, ieNote)) return {};
  const std::string letter = LastSymbolText();
  return SameText(letter, "R") ? "p" : letter;
}

uint8_t TiMelodyParse::SpecialDuration() {
  const int symbol = LookAhead();
  Get();
  if (symbol == isColon) return rdDoubleDotted;
  if (symbol == isSemicolon) return rdTriplet;
  return rdDotted;
}

TRingTone TiMelodyParse::Control() {
  TRingTone tone = NewTone();
  tone.Kind = rkControl;
  const int symbol = LookAhead();
  Get();
  if (symbol == isV) {
    tone.ControlKind = ckVolume;
    tone.Value = VolumeValue();
    return tone;
  }
  for (const TSwitchWord& word : kSwitchWords) {
    if (word.Symbol != symbol) continue;
    tone.ControlKind = word.ControlKind;
    tone.Value = word.Value;
    break;
  }
  return tone;
}

// A numbered "V" leaves the running volume alone; "+" and "-" step it.
int32_t TiMelodyParse::VolumeValue() {
  switch (LookAhead()) {
    case symInteger: Get(); return LastSymbolNumberOr(7);
    case isPlus: Get(); return FRunningVolume = Stepped(FRunningVolume, 1);
    case isMinus: Get(); return FRunningVolume = Stepped(FRunningVolume, -1);
    default: SyntaxError(ieVolumeControl); return 0;
  }
}
