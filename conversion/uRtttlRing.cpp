#include "uRtttlRing.h"

#include <algorithm>
#include <cstdint>

#include "RtttlParse.h"
#include "SysUtils.h"
#include "uRingUtils.h"

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
  // RTTTL has sharps only, and no minus sign for an octave.
  const TMidiNote note = WrittenNote(tone, false, 0, INT32_MAX);
  std::string entry;
  if (tone.Duration != ring.DefaultDuration) entry += IntToStr(tone.Duration);
  entry += UpperCase(note.Note) == "B" ? "H" : note.Note;
  if (note.Accidental == raSharp) entry += '#';
  if (note.Octave != ring.DefaultOctave) entry += IntToStr(note.Octave);
  if (tone.Dot != rdNone) entry += '.';
  return entry + ",";
}

// A ":" would end the name early and leave the rest of it for the defaults.
std::string WrittenName(std::string name) {
  std::replace(name.begin(), name.end(), ':', ' ');
  return name;
}

}  // namespace

std::string TRtttlRing::GetText() {
  std::string entries;
  for (const auto& tone : Track->Tones) entries += Entry(*this, *tone);
  if (!entries.empty()) entries.pop_back();
  return WrittenName(Name) + ":d=" + IntToStr(DefaultDuration) + ",o=" + IntToStr(DefaultOctave) +
         ",b=" + IntToStr(Tempo) + ":" + entries;
}

void TRtttlRing::LoadFromStream(TStream& stream) { ParseRing<TRtttlParse>(*this, stream); }
