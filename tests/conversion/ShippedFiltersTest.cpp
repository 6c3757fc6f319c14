// The filters shipped in the Filters folder, each rendering a known tune
// into what a user of that phone keys in or sees. The expected texts are
// worked out by hand from how each composer is keyed and shown.
#include <gtest/gtest.h>

#include "MidiBytes.h"
#include "NoteList.h"
#include "PelmoraLibrary.h"
#include "Streams.h"
#include "uRingKeyPressBase.h"

namespace {

const std::string kFilters = CAROLUNE_SOURCE_DIR "/filters/Filters/";

// "Happy Birthday" up to its first long note (RTTTL d=4,o=5: 8g.,16g,a,g,c6,2b),
// then a sixteenth rest, F sharp eighth in octave 7 and D sharp 32nd in octave 6.
const std::initializer_list<NoteSpec> kTune = {{"G", 8, 5, raNatural, rdDotted}, {"G", 16, 5}, {"A", 4, 5},
                                               {"G", 4, 5}, {"C", 4, 6}, {"B", 2, 5}, {"P", 16, 5},
                                               {"F", 8, 7, raSharp}, {"D", 32, 6, raSharp}};

std::string Render(const std::string& filterFile) {
  TKeyPressBase tune;
  AddNotes(tune, kTune);
  tune.FilterConfig->LoadFromFile(kFilters + filterFile);
  return tune.GetText();
}

}  // namespace

TEST(ShippedFilters, NokiaComposerScreen) {
  // Each tone: value, "." when dotted, "#" when sharp, letter, composer
  // octave (tune octave - 4); a rest is the value and "-".
  // 8.g1 16g1 4a1 4g1 4c2 2b1 | 16- | 8#f3 (octave 7) | 32#d2 (octave 6)
  EXPECT_EQ(Render("Nokia3310.mss"), "8.g1 16g1 4a1 4g1 4c2 2b1 16- 8#f3 32#d2");
}

TEST(ShippedFilters, NokiaComposerKeys) {
  // Keys 1-7 = C-B, 0 rest; [n] holds the key (dotted); # sharp; * steps
  // the octave up, cycling 1-2-3 (one down = **); 8 halves, 9 doubles the
  // value of the note before (the composer starts at a quarter, octave 1).
  // G 8. : [5], 4->8 one 8          -> [5]8
  // G 16 : 8->16 one 8              -> 58
  // A 4  : 16->4 two 9              -> 699
  // G 4  : nothing changes          -> 5
  // C6 4 : octave 1->2 *            -> 1*
  // B 2  : octave 2->1 **, 4->2 9   -> 7**9
  // P 16 : 2->16 three 8            -> 0888 (a rest keeps octave 1)
  // F#7 8: #, octave 1->3 **, 16->8 9 -> 4#**9
  // D#6 32: #, octave 3->2 **, 8->32 88 -> 2#**88
  EXPECT_EQ(Render("Nokia3310.kps"), "[5]8 58 699 5 1* 7**9 0888 4#**9 2#**88");
}

TEST(ShippedFilters, EricssonComposerScreen) {
  // Letter case gives the length (C. whole, C half, c. quarter, c eighth and
  // shorter); "+" per octave above 6, nothing below; "#" sharp; p a pause;
  // no separator. Dots are not shown.
  // g g a. g. c. B p +#f #d
  EXPECT_EQ(Render("EricssonT28.mss"), "gga.g.c.Bp+#f#d");
}

TEST(ShippedFilters, EricssonComposerKeys) {
  // * raises the next note an octave, # sharpens it, then the note key 1-7
  // (0 a pause); [n] holds the key for a long note, 8 after it doubles.
  // G 8.: 5 | G 16: 5 | A 4: 68 | G 4: 58 | C6 4: 18 | B 2: [7] | P: 0 |
  // F#7 8: *#4 | D#6 32: #2
  EXPECT_EQ(Render("EricssonT28.kps"), "5 5 68 58 18 [7] 0 *#4 #2");
}

namespace {

// The same tune as a Standard MIDI File (which has no rests), at 96 ticks a
// quarter: each note is a note-on and a note-off after its length.
std::string MidiTune() {
  std::string notes;
  const std::pair<int, std::string> keysAndLengths[] = {
      {67, Bytes({72})}, {67, Bytes({24})}, {69, Bytes({96})},         {67, Bytes({96})},
      {72, Bytes({96})}, {71, Bytes({0x81, 0x40})}, {90, Bytes({48})}, {75, Bytes({12})}};
  for (const auto& [key, length] : keysAndLengths)
    notes += Bytes({0x00, 0x90, key, 0x64}) + length + Bytes({0x80, key, 0x40});
  return Header(0, 1, 96) + Chunk("MTrk", Tempo120() + notes + EndOfTrack());
}

}  // namespace

TEST(ShippedFilters, RenderAMidiTuneThroughTheLibrary) {
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2MAP());
  // As above, without the rest; the Nokia keys after it change: F#7 8 comes
  // after B 2 in octave 1 (octave ** up two, value 88 two shorter).
  const std::pair<const char*, const char*> expected[] = {
      {"Nokia3310.mss", "8.g1 16g1 4a1 4g1 4c2 2b1 8#f3 32#d2"},
      {"Nokia3310.kps", "[5]8 58 699 5 1* 7**9 4#**88 2#**88"},
      {"EricssonT28.mss", "gga.g.c.B+#f#d"},
      {"EricssonT28.kps", "5 5 68 58 18 [7] *#4 #2"},
  };
  for (const auto& [file, text] : expected) {
    const auto byText = lib.Map(MidiTune(), "R04", ReadFileBytes(kFilters + file), "R");
    EXPECT_EQ(byText.Code, 0) << file;
    EXPECT_EQ(byText.Text, text) << file;
    const auto byName = lib.Map(MidiTune(), "R04", kFilters + file, "F");
    EXPECT_EQ(byName.Code, 0) << file;
    EXPECT_EQ(byName.Text, text) << file;
  }
}
