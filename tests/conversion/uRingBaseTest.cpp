#include "conversion/uRingBase.h"

#include <gtest/gtest.h>

#include <vector>

#include "runtime/SysUtils.h"
#include "tests/support/HeapBytes.h"

namespace {

TRingTone Note(const std::string& letter, int32_t duration, int32_t octave) {
  TRingTone tone;
  tone.Note = letter;
  tone.Duration = duration;
  tone.Octave = octave;
  return tone;
}

std::vector<std::string> Letters(const TRingTrack& track) {
  std::vector<std::string> letters;
  for (const TRingTone* tone : track.Tones) letters.push_back(tone->Note + IntToStr(tone->Octave));
  return letters;
}

}  // namespace

// Equal tones share what the track keeps of them, yet each position is a
// tone of its own: changing one leaves the others as they were.
TEST(RingTrack, EqualTonesStayTonesOfTheirOwn) {
  TRingTrack track;
  for (int i = 0; i < 3; ++i) track.Add(Note("C", 4, 5));
  track.Add(Note("C", 4, 6));
  TRingTone control;
  control.Kind = rkControl;
  control.ControlKind = ckTempo;
  control.Value = 120;
  track.Add(control);
  ASSERT_EQ(track.Count(), 5);
  EXPECT_EQ(*track.GetTone(4), control);
  EXPECT_EQ(Letters(track), (std::vector<std::string>{"C5", "C5", "C5", "C6", "0"}));

  track.SetTone(1, Note("D", 4, 5));
  EXPECT_EQ(Letters(track), (std::vector<std::string>{"C5", "D5", "C5", "C6", "0"}));
  EXPECT_THROW(track.SetTone(5, control), EListError);
  EXPECT_THROW(track.GetTone(-1), EListError);
  track.Clear();
  EXPECT_EQ(track.Count(), 0);
  EXPECT_TRUE(Letters(track).empty());
}

// An equal tone is found again however many distinct tones came between,
// below and beyond the few a real tune has, and every copy of the list
// finds them so too.
TEST(RingTrack, EqualTonesShareOneToneAtEveryCount) {
  for (const int distinct : {1, 15, 16, 17, 40, 41, 100}) {
    TRingTrack track;
    for (int round = 0; round < 2; ++round)
      for (int i = 0; i < distinct; ++i) track.Add(Note("C", 4, i));
    TRingTrack copy;
    copy.Assign(track);
    copy.Add(Note("C", 4, distinct - 1));
    for (int i = 0; i < distinct; ++i) {
      ASSERT_EQ(track.GetTone(distinct + i), track.GetTone(i)) << distinct << " " << i;
      ASSERT_EQ(copy.GetTone(distinct + i), copy.GetTone(i)) << distinct << " " << i;
    }
    EXPECT_EQ(copy.GetTone(2 * distinct), copy.GetTone(distinct - 1)) << distinct;
  }
}

// Tones whose numbers are equal are told apart by their letters alone,
// whether a letter is none, one byte (0 among them) or several, and in any
// order of first coming: a tone of a long letter coming between equal tones
// of short ones does not part them.
// Past the slots in the list and past a byte-wide order, a tone added again
// by the index Add gave is that tone, and an equal tone added finds it.
TEST(RingTrack, TonesAddedAgainByTheirIndexAreTheTonesAdded) {
  for (const int distinct : {1, 40, 41, 300}) {
    TToneList tones;
    std::vector<uint32_t> indexes;
    for (int i = 0; i < distinct; ++i) indexes.push_back(tones.Add(Note("C", 4, i)));
    for (int i = distinct - 1; i >= 0; --i) tones.AddAgain(indexes[static_cast<size_t>(i)]);
    for (int i = 0; i < distinct; ++i) {
      ASSERT_EQ(tones.Items(2 * distinct - 1 - i), tones.Items(i)) << distinct << " " << i;
      ASSERT_EQ(tones.Add(Note("C", 4, i)), indexes[static_cast<size_t>(i)]) << distinct << " " << i;
    }
    EXPECT_EQ(tones.DistinctCount(), static_cast<size_t>(distinct));
  }
}

TEST(RingTrack, LettersTellTonesApart) {
  const std::vector<std::string> letters = {"", std::string(1, '\0'), "C", "c", "CC", "C#", std::string("C\0", 2), "P"};
  for (size_t first = 0; first < letters.size(); ++first) {
    TRingTrack track;
    for (int round = 0; round < 2; ++round)
      for (size_t i = 0; i < letters.size(); ++i) track.Add(Note(letters[(first + i) % letters.size()], 4, 5));
    const int count = static_cast<int>(letters.size());
    for (int i = 0; i < count; ++i) {
      ASSERT_EQ(track.GetTone(i)->Note, letters[(first + i) % letters.size()]) << first << " " << i;
      ASSERT_EQ(track.GetTone(count + i), track.GetTone(i)) << first << " " << i;
      for (int j = 0; j < i; ++j) ASSERT_NE(track.GetTone(j), track.GetTone(i)) << first << " " << i << " " << j;
    }
  }
}

// The kind, dot and accidental each part tones whose numbers and letters
// are equal, and each is found again by them.
TEST(RingTrack, MarksTellTonesApart) {
  const TRingTone plain = Note("C", 4, 5);
  const auto marked = [&plain](uint8_t TRingTone::*mark, uint8_t value) {
    TRingTone tone = plain;
    tone.*mark = value;
    return tone;
  };
  const std::vector<TRingTone> tones = {plain,
                                        marked(&TRingTone::Kind, rkControl),
                                        marked(&TRingTone::Dot, rdDotted),
                                        marked(&TRingTone::Dot, rdDoubleDotted),
                                        marked(&TRingTone::Dot, rdTriplet),
                                        marked(&TRingTone::Accidental, raSharp),
                                        marked(&TRingTone::Accidental, raFlat)};
  TToneList list;
  for (uint32_t i = 0; i < tones.size(); ++i) ASSERT_EQ(list.Add(tones[i]), i);
  for (uint32_t i = 0; i < tones.size(); ++i) EXPECT_EQ(list.Add(tones[i]), i);
  EXPECT_EQ(list.DistinctCount(), tones.size());
}

// A cleared list holds nothing of its old tones: each tone added again
// after it is new, even where an old tone's slot was.
TEST(RingTrack, AClearedListFindsOnlyTheTonesAddedSince) {
  const std::vector<TRingTone> tones = {Note("A", 4, 5), Note("B", 4, 5), Note("C", 4, 5)};
  TToneList list;
  for (const TRingTone& tone : tones) list.Add(tone);
  list.Clear();
  for (uint32_t i = 0; i < tones.size(); ++i) EXPECT_EQ(list.Add(tones[tones.size() - 1 - i]), i);
  EXPECT_EQ(list.DistinctCount(), tones.size());
  EXPECT_EQ(list.Items(0)->Note, "C");
}

// Tones that differ in any one field stay apart, however many there are,
// and a tone read earlier stays where it is while the track grows.
TEST(RingTrack, ManyDistinctTonesKeepTheirOrderAndPlace) {
  TRingTrack track;
  track.Add(Note("A", 8, 4));
  const TRingTone* first = track.GetTone(0);
  constexpr int kCount = 20000;
  for (int i = 1; i < kCount; ++i) {
    TRingTone tone = Note("A", 8, 4);
    switch (i % 5) {
      case 0: tone.Duration = i; break;
      case 1: tone.Octave = i; break;
      case 2: tone.Volume = i; break;
      case 3: tone.ControlKind = i; break;
      default: tone.Value = i; break;
    }
    track.Add(tone);
  }
  ASSERT_EQ(track.Count(), kCount);
  EXPECT_EQ(track.GetTone(0), first);
  EXPECT_EQ(*first, Note("A", 8, 4));
  for (int i = 1; i < kCount; ++i) {
    const TRingTone& tone = *track.GetTone(i);
    const int32_t fields[] = {tone.Duration, tone.Octave, tone.Volume, tone.ControlKind, tone.Value};
    ASSERT_EQ(fields[i % 5], i) << i;
  }
}

// A long tune repeats a few dozen tones: its track costs about a byte a
// tone, a copy of it as much again.
TEST(RingTrack, ALongTuneCostsAboutAByteATone) {
  constexpr int kCount = 1 << 20;
  const size_t before = AllocatedBytes();
  TRingTrack track;
  for (int i = 0; i < kCount; ++i) track.Add(Note(std::string(1, "CDEFGAB"[i % 7]), 1 << (i % 6), 4 + i % 3));
  TRingTrack copy;
  copy.Assign(track);
  const double perTone = (static_cast<double>(AllocatedBytes()) - static_cast<double>(before)) / (2.0 * kCount);
  EXPECT_LT(perTone, 1.1);
  EXPECT_EQ(*copy.GetTone(kCount - 1), *track.GetTone(kCount - 1));
}
