#include "conversion/uRingKeyPressBase.h"

#include <gtest/gtest.h>

#include "runtime/SysUtils.h"
#include "tests/conversion/FilterRender.h"

namespace {

// Order note, sharp, duration, dot, octave; both mapper types 1; defaults
// octave 0 (relative), no sharp, quarter, not dotted; nothing remembered.
const std::string kFilter =
    "DefaultOptions_Octave=0\r\nDefaultOptions_Sharp=0\r\nDefaultOptions_Duration=4\r\n"
    "DefaultOptions_DotDuration=0\r\nRemember_Octave=0\r\nRemember_Sharp=0\r\nRemember_Duration=0\r\n"
    "Remember_DotDuration=0\r\nRemember_ToneSeparater= \r\n"
    "NoteMapper_C=c\r\nNoteMapper_D=d\r\nNoteMapper_P=p\r\n"
    "SharpMapper_NormalToSharp=#\r\nDotDurationMapper_NormalToDotDuration=.\r\n"
    "DurationMapper_MapperType=1\r\nDurationMapper_ToShorter=S\r\nDurationMapper_ToLonger=L\r\n"
    "OctaveMapper_MapperType=1\r\nOctaveMapper_ToHigher=U\r\nOctaveMapper_ToLower=D\r\n"
    "MapperOrder_1=0\r\nMapperOrder_2=1\r\nMapperOrder_3=2\r\nMapperOrder_4=3\r\nMapperOrder_5=4\r\n";

std::string Render(std::initializer_list<NoteSpec> notes, const std::string& changes = "") {
  return RenderThroughFilter(changes + kFilter, notes);
}

}  // namespace

TEST(KeyPress, RendersEachNoteAgainstTheStateBeforeIt) {
  struct Case {
    std::initializer_list<NoteSpec> notes;
    const char* changes;
    const char* text;
  };
  const Case cases[] = {
      // Relative default octave 0 with the tune's default octave 6.
      {{{"C", 4, 6, raSharp}, {"D", 8, 7}}, "", "c# dSU"},
      // Composers know sharps: a flat is the sharp of the letter below, E
      // sharp is F, B sharp the C above, C flat the B below; the spelt note
      // is what the next one is measured against.
      {{{"D", 4, 7, raFlat, rdDotted}}, "", "c#.U"},
      {{{"B", 4, 6, raSharp}, {"E", 4, 6, raSharp}}, "NoteMapper_F=f\r\n", "cU f"},
      {{{"C", 4, 6, raFlat}, {"C", 4, 6, raFlat}}, "NoteMapper_B=b\r\nRemember_Octave=1\r\n", "bD b"},
      {{{"C", 4, 6}}, "DefaultOptions_Octave=-1\r\n", "cU"},
      {{{"C", 4, 6}}, "DefaultOptions_Octave=1\r\n", "cD"},
      {{{"C", 4, 6}}, "DefaultOptions_Octave=6\r\n", "c"},
      {{{"C", 4, 8}}, "DefaultOptions_Octave=6\r\n", "cUU"},
      // Remembering nothing, an equal tone renders the same wherever it stands.
      {{{"C", 8, 7}, {"D", 4, 6}, {"C", 8, 7}, {"C", 8, 7}}, "", "cSU d cSU cSU"},
      // Remembered duration: only the first eighth after the quarter changes.
      {{{"C", 4, 6}, {"C", 8, 6}, {"C", 8, 6}, {"C", 8, 6}}, "Remember_Duration=1\r\n", "c cS c c"},
      {{{"C", 4, 6}, {"D", 4, 7}, {"C", 4, 7}}, "Remember_Octave=1\r\n", "c dU c"},
      // An equal tone renders anew whenever the remembered state differs.
      {{{"C", 4, 6}, {"D", 4, 7}, {"C", 4, 6}, {"C", 4, 6}, {"D", 4, 7}}, "Remember_Octave=1\r\n",
       "c dU cD c dU"},
      // Separators: none before an empty first note, still one before an empty later note.
      {{{"E", 4, 6}, {"C", 4, 6}}, "", "c"},
      {{{"C", 4, 6}, {"E", 4, 6}, {"D", 4, 6}}, "", "c  d"},
      {{{"C", 4, 6}, {"D", 4, 6}}, "Remember_ToneSeparater=-+-\r\n", "c-+-d"},
      // A text put in again whole, at the length of the fixed copy and past
      // it, the tune's text outgrowing the room it started with.
      {{{"C", 4, 6}, {"D", 4, 6}, {"C", 4, 6}, {"D", 4, 6}},
       "NoteMapper_C=cccccccccccccccc\r\nNoteMapper_D=ddddddddddddddddd\r\n",
       "cccccccccccccccc ddddddddddddddddd cccccccccccccccc ddddddddddddddddd"},
      // The octave step before the note step is lost.
      {{{"C", 4, 7}}, "MapperOrder_1=4\r\nMapperOrder_2=0\r\nMapperOrder_5=1\r\n", "c"},
      // A rest has no pitch: no sharp or octave text, and the octave of the
      // note before it stays the reference.
      {{{"C", 4, 7}, {"P", 8, 3}, {"D", 4, 7}}, "Remember_Octave=1\r\n", "cU pS d"},
      {{{"C", 4, 6, raSharp}, {"p", 4, 9, raSharp}}, "Remember_Sharp=1\r\n", "c# p"},
  };
  for (const Case& c : cases) EXPECT_EQ(Render(c.notes, c.changes), c.text) << c.changes;
}

TEST(KeyPress, ControlTonesAndEmptyTunesRenderNothing) {
  TKeyPressBase tune;
  auto control = std::make_unique<TRingTone>();
  control->Kind = rkControl;
  control->ControlKind = ckTempo;
  tune.Track->Add(std::move(control));
  // Without notes the mapper order is never consulted.
  tune.FilterConfig.LoadFromText(kFilter.substr(0, kFilter.find("MapperOrder_1")));
  EXPECT_EQ(tune.GetText(), "");
}

TEST(KeyPress, ABadMapperOrderFailsAndTheDefaultOctaveComesBack) {
  TKeyPressBase tune;
  AddNotes(tune, {{"C", 4, 6}});
  tune.FilterConfig.LoadFromText("MapperOrder_3=two\r\n" + kFilter);
  EXPECT_THROW(tune.GetText(), EConvertError);
  EXPECT_EQ(tune.FilterConfig.DefaultOptions_Octave, 0);
  std::string text;
  tune.FilterConfig.MapperOrder_3 = "2";
  EXPECT_EQ(tune.GetText(), "c");
  EXPECT_EQ(tune.FilterConfig.DefaultOptions_Octave, 0);
}

TEST(KeyPress, AHostileTuneDefaultOctaveDoesNotOverflow) {
  TKeyPressBase tune;
  AddNotes(tune, {{"C", 4, INT32_MIN}});
  tune.DefaultOctave = INT32_MIN;
  tune.FilterConfig.LoadFromText("DefaultOptions_Octave=-1\r\n" + kFilter);
  EXPECT_EQ(tune.GetText(), "c");
}

TEST(KeyPress, ATuneTooLongFailsWithTheStateOfTheToneThatOverflowed) {
  // Each note's text is nearly a note's longest, so the whole passes its
  // limit within a few thousand notes: those of the second group, the first
  // of which overflows, leave their octave and duration as the last state.
  const size_t noteText = Pelmora::TRingtoneFilterConfig::MaxNoteText - 96;
  const size_t fitting = Pelmora::TRingtoneFilterConfig::MaxTuneText / (noteText + 1);
  TKeyPressBase tune;
  tune.DefaultOctave = 6;
  for (size_t i = 0; i < fitting - 8; ++i) AddNotes(tune, {{"C", 4, 6}});
  for (size_t i = 0; i < 16; ++i) AddNotes(tune, {{"C", 8, 7}});
  tune.FilterConfig.LoadFromText("NoteMapper_C=" + std::string(noteText, 'c') + "\r\n" + kFilter);
  EXPECT_THROW(tune.GetText(), Pelmora::EFilterOverflow);
  EXPECT_EQ(tune.LastState, (Pelmora::TNoteLastState{false, 7, 8, false}));
  EXPECT_EQ(tune.FilterConfig.DefaultOptions_Octave, 0);
}
