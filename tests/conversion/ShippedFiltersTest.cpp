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

// The opening of "Happy Birthday" (RTTTL d=4,o=5: 8g.,16g,8a,g,c6,2b), then a
// quarter rest, F sharp quarter in octave 7 and D sharp eighth in octave 6.
// Neighbouring note values differ by at most a factor of two: the filters
// count a change of value in steps of a factor of four, which is one press of
// the phone's shorter or longer key only when the value halves or doubles.
const std::initializer_list<NoteSpec> kTune = {{"G", 8, 5, raNatural, rdDotted}, {"G", 16, 5}, {"A", 8, 5},
                                               {"G", 4, 5}, {"C", 4, 6}, {"B", 2, 5}, {"P", 4, 5},
                                               {"F", 4, 7, raSharp}, {"D", 8, 6, raSharp}};

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
  // 8.g1 16g1 8a1 4g1 4c2 2b1 | 4- | 4#f3 (octave 7) | 8#d2 (octave 6)
  EXPECT_EQ(Render("Nokia3310.mss"), "8.g1 16g1 8a1 4g1 4c2 2b1 4- 4#f3 8#d2");
}

TEST(ShippedFilters, NokiaComposerKeys) {
  // Keys 1-7 = C-B, 0 rest; [n] holds the key (dotted); # sharp; * steps
  // the octave up, cycling 1-2-3 (one down = **); 8 halves, 9 doubles the
  // value of the note before (the composer starts at a quarter, octave 1).
  // G 8. : [5], 4->8 one 8          -> [5]8
  // G 16 : 8->16 one 8              -> 58
  // A 8  : 16->8 one 9              -> 69
  // G 4  : 8->4 one 9               -> 59
  // C6 4 : octave 1->2 *            -> 1*
  // B 2  : octave 2->1 **, 4->2 9   -> 7**9
  // P 4  : 2->4 one 8               -> 08 (a rest keeps octave 1)
  // F#7 4: #, octave 1->3 **        -> 4#**
  // D#6 8: #, octave 3->2 **, 4->8 8 -> 2#**8
  EXPECT_EQ(Render("Nokia3310.kps"), "[5]8 58 69 59 1* 7**9 08 4#** 2#**8");
}

TEST(ShippedFilters, EricssonComposerScreen) {
  // Letter case gives the length (C. whole, C half, c. quarter, c eighth and
  // shorter); "+" per octave above 6, nothing below; "#" sharp; p a pause;
  // no separator. Dots are not shown.
  // g g a g. c. B p. +#f. #d
  EXPECT_EQ(Render("EricssonT28.mss"), "ggag.c.Bp.+#f.#d");
}

TEST(ShippedFilters, EricssonComposerKeys) {
  // * raises the next note an octave, # sharpens it, then the note key 1-7
  // (0 a pause); [n] holds the key for a long note, 8 after it doubles.
  // G 8.: 5 | G 16: 5 | A 8: 6 | G 4: 58 | C6 4: 18 | B 2: [7] | P 4: 08 |
  // F#7 4: *#48 | D#6 8: #2
  EXPECT_EQ(Render("EricssonT28.kps"), "5 5 6 58 18 [7] 08 *#48 #2");
}

namespace {

// The same tune as a Standard MIDI File (which has no rests), at 96 ticks a
// quarter: each note is a note-on and a note-off after its length.
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
  // As above, without the rest; the Nokia keys after it change: F#7 4 comes
  // right after B 2 (octave ** up two, value 8 one shorter).
  const std::pair<const char*, const char*> expected[] = {
      {"Nokia3310.mss", "8.g1 16g1 8a1 4g1 4c2 2b1 4#f3 8#d2"},
      {"Nokia3310.kps", "[5]8 58 69 59 1* 7**9 4#**8 2#**8"},
      {"EricssonT28.mss", "ggag.c.B+#f.#d"},
      {"EricssonT28.kps", "5 5 6 58 18 [7] *#48 #2"},
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
