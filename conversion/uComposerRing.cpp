#include "conversion/uComposerRing.h"

#include "conversion/ComposerParse.h"
#include "conversion/uRingUtils.h"

namespace {

// What a phone's composer holds: so many tones, and the text stops growing
// once it is longer than so many characters.
constexpr int kMaxTones = 35;
constexpr size_t kMaxLength = 124;

// "+" and "-" reach one octave either side of the octave the reader
// assumes.
constexpr int32_t kOctaveReach = 1;

void AppendTone(std::string& text, const TWrittenNotes& written, const TRingTone& tone) {
  if (tone.Kind == rkControl) return;
  const TSpelledNote note = written(tone);
  text += note.Note;
  if (note.Accidental == raSharp) text += '#';
  if (note.Octave > kNewTuneDefaultOctave) text += '+';
  if (note.Octave < kNewTuneDefaultOctave) text += '-';
  text += ComposerDurationDigit(tone.Duration);
}

// The checksum is the XOR of every byte of the text, written as its two
// halves, each added to "0".
std::string Checksum(const std::string& text) {
  unsigned char sum = 0;
  for (const char c : text) sum ^= static_cast<unsigned char>(c);
  return {static_cast<char>('0' + sum / 16), static_cast<char>('0' + sum % 16)};
}

}  // namespace

std::string TComposerRing::GetText() { return ComposerText(*this, true, true); }

void TComposerRing::LoadFromStream(TStream& stream) { ParseRing<TComposerParse>(*this, stream); }

std::string ComposerText(const TRingFile& tune, bool spaced, bool framed) {
  // The tune moves to fit the tones that one screen holds.
  const TWrittenNotes notes(*tune.Track, false, kNewTuneDefaultOctave - kOctaveReach,
                            kNewTuneDefaultOctave + kOctaveReach, kMaxTones);
  std::string text;
  // A screen's worth, with the frame around it.
  text.reserve(kMaxLength + 16);
  int written = 0;
  for (const auto& tone : tune.Track->Tones) {
    if (written == kMaxTones || text.size() > kMaxLength) break;
    AppendTone(text, notes, *tone);
    if (spaced) text += ' ';
    ++written;
  }
  if (!framed) return text;
  return "L35&2 " + text + "&&" + Checksum(text);
}

char ComposerDurationDigit(int32_t duration) {
  switch (duration) {
    case 1: return '1';
    case 2: return '2';
    case 4: return '3';
    case 8: return '4';
    case 16: return '5';
    default: return '6';
  }
}
