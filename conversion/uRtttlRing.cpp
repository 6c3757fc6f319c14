#include "uRtttlRing.h"

#include "RtttlParse.h"
#include "SysUtils.h"

namespace {

// One tone's entry with its trailing ",", or nothing for a control RTTTL
// cannot hold among the tones.
std::string Entry(const TRingFile& ring, const TRingTone& tone) {
  if (tone.Kind == rkControl) {
    switch (tone.ControlKind) {
      case ckOctave: return "o" + IntToStr(tone.Value) + ",";
      case ckDuration: return "d" + IntToStr(tone.Value) + ",";
      case ckTempo: return "b" + IntToStr(tone.Value) + ",";
      default: return {};
    }
  }
  std::string entry;
  if (tone.Duration != ring.DefaultDuration) entry += IntToStr(tone.Duration);
  entry += UpperCase(tone.Note) == "B" ? "H" : tone.Note;
  if (tone.Accidental != raNatural) entry += '#';
  if (tone.Octave != ring.DefaultOctave) entry += IntToStr(tone.Octave);
  if (tone.Dot != rdNone) entry += '.';
  return entry + ",";
}

}  // namespace

std::string TRtttlRing::GetText() {
  std::string entries;
  for (const auto& tone : Track->Tones) entries += Entry(*this, *tone);
  if (!entries.empty()) entries.pop_back();
  return Name + ":d=" + IntToStr(DefaultDuration) + ",o=" + IntToStr(DefaultOctave) + ",b=" + IntToStr(Tempo) + ":" +
         entries;
}

void TRtttlRing::LoadFromStream(TStream& stream) { ParseRing<TRtttlParse>(*this, stream); }
