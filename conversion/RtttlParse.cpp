#include "conversion/RtttlParse.h"

#include "conversion/uRingFile.h"
#include "conversion/uRingUtils.h"

namespace {

const TGrammarNames kNames{
    {"EOF", "str", "int", "\":\"", "\",\"", "\"=\"", "\"O\"", "\"D\"", "\"B\"", "\"S\"", "\"N\"", "\"C\"", "\"P\"",
     "\"C#\"", "\"D#\"", "\"E\"", "\"F\"", "\"F#\"", "\"G\"", "\"G#\"", "\"A\"", "\"A#\"", "\"H\"", "\".\"", "not"},
    {"Note", "ToneCommand", "ControlValue", "ControlName"}};

// What can start a tone: a note value, a note letter or the pause. D and B
// are notes here, so among the tones only o and s can be controls.
const TSymbolSet kToneStart = SymbolSet({symInteger, rsD, rsB}) | SymbolRange(rsC, rsH);

constexpr TNoteSymbol kNotes[] = {
    {rsC, 'C', false},      {rsD, 'D', false},      {rsE, 'E', false},      {rsF, 'F', false},
    {rsG, 'G', false},      {rsA, 'A', false},      {rsB, 'B', false},      {rsH, 'B', false},
    {rsP, 'P', false},      {rsCSharp, 'C', true},  {rsDSharp, 'D', true},  {rsFSharp, 'F', true},
    {rsGSharp, 'G', true},  {rsASharp, 'A', true},
};
constexpr TNoteTable kNoteTable{kNotes};

const TScanTable& RtttlScanTable() {
  static const TScanTable table = [] {
    TScanTable t(rsNot);
    t.SetStartState(',', TScanState::Single(rsComma));
    t.SetStartState('.', TScanState::Single(rsDot));
    t.SetStartState(':', TScanState::Single(rsColon));
    t.SetStartState('=', TScanState::Single(rsEqual));
    t.SetWordStartStates();
    // Many real tunes write the sharp "_" ("a_5"), and some write E# and B#
    // ("16e#6"), which scan as their letter's symbol, two characters long.
    t.SetSharpStartStates({{'A', rsASharp}, {'C', rsCSharp}, {'D', rsDSharp}, {'F', rsFSharp}, {'G', rsGSharp},
                           {'E', rsE}, {'B', rsB}},
                          '_');
    for (const auto& [text, symbol] : {std::pair{"A", rsA}, {"B", rsB}, {"C", rsC}, {"D", rsD}, {"E", rsE},
                                       {"F", rsF}, {"G", rsG}, {"H", rsH}, {"N", rsN}, {"O", rsO}, {"P", rsP},
                                       {"S", rsS}})
      t.AddKeyword(text, symbol);
    return t;
  }();
  return table;
}

}  // namespace

TRtttlParseScanner::TRtttlParseScanner() : TGrammarScanner(RtttlScanTable()) {}

TRtttlParse::TRtttlParse(TComponent* owner)
    : TGrammarParser(owner, std::make_unique<TRtttlParseScanner>(), kNames) {}

void TRtttlParse::ParseTune() {
  TRingFile& ring = *FRing;
  // The name is every symbol before the first ":" in the source's case, with
  // one blank wherever blanks stood; a text without ":" is all name.
  ring.Name.clear();
  while (LookAhead() != symEndOfText && !LookAheadTextIs(':')) {
    Get();
    AppendLastSymbolText(ring.Name);
    if (CharBeforeLookAhead() == ' ') ring.Name += ' ';
  }
  Expect(rsColon);
  ParseControlList();
  Expect(rsColon);
  *ring.Track = std::move(*ParseToneList());
}

// Each default takes effect as it is read, the last of a kind winning; a
// control reads nothing of the defaults, so the tune is the same as when
// they all take effect after the list.
void TRtttlParse::ParseControlList() {
  ApplyControl(ParseControl());
  while (LookAhead() == rsComma) {
    Get();
    ApplyControl(ParseControl());
  }
}

void TRtttlParse::ApplyControl(const TControl& control) {
  TRingFile& ring = *FRing;
  switch (control.Kind) {
    case ckOctave: ring.DefaultOctave = control.Value; break;
    case ckDuration: ring.DefaultDuration = control.Value; break;
    case ckTempo: ring.Tempo = control.Value; break;
    case ckStyle: ring.Style = std::string(1, static_cast<char>(control.Value & 0xFF)); break;
    default: break;
  }
}

TRtttlParse::TControl TRtttlParse::ParseControl() {
  const char name = ControlName();
  if (LookAhead() == rsEqual) Get();
  int32_t value = 0;
  char letter = 0;
  ControlValue(value, letter);
  TControl control{0, value};
  switch (name) {
    case 'o': control.Kind = ckOctave; break;
    case 'd': control.Kind = ckDuration; break;
    case 'b': control.Kind = ckTempo; break;
    case 's': control.Kind = ckStyle; break;
    default: break;
  }
  if (control.Kind == ckStyle && letter != 0) control.Value = letter;
  return control;
}

char TRtttlParse::ControlName() {
  char name = 0;
  switch (LookAhead()) {
    case rsO: name = 'o'; break;
    case rsD: name = 'd'; break;
    case rsB: name = 'b'; break;
    case rsS: name = 's'; break;
    default: SyntaxError(reControlName); return 0;
  }
  Get();
  return name;
}

void TRtttlParse::ControlValue(int32_t& value, char& letter) {
  switch (LookAhead()) {
    case symInteger: value = ReadInteger(); return;
    case rsS: letter = 'S'; break;
    case rsN: letter = 'N'; break;
    case rsC: letter = 'C'; break;
    default: SyntaxError(reControlValue); return;
  }
  Get();
}

std::unique_ptr<TRingTrack> TRtttlParse::ParseToneList() {
  // An entry that is no tone (a doubled comma, say) adds nothing. One tone
  // is filled entry by entry, and the track keeps its value.
  auto track = NewTrack();
  TRingTone tone;
  const auto addToneCommand = [&] {
    if (ToneCommand(tone)) track->Add(tone);
  };
  addToneCommand();
  while (LookAhead() == rsComma) {
    if (PlainTone(tone)) {
      track->Add(tone);
      continue;
    }
    Get();
    addToneCommand();
  }
  return track;
}

namespace {

bool IsDigitByte(char c) { return c >= '0' && c <= '9'; }
bool IsLetterByte(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A tone of at most these bytes after its comma, with the comma that ends it
// and the character after that: "16c#6." and "16c#.6" are the longest.
constexpr unsigned kPlainToneBytes = 8;

}  // namespace

// Nearly every tone after a comma is spelled plainly: a number of one or two
// digits, a letter with "#" or "_" or none, an octave digit and a dot, up to
// the next comma. Such a tone is read from its bytes, its symbols taken as
// read, and gives the tone ParseTone gives; any other entry (blanks, E#,
// controls, longer numbers, the last tone) is left to ParseTone.
bool TRtttlParse::PlainTone(TRingTone& tone) {
  const int start = LookAheadPlace().SourcePosition + 1;
  const char* text = InPlaceText(start, kPlainToneBytes);
  if (!text) return false;
  const TRingFile& ring = *FRing;
  int32_t duration = ring.DefaultDuration;
  int32_t octave = ring.DefaultOctave;
  const int32_t volume = ring.Volume;
  uint64_t symbols = 1;  // the comma after the tone
  int at = 0;
  int last = 0;
  int lastLength = 1;
  // One digit, the number a symbol of its own: false for a longer number.
  const auto readDigit = [&](int32_t& value) {
    if (IsDigitByte(text[at + 1])) return false;
    value = text[at] - '0';
    last = at++;
    lastLength = 1;
    ++symbols;
    return true;
  };
  if (IsDigitByte(text[0])) {
    const int length = IsDigitByte(text[1]) ? 2 : 1;
    if (IsDigitByte(text[length])) return false;
    duration = length == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
    at = length;
    lastLength = length;
    ++symbols;
  }
  char letter = UpCase(text[at]);
  bool sharpable = true;
  switch (letter) {
    case 'A': case 'C': case 'D': case 'F': case 'G': break;
    case 'H': letter = 'B'; sharpable = false; break;
    case 'B': case 'E': case 'P': sharpable = false; break;
    default: return false;
  }
  const char after = text[at + 1];
  const bool sharp = after == '#' || after == '_';
  if ((sharp && !sharpable) || IsLetterByte(after)) return false;
  last = at;
  lastLength = sharp ? 2 : 1;
  at += lastLength;
  ++symbols;
  const bool octaveRead = IsDigitByte(text[at]);
  if (octaveRead && !readDigit(octave)) return false;
  uint8_t dot = rdNone;
  if (text[at] == '.') {
    dot = rdDotted;
    last = at++;
    lastLength = 1;
    ++symbols;
    if (!octaveRead && IsDigitByte(text[at]) && !readDigit(octave)) return false;
  }
  if (text[at] != ',') return false;
  tone.Note.assign(1, letter);
  tone.SetNumbers(duration, octave, volume, 0);
  tone.Value = 0;
  tone.Kind = rkNote;
  tone.Dot = dot;
  tone.Accidental = sharp ? raSharp : raNatural;
  AcceptInPlace(symbols, InPlaceSymbol(start + last, lastLength), start + at);
  return true;
}

// Every tone passes through ToneCommand, ParseTone and Note: they are inline
// in the tone list, and the rarer sharp spelling is out of line.
inline bool TRtttlParse::ToneCommand(TRingTone& tone) {
  if (SymbolInSet(kToneStart, LookAhead())) return ParseTone(tone);
  if (LookAhead() == rsO || LookAhead() == rsS) {
    NewTone(tone);
    tone.Kind = rkControl;
    const TControl control = ParseControl();
    tone.ControlKind = control.Kind;
    tone.Value = control.Value;
    return true;
  }
  SyntaxError(reToneCommand);
  return false;
}

// Many real tunes put the dot before the octave ("8f.5"): both orders
// read as the same tone. An entry without a note letter adds no tone.
inline bool TRtttlParse::ParseTone(TRingTone& tone) {
  const TRingFile& ring = *FRing;
  int32_t duration = ring.DefaultDuration;
  int32_t octave = ring.DefaultOctave;
  const int32_t volume = ring.Volume;
  if (LookAhead() == symInteger) duration = ParseDuration();
  TSharp sharp = TSharp::None;
  Note(tone.Note, sharp);
  const bool octaveRead = LookAhead() == symInteger;
  if (octaveRead) octave = ParseOctave();
  uint8_t dot = rdNone;
  if (LookAhead() == rsDot) {
    ParseDot();
    dot = rdDotted;
    if (!octaveRead && LookAhead() == symInteger) octave = ParseOctave();
  }
  // Each field is written once, when the tone is read.
  tone.SetNumbers(duration, octave, volume, 0);
  tone.Value = 0;
  tone.Kind = rkNote;
  tone.Dot = dot;
  tone.Accidental = sharp == TSharp::None ? raNatural : raSharp;
  if (tone.Note.empty()) return false;
  if (sharp == TSharp::Spelled) SpellSharp(tone);
  return true;
}

// E# is kept as the F and B# as the C above, the keys they name (any other
// letter keeps its sharp).
void TRtttlParse::SpellSharp(TRingTone& tone) {
  const TSpelledNote spelled = Spelled(tone, false);
  tone.Note.assign(spelled.Note);
  tone.Accidental = spelled.Accidental;
  tone.Octave = spelled.Octave;
}

inline void TRtttlParse::Note(std::string& letter, TSharp& sharp) {
  const TNoteSymbol* note = ReadNote(kNoteTable, reNote);
  if (!note) {
    letter.clear();
    return;
  }
  letter.assign(1, note->Letter);
  if (note->Sharp)
    sharp = TSharp::OfSymbol;
  else if (LastSymbolLength() == 2)
    sharp = TSharp::Spelled;
}

int32_t TRtttlParse::ReadInteger() {
  Get();
  return LastSymbolNumber();
}
