#include "conversion/uMedolyRing.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>

#include "conversion/eMelodyParse.h"
#include "conversion/iMelodyParse.h"
#include "conversion/uRingUtils.h"
#include "runtime/Streams.h"
#include "runtime/SysUtils.h"

namespace {

// Where the upper-case marker first stands in the text from the position
// on, in any case; npos when it does not. The marker opens with a character
// that has no case, so its places are found by the C library's quick search
// and only they are compared letter by letter.
size_t FindInAnyCase(std::string_view text, std::string_view marker, size_t from) {
  const auto sameLetter = [](char c, char upper) { return UpCase(c) == upper; };
  for (size_t at = text.find(marker[0], from); at != std::string_view::npos && marker.size() <= text.size() - at;
       at = text.find(marker[0], at + 1))
    if (std::equal(marker.begin() + 1, marker.end(), text.begin() + static_cast<std::ptrdiff_t>(at + 1), sameLetter))
      return at;
  return std::string_view::npos;
}

// Both texts open their melody so.
constexpr std::string_view kMelodyMarker = "\r\nMELODY:";

// Room enough for the lines of either text's head (its tempo given in a
// few digits) but its name and composer, and for their closing line.
constexpr size_t kHeadRoom = 128;

// Both texts name a composer also when the tune has none.
constexpr std::string_view kNoComposer = "CaroluneConvert";
char* WriteWrittenComposer(char* at, const std::string& composer) {
  return composer.empty() ? WriteText(at, kNoComposer) : WriteWrittenName(at, composer);
}

// The room of a head and its closing line, with the tune's name and composer.
size_t HeadRoom(const TRingFile& tune) {
  return kHeadRoom + WrittenNameRoom(tune.Name) + WrittenNameRoom(tune.Composer);
}

}  // namespace

// ------------------------------------------------------------------ eMelody

namespace {

constexpr std::string_view kEndMarker = "\r\nEND:EMELODY";

// MIDI keys span eleven octaves (0 to 10), so a shift of more than ten
// octaves names no note that can sound; the bound keeps a hostile octave
// from writing gigabytes of "+".
constexpr int32_t kMaxOctaveShift = 10;

// The note letters and the rest, in either case, by character.
constexpr auto kMelodyLetters = [] {
  std::array<bool, 256> letters{};
  for (const char c : std::string_view("ABCDEFGPabcdefgp")) letters[static_cast<unsigned char>(c)] = true;
  return letters;
}();

bool IseMelodyLetter(char c) { return kMelodyLetters[static_cast<unsigned char>(c)]; }

// The scanner reads a run of letters as one word, so adjacent note letters
// are set apart by a blank: calls put(blank, c) for each character, with
// whether a blank goes before it.
template <class Put>
void SetLettersApart(std::string_view melody, Put&& put) {
  bool afterLetter = false;
  for (const char c : melody) {
    const bool letter = IseMelodyLetter(c);
    put(letter && afterLetter, c);
    afterLetter = letter;
  }
}

// The head up to and including the melody marker (the first nine characters
// without one), the melody with its letters set apart, and the closing line.
// Whatever follows the closing marker is dropped; without one the melody
// runs to the end of the text. The text is built at its final size: a long
// melody is not copied on the way.
std::string RewrittenText(std::string_view text) {
  const size_t marker = FindInAnyCase(text, kMelodyMarker, 0);
  const size_t melody = marker == std::string::npos ? std::min<size_t>(text.size(), 9) : marker + kMelodyMarker.size();
  const size_t end = std::min(FindInAnyCase(text, kEndMarker, melody), text.size());
  const std::string_view tones = text.substr(melody, end - melody);
  size_t blanks = 0;
  SetLettersApart(tones, [&blanks](bool blank, char) { blanks += blank; });
  std::string rewritten;
  const size_t size = melody + tones.size() + blanks + kEndMarker.size();
  // With room for the 0 byte the parser ends the text with.
  rewritten.reserve(size + 1);
  rewritten.resize(size);
  char* out = std::copy_n(text.begin(), melody, rewritten.data());
  // The blank is written in any case and kept only where it goes, so that
  // the walk does not branch on it.
  SetLettersApart(tones, [&out](bool blank, char c) {
    *out = ' ';
    out += blank;
    *out++ = c;
  });
  std::copy(kEndMarker.begin(), kEndMarker.end(), out);
  return rewritten;
}

// A note's entry: "+" per octave over the one the reader assumes, the
// accidental, and the letter cased and marked by its length code.
// At most kMaxOctaveShift + 4 characters beside the letter.
char* WriteeMelodyNote(char* at, const TWrittenNotes& written, const TRingTone& tone) {
  const TSpelledNote note = written(tone);
  for (int32_t octave = kNewTuneDefaultOctave; octave < note.Octave; ++octave) *at++ = '+';
  if (note.Accidental == raSharp) *at++ = '#';
  if (note.Accidental == raFlat) at = WriteText(at, "(b)");
  const int32_t code = TeMelodyRing::DurationCode(tone.Duration);
  for (const char c : note.Note) *at++ = code <= 1 ? UpCase(c) : LoCase(c);
  if (code == 0 || code == 2) *at++ = '.';
  return at;
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
  const TDistinctCounts counts(Track->Tones);
  // Nothing can say an octave below the reader's: a tune reaching below it
  // moves up.
  const TWrittenNotes written(counts, true, kNewTuneDefaultOctave, kNewTuneDefaultOctave + kMaxOctaveShift);
  TDistinctTexts entries(counts, [&written](char* at, const TRingTone& tone) {
    return tone.Kind == rkControl ? at : WriteeMelodyNote(at, written, tone);
  });
  std::string text = TextRoom(HeadRoom(*this) + entries.Length() + kPieceWide);
  char* at = WriteText(text.data(), "BEGIN:EMELODY\r\nVERSION:1.0\r\nNAME:");
  at = WriteWrittenName(at, Name);
  at = WriteText(at, "\r\nCOMPOSER:");
  at = WriteWrittenComposer(at, Composer);
  at = WriteText(at, "\r\nMELODY:");
  at = WritePieces(text, at, Track->Tones, SIZE_MAX, kEndMarker.size(),
                   [&entries](uint32_t distinct) { return entries(distinct).Text; });
  at = WriteText(at, kEndMarker);
  text.resize(static_cast<size_t>(at - text.data()));
  return text;
}

void TeMelodyRing::LoadFromStream(TStream& stream) {
  // The whole text, from its beginning, as every text reader takes it.
  stream.SetPosition(0);
  std::string copy;
  THandOverStream rewritten(RewrittenText(BytesFromPosition(stream, copy)));
  ParseRing<TeMelodyParse>(*this, rewritten);
}

// ------------------------------------------------------------------ iMelody

namespace {

// The beats per minute an iMelody text may give.
constexpr int32_t kSlowestBeat = 25;
constexpr int32_t kFastestBeat = 900;

const char* SwitchWord(int32_t controlKind, bool on) {
  switch (controlKind) {
    case ckLed: return on ? "ledon" : "ledoff";
    case ckVibration: return on ? "vibeon" : "vibeoff";
    case ckBacklight: return on ? "backon" : "backoff";
    default: return nullptr;
  }
}

// A control's entry; tempo, style, octave and duration have none.
char* WriteiMelodyControl(char* at, const TRingTone& tone) {
  if (tone.ControlKind == ckVolume) {
    *at++ = 'V';
    return WriteInt(at, tone.Value);
  }
  if (const char* word = SwitchWord(tone.ControlKind, tone.Value == 1)) return WriteText(at, word);
  return at;
}

// What an entry gives beside its text: a note's entry opens with the
// prefix of its octave, written only where the octave changes.
struct TiMelodyEntry {
  // The length of the prefix; 0 for an entry that is no note. Both fields
  // are words, so that the walk reads each as it was kept.
  int32_t Prefix;
  int32_t Octave;
};

// Writes a tone's entry, a note's after its octave prefix: at most
// kDigitsRoom + 4 characters beside the letter. The prefix has no minus
// sign.
TMadeEntry<TiMelodyEntry> WriteiMelodyEntry(char* at, const TWrittenNotes& written, const TRingTone& tone) {
  if (tone.Kind == rkControl) return {WriteiMelodyControl(at, tone), {0, 0}};
  const TSpelledNote note = written(tone);
  char* const start = at;
  *at++ = '*';
  at = WriteInt(at, note.Octave);
  const auto prefix = static_cast<int32_t>(at - start);
  if (note.Accidental == raSharp) *at++ = '#';
  if (note.Accidental == raFlat) *at++ = '&';
  if (tone.IsRest())
    *at++ = 'r';
  else
    at = WriteLetter(at, note.Note);
  *at++ = static_cast<char>('0' + TiMelodyRing::DurationCode(tone.Duration));
  if (tone.Dot == rdDotted) *at++ = '.';
  if (tone.Dot == rdDoubleDotted) *at++ = ':';
  if (tone.Dot == rdTriplet) *at++ = ';';
  return {at, {prefix, note.Octave}};
}

bool IsFold(std::string_view text, size_t i) {
  return text.substr(i, 2) == "\r\n" && i + 2 < text.size() && (text[i + 2] == ' ' || text[i + 2] == '\t');
}

// iMelody texts fold long lines: a line end followed by a blank or a tab
// goes on with the line. In the melody the folds are taken out, and a repeat
// block that opens with an octave prefix ("(*4c2@2)") gets a blank after its
// "(", which would otherwise open a comment. Nothing else changes; a text
// whose melody has neither is not copied (none is given back).
std::optional<std::string> UnfoldedMelody(std::string_view text) {
  const size_t marker = FindInAnyCase(text, kMelodyMarker, 0);
  if (marker == std::string_view::npos) return std::nullopt;
  const size_t melody = marker + kMelodyMarker.size();
  size_t end = melody;
  bool changes = false;
  // Only a line end or a "(" can change anything, so the others are passed
  // by their first character.
  for (; end < text.size(); ++end) {
    const char c = text[end];
    if (c == '\r' && text.substr(end, 2) == "\r\n") {
      if (!IsFold(text, end)) break;
      changes = true;
    } else if (c == '(' && text.substr(end, 2) == "(*") {
      changes = true;
    }
  }
  if (!changes) return std::nullopt;
  std::string rewritten(text.substr(0, melody));
  rewritten.reserve(text.size() + 16);
  for (size_t i = melody; i < end; ++i) {
    if (IsFold(text, i)) {
      i += 2;
      continue;
    }
    rewritten += text[i];
    if (text.substr(i, 2) == "(*") rewritten += ' ';
  }
  rewritten.append(text.substr(end));
  return rewritten;
}

}  // namespace

int32_t TiMelodyRing::DurationCode(int32_t duration) {
  // The exponent of a whole to a sixteenth, 5 for any other value. A power
  // of two is tested by its lowest bit, not by counting bits: without a
  // population count instruction that is a library call.
  const auto value = static_cast<uint32_t>(duration);
  return value - 1 < 16 && (value & (value - 1)) == 0 ? std::countr_zero(value) : 5;
}

std::string TiMelodyRing::GetText() {
  const TDistinctCounts counts(Track->Tones);
  const TWrittenNotes written(counts, true, 0, INT32_MAX);
  TDistinctTexts entries(
      counts, [&written](char* at, const TRingTone& tone) { return WriteiMelodyEntry(at, written, tone); });
  // Room for the head, every tone's entry and the closing line; an entry
  // counts with its prefix, so a melody of a few changes of octave gets
  // more than it takes.
  std::string text = TextRoom(HeadRoom(*this) + entries.Length() + kPieceWide);
  char* at = WriteText(text.data(), "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\nBEAT:");
  at = WriteInt(at, std::clamp(Tempo, kSlowestBeat, kFastestBeat));
  at = WriteText(at, "\r\nNAME:");
  // A tune without a name has no name line.
  char* const name = at;
  at = WriteWrittenName(at, Name);
  at = at == name ? at - std::string_view("NAME:").size() : WriteText(at, "\r\n");
  at = WriteText(at, "COMPOSER:");
  at = WriteWrittenComposer(at, Composer);
  at = WriteText(at, "\r\nMELODY:");
  // The prefix is written before the first note, so that readers assuming
  // any default agree, and then only where the octave changes, so the
  // running octave moves along with the melody.
  int64_t octave = INT64_MIN;
  constexpr std::string_view kEnd = "\r\nEND:IMELODY";
  at = WritePieces(text, at, Track->Tones, SIZE_MAX, kEnd.size(), [&entries, &octave](uint32_t distinct) {
    const auto [entry, value] = entries(distinct);
    const bool prefixed = value.Prefix > 0 && value.Octave != octave;
    if (prefixed) octave = value.Octave;
    return prefixed ? entry : entry.substr(value.Prefix);
  });
  at = WriteText(at, kEnd);
  text.resize(static_cast<size_t>(at - text.data()));
  return text;
}

void TiMelodyRing::LoadFromStream(TStream& stream) {
  stream.SetPosition(0);
  std::string copy;
  if (auto unfolded = UnfoldedMelody(BytesFromPosition(stream, copy))) {
    THandOverStream rewritten(std::move(*unfolded));
    ParseRing<TiMelodyParse>(*this, rewritten);
    return;
  }
  ParseRing<TiMelodyParse>(*this, stream);
}
