#include "conversion/iMelodyParse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "conversion/uMedolyRing.h"
#include "runtime/SysUtils.h"
#include "tests/conversion/ParseErrors.h"

namespace {

// A note as "[#|&]<letter><value>/<octave>[.|:|;]", a control as
// "k<kind>=<value>".
std::string DescribeiMelodyTone(const TRingTone& tone) {
  if (tone.Kind == rkControl) return "k" + IntToStr(tone.ControlKind) + "=" + IntToStr(tone.Value);
  static const char* const accidentals[] = {"", "#", "&"};
  static const char* const dots[] = {"", ".", ":", ";"};
  return std::string(accidentals[tone.Accidental % 3]) + tone.Note + IntToStr(tone.Duration) + "/" +
         IntToStr(tone.Octave) + dots[tone.Dot % 4];
}

std::vector<std::string> iMelodyTones(const TRingFile& ring) {
  std::vector<std::string> tones = {};
  for (const auto& tone : ring.Track->Tones) tones.push_back(DescribeiMelodyTone(*tone));
  return tones;
}

// The header lines up to MELODY, then the melody and the closing line.
std::string iMelodyText(const std::string& header, const std::string& melody) {
  return "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\n" + header + "MELODY:" + melody + "\r\nEND:IMELODY";
}

// The tones of a melody read under the volume 10.
std::vector<std::string> MelodyTones(const std::string& melody) {
  TiMelodyRing ring;
  ring.LoadFromText(iMelodyText("VOLUME:V10\r\n", melody));
  return iMelodyTones(ring);
}

// What a reading gives; the defaults are those of a new tune.
struct iMelodyFields {
  std::string name = "Ring", composer = "Carolune";
  int tempo = 64;
  std::string style = "";
  int volume = 7;
  std::vector<std::string> tones = {};
};

void ExpectiMelodyReads(const std::string& text, const iMelodyFields& fields) {
  TiMelodyRing ring;
  ring.LoadFromText(text);
  SCOPED_TRACE(text);
  EXPECT_EQ(ring.Name, fields.name);
  EXPECT_EQ(ring.Composer, fields.composer);
  EXPECT_EQ(ring.Tempo, fields.tempo);
  EXPECT_EQ(ring.Style, fields.style);
  EXPECT_EQ(ring.Volume, fields.volume);
  EXPECT_EQ(iMelodyTones(ring), fields.tones);
}

// The codes of the errors one parse of the text collects.
std::vector<int> iMelodyErrors(const std::string& text) {
  return ParseErrorCodes<TiMelodyParse, TiMelodyRing>(text);
}

}  // namespace

TEST(iMelodyParse, ReadsHeaderAndMelody) {
  const std::string example = "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\nNAME:Test\r\nBEAT:120\r\n"
                              "STYLE:S1\r\nVOLUME:V10\r\nMELODY:*5c2#d3.r1ledon V+\r\nEND:IMELODY";
  ExpectiMelodyReads(example, {.name = "Test",
                               .tempo = 120,
                               .style = "C",
                               .volume = 10,
                               .tones = {"c4/5", "#d8/5.", "p2/5", "k16=1", "k19=11"}});
  EXPECT_EQ(iMelodyErrors(example), std::vector<int>{});
  TiMelodyRing ring;
  ring.LoadFromText(example);
  EXPECT_EQ(ring.DefaultOctave, 6);
  for (const auto& tone : ring.Track->Tones) EXPECT_EQ(tone->Volume, 10);

  // Keywords in any case; the fields in any order and number, the last one
  // winning; names keep the source's case and one blank per gap.
  ExpectiMelodyReads("begin:imelody\r\nversion:1.0\r\nformat:class1.0\r\ncomposer:  Jo   Smith \r\nbeat:90\r\n"
                     "name:First\r\nstyle:s2\r\nName:ABBA - One of us\r\nvolume:v3\r\nmelody:C2\r\nend:imelody",
                     {.name = "ABBA - One of us",
                      .composer = "Jo Smith ",
                      .tempo = 90,
                      .style = "S",
                      .volume = 3,
                      .tones = {"C4/6"}});
}

TEST(iMelodyParse, HeaderFieldValues) {
  const std::vector<std::string> melody{"c4/6"};
  const struct {
    std::string header;
    iMelodyFields read;
  } cases[] = {
      {"STYLE:S0\r\n", {.style = "N", .tones = melody}},
      {"STYLE:s2\r\n", {.style = "S", .tones = melody}},
      {"STYLE:S1\r\nSTYLE:S3\r\n", {.style = "C", .tones = melody}},  // no such style: left as it was
      {"STYLE:S01\r\n", {.tones = melody}},
      // A value that is not "S" and a digit stays unread, and the header ends
      // at it.
      {"STYLE:X1\r\n", {}},
      {"BEAT:\r\n", {.tones = melody}},  // no number
      {"BEAT:99999999999\r\n", {.tones = melody}},
      {"BEAT:0\r\n", {.tempo = 0, .tones = melody}},
      {"BEAT:fast\r\n", {}},
      {"VOLUME:level V 12\r\n", {.volume = 12, .tones = melody}},
      {"VOLUME:V3\r\nVOLUME:V99999999999\r\n", {.tones = melody}},
      // The line end is the symbol after "V"; the header goes on.
      {"VOLUME:V3\r\nVOLUME:V\r\nBEAT:80\r\n", {.tempo = 80, .tones = melody}},
  };
  for (const auto& c : cases) ExpectiMelodyReads(iMelodyText(c.header, "c2"), c.read);
}

TEST(iMelodyParse, MelodyEntries) {
  const struct {
    std::string melody;
    std::vector<std::string> tones;
  } cases[] = {
      // A numbered V leaves the running volume alone (header volume 10).
      {"V5V+V-V-", {"k19=5", "k19=11", "k19=10", "k19=9"}},
      {"V", {"k19=0"}},
      {"V99999999999", {"k19=7"}},
      // Without digit a quarter; above 4 a thirty-second.
      {"c", {"c4/6"}},
      {"c0c1c2c3c4c5c9c99999999999", {"c1/6", "c2/6", "c4/6", "c8/6", "c16/6", "c32/6", "c32/6", "c4/6"}},
      // An octave prefix holds up to the next one; without number it is the
      // default octave.
      {"*5c2d2*4e2f2*g2*99999999999a2", {"c4/5", "d4/5", "e4/4", "f4/4", "g4/6", "a4/6"}},
      {"C2c2R2r2&b2#f2e2:e2;e2.", {"C4/6", "c4/6", "p4/6", "p4/6", "&b4/6", "#f4/6", "e4/6:", "e4/6;", "e4/6."}},
      {"ledon ledoff vibeon vibeoff backon backoff",
       {"k16=1", "k16=0", "k17=1", "k17=0", "k18=1", "k18=0"}},
      {"  c2   d2 ", {"c4/6", "d4/6"}},
      // Switch words run together are each a control, and a letter run into
      // the last starts its tone or volume control; any other word ends the
      // melody.
      {"c2ledonV+d2", {"c4/6", "k16=1", "k19=11", "d4/6"}},
      {"ledonc2backoffR3.vibeonV5", {"k16=1", "c4/6", "k18=0", "p8/6.", "k17=1", "k19=5"}},
      {"ledonledoff", {"k16=1", "k16=0"}},
      {"vibeonbackoffLEDON c2", {"k17=1", "k18=0", "k16=1", "c4/6"}},
      {"c2ledonledofx d2", {"c4/6"}},
      {"c2ledoncc2", {"c4/6"}},
      // A prefix or accidental without its letter adds no tone; the prefix
      // still holds for the tones after it.
      {"*5ledon c2", {"k16=1", "c4/5"}},
      {"#*4", {}},
      // What is not a tone ends the melody: unknown words, a stray count.
      {"c2x2", {"c4/6"}},
      {"c2@2d2", {"c4/6"}},
      {"", {}},
      // A folded line goes on with the melody.
      {"c2\r\n d2\r\n\te2", {"c4/6", "d4/6", "e4/6"}},
  };
  for (const auto& c : cases) EXPECT_EQ(MelodyTones(c.melody), c.tones) << c.melody;
  // At the end of the 32-bit range the running volume stays put.
  TiMelodyRing ring;
  ring.LoadFromText(iMelodyText("VOLUME:V2147483647\r\n", "V+V-"));
  EXPECT_EQ(iMelodyTones(ring), (std::vector<std::string>{"k19=2147483647", "k19=2147483646"}));
}

// A repeat block plays its tones count times, for ever (@0) once, with the
// volume step between repetitions; each repetition starts in the octave and
// at the volume the one before left.
TEST(iMelodyParse, RepeatBlocks) {
  const struct {
    std::string melody;
    std::vector<std::string> tones;
  } cases[] = {
      {"c2(d2@2)e2", {"c4/6", "d4/6", "d4/6", "e4/6"}},
      {"(d2e2@0)", {"d4/6", "e4/6"}},
      {"(c2@3V+)", {"c4/6", "k19=11", "c4/6", "k19=12", "c4/6"}},
      {"(c2V-@2)", {"c4/6", "k19=9", "c4/6", "k19=8"}},
      {"(V+@3)", {"k19=11", "k19=12", "k19=13"}},
      // The block opened by a prefix is no comment.
      {"(*5c2*4d2@2)e2", {"c4/5", "d4/4", "c4/5", "d4/4", "e4/4"}},
      {"c2(d2*5e2@2)f2", {"c4/6", "d4/6", "e4/5", "d4/5", "e4/5", "f4/5"}},
      // Without a count once; without its ")" the block ends with its tones.
      {"(c2d2)e2", {"c4/6", "d4/6", "e4/6"}},
      {"(c2d2", {"c4/6", "d4/6"}},
      {"(c2d2@2", {"c4/6", "d4/6", "c4/6", "d4/6"}},
      // Blocks do not nest: a "(" ends the open block and opens the next.
      {"((c2@2)d2@2)", {"c4/6", "c4/6", "d4/6"}},
      {"(@5)c2", {"c4/6"}},
      {"(vibeonbackoff*6c5@0)", {"k17=1", "k18=0", "c32/6"}},
  };
  for (const auto& c : cases) EXPECT_EQ(MelodyTones(c.melody), c.tones) << c.melody;

  // A real phrase: nine tones twice.
  TiMelodyRing phrase;
  phrase.LoadFromText(iMelodyText("", "(d2e2d2c1e3e3d2c2e2@2)"));
  EXPECT_EQ(phrase.Track->Count(), 18);

  // Repetitions stop at the bound, however many blocks ask for how many;
  // the tones the text writes are all kept.
  std::string greedy;
  for (int i = 0; i < 3000; ++i) greedy += "(c2d2@2000000000)";
  const struct {
    std::string melody;
    int written;
  } hungry[] = {{"(c2@99999999999)", 1}, {greedy, 6000}};
  for (const auto& [melody, written] : hungry) {
    TiMelodyRing ring;
    ring.LoadFromText(iMelodyText("", melody));
    EXPECT_LE(ring.Track->Count(), TiMelodyParse::kMaxRepeatedTones + written);
    EXPECT_GE(ring.Track->Count(), std::max(TiMelodyParse::kMaxRepeatedTones - 2, written));
  }
}

// Readings that run into the end of a text without CR LF line ends stop
// there and keep what they read.
TEST(iMelodyParse, ReadingsEndAtTheEndOfTheText) {
  const std::string head = "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\n";
  const struct {
    std::string text;
    iMelodyFields read;
  } cases[] = {
      {"", {}},
      {"BEGIN:IMELODY\r\nVERSION:1.2", {}},
      {head.substr(0, head.size() - 2), {}},
      {head + "NAME:Half a  name", {.name = "Half a name"}},
      {head + "COMPOSER:Someone", {.composer = "Someone"}},
      // The search for the "V" of a volume runs on through the melody; where
      // it meets none the volume stays as it was.
      {iMelodyText("VOLUME:V4\r\nVOLUME:10\r\n", "c2d2"), {.volume = 4}},
      {iMelodyText("VOLUME:10\r\n", "c2V5d2"), {.volume = 5, .tones = {"d4/6"}}},
      // Lines ended by LF or CR alone are no line ends: the version line
      // runs to the end.
      {"BEGIN:IMELODY\nVERSION:1.2\nFORMAT:CLASS1.0\nNAME:x\nMELODY:c2\nEND:IMELODY", {}},
      {"BEGIN:IMELODY\rVERSION:1.2\rFORMAT:CLASS1.0\rNAME:x\rMELODY:c2\rEND:IMELODY", {}},
      // Byte 26 and a 0 byte end the text.
      {iMelodyText("", "c2d2\x1A" "e2"), {.tones = {"c4/6", "d4/6"}}},
      {iMelodyText("", std::string("c2\0d2", 5)), {.tones = {"c4/6"}}},
      // A melody without its closing line keeps its tones.
      {head + "MELODY:c2d2", {.tones = {"c4/6", "d4/6"}}},
  };
  for (const auto& c : cases) ExpectiMelodyReads(c.text, c.read);
}

TEST(iMelodyParse, CollectsErrorsAndReadsOn) {
  const struct {
    std::string text;
    std::vector<int> errors;
  } cases[] = {
      {iMelodyText("NAME:x\r\n", "c2"), {}},
      {iMelodyText("", ""), {ieToneCommand}},
      {iMelodyText("", "c2V"), {ieVolumeControl}},
      {iMelodyText("", "*5ledon"), {ieNote}},
      // An unknown header line ends the header: MELODY is missing there.
      {iMelodyText("LANGUAGE:en\r\n", "c2"), {isMelody}},
      {iMelodyText("", "c2(d2@2)"), {}},
      {iMelodyText("", "c2(d2@2"), {}},
      {"BEGIN:IMELODY\nVERSION:1.2\nMELODY:c2\nEND:IMELODY", {isLineEnd, isLineEnd}},
  };
  for (const auto& c : cases) EXPECT_EQ(iMelodyErrors(c.text), c.errors) << c.text;

  TiMelodyParse parser(nullptr);
  EXPECT_EQ(parser.Version(), "1.1.1.66");
  const std::string expected = "\xC6\xDA\xCD\xFB";
  const std::string invalid = "\xCE\xDE\xD0\xA7\xB5\xC4 ";
  const std::pair<int, std::string> messages[] = {
      {0, expected + "EOF"},
      {isLineEnd, expected + "eln"},
      {isBegin, expected + "\"BEGIN\""},
      {isBackOff, expected + "\"BACKOFF\""},
      {isSemicolon, expected + "\";\""},
      {isNot, expected + "not"},
      {ieSpecialDuration, invalid + "SpecialDuration"},
      {ieVolumeControl, invalid + "Control"},
      {ieControl, invalid + "Control"},
      {ieToneCommand, invalid + "ToneCommand"},
      {45, "Error: 45"},
  };
  for (const auto& [code, message] : messages) EXPECT_EQ(parser.ErrorMessage(code, ""), message) << code;
}

// Most tones are read from their bytes; a handler that hears each symbol has
// every one read through the productions. Both give the same tones, errors
// and scanner state, around the spellings read in place and those left to
// the productions: prefixes of two digits, marks, rests, switch words and
// volume controls between tones, repeat blocks, line ends, blanks, comments.
TEST(iMelodyParse, TonesReadInPlaceAreThoseEverySymbolGives) {
  for (const std::string& melody : {
           std::string("*6E3#D3e3&d3*5B3.*6D3:C3;*5a2r3R3#r3*7C5*6B5A4G3.#F2E4D4C2*5B3A2.r0"),
           std::string("c3*12d3*5e33f3g3.4a3:5b3;;c3ledond3vibeonbackoffe3V+f3V12g3*5h3c3&*5d3"),
           std::string("(c3d3*4e3@2V+)f3(g3a3@0)b3(c3d3"),
           std::string("c3 d3e3  f3{x}g3(*y*)a3//z\r\nb3"),
           std::string("c3d3e3\r\nf3"),
           std::string("c3d3e3\rf3g3\na3b3"),
           std::string("c3d3e3#"),
           std::string("c3 .d3{x};e3(*y*):f3 \x10.g3//z\r\n.a3(b3)"),
       })
    ExpectReadInPlaceAsHeard<TiMelodyParse, TiMelodyRing>(iMelodyText("VOLUME:V10\r\n", melody));
}
