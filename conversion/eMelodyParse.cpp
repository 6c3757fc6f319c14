#include "conversion/eMelodyParse.h"

#include <algorithm>
#include <cstdint>

#include "conversion/uRingFile.h"

namespace {

const TGrammarNames kNames{
    {"EOF", "str", "int", "eln", "\"BEGIN\"", "\":\"", "\"EMELODY\"", "\"VERSION\"", "\"NAME\"", "\"COMPOSER\"",
     "\"MELODY\"", "\"END\"", "\"+\"", "\"(\"", "\"B\"", "\")\"", "\"#\"", "\"P\"", "\"C\"", "\"D\"", "\"E\"",
     "\"F\"", "\"G\"", "\"A\"", "\".\"", "not"},
    {"Note", "Sharp"}};

// What can start a tone: an octave shift, an accidental, a letter or the pause.
const TSymbolSet kToneStart = SymbolSet({esPlus, esOpen, esB}) | SymbolRange(esHash, esA);
const TSymbolSet kNoteLetter = SymbolSet({esB}) | SymbolRange(esP, esA);

const TScanTable& eMelodyScanTable() {
  static const TScanTable table = [] {
    TScanTable t(esNot);
    t.SetStartState('\r', TScanState::Pair('\n', esLineEnd, TScanKind::NoSymbol));
    for (const auto& [c, symbol] : {std::pair{':', esColon}, {'+', esPlus}, {'(', esOpen}, {')', esClose},
                                    {'#', esHash}, {'.', esDot}})
      t.SetStartState(static_cast<unsigned char>(c), TScanState::Single(symbol));
    t.SetWordStartStates();
    for (const auto& [text, symbol] :
         {std::pair{"BEGIN", esBegin}, {"EMELODY", esEmelody}, {"VERSION", esVersion}, {"NAME", esName},
          {"COMPOSER", esComposer}, {"MELODY", esMelody}, {"END", esEnd}, {"B", esB}, {"P", esP}, {"C", esC},
          {"D", esD}, {"E", esE}, {"F", esF}, {"G", esG}, {"A", esA}})
      t.AddKeyword(text, symbol);
    return t;
  }();
  return table;
}

}  // namespace

TeMelodyParseScanner::TeMelodyParseScanner() : TGrammarScanner(eMelodyScanTable()) {}

TeMelodyParse::TeMelodyParse(TComponent* owner)
    : TGrammarParser(owner, std::make_unique<TeMelodyParseScanner>(), kNames) {}

int32_t TeMelodyParse::DurationFromCode(int32_t code) {
  switch (code) {
    case 0: return 1;
    case 1: return 2;
    case 2: return 4;
    default: return 8;
  }
}

// Tempo, volume, style and the defaults are not in the text: the tune keeps
// its own.
void TeMelodyParse::ParseTune() {
  for (const int symbol : {esBegin, esColon, esEmelody, esLineEnd}) Expect(symbol);
  // The version is not kept.
  Expect(esVersion);
  Expect(esColon);
  SkipTo(esLineEnd);
  Expect(esLineEnd);
  while (LookAhead() == esName || LookAhead() == esComposer) {
    std::string& field = LookAhead() == esName ? FRing->Name : FRing->Composer;
    Get();
    Expect(esColon);
    field = TextUpTo(esLineEnd);
    Expect(esLineEnd);
  }
  Expect(esMelody);
  Expect(esColon);
  *FRing->Track = std::move(*ParseToneList());
  for (const int symbol : {esLineEnd, esEnd, esColon, esEmelody}) Expect(symbol);
}

// The first tone is always tried, so an empty melody is reported.
std::unique_ptr<TRingTrack> TeMelodyParse::ParseToneList() {
  auto track = NewTrack();
  TRingTone tone;
  do {
    if (ParseToneCommand(tone)) track->Add(tone);
  } while (SymbolInSet(kToneStart, LookAhead()));
  return track;
}

// Every tone passes through ParseTone and Note, and many through
// ParseOctaveShift: they are inline where the melody is read.
inline bool TeMelodyParse::ParseTone(TRingTone& tone) {
  const int32_t volume = FRing->Volume;
  int32_t octave = FRing->DefaultOctave;
  if (LookAhead() == esPlus) octave = ParseOctaveShift();
  uint8_t accidental = raNatural;
  if (LookAhead() == esOpen || LookAhead() == esHash) accidental = Sharp();
  int32_t code = 0;
  Note(tone.Note, code);
  if (LookAhead() == esDot) {
    ParseDot();
    --code;
  }
  // Each field is written once, when the tone is read.
  tone.SetNumbers(DurationFromCode(code), octave, volume, 0);
  tone.Value = 0;
  tone.Kind = rkNote;
  tone.Dot = rdNone;
  tone.Accidental = accidental;
  return !tone.Note.empty();
}

// The shift holds for this note only. A run of "+" longer than the 32-bit
// range allows stays at its top.
inline int32_t TeMelodyParse::ParseOctaveShift() {
  int64_t octave = FRing->DefaultOctave;
  while (LookAhead() == esPlus) {
    Get();
    octave = std::min<int64_t>(octave + 1, INT32_MAX);
  }
  return static_cast<int32_t>(octave);
}

// "(b)" is a flat, "#" a sharp.
uint8_t TeMelodyParse::Sharp() {
  if (LookAhead() == esHash) {
    Get();
    return raSharp;
  }
  Get();
  Expect(esB);
  Expect(esClose);
  return raFlat;
}

// Upper case is a half (code 1), lower case an eighth (code 3). Without a
// letter the tone gets none: it adds nothing to the melody.
inline void TeMelodyParse::Note(std::string& letter, int32_t& code) {
  code = 1;
  letter.clear();
  if (!Expect(kNoteLetter, eeNote)) return;
  LastSymbolTextInto(letter);
  if (letter[0] >= 'a' && letter[0] <= 'z') code = 3;
  for (char& c : letter) c = UpCase(c);
}
