#include "conversion/ComposerParse.h"

#include <cstdint>

#include "conversion/uRingFile.h"

namespace {

const TGrammarNames kNames{
    {"EOF", "str", "int", "\"+\"", "\"-\"", "\"P\"", "\"C\"", "\"C#\"", "\"D\"", "\"D#\"", "\"E\"", "\"F\"",
     "\"F#\"", "\"G\"", "\"G#\"", "\"A\"", "\"A#\"", "\"H\"", "\"B\"", "\"1\"", "\"2\"", "\"3\"", "\"4\"", "\"5\"",
     "\"6\"", "not"},
    {"Duration", "Scale", "Note"}};

const TSymbolSet kNoteStart = SymbolRange(csP, csB);
const TSymbolSet kNoteValue = SymbolRange(cs1, cs6);

constexpr TNoteSymbol kNotes[] = {
    {csP, 'P', false},     {csC, 'C', false},      {csCSharp, 'C', true}, {csD, 'D', false},
    {csDSharp, 'D', true}, {csE, 'E', false},      {csF, 'F', false},     {csFSharp, 'F', true},
    {csG, 'G', false},     {csGSharp, 'G', true},  {csA, 'A', false},     {csASharp, 'A', true},
    {csH, 'B', false},     {csB, 'B', false},
};
constexpr TNoteTable kNoteTable{kNotes};

// The frame's prefix "L35&2 " is these many symbols: L, 35, & and 2.
constexpr int kPrefixSymbols = 4;

const TScanTable& ComposerScanTable() {
  static const TScanTable table = [] {
    TScanTable t(csNot);
    t.SetStartState('+', TScanState::Single(csPlus));
    t.SetStartState('-', TScanState::Single(csMinus));
    t.SetWordStartStates();
    // E# and B# do not exist.
    t.SetSharpStartStates({{'A', csASharp}, {'C', csCSharp}, {'D', csDSharp}, {'F', csFSharp}, {'G', csGSharp}});
    for (const auto& [text, symbol] : {std::pair{"A", csA}, {"B", csB}, {"C", csC}, {"D", csD}, {"E", csE},
                                       {"F", csF}, {"G", csG}, {"H", csH}, {"P", csP}})
      t.AddKeyword(text, symbol);
    // Only the single digits 1..6 are note values; any other number is an integer.
    for (int digit = 1; digit <= 6; ++digit)
      t.AddKeyword(std::string(1, static_cast<char>('0' + digit)), cs1 + digit - 1);
    return t;
  }();
  return table;
}

}  // namespace

TComposerParseScanner::TComposerParseScanner() : TGrammarScanner(ComposerScanTable()) {}

TComposerParse::TComposerParse(TComponent* owner)
    : TGrammarParser(owner, std::make_unique<TComposerParseScanner>(), kNames) {}

// What follows the tones (the frame's suffix and checksum among it) is not
// read, so a checksum is never verified.
void TComposerParse::ParseTune() {
  if (LookAheadTextIs('L') || LookAheadTextIs('l'))
    for (int i = 0; i < kPrefixSymbols; ++i) Get();
  *FRing->Track = std::move(*ParseToneList());
}

// The first tone is always tried, so an empty text is reported.
std::unique_ptr<TRingTrack> TComposerParse::ParseToneList() {
  auto track = NewTrack();
  TRingTone tone;
  do {
    if (ParseTone(tone)) track->Add(tone);
  } while (SymbolInSet(kNoteStart, LookAhead()));
  return track;
}

// A tone without a note letter is read to its end but adds nothing. Every
// tone passes through ParseTone and its parts: they are inline in the list.
inline bool TComposerParse::ParseTone(TRingTone& tone) {
  const TRingFile& ring = *FRing;
  int32_t duration = ring.DefaultDuration;
  int32_t octave = ring.DefaultOctave;
  const int32_t volume = ring.Volume;
  uint8_t accidental = raNatural;
  Note(tone.Note, accidental);
  if (LookAhead() == csPlus || LookAhead() == csMinus) octave = Scale();
  if (SymbolInSet(kNoteValue, LookAhead())) duration = Value();
  // Each field is written once, when the tone is read.
  tone.SetNumbers(duration, octave, volume, 0);
  tone.Value = 0;
  tone.Kind = rkNote;
  tone.Dot = rdNone;
  tone.Accidental = accidental;
  return !tone.Note.empty();
}

// Without a note symbol the letter stays empty and nothing is read.
inline void TComposerParse::Note(std::string& letter, uint8_t& accidental) {
  const TNoteSymbol* note = ReadNote(kNoteTable, ceNote);
  if (!note) {
    letter.clear();
    return;
  }
  letter.assign(1, note->Letter);
  if (note->Sharp) accidental = raSharp;
}

// One octave at most above or below the default.
inline int32_t TComposerParse::Scale() {
  const int32_t octave = FRing->DefaultOctave + (LookAhead() == csPlus ? 1 : -1);
  Get();
  return octave;
}

// The digits 1..6 are the whole note down to the thirty-second.
inline int32_t TComposerParse::Value() {
  const int32_t duration = int32_t{1} << (LookAhead() - cs1);
  Get();
  return duration;
}
