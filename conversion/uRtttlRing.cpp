#include "conversion/uRtttlRing.h"

#include <algorithm>
#include <cstdint>

#include "conversion/RtttlParse.h"
#include "conversion/uRingUtils.h"
#include "runtime/SysUtils.h"

namespace {

// One tone's entry with its trailing ",", or nothing for a control RTTTL
// cannot hold among the tones.
void AppendEntry(std::string& text, const TRingFile& ring, const TWrittenNotes& written, const TRingTone& tone) {
  if (tone.Kind == rkControl) {
    const char* name = tone.ControlKind == ckOctave     ? "o"
                       : tone.ControlKind == ckDuration ? "d"
                       : tone.ControlKind == ckTempo    ? "b"
                                                        : nullptr;
    if (name) {
      text += name;
      AppendInt(text, tone.Value);
      text += ',';
    }
    return;
  }
  const TSpelledNote note = written(tone);
  if (tone.Duration != ring.DefaultDuration) AppendInt(text, tone.Duration);
  if (note.Note == "B" || note.Note == "b")
    text += 'H';
  else
    text += note.Note;
  if (note.Accidental == raSharp) text += '#';
  if (note.Octave != ring.DefaultOctave) AppendInt(text, note.Octave);
  if (tone.Dot != rdNone) text += '.';
  text += ',';
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
  std::string text = RtttlName(Name);
  // Room for the defaults and the shortest entry ("c,") of every tone: a
  // tune of long entries grows from there as before, and a dense one is not
  // given room it never fills.
  text.reserve(text.size() + kDefaultsRoom + 2 * static_cast<size_t>(Track->Count()));
  text += ":d=";
  AppendInt(text, DefaultDuration);
  text += ",o=";
  AppendInt(text, DefaultOctave);
  text += ",b=";
  AppendInt(text, Tempo);
  text += ':';
  const size_t head = text.size();
  // RTTTL has sharps only, and no minus sign for an octave.
  const TWrittenNotes written(*Track, false, 0, INT32_MAX);
  TDistinctTexts<> entries(Track->Tones);
  const auto appendEntry = [&](std::string& to, const TRingTone& tone) { AppendEntry(to, *this, written, tone); };
  for (auto at = Track->Tones.begin(); at != Track->Tones.end(); ++at) text += entries(at, appendEntry).Text;
  if (text.size() > head) text.pop_back();
  return text;
}

void TRtttlRing::LoadFromStream(TStream& stream) { ParseRing<TRtttlParse>(*this, stream); }
