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
  // The length of the letters of the distinct tones counted, together.
  size_t Letters() const { return FLetters; }

 private:
  const TToneList& FTones;
  int FCount;
  size_t FSize;
  bool FBeyond = false;
  size_t FLetters = 0;
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

// The writers write their text straight into a string sized beforehand,
// through a place (a pointer) kept in a local and handed from call to call:
// a place kept in memory would be read back after every character written
// through it. Each call that writes states the room it needs.

// A text of that many characters to write into, filled by the C library:
// a string made of so many fill characters is filled by a string
// instruction whose start costs more than the fill of a short text.
std::string TextRoom(size_t room);

// The room any 64-bit number takes in decimal.
constexpr size_t kDigitsRoom = 20;

// A number in decimal, as AppendInt writes it, at a place with kDigitsRoom
// characters of room; the place after it.
inline char* WriteInt(char* at, int64_t value) {
  if (value >= 0 && value <= 9) {
    *at = static_cast<char>('0' + value);
    return at + 1;
  }
  return std::to_chars(at, at + kDigitsRoom, value).ptr;
}

// The text at the place; the place after it.
inline char* WriteText(char* at, std::string_view text) { return std::copy(text.begin(), text.end(), at); }

// A tone's letter at the place: one character, as nearly every letter is,
// is written without a call that copies.
inline char* WriteLetter(char* at, std::string_view letter) {
  if (letter.size() == 1) {
    *at = letter[0];
    return at + 1;
  }
  return WriteText(at, letter);
}

// The room a writer's entry for one tone takes beyond the tone's letter:
// every writer's entry holds a few marks and at most two numbers.
constexpr size_t kEntryRoom = 2 * kDigitsRoom + 8;

// A piece of TDistinctTexts is read this many bytes wide from its start.
constexpr size_t kPieceWide = 16;

// What making an entry gives back: the place after it and what the writer
// keeps beside it (an iMelody note's octave, say).
template <class TValue>
struct TMadeEntry {
  char* End;
  TValue Value;
};

// What a maker keeps beside an entry: nothing for one that gives back only
// the place.
template <class TMade>
struct TMadeValue {
  using Type = std::monostate;
};
template <class TValue>
struct TMadeValue<TMadeEntry<TValue>> {
  using Type = TValue;
};

// What a writer writes for each tone, made once for each of the first
// distinct tones of a track by make(place, tone) and kept for the tones
// equal to it: a tune repeats a few dozen distinct tones however long it
// is. The maker writes at most kEntryRoom characters beside the tone's
// letter and gives back the place after the entry, or a TMadeEntry with
// what it keeps beside it. The entries are kept one after another, in room
// of the store's own while a tune's few dozen fit (no block of the heap).
// Past those tones, an entry is made each time, so the store stays small
// whatever the track holds.
template <class Make>
class TDistinctTexts {
  using TMade = std::invoke_result_t<Make&, char*, const TRingTone&>;
  static constexpr bool kPlaceOnly = std::is_same_v<TMade, char*>;

 public:
  using TValue = typename TMadeValue<TMade>::Type;
  struct TEntry {
    // Readable kPieceWide bytes wide from its start.
    std::string_view Text;
    TValue Value;
  };

  // Makes the entry of every distinct tone counted.
  TDistinctTexts(const TDistinctCounts& counts, Make make) : FCounts(counts), FMake(std::move(make)) {
    const size_t room = counts.Size() * kEntryRoom + counts.Letters() + kPieceWide;
    if (room > FOwnRoom.size()) {
      FHeld.resize(room);
      FTexts = FHeld.data();
    }
    char* at = FTexts;
    for (size_t distinct = 0; distinct < counts.Size(); ++distinct) {
      TSpan& span = FSpans[distinct];
      span.Offset = static_cast<uint32_t>(at - FTexts);
      if (counts.Times(distinct) > 0) {
        const TMade made = FMake(at, counts.First(distinct));
        at = End(made);
        span.Value = Value(made);
      } else {
        span.Value = TValue{};
      }
      span.Length = static_cast<uint32_t>(at - FTexts) - span.Offset;
    }
    std::fill_n(at, kPieceWide, '\0');
  }
  TDistinctTexts(const TDistinctTexts&) = delete;
  TDistinctTexts& operator=(const TDistinctTexts&) = delete;

  // The entry of the distinct tone of that index, good until the next call.
  TEntry operator()(uint32_t distinct) {
    if (distinct >= FCounts.Size()) [[unlikely]]
      return Spare(distinct);
    const TSpan& span = FSpans[distinct];
    return {std::string_view(FTexts + span.Offset, span.Length), span.Value};
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

  // The entry of a tone past the distinct tones kept, made afresh.
  TEntry Spare(uint32_t distinct) {
    const TRingTone& tone = FCounts.Tones().DistinctTone(distinct);
    FSpare.resize(kEntryRoom + tone.Note.size() + kPieceWide);
    const TMade made = FMake(FSpare.data(), tone);
    char* const end = End(made);
    std::fill_n(end, kPieceWide, '\0');
    return {std::string_view(FSpare.data(), static_cast<size_t>(end - FSpare.data())), Value(made)};
  }

  static char* End(const TMade& made) {
    if constexpr (kPlaceOnly)
      return made;
    else
      return made.End;
  }
  static TValue Value(const TMade& made) {
    if constexpr (kPlaceOnly)
      return {};
    else
      return made.Value;
  }

  const TDistinctCounts& FCounts;
  Make FMake;
  // Only the first FCounts.Size() are set.
  std::array<TSpan, kDistinctCached> FSpans;
  // Room for the entries of a tune of a few dozen distinct tones; a tune of
  // more keeps them in FHeld.
  std::array<char, 4096> FOwnRoom;
  std::string FHeld, FSpare;
  char* FTexts = FOwnRoom.data();
};

// Room in the text for `more` characters from the place on, made when it
// lacks; the place in the text as it is then.
char* MakeTextRoom(std::string& text, char* at, size_t more);

// Writes, for each of the first `count` tones of the list, the piece that
// piece(distinct) gives for its distinct tone (readable kPieceWide bytes
// wide) at the place, each piece one copy kPieceWide bytes wide. The text
// holds the place and has room for the pieces counted, kPieceWide and
// `after` more; it gets more when the walk needs it (tones past the counted
// ones). Gives back the place after the last piece, with `after`
// characters of room beyond it.
template <class Piece>
char* WritePieces(std::string& text, char* at, const TToneList& tones, size_t count, size_t after, Piece&& piece) {
  const char* last = text.data() + text.size() - kPieceWide - after;
  tones.ForEachDistinct(count, [&](uint32_t distinct) {
    const std::string_view made = piece(distinct);
    if (at > last || made.size() > kPieceWide) [[unlikely]] {
      at = MakeTextRoom(text, at, made.size() + kPieceWide + after);
      last = text.data() + text.size() - kPieceWide - after;
      if (made.size() > kPieceWide) {
        at = WriteText(at, made);
        return;
      }
    }
    std::memcpy(at, made.data(), kPieceWide);
    at += made.size();
  });
  return at;
}

// A name (or composer) as the text notations write it, so that their readers
// take it back as written and it never opens a comment: on one line, without
// the bytes that end a text or that the readers skip (0 and 14..31), one
// blank for each run of blanks and none in front, "{" as "(", and a blank
// between "(" and "*" and between two "/".
std::string WrittenName(const std::string& name);
// The same, appended to a text.
void AppendWrittenName(std::string& text, std::string_view name);
// The same, written at a place with WrittenNameRoom characters of room;
// the place after it.
char* WriteWrittenName(char* at, std::string_view name);
// A blank may go before each character of a name, and nothing else grows.
inline size_t WrittenNameRoom(std::string_view name) { return 2 * name.size(); }

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
