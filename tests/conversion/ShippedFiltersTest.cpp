// The filters shipped in the Filters folder. Each has a golden table of small
// tunes: tunes that differ in one thing the phone can tell apart (pitch,
// sharp, octave up or down within its range, note value, also after a jump by
// a factor of four or more, dot) render differently, and every text is what
// that phone's composer shows. A second table holds what the phone cannot
// express and what it shows instead.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "conversion/uFilterCtrl.h"
#include "conversion/uRingLib.h"
#include "runtime/Streams.h"
#include "tests/conversion/FilterRender.h"
#include "tests/support/MidiBytes.h"
#include "tests/support/PelmoraLibrary.h"
#include "tests/support/ShippedFilters.h"

namespace {

const std::string kFilters = CAROLUNE_SOURCE_DIR "/filters/Filters/";

struct TGolden {
  std::vector<NoteSpec> tune;
  const char* text;
};

struct TGoldenTables {
  std::vector<TGolden> distinct;  // every text differs from every other
  std::vector<TGolden> nearest;   // beyond the phone: the nearest it shows
};

// The Nokia 3310 Composer's screen writes each note as value (1, 2, 4, 8, 16,
// 32), "." when dotted, "#" when sharp, letter and octave 1 to 3 (RTTTL
// octaves 5 to 7); a rest as its value, the dot and "-". Entries are
// separated by a blank. The composer has no flats, no E or B sharp, no 64ths.
const TGoldenTables kNokia3310Screen = {
    {
        {{{"C", 4, 5}}, "4c1"},
        {{{"D", 4, 5}}, "4d1"},
        {{{"E", 4, 5}}, "4e1"},
        {{{"F", 4, 5}}, "4f1"},
        {{{"G", 4, 5}}, "4g1"},
        {{{"A", 4, 5}}, "4a1"},
        {{{"B", 4, 5}}, "4b1"},
        {{{"C", 4, 5, raSharp}}, "4#c1"},
        {{{"A", 4, 5, raSharp}}, "4#a1"},
        {{{"C", 4, 6}}, "4c2"},
        {{{"C", 4, 7}}, "4c3"},
        {{{"C", 1, 5}}, "1c1"},
        {{{"C", 2, 5}}, "2c1"},
        {{{"C", 8, 5}}, "8c1"},
        {{{"C", 16, 5}}, "16c1"},
        {{{"C", 32, 5}}, "32c1"},
        {{{"C", 4, 5, raNatural, rdDotted}}, "4.c1"},
        {{{"F", 8, 6, raSharp, rdDotted}}, "8.#f2"},
        {{{"P", 4, 5}}, "4-"},
        {{{"P", 8, 5, raNatural, rdDotted}}, "8.-"},
        // Jumps of the note value by a factor of four or more, both ways.
        {{{"C", 4, 5}, {"C", 8, 5}}, "4c1 8c1"},
        {{{"C", 4, 5}, {"C", 16, 5}}, "4c1 16c1"},
        {{{"C", 4, 5}, {"C", 32, 5}}, "4c1 32c1"},
        {{{"C", 1, 5}, {"C", 4, 5}}, "1c1 4c1"},
        {{{"C", 2, 5}, {"C", 4, 5}}, "2c1 4c1"},
        {{{"C", 32, 5}, {"C", 2, 5}}, "32c1 2c1"},
        // Octaves up and down across the range.
        {{{"C", 4, 5}, {"C", 4, 7}}, "4c1 4c3"},
        {{{"C", 4, 7}, {"C", 4, 6}}, "4c3 4c2"},
        {{{"C", 4, 7}, {"C", 4, 5}}, "4c3 4c1"},
        // Dots and sharps of neighbours.
        {{{"C", 4, 5, raNatural, rdDotted}, {"C", 4, 5, raNatural, rdDotted}}, "4.c1 4.c1"},
        {{{"C", 4, 5, raNatural, rdDotted}, {"C", 4, 5}}, "4.c1 4c1"},
        {{{"C", 4, 5, raSharp}, {"C", 4, 5}}, "4#c1 4c1"},
        // A rest between two notes of octave 2.
        {{{"C", 4, 6}, {"P", 4, 6}, {"C", 4, 6}}, "4c2 4- 4c2"},
    },
    {
        {{{"D", 4, 5, raFlat}}, "4#c1"},       // D flat is C sharp
        {{{"B", 4, 5, raFlat}}, "4#a1"},       // B flat is A sharp
        {{{"E", 4, 5, raSharp}}, "4f1"},       // E sharp is F
        {{{"B", 4, 6, raSharp}}, "4c3"},       // B sharp is the C above
        {{{"C", 4, 4}}, "4c1"},                // below the range: octave 1
        {{{"C", 4, 8}}, "4c4"},                // above it: the phone cannot play it
        {{{"C", 64, 5}}, "32c1"},              // no 64ths
        {{{"C", 4, 5, raNatural, rdDoubleDotted}}, "4.c1"},
        {{{"C", 4, 4000}, {"C", 1, -4000}}, "4c3996 1c1"},  // far octaves stay short
    },
};

const std::map<std::string, const TGoldenTables*> kGoldenTables = {{"Nokia3310.mss", &kNokia3310Screen}};

std::string Render(const std::string& filterFile, const std::vector<NoteSpec>& tune) {
  return RenderThroughFilter(ReadFileBytes(kFilters + filterFile), tune);
}

}  // namespace

TEST(ShippedFilters, EveryShippedFilterHasGoldenTables) {
  const auto files = ShippedFilterFiles();
  EXPECT_FALSE(files.empty());
  for (const auto& file : files) EXPECT_EQ(kGoldenTables.count(file.filename()), 1u) << file;
}

TEST(ShippedFilters, WhatThePhoneTellsApartRendersApartAndAsThePhoneShowsIt) {
  for (const auto& [file, tables] : kGoldenTables) {
    std::set<std::string> seen;
    for (const TGolden& golden : tables->distinct) {
      const std::string text = Render(file, golden.tune);
      EXPECT_EQ(text, golden.text) << file;
      EXPECT_TRUE(seen.insert(text).second) << file << ": " << text << " twice";
    }
    for (const TGolden& golden : tables->nearest) EXPECT_EQ(Render(file, golden.tune), golden.text) << file;
  }
}

TEST(ShippedFilters, FarOctavesAndExtremeValuesRenderWithinTheLimits) {
  PelmoraLibrary lib;
  std::string tune = "Far:d=4,o=5,b=100:";
  for (int i = 0; i < 500; ++i) tune += i % 2 ? "c4000," : "1c#4000,";
  tune += "64p,32c4";
  for (const auto& file : ShippedFilterFiles()) {
    const auto r = lib.Map(tune, "R00", ReadFileBytes(file));
    EXPECT_EQ(r.Code, Pelmora::rrSuccess) << file;
    EXPECT_LE(r.Text.size(), 501 * Pelmora::TRingtoneFilterConfig::MaxNoteText) << file;
  }
}

namespace {

// "Happy Birthday" (RTTTL d=4,o=5: 8g.,16g,8a,g,c6,2b), then F sharp quarter
// in octave 7 and D sharp eighth in octave 6, as a Standard MIDI File at 96
// ticks a quarter: each note is a note-on and a note-off after its length.
std::string MidiTune() {
  std::string notes;
  const std::pair<int, std::string> keysAndLengths[] = {
      {67, Bytes({72})}, {67, Bytes({24})}, {69, Bytes({48})},         {67, Bytes({96})},
      {72, Bytes({96})}, {71, Bytes({0x81, 0x40})}, {90, Bytes({96})}, {75, Bytes({48})}};
  for (const auto& [key, length] : keysAndLengths)
    notes += Bytes({0x00, 0x90, key, 0x64}) + length + Bytes({0x80, key, 0x40});
  return Header(0, 1, 96) + Chunk("MTrk", Tempo120() + notes + EndOfTrack());
}

}  // namespace

TEST(ShippedFilters, RenderAMidiTuneThroughTheLibrary) {
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2MAP());
  const std::pair<const char*, const char*> expected[] = {
      {"Nokia3310.mss", "8.g1 16g1 8a1 4g1 4c2 2b1 4#f3 8#d2"},
  };
  for (const auto& [file, text] : expected) {
    const auto byText = lib.Map(MidiTune(), "R04", ReadFileBytes(kFilters + file), "R");
    EXPECT_EQ(byText.Code, Pelmora::rrSuccess) << file;
    EXPECT_EQ(byText.Text, text) << file;
    const auto byName = lib.Map(MidiTune(), "R04", kFilters + file, "F");
    EXPECT_EQ(byName.Code, Pelmora::rrSuccess) << file;
    EXPECT_EQ(byName.Text, text) << file;
  }
}
