#include "conversion/eMelodyParse.h"

#include <gtest/gtest.h>

#include <vector>

#include "conversion/uMedolyRing.h"
#include "runtime/SysUtils.h"
#include "tests/conversion/ParseErrors.h"

namespace {

// A note as "[#|(b)]<letter><value>/<octave>".
std::string DescribeeMelodyTone(const TRingTone& tone) {
  static const char* const accidentals[] = {"", "#", "(b)"};
  return std::string(accidentals[tone.Accidental % 3]) + tone.Note + IntToStr(tone.Duration) + "/" +
         IntToStr(tone.Octave);
}

std::vector<std::string> eMelodyTones(const TRingFile& ring) {
  std::vector<std::string> tones;
  for (const auto& tone : ring.Track->Tones) tones.push_back(DescribeeMelodyTone(*tone));
  return tones;
}

// The head with NAME and COMPOSER lines as given, then the melody and the
// closing line.
std::string eMelodyText(const std::string& header, const std::string& melody) {
  return "BEGIN:EMELODY\r\nVERSION:1.0\r\n" + header + "MELODY:" + melody + "\r\nEND:EMELODY";
}

std::vector<std::string> eMelodyTones(const std::string& text) {
  TeMelodyRing ring;
  ring.LoadFromText(text);
  return eMelodyTones(ring);
}

// One parse of the text as it stands, without the tune class's rewriting:
// the tune it fills and the codes of the errors it collects.
struct TParsed {
  std::string Name = "Ring", Composer = "Carolune";
  std::vector<std::string> Tones;
  std::vector<int> Errors;
};

TParsed ParseeMelody(const std::string& text) {
  TeMelodyRing ring;
  std::vector<int> errors = ParseInto<TeMelodyParse>(ring, text);
  return {ring.Name, ring.Composer, eMelodyTones(ring), std::move(errors)};
}

}  // namespace

TEST(eMelodyParse, ReadsTheExample) {
  const std::string example = eMelodyText("NAME:Test\r\n", "cdE.+f#g(b)AP");
  TeMelodyRing ring;
  ring.Volume = 9;
  ring.LoadFromText(example);
  EXPECT_EQ(ring.Name, "Test");
  EXPECT_EQ(ring.Composer, "Carolune");
  EXPECT_EQ(eMelodyTones(ring),
            (std::vector<std::string>{"C8/6", "D8/6", "E1/6", "F8/7", "#G8/6", "(b)A2/6", "P2/6"}));
  for (const auto& tone : ring.Track->Tones) {
    EXPECT_EQ(tone->Kind, rkNote);
    EXPECT_EQ(tone->Dot, rdNone);
    EXPECT_EQ(tone->Volume, 9);
  }
  // Nothing in the text sets the tune-wide values.
  EXPECT_EQ(ring.Tempo, 64);
  EXPECT_EQ(ring.DefaultDuration, 4);
  EXPECT_EQ(ring.DefaultOctave, 6);
  EXPECT_EQ(ring.Style, "");
  // Set apart by blanks, as the tune class hands it over, it parses cleanly.
  EXPECT_EQ(ParseeMelody(eMelodyText("NAME:Test\r\n", "c d E.+f#g(b)A P")).Errors, std::vector<int>{});

  // Octaves count from the tune's own default.
  TeMelodyRing low;
  low.DefaultOctave = 4;
  low.LoadFromText(eMelodyText("", "c++D"));
  EXPECT_EQ(eMelodyTones(low), (std::vector<std::string>{"C8/4", "D2/6"}));
}

TEST(eMelodyParse, HeaderLines) {
  const struct {
    std::string text;
    std::string name, composer;
  } cases[] = {
      {eMelodyText("COMPOSER:Jo\r\nNAME:One\r\n", "c"), "One", "Jo"},
      // Any number of each, the last one winning; one blank per gap, source case.
      {eMelodyText("NAME:First\r\nName:  ABBA - One   of us \r\ncomposer:x\r\nCOMPOSER:\r\n", "c"),
       "ABBA - One of us ", ""},
      {"begin:emelody\r\nversion:2.0 beta\r\nname:lower\r\nmelody:c\r\nend:emelody", "lower", "Carolune"},
      // The version line's content is skipped, whatever it holds.
      {"BEGIN:EMELODY\r\nVERSION:NAME:x MELODY:\r\nNAME:y\r\nMELODY:c\r\nEND:EMELODY", "y", "Carolune"},
  };
  for (const auto& c : cases) {
    TeMelodyRing ring;
    ring.LoadFromText(c.text);
    EXPECT_EQ(ring.Name, c.name) << c.text;
    EXPECT_EQ(ring.Composer, c.composer) << c.text;
    EXPECT_EQ(eMelodyTones(ring), std::vector<std::string>{"C8/6"}) << c.text;
  }
}

TEST(eMelodyParse, MelodyEntries) {
  const struct {
    std::string melody;
    std::vector<std::string> tones;
  } cases[] = {
      {"C.Cc.c", {"C1/6", "C2/6", "C4/6", "C8/6"}},
      {"P.Pp.p", {"P1/6", "P2/6", "P4/6", "P8/6"}},
      {"ABCDEFG", {"A2/6", "B2/6", "C2/6", "D2/6", "E2/6", "F2/6", "G2/6"}},
      // The shift holds for its note only; the accidental follows it.
      {"+++c.d+#E(B)b", {"C4/9", "D8/6", "#E2/7", "(b)B8/6"}},
      {"  c   d  ", {"C8/6", "D8/6"}},
      {"c{a comment}d(* another *)e", {"C8/6", "D8/6", "E8/6"}},
      // A dot lowers the code once; a second one ends the melody.
      {"c..d", {"C4/6"}},
      // What is not a tone ends the melody.
      {"cdxef", {"C8/6"}},
      {"cd4ef", {"C8/6", "D8/6"}},
      {"ch", {}},
      // A tone without its letter adds nothing.
      {"", {}},
      {"#", {}},
      {"++", {}},
      {"x", {}},
      {"c#", {"C8/6"}},
      // A flat without its ")" still marks the note.
      {"(bc", {"(b)C8/6"}},
      // Byte 26 and a 0 byte end the text.
      {"cd\x1A" "e", {"C8/6", "D8/6"}},
      {std::string("c\0d", 3), {"C8/6"}},
  };
  for (const auto& c : cases) EXPECT_EQ(eMelodyTones(eMelodyText("", c.melody)), c.tones) << c.melody;
}

TEST(eMelodyParse, ALongRunOfOctaveShiftsStaysInRange) {
  TeMelodyRing ring;
  ring.DefaultOctave = INT32_MAX - 2;
  ring.LoadFromText(eMelodyText("", "+++++c"));
  EXPECT_EQ(eMelodyTones(ring), std::vector<std::string>{"C8/" + IntToStr(INT32_MAX)});
}

// The version, name and composer readings run to the next line end; in a
// text without one they stop at its end.
TEST(eMelodyParse, ReadingsEndAtTheEndOfTheText) {
  const struct {
    std::string text;
    TParsed parsed;
  } cases[] = {
      {"", {.Tones = {}, .Errors = {esBegin}}},
      {"BEGIN:EMELODY\r\nVERSION:1.0", {.Tones = {}, .Errors = {esLineEnd}}},
      {"BEGIN:EMELODY\r\nVERSION:1.0\r\nNAME:Half a  name",
       {.Name = "Half a name", .Tones = {}, .Errors = {esLineEnd}}},
      {"BEGIN:EMELODY\r\nVERSION:1.0\r\nCOMPOSER:Someone",
       {.Composer = "Someone", .Tones = {}, .Errors = {esLineEnd}}},
      {eMelodyText("NAME:x\r\n", "c"), {.Name = "x", .Tones = {"C8/6"}, .Errors = {}}},
      // A melody without its closing line keeps its tones.
      {"BEGIN:EMELODY\r\nVERSION:1.0\r\nMELODY:c d", {.Tones = {"C8/6", "D8/6"}, .Errors = {esLineEnd}}},
  };
  for (const auto& c : cases) {
    const TParsed parsed = ParseeMelody(c.text);
    EXPECT_EQ(parsed.Name, c.parsed.Name) << c.text;
    EXPECT_EQ(parsed.Composer, c.parsed.Composer) << c.text;
    EXPECT_EQ(parsed.Tones, c.parsed.Tones) << c.text;
    EXPECT_EQ(parsed.Errors, c.parsed.Errors) << c.text;
  }
}

TEST(eMelodyParse, CollectsErrorsAndReadsOn) {
  const struct {
    std::string text;
    std::vector<int> errors;
  } cases[] = {
      {eMelodyText("NAME:x\r\nCOMPOSER:y\r\n", "c d E.+f#g(b)A P"), {}},
      {eMelodyText("", ""), {eeNote}},
      {eMelodyText("", "cd"), {eeNote}},  // one unknown word
      {eMelodyText("", "(b c"), {esClose}},
      // An unknown header line ends the header: MELODY is missing there.
      {eMelodyText("LANGUAGE:en\r\n", "c"), {esMelody}},
      {eMelodyText("", "c x"), {esLineEnd}},
      // Line ends other than CR LF are no symbols.
      {"BEGIN:EMELODY\nVERSION:1.0\r\nMELODY:c\r\nEND:EMELODY", {esLineEnd}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseeMelody(c.text).Errors, c.errors) << c.text;

  TeMelodyParse parser(nullptr);
  EXPECT_EQ(parser.Version(), "1.1.1.79");
  const std::string expected = "\xC6\xDA\xCD\xFB";
  const std::string invalid = "\xCE\xDE\xD0\xA7\xB5\xC4 ";
  const std::pair<int, std::string> messages[] = {
      {symEndOfText, expected + "EOF"},  {symIdentifier, expected + "str"}, {symInteger, expected + "int"},
      {esLineEnd, expected + "eln"},     {esEmelody, expected + "\"EMELODY\""},
      {esOpen, expected + "\"(\""},      {esClose, expected + "\")\""},     {esA, expected + "\"A\""},
      {esDot, expected + "\".\""},       {esNot, expected + "not"},         {eeNote, invalid + "Note"},
      {eeSharp, invalid + "Sharp"},      {28, "Error: 28"},
  };
  for (const auto& [code, message] : messages) EXPECT_EQ(parser.ErrorMessage(code, ""), message) << code;
}

TEST(eMelodyParse, DurationFromCode) {
  const std::pair<int32_t, int32_t> values[] = {{0, 1}, {1, 2}, {2, 4}, {3, 8}, {4, 8}, {-1, 8}};
  for (const auto& [code, duration] : values) EXPECT_EQ(TeMelodyParse::DurationFromCode(code), duration) << code;
}
