#include "conversion/uRingBase.h"

#include <bit>

#include "runtime/SysUtils.h"

namespace {

uint64_t Unsigned(int32_t number) { return static_cast<uint32_t>(number); }

TToneKey KeyOf(const TRingTone& tone) {
  // An empty letter reads as its terminating 0.
  const auto letter = static_cast<uint8_t>(tone.Note.c_str()[0]);
  const uint32_t marks =
      letter | uint32_t{tone.Kind} << 8 | uint32_t{tone.Dot} << 16 | uint32_t{tone.Accidental} << 24;
  return {Unsigned(tone.Duration) | Unsigned(tone.Octave) << 32,
          Unsigned(tone.Volume) | Unsigned(tone.ControlKind) << 32, marks | Unsigned(tone.Value) << 32};
}

// Whether the key tells the tone apart from every other plain one.
bool IsPlain(const TRingTone& tone, const TToneKey& key) { return tone.Note.size() == ((key.Marks & 0xFF) != 0); }

// Every field takes part, so tones that differ anywhere land apart; the
// words are folded at odd turns into two whose products do not wait on each
// other, and the top bits of the sum depend on every bit of them: the slots
// in the list are found by those.
uint64_t KeyHash(const TToneKey& key) {
  const uint64_t notes = key.Lengths ^ std::rotl(key.Levels, 23);
  return notes * 0x9E3779B97F4A7C15ull + key.Marks * 0xC2B2AE3D27D4EB4Full;
}

// Letters past the first count by their length; the table is found by the
// low bits, so the high ones are folded in.
uint64_t ToneHash(const TRingTone& tone) {
  const uint64_t hash = KeyHash(KeyOf(tone)) + tone.Note.size();
  return hash ^ (hash >> 29);
}

constexpr size_t kFirstSlots = 64;

}  // namespace

const TRingTone* TToneList::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return At(static_cast<size_t>(index));
}

void TToneList::Set(int index, const TRingTone& tone) {
  Items(index);
  FOrder.set(static_cast<size_t>(index), Intern(tone));
}

void TToneList::Clear() {
  FOrder.clear();
  FDistinct.clear();
  FKeys.clear();
  FSlots.clear();
}

uint32_t TToneList::Intern(const TRingTone& tone) {
  const TToneKey key = KeyOf(tone);
  if (FSlots.empty() && IsPlain(tone, key)) {
    static_assert(std::has_single_bit(kSmallSlots));
    constexpr int kShift = 64 - std::countr_zero(kSmallSlots);
    if (FKeys.empty()) FSmallSlots.fill(0);
    for (size_t slot = KeyHash(key) >> kShift;; slot = (slot + 1) % kSmallSlots) {
      const uint8_t entry = FSmallSlots[slot];
      if (entry == 0) return KeepUntabled(tone, slot);
      if (FKeys[entry - 1u] == key) return entry - 1u;
    }
  }
  return InternTabled(tone);
}

uint32_t TToneList::KeepUntabled(const TRingTone& tone, size_t slot) {
  const size_t count = FDistinct.size();
  if (count == kUntabled) return InternTabled(tone);
  if (count == 0) FKeys.reserve(kUntabled);
  FKeys.push_back(KeyOf(tone));
  FSmallSlots[slot] = static_cast<uint8_t>(count + 1);
  return Keep(tone);
}

uint32_t TToneList::InternTabled(const TRingTone& tone) {
  // At most half the slots are taken, so a free one is always near.
  if (2 * (FDistinct.size() + 1) > FSlots.size()) Rehash(std::max(kFirstSlots, 2 * FSlots.size()));
  const size_t mask = FSlots.size() - 1;
  for (size_t slot = ToneHash(tone) & mask;; slot = (slot + 1) & mask) {
    const uint32_t entry = FSlots[slot];
    if (entry == 0) {
      FSlots[slot] = Keep(tone) + 1;
      return FSlots[slot] - 1;
    }
    if (FDistinct[entry - 1] == tone) return entry - 1;
  }
}

uint32_t TToneList::Keep(const TRingTone& tone) {
  FDistinct.push_back(tone);
  return static_cast<uint32_t>(FDistinct.size() - 1);
}

void TToneList::Rehash(size_t slots) {
  FSlots.assign(slots, 0);
  const size_t mask = slots - 1;
  for (size_t i = 0; i < FDistinct.size(); ++i) {
    size_t slot = ToneHash(FDistinct[i]) & mask;
    while (FSlots[slot] != 0) slot = (slot + 1) & mask;
    FSlots[slot] = static_cast<uint32_t>(i + 1);
  }
}

void TRingTrack::Assign(const TRingTrack& source) {
  if (&source != this) Tones = source.Tones;
}
