#include "conversion/uRingUtils.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "runtime/SysUtils.h"
#include "tests/conversion/NoteList.h"

TEST(RingUtils, TicksToDurationAtDivision96) {
  const struct {
    int32_t ticks;
    int32_t duration;
    bool dotted;
  } cases[] = {
      {0, 32, false},   {12, 32, false},  {24, 16, false}, {36, 16, true},  {48, 8, false},
      {72, 8, true},    {96, 4, false},   {120, 4, true},  {144, 4, true},  {192, 2, false},
      {288, 2, true},   {384, 1, false},  {1000, 1, true}, {1200, 1, true},
      // Beyond the table: a longer note is held at a dotted whole, a wrapped
      // negative length at a thirty-second.
      {1212, 1, true},  {1300, 1, true},  {-24, 32, false},
  };
  for (const auto& c : cases) {
    const TNoteValue v = TicksToDuration(96, c.ticks);
    EXPECT_EQ(v.Duration, c.duration) << c.ticks;
    EXPECT_EQ(v.Dotted, c.dotted) << c.ticks;
  }
  EXPECT_THROW(TicksToDuration(0, 96), EDivByZero);
  // Huge lengths stay defined.
  EXPECT_EQ(TicksToDuration(1, INT32_MAX).Duration, 1);
  EXPECT_EQ(TicksToDuration(1, INT32_MIN).Duration, 32);
}

TEST(RingUtils, DurationToTicksAtDivision96) {
  const struct {
    int32_t duration;
    uint8_t dot;
    int32_t ticks;
  } cases[] = {
      {1, 0, 384}, {2, 0, 192}, {4, 0, 96}, {8, 0, 48}, {16, 0, 24}, {32, 0, 12},
      {4, 1, 144}, {4, 2, 128}, {4, 3, 160}, {64, 0, 6}, {4, 7, 96},
  };
  for (const auto& c : cases) EXPECT_EQ(DurationToTicks(96, c.duration, c.dot), c.ticks) << c.duration << "/" << int(c.dot);
  EXPECT_THROW(DurationToTicks(96, 0, 0), EDivByZero);
}

TEST(RingUtils, KeysAndNoteNames) {
  const auto c5 = MidiKeyToNote(60);
  EXPECT_EQ(c5.Note, "C");
  EXPECT_EQ(c5.Accidental, 0);
  EXPECT_EQ(c5.Octave, 5);
  const auto cs5 = MidiKeyToNote(61);
  EXPECT_EQ(cs5.Note, "C");
  EXPECT_EQ(cs5.Accidental, 1);
  EXPECT_EQ(MidiKeyToNote(0).Octave, 0);
  EXPECT_EQ(MidiKeyToNote(127).Note, "G");

  EXPECT_EQ(NoteIndex("C"), 1);
  EXPECT_EQ(NoteIndex("B"), 12);
  EXPECT_EQ(NoteIndex("c"), 0);
  EXPECT_EQ(NoteIndex("Db"), 0);

  EXPECT_EQ(NoteToMidiKey("C", 0, 5), 60);
  EXPECT_EQ(NoteToMidiKey("c", 1, 5), 61);
  EXPECT_EQ(NoteToMidiKey("C", 2, 5), 59);
  EXPECT_EQ(NoteToMidiKey("D", 2, 5), 61);
  // Every key is the pitch the tone names: E# is F, B# the C above.
  EXPECT_EQ(NoteToMidiKey("E", 1, 5), 65);
  EXPECT_EQ(NoteToMidiKey("b", 1, 5), 72);
  EXPECT_EQ(NoteToMidiKey("F", 2, 5), 64);
  EXPECT_EQ(NoteToMidiKey("X", 0, 5), 59);  // a letter the table lacks: index 0
  EXPECT_EQ(NoteToMidiKey("X", 1, 5), 59);
  EXPECT_EQ(NoteToMidiKey("c#", 0, 5), 61);  // a name of the table, in any case
}

// How each notation writes a note: sharps only where it has no flats, E#
// and B# as F and the C above, the octave held to what it can state.
TEST(RingUtils, WrittenNoteKeepsThePitch) {
  const struct {
    const char* letter;
    uint8_t accidental;
    int32_t octave;
    bool flats;
    int32_t lowest, highest;
    const char* written;
  } cases[] = {
      {"B", raFlat, 5, false, 0, 99, "A#5"},   {"B", raFlat, 5, true, 0, 99, "B&5"},
      {"e", raFlat, 5, false, 0, 99, "d#5"},   {"C", raFlat, 5, false, 0, 99, "B4"},
      {"F", raFlat, 5, false, 0, 99, "E5"},    {"E", raSharp, 5, true, 0, 99, "F5"},
      {"b", raSharp, 5, true, 0, 99, "c6"},    {"G", raSharp, 5, false, 0, 99, "G#5"},
      {"P", raNatural, 9, false, 5, 7, "P7"},  {"C", raNatural, 2, false, 5, 7, "C5"},
      {"B", raSharp, 7, false, 5, 7, "C7"},    {"C", raFlat, 0, false, 0, 99, "B0"},
      {"B", raSharp, INT32_MAX, false, INT32_MIN, INT32_MAX, "C2147483647"},
      {"X", raSharp, 5, false, 0, 99, "X#5"},   {"a", raSharp, 5, false, 0, 99, "a#5"},
  };
  for (const auto& c : cases) {
    TRingTrack track;
    AddNotes(track, {{c.letter, 4, c.octave, c.accidental}});
    const TSpelledNote note = TWrittenNotes(track, c.flats, c.lowest, c.highest)(*track.GetTone(0));
    const char* const marks[] = {"", "#", "&"};
    EXPECT_EQ(std::string(note.Note) + marks[note.Accidental] + IntToStr(note.Octave), c.written) << c.letter << c.octave;
  }
}

// A tune that reaches beyond the octaves a notation states moves as a whole,
// by the smallest number of octaves that fits the most notes; only notes
// still outside are held to the nearest octave. Rests move along but do not
// count.
TEST(RingUtils, WrittenNotesMoveTheWholeTune) {
  const struct {
    const char* what;
    std::vector<NoteSpec> notes;
    bool flats;
    int32_t lowest, highest;
    int count;
    const char* written;
  } cases[] = {
      {"fits: unchanged", {{"C", 4, 5}, {"C", 4, 7}}, false, 5, 7, INT32_MAX, "C5 C7"},
      {"one below", {{"C", 4, 4}, {"C", 4, 6}}, false, 5, 7, INT32_MAX, "C5 C7"},
      {"far below", {{"C", 4, 2}, {"D", 4, 3}}, false, 5, 7, INT32_MAX, "C5 D6"},
      {"far above", {{"C", 4, 9}, {"D", 4, 8}}, false, 5, 7, INT32_MAX, "C7 D6"},
      // B-flat E-flat F C-above C: the spelling decides the octave (B# is the C above).
      {"eMelody below its default",
       {{"B", 4, 5, raFlat}, {"E", 4, 5, raFlat}, {"E", 4, 5, raSharp}, {"B", 4, 5, raSharp}, {"C", 4, 5}},
       true, 6, 16, INT32_MAX, "B&6 E&6 F6 C7 C6"},
      {"too wide: the most notes fit",
       {{"C", 4, 2}, {"C", 4, 3}, {"D", 4, 3}, {"E", 4, 3}, {"C", 4, 9}}, false, 5, 7, INT32_MAX,
       "C5 C6 D6 E6 C7"},
      {"rests", {{"P", 4, 1}, {"C", 4, 4}, {"P", 4, 6}}, false, 5, 7, INT32_MAX, "P5 C5 P7"},
      {"only the tones written count", {{"C", 4, 6}, {"C", 4, 6}, {"C", 4, 9}}, false, 5, 7, 2, "C6 C6 C7"},
      {"no minus sign", {{"C", 4, -1}, {"C", 4, 0}}, true, 0, INT32_MAX, INT32_MAX, "C0 C1"},
      {"the ends of the range", {{"C", 4, INT32_MIN}, {"C", 4, INT32_MAX}}, true, 0, INT32_MAX, INT32_MAX,
       "C0 C2147483647"},
  };
  for (const auto& c : cases) {
    TRingTrack track;
    for (const NoteSpec& n : c.notes) AddNotes(track, {n});
    const TWrittenNotes written(track, c.flats, c.lowest, c.highest, c.count);
    std::string text;
    const char* const marks[] = {"", "#", "&"};
    for (const TRingTone* tone : track.Tones) {
      const TSpelledNote note = written(*tone);
      text += (text.empty() ? "" : " ") + std::string(note.Note) + marks[note.Accidental] + IntToStr(note.Octave);
    }
    EXPECT_EQ(text, c.written) << c.what;
  }
}

// A name is written as its reader takes it back, and never opens a comment.
TEST(RingUtils, WrittenNameOpensNoComment) {
  const std::pair<std::string, std::string> cases[] = {
      {"Plain Name", "Plain Name"},
      {"a(*b", "a( *b"},
      {"http://x", "http:/ /x"},
      {"///", "/ / /"},
      {"{x}", "(x}"},
      {"{*", "( *"},
      {std::string("a(\x10*b", 6), "a( *b"},  // a byte the readers skip would join them again
      {std::string("a\x1a\0b", 4), "ab"},      // bytes that end a text
      {"  two\r\nlines  here ", "two lines here "},
      {"(\t*", "(\t*"},  // a tab is read as it stands
      {"", ""},
  };
  for (const auto& [name, written] : cases) {
    EXPECT_EQ(WrittenName(name), written) << name;
    EXPECT_EQ(WrittenName(written), written) << name;
    // After a head the name is written as it is alone: its leading blanks go.
    std::string text = "NAME:";
    AppendWrittenName(text, name);
    EXPECT_EQ(text, "NAME:" + written) << name;
    std::vector<char> room(WrittenNameRoom(name));
    EXPECT_EQ(std::string(room.data(), WriteWrittenName(room.data(), name)), written) << name;
  }
  // A name that grows the most keeps to its room.
  for (const std::string name : {"////", "(*(*(*", "/"}) {
    std::vector<char> room(WrittenNameRoom(name));
    EXPECT_LE(WriteWrittenName(room.data(), name) - room.data(), static_cast<std::ptrdiff_t>(room.size())) << name;
  }
}

TEST(RingUtils, AccentsByMeterAndPosition) {
  const int32_t four[] = {120, 40, 110, 40, 120};
  for (int p = 1; p <= 5; ++p) EXPECT_EQ(AccentVelocity(4, p), four[p - 1]);
  EXPECT_EQ(AccentVelocity(3, 3), 40);
  EXPECT_EQ(AccentVelocity(6, 4), 110);
  EXPECT_EQ(AccentVelocity(2, 2), 40);
  EXPECT_EQ(AccentVelocity(5, 1), 120);
  EXPECT_EQ(AccentVelocity(4, 0), 40);  // positions below 1 wrap round the bar
}

// Every tone gets the entry and the value of its own distinct tone, each of
// the first distinct tones made once however often it comes back, and those
// past the kept ones (a track of many distinct tones) made afresh each time;
// the pieces reach the text in order, also those longer than a piece is read
// and those past the room counted for the walk.
TEST(RingUtils, DistinctTextsGiveEachToneItsOwnEntry) {
  TRingTrack track;
  for (int round = 0; round < 3; ++round)
    for (int32_t i = 0; i < 600; ++i) {
      TRingTone tone;
      tone.Note = "C";
      tone.Duration = 1 + i % 6;
      tone.Octave = i / 6;
      track.Add(tone);
    }
  ASSERT_EQ(track.Tones.DistinctCount(), 600u);
  const TDistinctCounts counts(track.Tones);
  int made = 0;
  // Entries longer than a padded piece are among them.
  const auto entryOf = [](const TRingTone& tone) {
    return IntToStr(tone.Duration) + "/" + std::string(tone.Octave % 20, '-') + IntToStr(tone.Octave);
  };
  const auto make = [&](char* at, const TRingTone& tone) {
    ++made;
    return TMadeEntry<int32_t>{WriteText(at, entryOf(tone)), tone.Octave};
  };
  TDistinctTexts entries(counts, make);
  EXPECT_EQ(made, 256);
  std::string expected = "x";
  size_t counted = 0;
  for (auto at = track.Tones.begin(); at != track.Tones.end(); ++at) {
    const auto entry = entries(at.Distinct());
    ASSERT_EQ(entry.Text, entryOf(**at));
    ASSERT_EQ(entry.Value, (*at)->Octave);
    expected += entry.Text;
    if (at.Distinct() < kDistinctCached) counted += entry.Text.size();
  }
  EXPECT_EQ(entries.Length(), counted);
  // 256 made once each; the other 344 three times.
  EXPECT_EQ(made, 256 + 3 * 344);

  // Room for the counted entries only: the walk makes the rest.
  std::string text(1 + entries.Length() + kPieceWide + 2, 'x');
  char* at = WritePieces(text, text.data() + 1, track.Tones, SIZE_MAX, 2,
                         [&entries](uint32_t distinct) { return entries(distinct).Text; });
  ASSERT_GE(text.data() + text.size() - at, 2);
  text.resize(static_cast<size_t>(at - text.data()));
  EXPECT_EQ(text, expected);

  // Only the tones counted have entries made.
  made = 0;
  const TDistinctCounts firstTen(track.Tones, 10);
  TDistinctTexts tenEntries(firstTen, make);
  EXPECT_EQ(made, 10);
}

// A number is written as AppendInt writes it, within the room it is given.
TEST(RingUtils, WrittenNumbersKeepToTheirRoom) {
  for (const int64_t number : {int64_t{0}, int64_t{9}, int64_t{10}, int64_t{-1}, int64_t{INT32_MIN},
                               int64_t{INT32_MAX}, INT64_MAX, INT64_MIN}) {
    std::vector<char> room(kDigitsRoom);
    std::string expected;
    AppendInt(expected, number);
    EXPECT_EQ(std::string(room.data(), WriteInt(room.data(), number)), expected);
  }
}
