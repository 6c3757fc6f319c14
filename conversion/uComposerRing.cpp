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

void AppendTone(TGatheredText& text, const TWrittenNotes& written, const TRingTone& tone) {
  if (tone.Kind == rkControl) return;
  const TSpelledNote note = written(tone);
  text.Append(note.Note);
  if (note.Accidental == raSharp) text.Append('#');
  if (note.Octave > kNewTuneDefaultOctave) text.Append('+');
  if (note.Octave < kNewTuneDefaultOctave) text.Append('-');
  text.Append(ComposerDurationDigit(tone.Duration));
}

// The frame around the tones: the phone reads a tune's tones between these.
constexpr std::string_view kFrameOpening = "L35&2 ";
constexpr std::string_view kFrameClosing = "&&";

// The checksum is the XOR of every byte of the text, written after the
// frame's closing as its two halves, each added to "0".
void CloseFrame(std::string& text, size_t start) {
  unsigned char sum = 0;
  for (const char c : std::string_view(text).substr(start)) sum ^= static_cast<unsigned char>(c);
  text += kFrameClosing;
  text += static_cast<char>('0' + sum / 16);
  text += static_cast<char>('0' + sum % 16);
}

}  // namespace

std::string TComposerRing::GetText() { return ComposerText(*this, true, true); }

void TComposerRing::LoadFromStream(TStream& stream) { ParseRing<TComposerParse>(*this, stream); }

std::string ComposerText(const TRingFile& tune, bool spaced, bool framed) {
  const TDistinctCounts counts(tune.Track->Tones, kMaxTones);
  // The tune moves to fit the tones that one screen holds.
  const TWrittenNotes notes(counts, false, kNewTuneDefaultOctave - kOctaveReach, kNewTuneDefaultOctave + kOctaveReach);
  TDistinctTexts entries(counts, [&notes, spaced](TGatheredText& to, const TRingTone& tone) {
    AppendTone(to, notes, tone);
    if (spaced) to.Append(' ');
  });
  std::string text;
  // A screen's worth, with the frame around it.
  text.reserve(kFrameOpening.size() + kMaxLength + 16 + kFrameClosing.size() + 2);
  if (framed) text = kFrameOpening;
  const size_t start = text.size();
  TGatheredText tones(text);
  // Once past the length the text only grows, so every later tone is left
  // out as well.
  tune.Track->Tones.ForEachDistinct(kMaxTones, [&](uint32_t distinct) {
    if (tones.Size() - start <= kMaxLength) tones.AppendPadded(entries(distinct).Text);
  });
  tones.Done();
  if (framed) CloseFrame(text, start);
  return text;
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
