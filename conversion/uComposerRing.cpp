#include "conversion/uComposerRing.h"

#include <algorithm>

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

// At most three characters beside the letter.
char* WriteTone(char* at, const TWrittenNotes& written, const TRingTone& tone) {
  if (tone.Kind == rkControl) return at;
  const TSpelledNote note = written(tone);
  at = WriteLetter(at, note.Note);
  if (note.Accidental == raSharp) *at++ = '#';
  if (note.Octave > kNewTuneDefaultOctave) *at++ = '+';
  if (note.Octave < kNewTuneDefaultOctave) *at++ = '-';
  *at++ = ComposerDurationDigit(tone.Duration);
  return at;
}

// The frame around the tones: the phone reads a tune's tones between these.
constexpr std::string_view kFrameOpening = "L35&2 ";
constexpr std::string_view kFrameClosing = "&&";

// The checksum is the XOR of every byte of the text, written after the
// frame's closing as its two halves, each added to "0".
// The tones stand from `start` up to the place, which has room for the
// closing; the place after it.
constexpr size_t kClosingRoom = kFrameClosing.size() + 2;
char* CloseFrame(char* at, const char* start) {
  unsigned char sum = 0;
  for (const char c : std::string_view(start, static_cast<size_t>(at - start))) sum ^= static_cast<unsigned char>(c);
  at = WriteText(at, kFrameClosing);
  *at++ = static_cast<char>('0' + sum / 16);
  *at++ = static_cast<char>('0' + sum % 16);
  return at;
}

}  // namespace

std::string TComposerRing::GetText() { return ComposerText(*this, true, true); }

void TComposerRing::LoadFromStream(TStream& stream) { ParseRing<TComposerParse>(*this, stream); }

std::string ComposerText(const TRingFile& tune, bool spaced, bool framed) {
  const TDistinctCounts counts(tune.Track->Tones, kMaxTones);
  // The tune moves to fit the tones that one screen holds.
  const TWrittenNotes notes(counts, false, kNewTuneDefaultOctave - kOctaveReach, kNewTuneDefaultOctave + kOctaveReach);
  // A control gives no letters, but its blank.
  TDistinctTexts entries(counts, [&notes, spaced](char* at, const TRingTone& tone) {
    at = WriteTone(at, notes, tone);
    if (spaced) *at++ = ' ';
    return at;
  });
  // A screen's worth: the tones to the length and one tone past it, with
  // the frame around them.
  std::string text = TextRoom(kFrameOpening.size() + std::min(entries.Length(), kMaxLength + kPieceWide) + kPieceWide +
                              kClosingRoom);
  char* at = text.data();
  if (framed) at = WriteText(at, kFrameOpening);
  const auto start = static_cast<size_t>(at - text.data());
  // Once past the length the text only grows, so every later tone is left
  // out as well.
  size_t length = 0;
  at = WritePieces(text, at, tune.Track->Tones, kMaxTones, kClosingRoom, [&entries, &length](uint32_t distinct) {
    const std::string_view entry = entries(distinct).Text;
    const std::string_view piece = length <= kMaxLength ? entry : entry.substr(0, 0);
    length += piece.size();
    return piece;
  });
  if (framed) at = CloseFrame(at, text.data() + start);
  text.resize(static_cast<size_t>(at - text.data()));
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
