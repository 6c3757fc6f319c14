#include "app/uRingLib.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "conversion/uRingLib.h"
#include "tests/support/MidiBytes.h"
#include "tests/support/PelmoraLibrary.h"

using Carolune::RingToMap;
using Carolune::RingToRing;
using Carolune::TScrambledText;

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A format-0 file of quarter-note Cs (key 60, octave 5) at 120 beats per
// minute, each with its note-off.
std::string QuarterNotes(int count) {
  std::string notes;
  for (int i = 0; i < count; ++i) notes += Bytes({0x00, 0x90, 0x3C, 0x64, 0x60, 0x80, 0x3C, 0x40});
  return Header(0, 1, 96) + Chunk("MTrk", Tempo120() + notes + EndOfTrack());
}

TEST(RingLibBinding, MidiBytesTravelWholeBothWays) {
  // Zero bytes stand in the header of the source and of the result.
  std::string midi;
  ASSERT_EQ(RingToRing(QuarterNotes(1), "R04", "R04", midi), Pelmora::rrSuccess);
  EXPECT_EQ(midi, OneQuarterNoteFile());
}

TEST(RingLibBinding, TextTunesTravelBothWays) {
  std::string midi;
  ASSERT_EQ(RingToRing("Scale:d=4,o=5,b=120:c,8d,p,e", "R00", "R04", midi), Pelmora::rrSuccess);
  std::string rtttl;
  ASSERT_EQ(RingToRing(midi, "R04", "R00", rtttl), Pelmora::rrSuccess);
  // The MIDI written for a tune ends every note after its length, so the
  // notes and the rest between them read back as they were.
  EXPECT_EQ(rtttl, "Ring:d=4,o=6,b=120:C5,8D5,P,E5");
  std::string same;
  ASSERT_EQ(RingToRing("Test:d=4,o=5,b=125:8c#6.,p,h,4b", "R00", "R00", same), Pelmora::rrSuccess);
  EXPECT_EQ(same, "Test:d=4,o=5,b=125:8C#6.,P,H,H");
}

TEST(RingLibBinding, RendersThroughAShippedFilter) {
  const std::string filter = ReadFile(CAROLUNE_SOURCE_DIR "/filters/Filters/Nokia3310.mss");
  ASSERT_FALSE(filter.empty());
  std::string screen;
  ASSERT_EQ(RingToMap(QuarterNotes(2), "R04", filter, "R", "R", screen), Pelmora::rrSuccess);
  EXPECT_EQ(screen, "4c1 4c1");
}

TEST(RingLibBinding, AFailureLeavesTheOutputAsItCameIn) {
  const std::string filter = ReadFile(CAROLUNE_SOURCE_DIR "/filters/Filters/Nokia3310.mss");
  const std::string midi = QuarterNotes(1);
  struct Case {
    const char* What;
    int32_t Expected;
    std::function<int32_t(std::string&)> Call;
  };
  const Case cases[] = {
      {"unknown source format", Pelmora::rrUnknownFormat,
       [&](std::string& out) { return RingToRing(midi, "R99", "R04", out); }},
      {"unknown target format", Pelmora::rrUnknownFormat,
       [&](std::string& out) { return RingToRing(midi, "R04", "R05", out); }},
      {"unknown mode letter", Pelmora::rrUnknownMode,
       [&](std::string& out) { return RingToRing(midi, "X04", "R04", out); }},
      {"map, unknown source format", Pelmora::rrUnknownFormat,
       [&](std::string& out) { return RingToMap(midi, "R99", filter, "R", "R", out); }},
      {"map, unknown filter mode", Pelmora::rrUnknownMode,
       [&](std::string& out) { return RingToMap(midi, "R04", filter, "X", "R", out); }},
      {"map, filter text that does not load", Pelmora::rrTextLoadFailed,
       [&](std::string& out) { return RingToMap(midi, "R04", "MapperOrder_1=x\r\n", "R", "R", out); }},
  };
  for (const Case& c : cases) {
    std::string output = "as it came";
    EXPECT_EQ(c.Call(output), c.Expected) << c.What;
    EXPECT_EQ(output, "as it came") << c.What;
  }
}

// A source larger than the buffers the library was first called with, and
// a result larger than the first output buffer: both cross whole.
TEST(RingLibBinding, ASourceOverHalfAMegabyteConvertsWhole) {
  const std::string source = QuarterNotes(150000);
  ASSERT_GT(source.size(), 1000000u);
  std::string midi;
  ASSERT_EQ(RingToRing(source, "R04", "R04", midi), Pelmora::rrSuccess);
  EXPECT_GT(midi.size(), 409600u);
  const PelmoraLibrary library;
  const PelmoraLibrary::Result direct = library.Convert(source, "R04", "R04", 4 << 20);
  ASSERT_EQ(direct.Code, Pelmora::rrSuccess);
  EXPECT_EQ(midi, direct.Text);
}

// Sources whose text through a filter that writes ten letters for each C
// is far beyond the room the first call is given (four bytes per byte of a
// text source, one per byte of MIDI), so the call is repeated with more
// room until the whole text fits.
TEST(RingLibBinding, AResultManyTimesItsSourceComesBackWhole) {
  std::string filter = ReadFile(CAROLUNE_SOURCE_DIR "/filters/Filters/Nokia3310.mss");
  const std::string note = "NoteMapper_C=c\r\n";
  ASSERT_NE(filter.find(note), std::string::npos);
  filter.replace(filter.find(note), note.size(), "NoteMapper_C=cccccccccc\r\n");
  const struct {
    const char* Format;
    std::string Source;
    size_t AtLeast;
  } cases[] = {
      {"R02", "BEGIN:EMELODY\r\nVERSION:1.0\r\nMELODY:" + std::string(100000, 'c') + "\r\nEND:EMELODY\r\n",
       10 * 100000u},
      {"R04", QuarterNotes(60000), 10 * 60000u},
  };
  const PelmoraLibrary library;
  for (const auto& c : cases) {
    std::string screen;
    ASSERT_EQ(RingToMap(c.Source, c.Format, filter, "R", "R", screen), Pelmora::rrSuccess) << c.Format;
    EXPECT_GT(screen.size(), c.AtLeast) << c.Format;
    EXPECT_GT(screen.size(), std::max<size_t>(409600, c.Source.size())) << c.Format;
    const PelmoraLibrary::Result direct = library.Map(c.Source, c.Format, filter, "R", 16 << 20);
    ASSERT_EQ(direct.Code, Pelmora::rrSuccess) << c.Format;
    EXPECT_EQ(screen, direct.Text) << c.Format;
  }
}

// A source scrambled once serves any number of calls, each as if the text
// itself were passed.
TEST(RingLibBinding, AScrambledSourceServesEveryCall) {
  const std::string filter = ReadFile(CAROLUNE_SOURCE_DIR "/filters/Filters/Nokia3310.mss");
  const std::string midi = QuarterNotes(3);
  const TScrambledText scrambled(midi);
  for (const char* target : {"R00", "R01", "R02", "R03", "R04"}) {
    std::string once, plain;
    ASSERT_EQ(RingToRing(scrambled, "R04", target, once), Pelmora::rrSuccess) << target;
    ASSERT_EQ(RingToRing(midi, "R04", target, plain), Pelmora::rrSuccess) << target;
    EXPECT_EQ(once, plain) << target;
    EXPECT_FALSE(once.empty()) << target;
  }
  std::string once, plain;
  ASSERT_EQ(RingToMap(scrambled, "R04", filter, "R", "R", once), Pelmora::rrSuccess);
  ASSERT_EQ(RingToMap(midi, "R04", filter, "R", "R", plain), Pelmora::rrSuccess);
  EXPECT_EQ(once, "4c1 4c1 4c1");
  EXPECT_EQ(once, plain);
  std::string empty = "as it came";
  EXPECT_EQ(RingToRing(TScrambledText(), "R04", "R00", empty), Pelmora::rrSuccess);
  std::string fromNothing = "as it came";
  EXPECT_EQ(RingToRing(std::string(), "R04", "R00", fromNothing), Pelmora::rrSuccess);
  EXPECT_EQ(empty, fromNothing);
}

}  // namespace
