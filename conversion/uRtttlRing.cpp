#include "conversion/uRtttlRing.h"

#include <algorithm>
#include <cstdint>

#include "conversion/RtttlParse.h"
#include "conversion/uRingUtils.h"
#include "runtime/SysUtils.h"

namespace {

// One tone's entry with its trailing ",", or nothing for a control RTTTL
// cannot hold among the tones: at most 2 * kDigitsRoom + 4 characters
// beside the letter.
char* WriteEntry(char* at, const TRingFile& ring, const TWrittenNotes& written, const TRingTone& tone) {
  if (tone.Kind == rkControl) {
    const char name = tone.ControlKind == ckOctave     ? 'o'
                      : tone.ControlKind == ckDuration ? 'd'
                      : tone.ControlKind == ckTempo    ? 'b'
                                                       : '\0';
    if (name != '\0') {
      *at++ = name;
      at = WriteInt(at, tone.Value);
      *at++ = ',';
    }
    return at;
  }
  const TSpelledNote note = written(tone);
  if (tone.Duration != ring.DefaultDuration) at = WriteInt(at, tone.Duration);
  if (note.Note == "B" || note.Note == "b")
    *at++ = 'H';
  else
    at = WriteLetter(at, note.Note);
  if (note.Accidental == raSharp) *at++ = '#';
  if (note.Octave != ring.DefaultOctave) at = WriteInt(at, note.Octave);
  if (tone.Dot != rdNone) *at++ = '.';
  *at++ = ',';
  return at;
}

// Room enough for the defaults' section, its three numbers of any size.
constexpr size_t kDefaultsRoom = 3 * kDigitsRoom + 10;

// A ":" would end the name early and leave the rest of it for the defaults.
char* WriteRtttlName(char* at, const std::string& name) {
  if (name.find(':') == std::string::npos) return WriteWrittenName(at, name);
  std::string blanked = name;
  std::replace(blanked.begin(), blanked.end(), ':', ' ');
  return WriteWrittenName(at, blanked);
}

}  // namespace

std::string TRtttlRing::GetText() {
  const TDistinctCounts counts(Track->Tones);
  // RTTTL has sharps only, and no minus sign for an octave.
  const TWrittenNotes written(counts, false, 0, INT32_MAX);
  TDistinctTexts entries(counts,
                         [&](char* at, const TRingTone& tone) { return WriteEntry(at, *this, written, tone); });
  std::string text = TextRoom(WrittenNameRoom(Name) + kDefaultsRoom + entries.Length() + kPieceWide);
  char* at = WriteRtttlName(text.data(), Name);
  at = WriteText(at, ":d=");
  at = WriteInt(at, DefaultDuration);
  at = WriteText(at, ",o=");
  at = WriteInt(at, DefaultOctave);
  at = WriteText(at, ",b=");
  at = WriteInt(at, Tempo);
  *at++ = ':';
  const char* const head = at;
  at = WritePieces(text, at, Track->Tones, SIZE_MAX, 0, [&entries](uint32_t distinct) { return entries(distinct).Text; });
  // The last entry's "," goes.
  if (at > head) --at;
  text.resize(static_cast<size_t>(at - text.data()));
  return text;
}

void TRtttlRing::LoadFromStream(TStream& stream) { ParseRing<TRtttlParse>(*this, stream); }
