// Tones and the track that holds them: the one in-memory form every notation
// is converted through.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "runtime/ChunkedList.h"
#include "runtime/IndexList.h"

// Kind of a tone.
constexpr uint8_t rkNote = 0;     // a note or a rest
constexpr uint8_t rkControl = 1;  // a control event

// Dot of a note.
constexpr uint8_t rdNone = 0;
constexpr uint8_t rdDotted = 1;        // "."
constexpr uint8_t rdDoubleDotted = 2;  // iMelody ":"
constexpr uint8_t rdTriplet = 3;       // iMelody ";"

// Accidental of a note.
constexpr uint8_t raNatural = 0;
constexpr uint8_t raSharp = 1;
constexpr uint8_t raFlat = 2;

// ControlKind of a control event, with what its Value holds.
constexpr int32_t ckLed = 16;        // 1 on, 0 off
constexpr int32_t ckVibration = 17;  // 1 on, 0 off
constexpr int32_t ckBacklight = 18;  // 1 on, 0 off
constexpr int32_t ckVolume = 19;     // volume level
constexpr int32_t ckTempo = 21;      // beats per minute
constexpr int32_t ckStyle = 22;      // character code of "N", "C" or "S"
constexpr int32_t ckOctave = 23;     // octave
constexpr int32_t ckDuration = 24;   // note value

// One note, rest or control event. A new tone is a note with every number 0
// and an empty letter. Note is one letter, "P" for a rest; compare it upper-
// cased, since one reader keeps rests as "p". The numbers stand together,
// then the small fields, so that a tone is read in a few words.
struct TRingTone {
  int32_t Duration = 0;
  int32_t Octave = 0;
  int32_t Volume = 0;
  int32_t ControlKind = 0;
  int32_t Value = 0;
  uint8_t Kind = rkNote;
  uint8_t Dot = rdNone;
  uint8_t Accidental = raNatural;
  std::string Note;

  void Assign(const TRingTone& source) { *this = source; }
  // Writes duration, octave, volume and control kind with one store: the
  // tone store reads them back two at a time straight after a reader makes
  // the tone, and numbers written one by one keep those reads waiting.
  void SetNumbers(int32_t duration, int32_t octave, int32_t volume, int32_t controlKind);
  bool IsRest() const { return Note.size() == 1 && (Note[0] == 'P' || Note[0] == 'p'); }
  // The numbers first: tones that differ mostly differ there. The letter is
  // compared here, not through the C library: it is a character or two.
  bool operator==(const TRingTone& other) const {
    return Kind == other.Kind && Duration == other.Duration && Octave == other.Octave && Dot == other.Dot &&
           Volume == other.Volume && Accidental == other.Accidental && ControlKind == other.ControlKind &&
           Value == other.Value && Note.size() == other.Note.size() &&
           std::equal(Note.begin(), Note.end(), other.Note.begin(), [](char a, char b) { return a == b; });
  }
};

inline void TRingTone::SetNumbers(int32_t duration, int32_t octave, int32_t volume, int32_t controlKind) {
  static_assert(offsetof(TRingTone, Duration) == 0 && offsetof(TRingTone, Octave) == 4 &&
                offsetof(TRingTone, Volume) == 8 && offsetof(TRingTone, ControlKind) == 12);
  using TNumbers = int32_t __attribute__((vector_size(16)));
  const TNumbers numbers{duration, octave, volume, controlKind};
  std::memcpy(&Duration, &numbers, sizeof numbers);
}

// A tone's fields, the small ones and the first byte of its letter (0 when
// it has none) packed in three words: two tones whose letters are plain
// (none, or one byte other than 0) are equal when their keys are. Each
// field is read on its own, as the reader just wrote it: a wide read of
// fields written one by one waits until every write has landed.
struct TToneKey {
  uint64_t Lengths;  // duration, then octave above it
  uint64_t Levels;   // volume, then control kind above it
  uint64_t Marks;    // letter, kind, dot and accidental, a byte each, then value
  bool operator==(const TToneKey& other) const = default;
};

// The tones of a track in playing order. A tune repeats a few dozen
// distinct tones however long it is, so each distinct tone is kept once and
// the order holds an index per tone, a byte wide while there are at most
// 256 distinct tones: a track of millions of tones costs little more than
// their count in bytes. A tone is read through a pointer
// that stays valid until the list is cleared, and changed through Set.
class TToneList {
 public:
  class TIterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = const TRingTone*;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = const TRingTone*;

    TIterator() = default;
    TIterator(const TToneList* list, size_t index) : FList(list), FIndex(index) {}
    const TRingTone* operator*() const { return FList->At(FIndex); }
    TIterator& operator++() {
      ++FIndex;
      return *this;
    }
    TIterator operator++(int) {
      TIterator before = *this;
      ++FIndex;
      return before;
    }
    bool operator==(const TIterator& other) const { return FIndex == other.FIndex; }
    // Which of the list's distinct tones the tone here is (below DistinctCount).
    uint32_t Distinct() const { return FList->FOrder[FIndex]; }

   private:
    const TToneList* FList = nullptr;
    size_t FIndex = 0;
  };

  int Count() const { return static_cast<int>(FOrder.size()); }
  bool Empty() const { return FOrder.empty(); }
  // How many distinct tones the list holds (equal tones count once).
  size_t DistinctCount() const { return FDistinct.size(); }
  // The distinct tone of that index (below DistinctCount).
  const TRingTone& DistinctTone(size_t distinct) const { return FDistinct[distinct]; }
  // Calls visit with the distinct index of each of the first `count` tones
  // (all, when fewer) in order: the quick walk for a writer.
  template <class Visit>
  void ForEachDistinct(size_t count, Visit&& visit) const {
    FOrder.ForEach(count, visit);
  }
  // Index outside the list: EListError.
  const TRingTone* Items(int index) const;
  // Returns the tone's distinct index, which AddAgain takes to add an
  // equal tone without looking it up.
  uint32_t Add(const TRingTone& tone) {
    const uint32_t distinct = Intern(tone);
    FOrder.push_back(distinct);
    return distinct;
  }
  // Adds again the distinct tone of that index (one Add returned).
  void AddAgain(uint32_t distinct) { FOrder.push_back(distinct); }
  void Set(int index, const TRingTone& tone);
  void Clear();

  TIterator begin() const { return {this, 0}; }
  TIterator end() const { return {this, FOrder.size()}; }

 private:
  // Up to this many distinct tones (a real tune's share) are found through
  // slots held in the list itself, without a table of its own; their keys
  // take a block small enough for the allocator's quickest path.
  static constexpr size_t kUntabled = 40;
  static constexpr size_t kSmallSlots = std::bit_ceil(2 * kUntabled);

  const TRingTone* At(size_t index) const { return &FDistinct[FOrder[index]]; }
  // The index of the distinct tone equal to this one, kept first if new.
  uint32_t Intern(const TRingTone& tone);
  // A new tone for the slots in the list, or for the table once they are
  // all taken. Its key is made again here: a key handed over by address
  // would be written out and read back on every lookup.
  uint32_t KeepUntabled(const TRingTone& tone, size_t slot);
  uint32_t InternTabled(const TRingTone& tone);
  uint32_t Keep(const TRingTone& tone);
  void Rehash(size_t slots);

  TIndexList FOrder;
  TChunkedList<TRingTone, TFirstChunk::Full> FDistinct;
  // While there is no table, every distinct tone has a plain letter: open
  // addressing over them by the top bits of their keys' hashes (0 a free
  // slot, n the distinct tone n - 1), and the key of each, held apart so
  // that moving the list moves no keys.
  // The slots are zeroed when the first key is kept, not when the list is
  // made: most of the lists a call makes never hold a tone.
  std::array<uint8_t, kSmallSlots> FSmallSlots;
  std::vector<TToneKey> FKeys;
  // Open addressing over FDistinct: 0 is a free slot, n the distinct tone n - 1.
  std::vector<uint32_t> FSlots;
};

// The tones of a tune in playing order.
class TRingTrack {
 public:
  // Every member starts from its own initializer: a track that
  // make_unique makes is then not zeroed whole first.
  TRingTrack() {}  // NOLINT: not = default, which would clear every field

  TToneList Tones;

  void Add(const TRingTone& tone) { Tones.Add(tone); }
  // Takes the tone and frees it: the track keeps its value.
  void Add(std::unique_ptr<TRingTone> tone) { Tones.Add(*tone); }
  void Clear() { Tones.Clear(); }
  int Count() const { return Tones.Count(); }
  // Index outside the track: EListError.
  const TRingTone* GetTone(int index) const { return Tones.Items(index); }
  void SetTone(int index, const TRingTone& tone) { Tones.Set(index, tone); }
  // Replaces this track's tones by copies of the source's.
  void Assign(const TRingTrack& source);
};
