// Note names, MIDI keys, accents and the conversion between MIDI ticks and
// note values, shared by the MIDI reader, the tone conversions and the
// writers of the text notations.
#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "conversion/uRingBase.h"

// The twelve names by semitone above C; sharps only.
inline constexpr const char* NoteNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

// Velocity by position within a bar (counted from 1) for a meter of 3, 4 or
// 6 beats; any other meter accents every other beat.
int32_t AccentVelocity(int32_t meter, int32_t position);

struct TMidiNote {
  std::string Note;    // one letter
  uint8_t Accidental;  // 0 natural, 1 sharp; 2 flat only from SpelledNote
  int32_t Octave;      // key div 12: key 60 is C in octave 5
};
TMidiNote MidiKeyToNote(uint8_t key);

// 1 to 12 for a name of the table (exact case), else 0.
int32_t NoteIndex(const std::string& name);
// The key the tone names: index + 12 * octave - 1, a sharp one index up and
// a flat one down (E# is F, B# the C above). A letter the table lacks
// counts as index 0.
int32_t NoteToMidiKey(const std::string& letter, uint8_t accidental, int32_t octave);

// A note spelled at the key it names, as a notation writes it: E# as F and
// B# as the C above; in a notation without flats a flat as the sharp of the
// letter below (Cb and Fb as B and E). The letter keeps its case; a rest
// keeps its letter. An octave beyond the 32-bit range is held at its end.
TMidiNote SpelledNote(const TRingTone& tone, bool flats);

// The same note with its letter seen where it lies, in the tone or in the
// table of names, so that spelling it copies no text: the writers spell
// each distinct tone of a tune.
struct TSpelledNote {
  std::string_view Note;
  uint8_t Accidental;
  int32_t Octave;
};
// Spelled for a note with an accidental: a sharp, or a flat the notation
// lacks, is spelled again from the key it names.
TSpelledNote SpelledAccidental(const TRingTone& tone, bool flats);
// The letters, in either case, whose sharp is a name of the table: the
// next name is it.
inline constexpr auto kLettersWithSharps = [] {
  std::array<bool, 256> letters{};
  for (size_t i = 0; i + 1 < std::size(NoteNames); ++i)
    if (NoteNames[i + 1][1] == '#') {
      letters[static_cast<unsigned char>(NoteNames[i][0])] = true;
      letters[static_cast<unsigned char>(NoteNames[i][0] - 'A' + 'a')] = true;
    }
  return letters;
}();
inline TSpelledNote Spelled(const TRingTone& tone, bool flats) {
  if (tone.Accidental == raNatural || (tone.Accidental == raFlat && flats) ||
      (tone.Accidental == raSharp && tone.Note.size() == 1 &&
       kLettersWithSharps[static_cast<unsigned char>(tone.Note[0])]))
    return {tone.Note, tone.Accidental, tone.Octave};
  return SpelledAccidental(tone, flats);
}

// How many of a track's first distinct tones the writers look at once each.
constexpr size_t kDistinctCached = 256;

// How often each of the first distinct tones of a list comes among its
// first `count` tones (those a writer writes), with the first tone of each:
// one walk over the tones that the choice of octaves and the writer's
// entries then share. Tones past the first kDistinctCached distinct ones are
// only noted as being there.
class TDistinctCounts {
 public:
  explicit TDistinctCounts(const TToneList& tones, int count = INT32_MAX);

  const TToneList& Tones() const { return FTones; }
  int Count() const { return FCount; }
  // The distinct tones counted: the first kDistinctCached of the list.
  size_t Size() const { return FSize; }
  int64_t Times(size_t distinct) const { return FTimes[distinct]; }
  // Only for a distinct tone counted at least once.
  const TRingTone& First(size_t distinct) const { return *FFirsts[distinct]; }
  // Whether any of the first `count` tones is past the counted ones.
  bool Beyond() const { return FBeyond; }

 private:
  const TToneList& FTones;
  int FCount;
  size_t FSize;
  bool FBeyond = false;
  // Only the first FSize are set: a list holds a few dozen.
  std::array<int64_t, kDistinctCached> FTimes;
  // Each counted tone where the list keeps it, looked up once.
  std::array<const TRingTone*, kDistinctCached> FFirsts;
};

// How one notation writes the notes of one tune: each note spelled as
// SpelledNote does, and the whole tune moved by whole octaves so that as many
// of its notes as possible lie within the octaves the notation can state (by
// the smallest such move; none for a tune that already lies within them), so
// a tune whose range fits keeps every interval. A note still outside is
// written at the nearest octave the notation states. Rests move along but
// do not count.
class TWrittenNotes {
 public:
  // The move is chosen over the tones counted: those the notation writes.
  TWrittenNotes(const TDistinctCounts& counts, bool flats, int32_t lowestOctave, int32_t highestOctave);
  // The same over the first `count` tones of the track.
  TWrittenNotes(const TRingTrack& track, bool flats, int32_t lowestOctave, int32_t highestOctave,
                int count = INT32_MAX);

  TSpelledNote operator()(const TRingTone& tone) const {
    TSpelledNote note = Spelled(tone, FFlats);
    note.Octave = static_cast<int32_t>(std::clamp<int64_t>(note.Octave + FShift, FLowest, FHighest));
    return note;
  }
  int64_t OctaveShift() const { return FShift; }

 private:
  bool FFlats;
  int32_t FLowest, FHighest;
  int64_t FShift = 0;
};

// A text that short pieces are appended to through a small buffer of its
// own, so that a piece costs a copy of a few bytes and not a call that
// grows the text; the text holds everything only after Done.
class TGatheredText {
 public:
  // A padded piece is read this many bytes wide from its start.
  static constexpr size_t kWide = 16;

  explicit TGatheredText(std::string& text) : FText(text) {}
  TGatheredText(const TGatheredText&) = delete;
  TGatheredText& operator=(const TGatheredText&) = delete;

  void Append(char c) {
    if (FUsed == kRoom) Done();
    FBuffer[FUsed++] = c;
  }
  void Append(std::string_view piece) {
    if (piece.size() == 1) {
      Append(piece[0]);
      return;
    }
    Done();
    FText.append(piece);
  }
  // A piece of a store that keeps kWide bytes readable from the start of
  // each of its pieces, such as the entries of TDistinctTexts.
  void AppendPadded(std::string_view piece) {
    if (piece.size() > kWide) {
      Done();
      FText.append(piece);
      return;
    }
    if (FUsed > kRoom - kWide) Done();
    std::memcpy(FBuffer + FUsed, piece.data(), kWide);
    FUsed += piece.size();
  }
  // A number in decimal, as AppendInt writes it.
  void AppendInt(int64_t value) {
    if (value >= 0 && value <= 9) {
      Append(static_cast<char>('0' + value));
      return;
    }
    if (FUsed > kRoom - kDigits) Done();
    FUsed = static_cast<size_t>(std::to_chars(FBuffer + FUsed, FBuffer + kRoom, value).ptr - FBuffer);
  }
  // The length of the text with what is gathered.
  size_t Size() const { return FText.size() + FUsed; }
  void Done() {
    FText.append(FBuffer, FUsed);
    FUsed = 0;
  }

 private:
  static constexpr size_t kRoom = 256;
  static constexpr size_t kDigits = 20;  // of any 64-bit number
  std::string& FText;
  char FBuffer[kRoom];
  size_t FUsed = 0;
};

// What a writer writes for each tone, made once for each of the first
// distinct tones of a track by append(gathered, tone) and kept for the tones
// equal to it: a tune repeats a few dozen distinct tones however long it
// is. The entries are kept one after another in one text; what making an
// entry gives back besides (an iMelody note's octave, say) is kept with it.
// Past those tones, an entry is made each time, so the store stays small
// whatever the track holds.
template <class AppendEntry>
class TDistinctTexts {
  using TMade = std::invoke_result_t<AppendEntry&, TGatheredText&, const TRingTone&>;

 public:
  using TValue = std::conditional_t<std::is_void_v<TMade>, std::monostate, TMade>;
  struct TEntry {
    // Padded for TGatheredText::AppendPadded.
    std::string_view Text;
    TValue Value;
  };

  // Makes the entry of every distinct tone counted.
  TDistinctTexts(const TDistinctCounts& counts, AppendEntry append) : FCounts(counts), FAppend(std::move(append)) {
    // Room for entries of a few characters, as most are.
    FEntries.reserve(4 * counts.Size() + TGatheredText::kWide);
    TGatheredText entries(FEntries);
    for (size_t distinct = 0; distinct < counts.Size(); ++distinct) {
      TSpan& span = FSpans[distinct];
      span.Offset = static_cast<uint32_t>(entries.Size());
      span.Value = counts.Times(distinct) > 0 ? Made(entries, counts.First(distinct)) : TValue{};
      span.Length = static_cast<uint32_t>(entries.Size() - span.Offset);
    }
    entries.Done();
    FEntries.append(TGatheredText::kWide, '\0');
  }

  // The entry of the distinct tone of that index, good until the next call.
  TEntry operator()(uint32_t distinct) {
    if (distinct >= FCounts.Size()) {
      FSpare.clear();
      TGatheredText spare(FSpare);
      const TValue value = Made(spare, FCounts.Tones().DistinctTone(distinct));
      spare.Done();
      const size_t length = FSpare.size();
      FSpare.append(TGatheredText::kWide, '\0');
      return {std::string_view(FSpare.data(), length), value};
    }
    const TSpan& span = FSpans[distinct];
    return {std::string_view(FEntries.data() + span.Offset, span.Length), span.Value};
  }

  // The length of the entries of every tone counted but those past the
  // distinct tones kept.
  size_t Length() const {
    size_t length = 0;
    for (size_t distinct = 0; distinct < FCounts.Size(); ++distinct)
      length += static_cast<size_t>(FCounts.Times(distinct)) * FSpans[distinct].Length;
    return length;
  }

 private:
  struct TSpan {
    uint32_t Offset, Length;
    TValue Value;
  };

  TValue Made(TGatheredText& text, const TRingTone& tone) {
    if constexpr (std::is_void_v<TMade>) {
      FAppend(text, tone);
      return TValue{};
    } else {
      return FAppend(text, tone);
    }
  }

  const TDistinctCounts& FCounts;
  AppendEntry FAppend;
  // Only the first FCounts.Size() are set.
  std::array<TSpan, kDistinctCached> FSpans;
  std::string FEntries, FSpare;
};

// A name (or composer) as the text notations write it, so that their readers
// take it back as written and it never opens a comment: on one line, without
// the bytes that end a text or that the readers skip (0 and 14..31), one
// blank for each run of blanks and none in front, "{" as "(", and a blank
// between "(" and "*" and between two "/".
std::string WrittenName(const std::string& name);
// The same, appended to a text.
void AppendWrittenName(std::string& text, std::string_view name);

struct TNoteValue {
  int32_t Duration;
  bool Dotted;
};
// Rounds a length in ticks to a note value by counting thirty-seconds,
// from a thirty-second up to a dotted whole. A zero division raises
// EDivByZero.
TNoteValue TicksToDuration(int32_t division, int32_t ticks);
// Length in ticks of a note value with its dot kind (1 ".", 2 ":", 3 ";").
// A zero note value raises EDivByZero.
int32_t DurationToTicks(int32_t division, int32_t duration, uint8_t dot);
