#include "conversion/iMelodyParse.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string_view>

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

// The six switch words: how they are spelled, which control they set, and
// to what.
struct TSwitchWord {
  std::string_view Text;
  int Symbol;
  int32_t ControlKind;
  int32_t Value;
};

constexpr TSwitchWord kSwitchWords[] = {
    {"LEDON", isLedOn, ckLed, 1},           {"LEDOFF", isLedOff, ckLed, 0},
    {"VIBEON", isVibeOn, ckVibration, 1},   {"VIBEOFF", isVibeOff, ckVibration, 0},
    {"BACKON", isBackOn, ckBacklight, 1},   {"BACKOFF", isBackOff, ckBacklight, 0},
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

// Tones, controls and repeat blocks follow each other without separators.
// The first entry is always tried, so an empty melody or an unknown word is
// reported.
std::unique_ptr<TRingTrack> TiMelodyParse::ParseToneList() {
  auto track = NewTrack();
  TRingTone tone;
  std::vector<TEntry> entries;
  do {
    if (LookAheadIs('(')) {
      ParseRepeatBlock(*track);
      continue;
    }
    // Most entries are tones: those go to the track as they are read.
    if (SymbolInSet(kToneStart, LookAhead())) {
      if (PlainTone(tone) || ParseTone(tone)) track->Add(tone);
      continue;
    }
    ToneCommand(entries);
    for (const TEntry& entry : entries) track->Add(entry.Tone);
    entries.clear();
  } while (MelodyGoesOn() || LookAheadIs('('));
  return track;
}

inline bool TiMelodyParse::MelodyGoesOn() const {
  return SymbolInSet(kToneListGoesOn, LookAhead()) || SwitchRun(nullptr, nullptr);
}

// A tone, a control, or switch words written together; anything else adds
// nothing.
void TiMelodyParse::ToneCommand(std::vector<TEntry>& entries) {
  if (SymbolInSet(kToneStart, LookAhead())) {
    TEntry& entry = entries.emplace_back();
    entry.OctaveFromStart = true;
    entry.VolumeStep = 0;
    if (!ParseTone(entry.Tone)) entries.pop_back();
    return;
  }
  if (SymbolInSet(kControlStart, LookAhead())) {
    FVolumeStep = 0;
    const TRingTone control = Control();
    entries.push_back({control, false, FVolumeStep});
    return;
  }
  if (SwitchRun(nullptr, nullptr)) {
    SwitchRunEntries(entries);
    return;
  }
  SyntaxError(ieToneCommand);
}

// Switch words written together ("vibeonbackoff") are each a control; a
// note letter, "r" or "V" run into the last of them ("ledonc2", "ledonV+")
// starts the tone or volume control it would start on its own.
void TiMelodyParse::SwitchRunEntries(std::vector<TEntry>& entries) {
  std::vector<TRingTone> controls;
  char letter = 0;
  SwitchRun(&controls, &letter);
  Get();
  for (const TRingTone& control : controls) entries.push_back({control, false, 0});
  if (letter == 0) return;
  if (UpCase(letter) == 'V') {
    TRingTone volume = NewTone();
    volume.Kind = rkControl;
    volume.ControlKind = ckVolume;
    FVolumeStep = 0;
    volume.Value = VolumeValue();
    entries.push_back({volume, false, FVolumeStep});
    return;
  }
  TRingTone tone = NewTone();
  tone.Octave = FRunningOctave;
  tone.Note = UpCase(letter) == 'R' ? std::string("p") : std::string(1, letter);
  if (ToneAfterLetter(tone)) entries.push_back({std::move(tone), true, 0});
}

// "(" tones, then "@" and the count with an optional volume step, then ")".
// Blocks do not nest: a "(" within one ends its tones and opens the next
// block. Without a count a block plays once; without its ")" it ends where
// its tones end, at the end of the melody.
void TiMelodyParse::ParseRepeatBlock(TRingTrack& track) {
  Get();
  const int prefixes = FOctavePrefixes;
  std::vector<TEntry> body;
  while (MelodyGoesOn()) {
    const size_t first = body.size();
    ToneCommand(body);
    // A tone at or after a prefix of the block has the same octave every time.
    for (size_t i = first; i < body.size(); ++i) body[i].OctaveFromStart = FOctavePrefixes == prefixes;
  }
  for (const TEntry& entry : body) track.Add(entry.Tone);
  int32_t count = 1;
  std::vector<TEntry> step;
  if (LookAheadIs('@')) {
    Get();
    if (LookAhead() == symInteger) {
      Get();
      // "@0" repeats for ever: the tones once. A count beyond 32 bits is
      // more than the bound lets through anyway.
      count = std::max(LastSymbolNumberOr(INT32_MAX), 1);
    }
    // The step is taken between repetitions, not where it is read.
    const int32_t volume = FRunningVolume;
    if (LookAhead() == isV) ToneCommand(step);
    FRunningVolume = volume;
  }
  if (LookAheadIs(')')) Get();
  Repeat(track, body, step, count);
}

// The repetitions after the first, each after the volume step, while the
// melody stays within its bound. A tone whose octave is the one in force at
// the start of the block takes the octave the block ended in; a volume step
// steps from where the volume stands.
void TiMelodyParse::Repeat(TRingTrack& track, const std::vector<TEntry>& body, const std::vector<TEntry>& step,
                           int32_t count) {
  const size_t added = body.size() + step.size();
  if (added == 0) return;
  for (int32_t repetition = 1; repetition < count; ++repetition) {
    if (static_cast<size_t>(track.Count()) + added > kMaxRepeatedTones) return;
    for (const std::vector<TEntry>* entries : {&step, &body}) {
      for (TEntry entry : *entries) {
        if (entry.Tone.Kind == rkNote && entry.OctaveFromStart) entry.Tone.Octave = FRunningOctave;
        if (entry.VolumeStep != 0) entry.Tone.Value = FRunningVolume = Stepped(FRunningVolume, entry.VolumeStep);
        track.Add(entry.Tone);
      }
    }
  }
}

inline bool TiMelodyParse::LookAheadIs(char c) const {
  return LookAhead() == isNot && LookAheadTextIs(c);
}

// Whether the lookahead is a word made of switch words, two or more of them
// or one and a letter that starts a tone or a volume control; the controls
// go to `controls` and that letter, in the source's case, to `letter` when
// given. No switch word begins another, so the split is unique.
bool TiMelodyParse::SwitchRun(std::vector<TRingTone>* controls, char* letter) const {
  if (LookAhead() != symIdentifier) return false;
  const std::string word = LookAheadText();
  std::string_view rest = word;
  int words = 0;
  while (!rest.empty()) {
    if (words > 0 && rest.size() == 1 && std::string_view("CDEFGABRV").find(rest[0]) != std::string_view::npos) {
      if (letter) *letter = LookAheadRawText().back();
      return true;
    }
    const auto found = std::find_if(std::begin(kSwitchWords), std::end(kSwitchWords),
                                    [&](const TSwitchWord& w) { return rest.substr(0, w.Text.size()) == w.Text; });
    if (found == std::end(kSwitchWords)) return false;
    rest.remove_prefix(found->Text.size());
    ++words;
    if (controls) {
      TRingTone control = NewTone();
      control.Kind = rkControl;
      control.ControlKind = found->ControlKind;
      control.Value = found->Value;
      controls->push_back(control);
    }
  }
  return words >= 2;
}

// Every tone passes through ParseTone, Note and ToneAfterLetter, and most
// through ParseOctavePrefix: they are inline where the melody is read.
inline bool TiMelodyParse::ParseTone(TRingTone& tone) {
  const int32_t volume = FRing->Volume;
  int32_t octave = FRunningOctave;
  if (LookAhead() == isStar) octave = ParseOctavePrefix();
  uint8_t accidental = raNatural;
  if (LookAhead() == isAmpersand || LookAhead() == isHash) accidental = Sharp();
  Note(tone.Note);
  const TLength length = LengthAfterLetter();
  // Each field is written once, when the tone is read.
  tone.SetNumbers(length.Duration, octave, volume, 0);
  tone.Value = 0;
  tone.Kind = rkNote;
  tone.Dot = length.Dot;
  tone.Accidental = accidental;
  return !tone.Note.empty();
}

// A prefix or an accidental without its letter ("*5" alone) adds no tone;
// the prefix still holds for the tones after it.
bool TiMelodyParse::ToneAfterLetter(TRingTone& tone) {
  const TLength length = LengthAfterLetter();
  tone.Duration = length.Duration;
  tone.Dot = length.Dot;
  return !tone.Note.empty();
}

inline TiMelodyParse::TLength TiMelodyParse::LengthAfterLetter() {
  Expect(symInteger);
  // A duration that is no number is a quarter.
  const int32_t duration = DurationFromCode(LastSymbolNumberOr(2));
  const bool marked = LookAhead() == isDot || LookAhead() == isColon || LookAhead() == isSemicolon;
  return {duration, marked ? SpecialDuration() : uint8_t{rdNone}};
}

namespace {

bool IsDigitByte(char c) { return c >= '0' && c <= '9'; }
// A blank, a character passed over as one, or one that may start a comment.
bool MayHideMark(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return c == ' ' || (byte >= 14 && byte <= 31) || c == '/' || c == '(' || c == '{';
}

// The longest tone read in place, "*5#C3.", and the character after it.
constexpr unsigned kPlainToneBytes = 7;

}  // namespace

// Nearly every tone is spelled plainly: an octave prefix of one digit or
// none, "#" or "&" or none, a letter and one duration digit, then a mark or
// none. Such a tone is read from its bytes, its symbols taken as read, and
// gives the tone ParseTone gives, the prefix holding on as there; any other
// spelling is left to ParseTone (false, nothing read).
bool TiMelodyParse::PlainTone(TRingTone& tone) {
  const int start = LookAheadPlace().SourcePosition;
  const char* text = InPlaceText(start, kPlainToneBytes);
  if (!text) return false;
  int at = 0;
  uint64_t symbols = 1;  // the symbol after the tone
  const bool prefixed = text[0] == '*';
  if (prefixed) {
    if (!IsDigitByte(text[1]) || IsDigitByte(text[2])) return false;
    at = 2;
    symbols += 2;
  }
  uint8_t accidental = raNatural;
  if (text[at] == '#' || text[at] == '&') {
    accidental = text[at] == '&' ? raFlat : raSharp;
    ++at;
    ++symbols;
  }
  const char letter = text[at];
  switch (UpCase(letter)) {
    case 'A': case 'B': case 'C': case 'D': case 'E': case 'F': case 'G': case 'R': break;
    default: return false;
  }
  if (!IsDigitByte(text[at + 1]) || IsDigitByte(text[at + 2])) return false;
  const int32_t duration = DurationFromCode(text[at + 1] - '0');
  at += 2;
  symbols += 2;
  // Blanks and comments may stand before a mark: those are left to ParseTone.
  if (MayHideMark(text[at])) return false;
  uint8_t dot = rdNone;
  switch (text[at]) {
    case '.': dot = rdDotted; break;
    case ':': dot = rdDoubleDotted; break;
    case ';': dot = rdTriplet; break;
    default: break;
  }
  if (dot != rdNone) {
    ++at;
    ++symbols;
  }
  const int32_t volume = FRing->Volume;
  if (prefixed) {
    FRunningOctave = text[1] - '0';
    ++FOctavePrefixes;
  }
  if (UpCase(letter) == 'R')
    tone.Note.assign(1, 'p');
  else
    tone.Note.assign(1, letter);
  tone.SetNumbers(duration, FRunningOctave, volume, 0);
  tone.Value = 0;
  tone.Kind = rkNote;
  tone.Dot = dot;
  tone.Accidental = accidental;
  AcceptInPlace(symbols, InPlaceSymbol(start + at - 1, 1), start + at);
  return true;
}

// The octave holds for the following tones too, up to the next prefix.
inline int32_t TiMelodyParse::ParseOctavePrefix() {
  Expect(isStar);
  Expect(symInteger);
  FRunningOctave = LastSymbolNumberOr(FRing->DefaultOctave);
  ++FOctavePrefixes;
  return FRunningOctave;
}

uint8_t TiMelodyParse::Sharp() {
  const uint8_t accidental = LookAhead() == isAmpersand ? raFlat : raSharp;
  Get();
  return accidental;
}

// The letter keeps the source's case; a rest is kept as "p". Without a
// letter there is none.
inline void TiMelodyParse::Note(std::string& letter) {
  letter.clear();
  if (!Expect(kNoteLetter, ieNote)) return;
  LastSymbolTextInto(letter);
  if (letter.size() == 1 && UpCase(letter[0]) == 'R') letter = "p";
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
    case isPlus: Get(); FVolumeStep = 1; return FRunningVolume = Stepped(FRunningVolume, 1);
    case isMinus: Get(); FVolumeStep = -1; return FRunningVolume = Stepped(FRunningVolume, -1);
    default: SyntaxError(ieVolumeControl); return 0;
  }
}
