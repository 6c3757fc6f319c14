#include "uMedolyRing.h"

#include <algorithm>

#include "Streams.h"
#include "SysUtils.h"
#include "eMelodyParse.h"
#include "iMelodyParse.h"

// ------------------------------------------------------------------ eMelody

namespace {

const std::string kMelodyMarker = "\r\nMELODY:";
const std::string kEndMarker = "\r\nEND:EMELODY";

// MIDI keys span eleven octaves (0 to 10), so a shift of more than ten
// octaves names no note that can sound; the bound keeps a hostile octave
// from writing gigabytes of "+".
constexpr int64_t kMaxOctaveShift = 10;

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

// A note's entry: "+" per octave over the default, the accidental, and the
// letter cased and marked by its length code.
std::string eMelodyNote(const TRingFile& ring, const TRingTone& tone) {
  const int64_t shift = std::clamp<int64_t>(int64_t{tone.Octave} - ring.DefaultOctave, 0, kMaxOctaveShift);
  std::string entry(static_cast<size_t>(shift), '+');
  if (tone.Accidental == raSharp) entry += '#';
  if (tone.Accidental == raFlat) entry += "(b)";
  const int32_t code = TeMelodyRing::DurationCode(tone.Duration);
  entry += code <= 1 ? UpperCase(tone.Note) : LowerCase(tone.Note);
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
    if (tone->Kind != rkControl) melody += eMelodyNote(*this, *tone);
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

// A note's entry. The octave prefix is written only where the octave
// changes, so the running octave moves along with the melody.
std::string iMelodyNote(const TRingTone& tone, int32_t& octave) {
  std::string entry;
  if (tone.Octave != octave) {
    octave = tone.Octave;
    entry += '*';
    entry += IntToStr(octave);
  }
  if (tone.Accidental == raSharp) entry += '#';
  if (tone.Accidental == raFlat) entry += '&';
  entry += UpperCase(tone.Note) == "P" ? "r" : tone.Note;
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
  int32_t octave = DefaultOctave;
  for (const auto& tone : Track->Tones)
    melody += tone->Kind == rkControl ? iMelodyControl(*tone) : iMelodyNote(*tone, octave);
  std::string text = "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\n";
  if (!Name.empty()) text += "NAME:" + SingleLine(Name) + "\r\n";
  text += "COMPOSER:" + (Composer.empty() ? std::string("CaroluneConvert") : SingleLine(Composer)) + "\r\n";
  return text + "MELODY:" + melody + "\r\nEND:IMELODY";
}

void TiMelodyRing::LoadFromStream(TStream& stream) { ParseRing<TiMelodyParse>(*this, stream); }
