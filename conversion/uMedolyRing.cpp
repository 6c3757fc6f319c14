#include "uMedolyRing.h"

#include "SysUtils.h"
#include "iMelodyParse.h"

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
  if (tone.ControlKind == ckVolume) return "V" + IntToStr(tone.Value);
  const char* word = SwitchWord(tone.ControlKind, tone.Value == 1);
  return word ? word : "";
}

// A note's entry. The octave prefix is written only where the octave
// changes, so the running octave moves along with the melody.
std::string iMelodyNote(const TRingTone& tone, int32_t& octave) {
  std::string entry;
  if (tone.Octave != octave) {
    octave = tone.Octave;
    entry += "*" + IntToStr(octave);
  }
  if (tone.Accidental == raSharp) entry += '#';
  if (tone.Accidental == raFlat) entry += '&';
  entry += UpperCase(tone.Note) == "P" ? "r" : tone.Note;
  entry += IntToStr(TiMelodyRing::DurationCode(tone.Duration));
  if (tone.Dot == rdDotted) entry += '.';
  if (tone.Dot == rdTriplet) entry += ':';
  if (tone.Dot == rdTwoThirds) entry += ';';
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
  if (!Name.empty()) text += "NAME:" + Name + "\r\n";
  text += "COMPOSER:" + (Composer.empty() ? std::string("CaroluneConvert") : Composer) + "\r\n";
  return text + "MELODY:" + melody + "\r\nEND:IMELODY";
}

void TiMelodyRing::LoadFromStream(TStream& stream) { ParseRing<TiMelodyParse>(*this, stream); }
