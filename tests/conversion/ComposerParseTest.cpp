#include "conversion/ComposerParse.h"

#include <gtest/gtest.h>

#include <vector>

#include "conversion/uComposerRing.h"
#include "runtime/SysUtils.h"
#include "tests/conversion/ParseErrors.h"

namespace {

// A tone as "<letter>[#]<value>/<octave>".
std::vector<std::string> ComposerTones(const TRingFile& ring) {
  std::vector<std::string> tones;
  for (const auto& t : ring.Track->Tones)
    tones.push_back(t->Note + (t->Accidental != raNatural ? "#" : "") + IntToStr(t->Duration) + "/" +
                    IntToStr(t->Octave));
  return tones;
}

std::vector<std::string> ComposerTones(const std::string& text) {
  TComposerRing ring;
  ring.LoadFromText(text);
  return ComposerTones(ring);
}

std::vector<int> ComposerErrors(const std::string& text) {
  return ParseErrorCodes<TComposerParse, TComposerRing>(text);
}

}  // namespace

TEST(ComposerParse, ReadsTones) {
  using Tones = std::vector<std::string>;
  const struct {
    std::string text;
    Tones tones;
  } cases[] = {
      {"C#+4 D-3 P5 H", {"C#8/7", "D4/5", "P16/6", "B4/6"}},
      {"c#+4 d-3 p5 h", {"C#8/7", "D4/5", "P16/6", "B4/6"}},
      {"L35&2 C2 D2 &&12", {"C2/6", "D2/6"}},
      {"l35&2 c2 d2 &&12 E2", {"C2/6", "D2/6"}},  // nothing after the tones is read
      // The prefix is any four symbols after an "L"; a tone without its
      // letter adds nothing.
      {"L C2 D2 E2", {"E2/6"}},
      {"L", {}},
      // Line ends and tabs end the tones.
      {"C D\r\nE", {"C4/6", "D4/6"}},
      {"C D\nE", {"C4/6", "D4/6"}},
      {"C\tD", {"C4/6"}},
      {"A#1 G#+6 F#-2 D#5 B1 E6", {"A#1/6", "G#32/7", "F#2/5", "D#16/6", "B1/6", "E32/6"}},
      // A digit or a sign ends a letter; letters written together are no note.
      {"C4D", {"C8/6", "D4/6"}},
      {"CDE", {}},
      {"C2 CDE D2", {"C2/6"}},
      // E# and B# are the letter followed by no symbol.
      {"E#4 F", {"E4/6"}},
      {"B#4", {"B4/6"}},
      // Numbers other than the single digits 1..6 are no note values.
      {"C7 D", {"C4/6"}},
      {"C12 D", {"C4/6"}},
      {"C0 D", {"C4/6"}},
      {"C+-4", {"C4/7"}},
      {"C++4", {"C4/7"}},
      // Comments are skipped; byte 26 and byte 0 end the text.
      {"{x} C2 (* y *) D2 // z", {"C2/6", "D2/6"}},
      {std::string("C2 \x1A D2"), {"C2/6"}},
      {std::string("C2 \0 D2", 7), {"C2/6"}},
      {"", {}},
      {"&&", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ComposerTones(c.text), c.tones) << c.text;
}

TEST(ComposerParse, TonesTakeTheTuneDefaultsAndNothingElseChanges) {
  TComposerRing ring;
  ring.Name = "Kept";
  ring.DefaultOctave = 3;
  ring.DefaultDuration = 16;
  ring.Volume = 11;
  ring.Tempo = 90;
  ring.LoadFromText("F G+ A-1");
  ring.LoadFromText("C D+ E-1");  // a second reading replaces the tones
  EXPECT_EQ(ComposerTones(ring), (std::vector<std::string>{"C16/3", "D16/4", "E1/2"}));
  for (const auto& tone : ring.Track->Tones) {
    EXPECT_EQ(tone->Volume, 11);
    EXPECT_EQ(tone->Kind, rkNote);
    EXPECT_EQ(tone->Dot, rdNone);
  }
  EXPECT_EQ(ring.Name, "Kept");
  EXPECT_EQ(ring.Tempo, 90);
  EXPECT_EQ(ring.DefaultOctave, 3);
  EXPECT_EQ(ring.DefaultDuration, 16);
  EXPECT_EQ(ring.Volume, 11);
}

TEST(ComposerParse, OnlyAMissingFirstNoteIsAnError) {
  EXPECT_EQ(ComposerErrors("C#+4 D-3 P5 H"), std::vector<int>{});
  EXPECT_EQ(ComposerErrors("L35&2 C2 D2 &&12"), std::vector<int>{});
  EXPECT_EQ(ComposerErrors("C2 CDE D2"), std::vector<int>{});
  for (const std::string text : {"", "CDE", "3 C", "L35&2 &&00", "+4"})
    EXPECT_EQ(ComposerErrors(text), std::vector<int>{ceNote}) << text;
}

TEST(ComposerParse, ErrorMessagesAndVersion) {
  TComposerParse parser(nullptr);
  const std::string expected = "\xC6\xDA\xCD\xFB";
  const std::string invalid = "\xCE\xDE\xD0\xA7\xB5\xC4 ";
  const struct {
    int code;
    std::string message;
  } cases[] = {
      {0, expected + "EOF"},       {1, expected + "str"},        {2, expected + "int"},
      {3, expected + "\"+\""},     {7, expected + "\"C#\""},     {17, expected + "\"H\""},
      {19, expected + "\"1\""},    {24, expected + "\"6\""},     {25, expected + "not"},
      {26, invalid + "Duration"},  {27, invalid + "Scale"},      {28, invalid + "Note"},
      {29, "Error: 29"},           {-1, "Error: -1"},
  };
  for (const auto& c : cases) EXPECT_EQ(parser.ErrorMessage(c.code, ""), c.message) << c.code;
  EXPECT_EQ(parser.ErrorMessage(40, " x "), "Error: 40 ( x )");
  parser.SetOnCustomError([](TGrammarParser&, int code, const std::string&) { return "custom " + IntToStr(code); });
  EXPECT_EQ(parser.ErrorMessage(29, ""), "custom 29");
  EXPECT_EQ(parser.ErrorMessage(28, ""), invalid + "Note");
  EXPECT_EQ(parser.Version(), "1.1.1.114");
}
