#include "conversion/uComposerRing.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <random>
#include <vector>

#include "conversion/uMedolyRing.h"
#include "conversion/uRingLib.h"
#include "conversion/uRingUtils.h"
#include "runtime/Streams.h"
#include "runtime/TextScramble.h"
#include "tests/conversion/NoteList.h"
#include "tests/support/PelmoraLibrary.h"
#include "tests/support/RtttlCorpus.h"
#include "tests/support/TempFolder.h"

namespace {

const std::string kComposerExample = "C#+4 D-3 P5 H";

std::string Framed(const std::string& tones, const std::string& checksum) {
  return "L35&2 " + tones + "&&" + checksum;
}

// The MIDI keys of the sounding notes of a Composer text.
std::vector<int32_t> ComposerKeys(const std::string& text) {
  TComposerRing ring;
  ring.LoadFromText(text);
  std::vector<int32_t> keys;
  for (const auto& t : ring.Track->Tones)
    if (t->Kind == rkNote && !t->IsRest()) keys.push_back(NoteToMidiKey(t->Note, t->Accidental, t->Octave));
  return keys;
}

}  // namespace

TEST(ComposerRing, WritesTones) {
  const struct {
    const char* what;
    std::vector<NoteSpec> notes;
    std::string spaced, unspaced;
  } cases[] = {
      {"the example", {{"C", 4, 6}, {"D", 8, 7}}, "C3 D+4 ", "C3D+4"},
      {"every value", {{"C", 1, 6}, {"D", 2, 6}, {"E", 4, 6}, {"F", 8, 6}, {"G", 16, 6}, {"A", 32, 6}, {"B", 64, 6}},
       "C1 D2 E3 F4 G5 A6 B6 ", "C1D2E3F4G5A6B6"},
      {"other values are 6", {{"C", 0, 6}, {"D", 3, 6}, {"E", -4, 6}}, "C6 D6 E6 ", "C6D6E6"},
      // Sharps only, at the pitch the tone names: a flat is the sharp of the
      // letter below, E# is F and B# the C above.
      {"accidentals",
       {{"B", 4, 6, raFlat}, {"F", 4, 6, raSharp}, {"E", 4, 6, raFlat}, {"E", 4, 6, raSharp}, {"B", 4, 6, raSharp},
        {"C", 4, 6, raFlat}, {"f", 4, 7, raFlat}},
       "A#3 F#3 D#3 F3 C+3 B-3 e+3 ", "A#3F#3D#3F3C+3B-3e+3"},
      // One sign reaches one octave: further off is the nearest it reaches.
      {"octaves beyond reach", {{"C", 4, 9}, {"D", 4, 2}, {"E", 4, 5, raSharp}}, "C+3 D-3 F-3 ", "C+3D-3F-3"},
      // Dots are dropped; the letter is written as it is stored.
      {"dots and case", {{"c", 4, 6, raNatural, rdDotted}, {"p", 2, 7, raNatural, rdDoubleDotted}, {"P", 8, 6}},
       "c3 p+2 P4 ", "c3p+2P4"},
      {"a tone without letter", {{"", 4, 6}}, "3 ", "3"},
      {"no tones", {}, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TComposerRing ring;
    for (const NoteSpec& n : c.notes) AddNotes(ring, {n});
    EXPECT_EQ(ComposerText(ring, true, false), c.spaced);
    EXPECT_EQ(ComposerText(ring, false, false), c.unspaced);
  }
}

TEST(ComposerRing, ControlsAddOnlyTheirBlank) {
  TComposerRing ring;
  AddNotes(ring, {{"C", 4, 6}});
  AddControl(ring, ckLed, 1);
  AddNotes(ring, {{"D", 4, 6}});
  EXPECT_EQ(ComposerText(ring, true, false), "C3  D3 ");
  EXPECT_EQ(ComposerText(ring, false, false), "C3D3");
}

TEST(ComposerRing, FramesWithTheChecksumOfTheText) {
  const struct {
    std::vector<NoteSpec> notes;
    bool spaced;
    std::string framed;
  } cases[] = {
      // 'C3 D+4 ' XORs to 0x2B: "2" and ";".
      {{{"C", 4, 6}, {"D", 8, 7}}, true, Framed("C3 D+4 ", "2;")},
      {{{"C", 4, 6}, {"D", 8, 7}}, false, Framed("C3D+4", "2;")},  // the two blanks cancel out
      {{{"C", 2, 6}, {"D", 2, 6}}, true, Framed("C2 D2 ", "07")},
      {{{"A", 1, 6}}, true, Framed("A1 ", "50")},
      {{}, true, Framed("", "00")},
  };
  for (const auto& c : cases) {
    TComposerRing ring;
    for (const NoteSpec& n : c.notes) AddNotes(ring, {n});
    EXPECT_EQ(ComposerText(ring, c.spaced, true), c.framed);
  }
  TComposerRing ring;
  AddNotes(ring, {{"C", 4, 6}, {"D", 8, 7}});
  EXPECT_EQ(ring.GetText(), Framed("C3 D+4 ", "2;"));
}

TEST(ComposerRing, WritesAtMost35TonesAndStopsPast124Characters) {
  TComposerRing forty;
  for (int i = 0; i < 40; ++i) AddNotes(forty, {{"C", 4, 6}});
  std::string expected;
  for (int i = 0; i < 35; ++i) expected += "C3 ";
  EXPECT_EQ(ComposerText(forty, true, false), expected);
  // Controls count among the 35.
  TComposerRing controls;
  for (int i = 0; i < 34; ++i) AddControl(controls, ckVolume, 5);
  AddNotes(controls, {{"C", 4, 6}, {"D", 4, 6}});
  EXPECT_EQ(ComposerText(controls, false, false), "C3");

  // Five characters a tone: after 24 tones the text is 120 long, the 25th
  // takes it to 125 and ends it.
  TComposerRing wide;
  for (int i = 0; i < 40; ++i) AddNotes(wide, {{"C", 4, 7, raSharp}});
  const std::string spaced = ComposerText(wide, true, false);
  EXPECT_EQ(spaced.size(), 125u);
  EXPECT_EQ(spaced.substr(120), "C#+3 ");
  // Four without blanks: 31 tones make 124, which is not past the limit,
  // so a 32nd follows.
  EXPECT_EQ(ComposerText(wide, false, false).size(), 128u);
  const std::string framed = ComposerText(wide, true, true);
  EXPECT_EQ(framed.substr(0, 133), "L35&2 " + spaced + "&&");
  EXPECT_EQ(framed.size(), 135u);
}

TEST(ComposerRing, DurationDigits) {
  const std::pair<int32_t, char> cases[] = {{1, '1'}, {2, '2'}, {4, '3'}, {8, '4'},  {16, '5'},
                                            {32, '6'}, {64, '6'}, {0, '6'}, {3, '6'}, {-1, '6'}};
  for (const auto& [duration, digit] : cases) EXPECT_EQ(ComposerDurationDigit(duration), digit) << duration;
}

TEST(ComposerExports, ConvertThroughTheLibrary) {
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  const std::string imelody =
      "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\nNAME:Test\r\nBEAT:120\r\nSTYLE:S1\r\nVOLUME:V10\r\n"
      "MELODY:*5c2#d3.r1ledon V+\r\nEND:IMELODY";
  const std::string rtttl = "x:d=8,o=5,b=100:c,4d#6.,p,b4";
  const auto iMelodyText = [](const std::string& name, const std::string& melody) {
    return "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\nBEAT:64\r\nNAME:" + name +
           "\r\nCOMPOSER:Carolune\r\nMELODY:" + melody + "\r\nEND:IMELODY";
  };
  ExpectConversions(lib, {
      {kComposerExample, "R01", "R01", "C#+4 D-3 P5 B3 "},
      {kComposerExample, "R01", "R11", Framed("C#+4 D-3 P5 B3 ", "31")},
      {Framed("C#+4 D-3 P5 B3 ", "31"), "R11", "R01", "C#+4 D-3 P5 B3 "},
      {Framed("C#+4 D-3 P5 B3 ", "31"), "R01", "R11", Framed("C#+4 D-3 P5 B3 ", "31")},
      // The checksum is not verified.
      {Framed("C2 D2 ", "99"), "R11", "R11", Framed("C2 D2 ", "07")},
      {kComposerExample, "R01", "R00", "Ring:d=4,o=6,b=64:8C#7,D5,16P,H"},
      {kComposerExample, "R01", "R03", iMelodyText("Ring", "*7#C3*5D2*6r4B2")},
      // The Composer target keeps its own default duration; octaves count from
      // the one the Composer reader assumes, not from the source's "o=5", and
      // the tune, reaching from octave 4 to 6, moves up one to fit.
      {rtttl, "R00", "R01", "C4 D#+3 P4 B-4 "},
      {rtttl, "R00", "R11", Framed("C4 D#+3 P4 B-4 ", "37")},
      {imelody, "R03", "R01", "c-3 d#-4 p-2   "},
      {"C D\r\nE", "R01", "R01", "C3 D3 "},
      {"", "R01", "R01", ""},
      {"", "R01", "R00", "Ring:d=4,o=6,b=64:"},
  });

  // Through MIDI and back the notes keep their pitch; the rest is dropped.
  const auto midi = lib.Convert(kComposerExample, "R01", "R04");
  ASSERT_EQ(midi.Code, Pelmora::rrSuccess);
  EXPECT_EQ(midi.Text.substr(0, 4), "MThd");
  const auto back = lib.Convert(midi.Text, "R04", "R01");
  ASSERT_EQ(back.Code, Pelmora::rrSuccess);
  EXPECT_EQ(ComposerKeys(back.Text), ComposerKeys(kComposerExample));
  EXPECT_EQ(ComposerKeys(back.Text), (std::vector<int32_t>{85, 62, 83}));
}

// A file written for "01" holds the unframed text, as the buffer would.
TEST(ComposerExports, FilesHoldTheTextOfTheirCode) {
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  const TTempFolder folder;
  const std::string out = folder.Path() + "composer-out.kpz";
  const auto toFile = [&](const char* target) {
    const std::string name = ScrambleText(out);
    std::vector<char> buffer(name.begin(), name.end());
    int32_t length = static_cast<int32_t>(name.size());
    const std::string source = ScrambleText(kComposerExample);
    unlink(out.c_str());
    EXPECT_EQ(lib.RING2RING()(source.data(), static_cast<int32_t>(source.size()), "R01", target, buffer.data(),
                              static_cast<int32_t>(buffer.size()), &length),
              Pelmora::rrSuccess);
    return ReadFileBytes(out);
  };
  EXPECT_EQ(toFile("F01"), "C#+4 D-3 P5 B3 ");
  EXPECT_EQ(toFile("F11"), Framed("C#+4 D-3 P5 B3 ", "31"));
  unlink(out.c_str());
}

// Truncated and mutated texts: every target converts, and what Composer
// writes reads back to itself, framed or not.
TEST(ComposerExports, DamagedTextsConvertCleanly) {
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  const std::string alphabet = "CDEFGABHPcdp#+-0123456789 L35&\r\n\t{}(*)/_\x1A";
  std::mt19937 random(4711);
  const auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
  for (const std::string& good : {kComposerExample, Framed("C2 D2 ", "07"), std::string("A#1 G#+6 F#-2 D#5 B1 E6")}) {
    for (int round = 0; round < 300; ++round) {
      std::string text = good;
      for (int edits = 1 + static_cast<int>(pick(3)); edits > 0 && !text.empty(); --edits) {
        const size_t at = pick(text.size());
        switch (pick(4)) {
          case 0: text.resize(at); break;
          case 1: text[at] = static_cast<char>(pick(256)); break;
          case 2: text.insert(at, 1, alphabet[pick(alphabet.size())]); break;
          default: text.erase(at, 1); break;
        }
      }
      SCOPED_TRACE(text);
      // The texts are short: a small buffer holds every result.
      const auto convert = [&](const std::string& source, const char* to) {
        return lib.Convert(source, "R01", to, 1 << 12);
      };
      for (const char* target : {"R00", "R02", "R03", "R04"})
        ASSERT_EQ(convert(text, target).Code, Pelmora::rrSuccess) << target;
      const auto plain = convert(text, "R01");
      const auto framed = convert(text, "R11");
      ASSERT_EQ(plain.Code, Pelmora::rrSuccess);
      ASSERT_EQ(framed.Code, Pelmora::rrSuccess);
      EXPECT_EQ(convert(plain.Text, "R01").Text, plain.Text);
      EXPECT_EQ(convert(framed.Text, "R01").Text, plain.Text);
    }
  }
}

// Real tunes are longer than a phone's composer holds: the framed text keeps
// the limits, carries the checksum of its tones and reads back to itself.
TEST(ComposerCorpus, RtttlTunesFrameWithinTheLimits) {
  const auto tunes = RtttlCorpusTunes();
  ASSERT_GT(tunes.size(), 100u) << "corpus not found at " CAROLUNE_CORPUS_DIR;
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  for (const auto& tune : tunes) {
    SCOPED_TRACE(tune.substr(0, 40));
    const auto framed = lib.Convert(tune, "R00", "R11");
    ASSERT_EQ(framed.Code, Pelmora::rrSuccess);
    ASSERT_GE(framed.Text.size(), 10u);
    ASSERT_EQ(framed.Text.substr(0, 6), "L35&2 ");
    const std::string tones = framed.Text.substr(6, framed.Text.size() - 10);
    EXPECT_EQ(framed.Text.substr(framed.Text.size() - 4, 2), "&&");
    unsigned sum = 0;
    for (const char c : tones) sum ^= static_cast<unsigned char>(c);
    EXPECT_EQ(framed.Text.substr(framed.Text.size() - 2), std::string({char('0' + sum / 16), char('0' + sum % 16)}));
    // Each tone is at most five characters: the last one started at 124 or before.
    EXPECT_LE(tones.size(), 129u);
    EXPECT_LE(std::count(tones.begin(), tones.end(), ' '), 35);
    EXPECT_EQ(lib.Convert(tones, "R01", "R01").Text, tones);
    EXPECT_EQ(lib.Convert(framed.Text, "R11", "R11").Text, framed.Text);
  }
}
