#include "conversion/uMedolyRing.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <vector>

#include "conversion/uRingLib.h"
#include "conversion/uRingUtils.h"
#include "runtime/Streams.h"
#include "runtime/SysUtils.h"
#include "tests/conversion/NoteList.h"
#include "tests/support/CorpusFiles.h"
#include "tests/support/PelmoraLibrary.h"

namespace {

// Tones as the notations hold them: note letter, accidental, value, octave
// and dot, or control kind and value (the tone's volume is not written).
std::vector<std::string> ToneEntries(const TRingFile& ring) {
  std::vector<std::string> entries;
  for (const auto& t : ring.Track->Tones)
    entries.push_back(t->Kind == rkControl ? "k" + IntToStr(t->ControlKind) + "=" + IntToStr(t->Value)
                                           : t->Note + IntToStr(t->Accidental) + "/" + IntToStr(t->Duration) + "/" +
                                                 IntToStr(t->Octave) + "/" + IntToStr(t->Dot));
  return entries;
}

// The MIDI keys of the sounding notes, rests and controls left out.
std::vector<int32_t> SoundingKeys(const TRingFile& ring) {
  std::vector<int32_t> keys;
  for (const auto& t : ring.Track->Tones)
    if (t->Kind == rkNote && !t->IsRest()) keys.push_back(NoteToMidiKey(t->Note, t->Accidental, t->Octave));
  return keys;
}

template <class TRing>
std::vector<std::string> EntriesOf(const std::string& text) {
  TRing ring;
  ring.LoadFromText(text);
  return ToneEntries(ring);
}

template <class TRing>
std::vector<int32_t> KeysOf(const std::string& text) {
  TRing ring;
  ring.LoadFromText(text);
  return SoundingKeys(ring);
}

// Through MIDI and back the notes of a text keep their pitch; rests and
// controls are dropped. Gives the keys of the text's notes.
template <class TRing>
std::vector<int32_t> ExpectMidiKeepsThePitch(const PelmoraLibrary& lib, const std::string& text,
                                             const std::string& own) {
  const auto midi = lib.Convert(text, own, "R04");
  EXPECT_EQ(midi.Code, Pelmora::rrSuccess);
  EXPECT_EQ(midi.Text.substr(0, 4), "MThd");
  const auto back = lib.Convert(midi.Text, "R04", own);
  EXPECT_EQ(back.Code, Pelmora::rrSuccess);
  EXPECT_EQ(KeysOf<TRing>(back.Text), KeysOf<TRing>(text));
  return KeysOf<TRing>(text);
}

// A text of the notation (its source descriptor given) converts into every
// target. Written once, it reads back to itself and to the same tones, and
// through MIDI its notes keep their pitch.
template <class TRing>
void ExpectConvertsEverywhere(const PelmoraLibrary& lib, const std::string& text, const std::string& own) {
  for (const char* target : {"R00", "R01", "R11", "R02", "R03", "R04"})
    EXPECT_EQ(lib.Convert(text, own, target).Code, Pelmora::rrSuccess) << target;
  const auto written = lib.Convert(text, own, own);
  EXPECT_EQ(lib.Convert(written.Text, own, own).Text, written.Text);
  EXPECT_EQ(EntriesOf<TRing>(written.Text), EntriesOf<TRing>(text));
  ExpectMidiKeepsThePitch<TRing>(lib, text, own);
}

// Truncations (at every step-th length) and byte flips of a text: the reader
// ends cleanly on each, for every target.
void ExpectDamagedTextsConvert(const PelmoraLibrary& lib, const std::string& text, const std::string& own,
                               size_t step) {
  for (size_t cut = 0; cut < text.size(); cut += step) {
    std::string damaged = text.substr(0, cut);
    EXPECT_EQ(lib.Convert(damaged, own, own).Code, Pelmora::rrSuccess);
    damaged = text;
    damaged[cut] = static_cast<char>(damaged[cut] ^ 0x5A);
    for (const char* target : {"R00", "R02", "R03", "R04"})
      EXPECT_EQ(lib.Convert(damaged, own, target).Code, Pelmora::rrSuccess);
  }
}

}  // namespace

// ------------------------------------------------------------------ eMelody

namespace {

const std::string keMelodyExample =
    "BEGIN:EMELODY\r\nVERSION:1.0\r\nNAME:Test\r\nMELODY:cdE.+f#g(b)AP\r\nEND:EMELODY";

// The eMelody text around a melody, as the writer frames it.
std::string WritteneMelody(const std::string& name, const std::string& composer, const std::string& melody) {
  return "BEGIN:EMELODY\r\nVERSION:1.0\r\nNAME:" + name + "\r\nCOMPOSER:" + composer + "\r\nMELODY:" + melody +
         "\r\nEND:EMELODY";
}

std::vector<std::string> eMelodyEntries(const std::string& text) { return EntriesOf<TeMelodyRing>(text); }

}  // namespace

// Adjacent note letters are set apart before parsing; a text that lacks its
// closing line keeps its melody, which runs to the end of the text.
TEST(eMelodyRing, RewritingKeepsTheMelody) {
  const std::string head = "BEGIN:EMELODY\r\nVERSION:1.0\r\nNAME:x\r\n";
  const std::vector<std::string> cd{"C0/8/6/0", "D0/8/6/0"};
  const struct {
    std::string text;
    std::vector<std::string> tones;
  } cases[] = {
      {keMelodyExample,
       {"C0/8/6/0", "D0/8/6/0", "E0/1/6/0", "F0/8/7/0", "G1/8/6/0", "A2/2/6/0", "P0/2/6/0"}},
      {head + "MELODY:cd\r\nEND:EMELODY", cd},
      {head + "MELODY:AbP\r\nEND:EMELODY", {"A0/2/6/0", "B0/8/6/0", "P0/2/6/0"}},
      {head + "MELODY:cd", cd},
      {head + "MELODY:cd\r\n", cd},
      {head + "MELODY:cd\r\nEND:IMELODY", cd},
      // Whatever follows the closing line is dropped, a second melody too.
      {head + "MELODY:cd\r\nEND:EMELODY\r\nMELODY:efg\r\nEND:EMELODY", cd},
      {"begin:emelody\r\nversion:1.0\r\nmelody:cd\r\nend:emelody\r\n", cd},
      // The first melody line is the melody; a later one is left unread.
      {head + "MELODY:cd\r\nMELODY:ef\r\nEND:EMELODY", cd},
      // Without the melody marker (lines ended by LF alone, say) no melody is
      // found, and no tone.
      {"BEGIN:EMELODY\nVERSION:1.0\nMELODY:cd\nEND:EMELODY", {}},
      {"BEGIN:EM", {}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(eMelodyEntries(c.text), c.tones) << c.text;

  // Reading replaces the tones loaded before.
  TeMelodyRing ring;
  ring.LoadFromText(keMelodyExample);
  ring.LoadFromText(head + "MELODY:cd");
  EXPECT_EQ(ToneEntries(ring), cd);
}

TEST(eMelodyRing, WritesTheExampleBack) {
  TeMelodyRing ring;
  ring.LoadFromText(keMelodyExample);
  EXPECT_EQ(ring.GetText(), WritteneMelody("Test", "Carolune", "cdE.+f#g(b)AP"));
  ring.Composer.clear();
  EXPECT_EQ(ring.GetText(), WritteneMelody("Test", "CaroluneConvert", "cdE.+f#g(b)AP"));
  // An empty melody reads as no tone, and stays so.
  ring.LoadFromText(WritteneMelody("x", "y", ""));
  EXPECT_EQ(ring.GetText(), WritteneMelody("x", "y", ""));
}

// Octaves count from the reader's octave 6, whatever the tune's own default:
// nothing can say an octave below it, so such a note is written in it.
TEST(eMelodyRing, WritesEveryToneOfTheModel) {
  TeMelodyRing ring;
  ring.Name.clear();
  ring.DefaultOctave = 5;
  AddNotes(ring, {{"C", 16, 6},
                  {"d", 32, 6},
                  {"E", 4, 6, raNatural, rdDotted},  // the dot is not written
                  {"F", 8, 4},                       // below octave 6: the tune moves up
                  {"g", 1, 8, raSharp},
                  {"A", 2, 7, raFlat, rdDoubleDotted},
                  {"p", 2, 5},
                  {"B", 64, 6},
                  {"C", 3, 6},
                  {"D", 0, 6},
                  // Far above, the shift stays at ten octaves.
                  {"E", 2, INT32_MAX},
                  // E# is F, B# the C above; flats stay flats.
                  {"e", 8, 6, raSharp},
                  {"B", 8, 6, raSharp},
                  {"c", 8, 6, raFlat}});
  for (const int32_t kind : {ckLed, ckVibration, ckBacklight, ckVolume, ckTempo, ckStyle, ckOctave, ckDuration})
    AddControl(ring, kind, 1);
  AddNotes(ring, {{"F", 4, 6}});
  // The F in octave 4 and all but the far E fit octaves 6 to 16 two octaves
  // up: the whole tune moves so, and the far E stays at the top.
  EXPECT_EQ(ring.GetText(),
            WritteneMelody("", "Carolune", "++c++d++e.f++++#G.+++(b)A+P++b++c++d++++++++++E++f+++c++(b)c++f."));

  TeMelodyRing low;
  low.DefaultOctave = INT32_MIN;
  AddNotes(low, {{"c", 8, INT32_MAX}});
  EXPECT_NE(low.GetText().find("\r\nMELODY:++++++++++c\r\n"), std::string::npos);
}

// The largest numbers fill the room the iMelody writer keeps for an entry:
// an octave prefix of ten digits, a volume of eleven characters.
TEST(iMelodyRing, WritesTheLargestNumbers) {
  TiMelodyRing ring;
  AddControl(ring, ckVolume, INT32_MIN);
  AddNotes(ring, {{"c", 3, INT32_MAX, raSharp, rdTriplet}, {"p", 1, INT32_MAX}});
  EXPECT_NE(ring.GetText().find("\r\nMELODY:V-2147483648*2147483647#c5;r0\r\nEND:IMELODY"), std::string::npos);
}

TEST(eMelodyRing, DurationCodes) {
  const std::pair<int32_t, int32_t> codes[] = {{1, 0}, {2, 1}, {4, 2}, {8, 3}, {16, 3}, {32, 3}, {0, 3}, {-2, 3}};
  for (const auto& [duration, code] : codes) EXPECT_EQ(TeMelodyRing::DurationCode(duration), code) << duration;
}

TEST(eMelodyExports, ConvertThroughTheLibrary) {
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  const std::string imelody =
      "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\nNAME:Test\r\nVOLUME:V10\r\nMELODY:*5c2#d3.r1ledon V+\r\n"
      "END:IMELODY";
  ExpectConversions(lib, {
      // The target keeps its own composer.
      {keMelodyExample, "R02", "R02", WritteneMelody("Test", "Carolune", "cdE.+f#g(b)AP")},
      {WritteneMelody("Test", "Jo", "cd"), "R02", "R02", WritteneMelody("Test", "Carolune", "cd")},
      // RTTTL has no flats: A flat is G sharp.
      {keMelodyExample, "R02", "R00", "Test:d=4,o=6,b=64:8C,8D,1E,8F7,8G#,2G#,2P"},
      {keMelodyExample, "R02", "R03",
       "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\nBEAT:64\r\nNAME:Test\r\nCOMPOSER:Carolune\r\n"
       "MELODY:*6C3D3E0*7F3*6#G3&A1r1\r\nEND:IMELODY"},
      // Octaves count from the reader's octave 6; octave 5 cannot be said, so
      // the tune moves up one as a whole. Dots and controls do not cross.
      {"Test:d=4,o=5,b=125:8c#6.,p,h,4b", "R00", "R02", WritteneMelody("Test", "Carolune", "+#cp.b.b.")},
      {imelody, "R03", "R02", WritteneMelody("Test", "Carolune", "c.#dP")},
      {"x:d=4,o=5,b=125:", "R00", "R02", WritteneMelody("x", "Carolune", "")},
  });
  EXPECT_EQ(ExpectMidiKeepsThePitch<TeMelodyRing>(lib, keMelodyExample, "R02"),
            (std::vector<int32_t>{72, 74, 76, 89, 80, 80}));
}

TEST(eMelodyCorpus, EveryFileThroughEveryTarget) {
  const auto files = CorpusFiles("emelody", ".emy");
  ASSERT_FALSE(files.empty()) << "corpus not found at " CAROLUNE_CORPUS_DIR;
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  for (const auto& path : files) {
    SCOPED_TRACE(path.filename().string());
    ExpectConvertsEverywhere<TeMelodyRing>(lib, ReadFileBytes(path.string()), "R02");
  }
}

// The phone maker's example: every note letter stands alone and the writer
// gives the file back as it was, up to its final line end.
TEST(eMelodyCorpus, TheReferenceExampleReadsAndWritesBack) {
  const std::string text =
      ReadFileBytes(std::string(CAROLUNE_CORPUS_DIR) + "/emelody/ericsson_at_reference_example.emy");
  TeMelodyRing ring;
  ring.LoadFromText(text);
  EXPECT_EQ(ring.Name, "Test melody 1");
  EXPECT_EQ(ring.Composer, "John Smith");
  EXPECT_EQ(ring.Track->Count(), 40);
  EXPECT_EQ(ring.GetText() + "\r\n", text);

  // Cut right after any note letter of the melody, the file keeps the notes
  // up to the cut.
  const std::vector<std::string> tones = ToneEntries(ring);
  const size_t melody = text.find("MELODY:") + 7;
  const size_t end = text.find("\r\nEND:");
  size_t letters = 0;
  for (size_t cut = melody; cut < end; ++cut) {
    if (!std::isalpha(static_cast<unsigned char>(text[cut])) || text[cut - 1] == '(') continue;
    ++letters;
    const std::vector<std::string> read = eMelodyEntries(text.substr(0, cut + 1));
    EXPECT_EQ(read, std::vector<std::string>(tones.begin(), tones.begin() + static_cast<long>(letters))) << cut;
  }
  EXPECT_EQ(letters, tones.size());
}

TEST(eMelodyCorpus, DamagedFilesReadAsFarAsTheyParse) {
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  ExpectDamagedTextsConvert(lib, keMelodyExample, "R02", 1);
  for (const auto& path : CorpusFiles("emelody", ".emy"))
    ExpectDamagedTextsConvert(lib, ReadFileBytes(path.string()), "R02", 1);
}

// ------------------------------------------------------------------ iMelody

namespace {

const std::string kiMelodyExample =
    "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\nNAME:Test\r\nBEAT:120\r\nSTYLE:S1\r\nVOLUME:V10\r\n"
    "MELODY:*5c2#d3.r1ledon V+\r\nEND:IMELODY";

// The iMelody text around a melody, as the writer frames it: the BEAT and
// NAME lines as given, then the composer and the melody.
std::string WrittenImelody(const std::string& headLines, const std::string& composer, const std::string& melody) {
  return "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\n" + headLines + "COMPOSER:" + composer +
         "\r\nMELODY:" + melody + "\r\nEND:IMELODY";
}

std::vector<std::string> iMelodyEntries(const std::string& text) { return EntriesOf<TiMelodyRing>(text); }

}  // namespace

TEST(iMelodyRing, WritesTheExampleBack) {
  TiMelodyRing ring;
  ring.LoadFromText(kiMelodyExample);
  ring.Composer.clear();
  EXPECT_EQ(ring.GetText(), WrittenImelody("BEAT:120\r\nNAME:Test\r\n", "CaroluneConvert", "*5c2#d3.r1ledonV11"));
  // Read back, "ledonV11" is the LED switched on, then the volume.
  EXPECT_EQ(iMelodyEntries(ring.GetText()),
            (std::vector<std::string>{"c0/4/5/0", "d1/8/5/1", "p0/2/5/0", "k16=1", "k19=11"}));
}

TEST(iMelodyRing, WritesEveryToneOfTheModel) {
  TiMelodyRing ring;
  ring.Name.clear();
  ring.Composer = "Jo";
  AddNotes(ring, {{"C", 4, 6},
                  {"d", 8, 6, raSharp, rdDotted},
                  {"B", 2, 5, raFlat, rdDoubleDotted},  // then a prefix only where the octave changes
                  {"e", 16, 5, raNatural, rdTriplet},
                  {"P", 1, 5},
                  {"p", 32, 7},
                  {"F", 64, 7},  // other values are thirty-seconds
                  {"G", 3, 7},
                  {"A", 0, 6}});
  for (const int32_t kind : {ckLed, ckVibration, ckBacklight}) {
    AddControl(ring, kind, 1);
    AddControl(ring, kind, 0);
  }
  AddControl(ring, ckLed, 2);  // only 1 is on
  AddControl(ring, ckVolume, 12);
  AddControl(ring, ckVolume, -3);
  // Tempo, style, octave and duration have no entry.
  for (const int32_t kind : {ckTempo, ckStyle, ckOctave, ckDuration}) AddControl(ring, kind, 5);
  EXPECT_EQ(ring.GetText(), WrittenImelody("BEAT:64\r\n", "Jo",
                                           "*6C2#d3.*5&B1:e4;r0*7r5F5G5*6A5"
                                           "ledonledoffvibeonvibeoffbackonbackoffledoffV12V-3"));
}

TEST(iMelodyRing, DurationCodes) {
  const std::pair<int32_t, int32_t> codes[] = {{1, 0}, {2, 1},  {4, 2},  {8, 3}, {16, 4},
                                               {32, 5}, {64, 5}, {3, 5}, {0, 5}, {-4, 5}};
  for (const auto& [duration, code] : codes) EXPECT_EQ(TiMelodyRing::DurationCode(duration), code) << duration;
}

// Control words are written without separators, so one that stands before a
// letter runs into it; read back, the word is still the control, then the
// tone.
TEST(iMelodyRing, AControlWordBeforeALetterReadsBack) {
  TiMelodyRing ring;
  AddNotes(ring, {{"c", 4, 6}});
  AddControl(ring, ckVolume, 5);
  AddControl(ring, ckBacklight, 1);
  AddNotes(ring, {{"d", 4, 6}});
  const std::string text = ring.GetText();
  EXPECT_NE(text.find("MELODY:*6c2V5backond2\r\n"), std::string::npos);
  EXPECT_EQ(iMelodyEntries(text), (std::vector<std::string>{"c0/4/6/0", "k19=5", "k18=1", "d0/4/6/0"}));
}

TEST(iMelodyExports, ConvertThroughTheLibrary) {
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  ExpectConversions(lib, {
      // The target keeps its own composer; name and default octave cross.
      {kiMelodyExample, "R03", "R03", WrittenImelody("BEAT:120\r\nNAME:Test\r\n", "Carolune", "*5c2#d3.r1ledonV11")},
      {kiMelodyExample, "R03", "R00", "Test:d=4,o=6,b=120:c5,8d#5.,2p5"},
      {"Test:d=4,o=5,b=125:8c#6.,p,h,4b", "R00", "R03",
       WrittenImelody("BEAT:125\r\nNAME:Test\r\n", "Carolune", "*6#C3.*5r2B2B2")},
      {"x:d=4,o=5,b=125:", "R00", "R03", WrittenImelody("BEAT:125\r\nNAME:x\r\n", "Carolune", "")},
      // Numbers too large for 32 bits take their fallbacks; nothing fails.
      {WrittenImelody("BEAT:99999999999\r\n", "x", "*99999999999c99999999999V99999999999"), "R03", "R03",
       WrittenImelody("BEAT:64\r\nNAME:Ring\r\n", "Carolune", "*6c2V7")},
  });
  EXPECT_EQ(ExpectMidiKeepsThePitch<TiMelodyRing>(lib, kiMelodyExample, "R03"), (std::vector<int32_t>{60, 63}));
}

TEST(iMelodyCorpus, EveryFileThroughEveryTarget) {
  const auto files = CorpusFiles("imelody", ".imy");
  ASSERT_GT(files.size(), 20u) << "corpus not found at " CAROLUNE_CORPUS_DIR;
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  for (const auto& path : files) {
    SCOPED_TRACE(path.filename().string());
    ExpectConvertsEverywhere<TiMelodyRing>(lib, ReadFileBytes(path.string()), "R03");
  }
}

// Folded melody lines, repeat blocks (one opened by an octave prefix among
// them) and switch words written together: every file gives all its tones.
TEST(iMelodyCorpus, FilesWithFoldsAndRepeatsGiveAllTheirTones) {
  const std::string root = std::string(CAROLUNE_CORPUS_DIR) + "/imelody/";
  const struct {
    std::string file;
    int tones;
  } cases[] = {
      {"imyplay/mozart1.imy", 29},   // folded
      {"imyplay/mozart2.imy", 29},   // folded
      {"imyplay/strauss1.imy", 93},  // folded three times
      {"imyplay/beatles1.imy", 20},  // a repeat
      {"imyplay/abba1.imy", 34},     // a repeat first
      {"imyplay/prettyw.imy", 18},   // nothing but a repeat
      {"imyplay/kalinka.imy", 25},   // repeats opened by "(*"
      {"imyplay/queen.imy", 44},     // a repeat on a folded line
      {"imyplay/strauss2.imy", 68},  // three repeats, folded
      {"other/wikipedia_example_vibe_led_back.imy", 35},  // repeated for ever, "vibeonbackoff"
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    TiMelodyRing ring;
    ring.LoadFromText(ReadFileBytes(root + c.file));
    EXPECT_EQ(ring.Track->Count(), c.tones);
  }
  TiMelodyRing abba;
  abba.LoadFromText(ReadFileBytes(root + "other/abba.imy"));
  EXPECT_EQ(abba.Name, "DanceQueen");
  EXPECT_EQ(abba.Composer, "downloaded at www.ringtones.perbang.dk");
  EXPECT_EQ(abba.Tempo, 112);
  EXPECT_EQ(abba.Style, "C");
  EXPECT_EQ(abba.Volume, 10);
  EXPECT_EQ(abba.Track->Count(), 61);
}

// Truncations and byte flips of real files: the reader ends cleanly on each.
TEST(iMelodyCorpus, DamagedFilesReadAsFarAsTheyParse) {
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  for (const auto& path : CorpusFiles("imelody/other", ".imy"))
    ExpectDamagedTextsConvert(lib, ReadFileBytes(path.string()), "R03", 7);
}

TEST(MelodyWriters, ANameWithLineBreaksPlantsNoLines) {
  const std::string name = "x\r\nMELODY:ccc\nEND:IMELODY";
  TeMelodyRing e;
  TiMelodyRing i;
  for (TRingFile* ring : {static_cast<TRingFile*>(&e), static_cast<TRingFile*>(&i)}) {
    ring->Name = name;
    AddNotes(*ring, {{"C", 4, 5}});
    const std::string text = ring->GetText();
    size_t melodyLines = 0;
    for (size_t at = text.find("MELODY:"); at != std::string::npos; at = text.find("MELODY:", at + 1))
      if (at == 0 || text[at - 1] == '\n') ++melodyLines;
    EXPECT_EQ(melodyLines, 1u) << text;
    EXPECT_NE(text.find("NAME:x MELODY:ccc END:IMELODY\r\n"), std::string::npos) << text;
  }
}
