#include "uMedolyRing.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "Streams.h"
#include "SysUtils.h"
#include "eMelodyParse.h"
#include "iMelodyParse.h"
#include "uRingUtils.h"

// ------------------------------------------------------------------ eMelody

namespace {

const std::string kMelodyMarker = "\r\nMELODY:";
const std::string kEndMarker = "\r\nEND:EMELODY";

// MIDI keys span eleven octaves (0 to 10), so a shift of more than ten
// octaves names no note that can sound; the bound keeps a hostile octave
// from writing gigabytes of "+".
constexpr int32_t kMaxOctaveShift = 10;

bool IseMelodyLetter(char c) {
  const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  return (upper >= 'A' && upper <= 'G') || upper == 'P';
}

// The scanner reads a run of letters as one word, so adjacent note letters
// are set apart by a blank.
std::string SeparatedLetters(const std::string& melody) {
  std::string separated;
  separated.reserve(melody.size() * 2);
  for (size_t i = 0; i < melody.size(); ++i) {
    if (i > 0 && IseMelodyLetter(melody[i - 1]) && IseMelodyLetter(melody[i])) separated += ' ';
    separated += melody[i];
  }
  return separated;
}

// The head up to and including the melody marker (the first nine characters
// without one), the melody with its letters set apart, and the closing line.
// Whatever follows the closing marker is dropped; without one the melody
// runs to the end of the text.
std::string RewrittenText(const std::string& text) {
  const std::string upper = UpperCase(text);
  const size_t marker = upper.find(kMelodyMarker);
  const size_t melody = marker == std::string::npos ? std::min<size_t>(text.size(), 9) : marker + kMelodyMarker.size();
  const size_t end = std::min(upper.find(kEndMarker, melody), text.size());
  return text.substr(0, melody) + SeparatedLetters(text.substr(melody, end - melody)) + kEndMarker;
}

// A note's entry: "+" per octave over the one the reader assumes, the
// accidental, and the letter cased and marked by its length code. Nothing
// can say an octave below it: such a note is written in that octave.
std::string eMelodyNote(const TRingTone& tone) {
  const TMidiNote note =
      WrittenNote(tone, true, kNewTuneDefaultOctave, kNewTuneDefaultOctave + kMaxOctaveShift);
  std::string entry(static_cast<size_t>(note.Octave - kNewTuneDefaultOctave), '+');
  if (note.Accidental == raSharp) entry += '#';
  if (note.Accidental == raFlat) entry += "(b)";
  const int32_t code = TeMelodyRing::DurationCode(tone.Duration);
  entry += code <= 1 ? UpperCase(note.Note) : LowerCase(note.Note);
  if (code == 0 || code == 2) entry += '.';
  return entry;
}

}  // namespace

int32_t TeMelodyRing::DurationCode(int32_t duration) {
  switch (duration) {
    case 1: return 0;
    case 2: return 1;
    case 4: return 2;
    default: return 3;
  }
}

std::string TeMelodyRing::GetText() {
  std::string melody;
  for (const auto& tone : Track->Tones)
    if (tone->Kind != rkControl) melody += eMelodyNote(*tone);
  return "BEGIN:EMELODY\r\nVERSION:1.0\r\nNAME:" + SingleLine(Name) + "\r\nCOMPOSER:" +
         (Composer.empty() ? std::string("CaroluneConvert") : SingleLine(Composer)) + "\r\nMELODY:" + melody + kEndMarker;
}

void TeMelodyRing::LoadFromStream(TStream& stream) {
  TMemoryStream source;
  source.LoadFromStream(stream);
  TMemoryStream rewritten(RewrittenText(source.DataString()));
  ParseRing<TeMelodyParse>(*this, rewritten);
}

// ------------------------------------------------------------------ iMelody

namespace {

// The beats per minute an iMelody text may give.
constexpr int32_t kSlowestBeat = 25;
constexpr int32_t kFastestBeat = 900;

const char* SwitchWord(int32_t controlKind, bool on) {
  switch (controlKind) {
    case ckLed: return on ? "ledon" : "ledoff";
    case ckVibration: return on ? "vibeon" : "vibeoff";
    case ckBacklight: return on ? "backon" : "backoff";
    default: return nullptr;
  }
}

// A control's entry; tempo, style, octave and duration have none.
std::string iMelodyControl(const TRingTone& tone) {
  if (tone.ControlKind == ckVolume) return std::string("V").append(IntToStr(tone.Value));
  const char* word = SwitchWord(tone.ControlKind, tone.Value == 1);
  return word ? word : "";
}

// A note's entry. The octave prefix is written before the first note, so
// that readers assuming any default agree, and then only where the octave
// changes, so the running octave moves along with the melody. A prefix has
// no minus sign.
std::string iMelodyNote(const TRingTone& tone, std::optional<int32_t>& octave) {
  const TMidiNote note = WrittenNote(tone, true, 0, INT32_MAX);
  std::string entry;
  if (note.Octave != octave) {
    octave = note.Octave;
    entry += '*';
    entry += IntToStr(note.Octave);
  }
  if (note.Accidental == raSharp) entry += '#';
  if (note.Accidental == raFlat) entry += '&';
  entry += UpperCase(note.Note) == "P" ? "r" : note.Note;
  entry += IntToStr(TiMelodyRing::DurationCode(tone.Duration));
  if (tone.Dot == rdDotted) entry += '.';
  if (tone.Dot == rdDoubleDotted) entry += ':';
  if (tone.Dot == rdTriplet) entry += ';';
  return entry;
}

}  // namespace

int32_t TiMelodyRing::DurationCode(int32_t duration) {
  for (int32_t code = 0; code <= 4; ++code)
    if (duration == int32_t{1} << code) return code;
  return 5;
}

std::string TiMelodyRing::GetText() {
  std::string melody;
  std::optional<int32_t> octave;
  for (const auto& tone : Track->Tones)
    melody += tone->Kind == rkControl ? iMelodyControl(*tone) : iMelodyNote(*tone, octave);
  std::string text = "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\n";
  text += "BEAT:" + IntToStr(std::clamp(Tempo, kSlowestBeat, kFastestBeat)) + "\r\n";
  if (!Name.empty()) text += "NAME:" + SingleLine(Name) + "\r\n";
  text += "COMPOSER:" + (Composer.empty() ? std::string("CaroluneConvert") : SingleLine(Composer)) + "\r\n";
  return text + "MELODY:" + melody + "\r\nEND:IMELODY";
}

void TiMelodyRing::LoadFromStream(TStream& stream) { ParseRing<TiMelodyParse>(*this, stream); }
