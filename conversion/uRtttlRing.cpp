#include "conversion/uRtttlRing.h"

#include <algorithm>
#include <cstdint>

#include "conversion/RtttlParse.h"
#include "conversion/uRingUtils.h"
#include "runtime/SysUtils.h"

namespace {

// One tone's entry with its trailing ",", or nothing for a control RTTTL
// cannot hold among the tones.
void AppendEntry(TGatheredText& text, const TRingFile& ring, const TWrittenNotes& written, const TRingTone& tone) {
  if (tone.Kind == rkControl) {
    const char name = tone.ControlKind == ckOctave     ? 'o'
                      : tone.ControlKind == ckDuration ? 'd'
                      : tone.ControlKind == ckTempo    ? 'b'
                                                       : '\0';
    if (name != '\0') {
      text.Append(name);
      text.AppendInt(tone.Value);
      text.Append(',');
    }
    return;
  }
  const TSpelledNote note = written(tone);
  if (tone.Duration != ring.DefaultDuration) text.AppendInt(tone.Duration);
  if (note.Note == "B" || note.Note == "b")
    text.Append('H');
  else
    text.Append(note.Note);
  if (note.Accidental == raSharp) text.Append('#');
  if (note.Octave != ring.DefaultOctave) text.AppendInt(note.Octave);
  if (tone.Dot != rdNone) text.Append('.');
  text.Append(',');
}

// Room enough for the defaults' section of numbers of a few digits.
constexpr size_t kDefaultsRoom = 24;

// A ":" would end the name early and leave the rest of it for the defaults.
std::string RtttlName(std::string name) {
  std::replace(name.begin(), name.end(), ':', ' ');
  return WrittenName(name);
}

}  // namespace

std::string TRtttlRing::GetText() {
  const TDistinctCounts counts(Track->Tones);
  // RTTTL has sharps only, and no minus sign for an octave.
  const TWrittenNotes written(counts, false, 0, INT32_MAX);
  TDistinctTexts entries(counts,
                         [&](TGatheredText& to, const TRingTone& tone) { AppendEntry(to, *this, written, tone); });
  std::string text = RtttlName(Name);
  text.reserve(text.size() + kDefaultsRoom + entries.Length());
  text += ":d=";
  AppendInt(text, DefaultDuration);
  text += ",o=";
  AppendInt(text, DefaultOctave);
  text += ",b=";
  AppendInt(text, Tempo);
  text += ':';
  const size_t head = text.size();
  TGatheredText melody(text);
  Track->Tones.ForEachDistinct(SIZE_MAX, [&](uint32_t distinct) { melody.AppendPadded(entries(distinct).Text); });
  melody.Done();
  if (text.size() > head) text.pop_back();
  return text;
}

void TRtttlRing::LoadFromStream(TStream& stream) { ParseRing<TRtttlParse>(*this, stream); }
