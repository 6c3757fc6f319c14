#include "conversion/uRtttlRing.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

#include "conversion/uRingLib.h"
#include "runtime/SysUtils.h"
#include "tests/support/PelmoraLibrary.h"
#include "tests/support/RtttlCorpus.h"

namespace {

// A tone as "<value><letter>[#]/<octave>[.]", a control as "k<kind>=<value>".
std::string Describe(const TRingTone& tone) {
  if (tone.Kind == rkControl) return "k" + IntToStr(tone.ControlKind) + "=" + IntToStr(tone.Value);
  return IntToStr(tone.Duration) + tone.Note + (tone.Accidental != raNatural ? "#" : "") + "/" +
         IntToStr(tone.Octave) + (tone.Dot != rdNone ? "." : "");
}

std::vector<std::string> Tones(const TRingFile& ring) {
  std::vector<std::string> tones;
  for (const auto& tone : ring.Track->Tones) tones.push_back(Describe(*tone));
  return tones;
}

// The sounding notes of an RTTTL text as letter, sharp and octave.
std::vector<std::string> Pitches(const std::string& text) {
  TRtttlRing ring;
  ring.LoadFromText(text);
  std::vector<std::string> pitches;
  for (const auto& tone : ring.Track->Tones)
    if (tone->Kind == rkNote && !tone->IsRest())
      pitches.push_back(tone->Note + (tone->Accidental != raNatural ? "#" : "") + IntToStr(tone->Octave));
  return pitches;
}

}  // namespace

TEST(RtttlRing, ReadsAndWritesTheExamples) {
  const struct {
    std::string text, name;
    int duration, octave, tempo;
    std::string style;
    std::vector<std::string> tones;
    std::string written;
  } cases[] = {
      {"Test:d=4,o=5,b=125:8c#6.,p,h,4b", "Test", 4, 5, 125, "", {"8C#/6.", "4P/5", "4B/5", "4B/5"},
       "Test:d=4,o=5,b=125:8C#6.,P,H,H"},
      {"x:o5,d8,b200:c", "x", 8, 5, 200, "", {"8C/5"}, "x:d=8,o=5,b=200:C"},
      {"x:d=4,o=5,b=100,s=n:c", "x", 4, 5, 100, "N", {"4C/5"}, "x:d=4,o=5,b=100:C"},
      // A default without its key keeps the tune's own.
      {"x:b=90:c", "x", 4, 6, 90, "", {"4C/6"}, "x:d=4,o=6,b=90:C"},
      // Among the tones o stays a control; d is the note D, and "=" ends the tones.
      {"x:d=4,o=5,b=100:c,o=6,d=8,e", "x", 4, 5, 100, "", {"4C/5", "k23=6", "4D/5"}, "x:d=4,o=5,b=100:C,o6,D"},
      {"x:d=4,o=5,b=100:c,s=c,d", "x", 4, 5, 100, "", {"4C/5", "k22=67", "4D/5"}, "x:d=4,o=5,b=100:C,D"},
      // An unknown key ends the defaults there and leaves no tones.
      {"x:d=8,o=5,l=15,b=100:c", "x", 8, 5, 64, "", {}, "x:d=8,o=5,b=64:"},
      {"x:d=4,o=5,b=100:", "x", 4, 5, 100, "", {}, "x:d=4,o=5,b=100:"},
      {"My  Song - 2 :d=4,o=5,b=100:c", "My Song - 2 ", 4, 5, 100, "", {"4C/5"}, "My Song - 2 :d=4,o=5,b=100:C"},
      {"TEST:D=4,O=5,B=125:8C#6.,P,H,4B", "TEST", 4, 5, 125, "", {"8C#/6.", "4P/5", "4B/5", "4B/5"},
       "TEST:d=4,o=5,b=125:8C#6.,P,H,H"},
      // Real tunes often put the dot before the octave and write "_" for the
      // sharp: the same tones, written back in the usual order.
      {"x:d=4,o=5,b=100:8f.5,c", "x", 4, 5, 100, "", {"8F/5.", "4C/5"}, "x:d=4,o=5,b=100:8F.,C"},
      {"x:d=4,o=5,b=100:a_5,8c_.6,16G_6.", "x", 4, 5, 100, "", {"4A#/5", "8C#/6.", "16G#/6."},
       "x:d=4,o=5,b=100:A#,8C#6.,16G#6."},
      // E# and B#, with "#" or "_", are the F and the C above, and the tones
      // go on after them; H takes no sharp, and the tones end there.
      {"x:d=4,o=5,b=100:16e#6,16f#6", "x", 4, 5, 100, "", {"16F/6", "16F#/6"}, "x:d=4,o=5,b=100:16F6,16F#6"},
      {"x:d=4,o=5,b=100:c,e_5,b#,8B_4.,h#,d", "x", 4, 5, 100, "", {"4C/5", "4F/5", "4C/6", "8C/5.", "4B/5"},
       "x:d=4,o=5,b=100:C,F,C6,8C.,H"},
      {"x:d=4,o=5,b=100:b#2147483647,eb", "x", 4, 5, 100, "", {"4C/2147483647"}, "x:d=4,o=5,b=100:C2147483647"},
      // An entry without a note letter adds no tone.
      {"x:d=4,o=5,b=100:c,4,d,16.6,e", "x", 4, 5, 100, "", {"4C/5", "4D/5", "4E/5"}, "x:d=4,o=5,b=100:C,D,E"},
      // A doubled comma adds no tone.
      {"x:d=4,o=5,b=100:c,,d", "x", 4, 5, 100, "", {"4C/5", "4D/5"}, "x:d=4,o=5,b=100:C,D"},
      // Without any ":" the whole text is the name.
      {"just text", "just text", 4, 6, 64, "", {}, "just text:d=4,o=6,b=64:"},
      {"", "", 4, 6, 64, "", {}, ":d=4,o=6,b=64:"},
  };
  for (const auto& c : cases) {
    TRtttlRing ring;
    ring.LoadFromText(c.text);
    EXPECT_EQ(ring.Name, c.name) << c.text;
    EXPECT_EQ(ring.DefaultDuration, c.duration) << c.text;
    EXPECT_EQ(ring.DefaultOctave, c.octave) << c.text;
    EXPECT_EQ(ring.Tempo, c.tempo) << c.text;
    EXPECT_EQ(ring.Style, c.style) << c.text;
    EXPECT_EQ(Tones(ring), c.tones) << c.text;
    EXPECT_EQ(ring.GetText(), c.written) << c.text;
  }
}

TEST(RtttlRing, ReadingReplacesTheTonesAndRaisesOnHugeNumbers) {
  TRtttlRing ring;
  ring.LoadFromText("x:d=4,o=5,b=100:c,d");
  ring.LoadFromText("y:d=4,o=5,b=100:e");
  EXPECT_EQ(Tones(ring), std::vector<std::string>{"4E/5"});
  for (const std::string text : {"x:d=4,o=5,b=8589934592:c", "x:d=4:8589934592c", "x:d=4:c99999999999"})
    EXPECT_THROW(ring.LoadFromText(text), EConvertError) << text;
}

TEST(RtttlRing, WritesEveryToneOfTheModel) {
  TRtttlRing ring;
  ring.DefaultDuration = 8;
  ring.DefaultOctave = 5;
  ring.Tempo = 90;
  const auto add = [&](uint8_t kind, int32_t duration, const std::string& note, int32_t octave, uint8_t dot,
                       uint8_t accidental, int32_t controlKind, int32_t value) {
    auto tone = std::make_unique<TRingTone>();
    *tone = TRingTone{duration, octave, 7, controlKind, value, kind, dot, accidental, note};
    ring.Track->Add(std::move(tone));
  };
  add(rkNote, 8, "B", 5, rdNone, raFlat, 0, 0);  // a flat is the sharp of the letter below
  add(rkNote, 4, "b", 6, rdDoubleDotted, raNatural, 0, 0);  // lower-case b is H too
  add(rkNote, 16, "p", 5, rdTriplet, raNatural, 0, 0);
  add(rkControl, 0, "", 0, 0, 0, ckOctave, 6);
  add(rkControl, 0, "", 0, 0, 0, ckDuration, 16);
  add(rkControl, 0, "", 0, 0, 0, ckTempo, 120);
  for (const int32_t kind : {ckStyle, ckVolume, ckLed, ckVibration, ckBacklight}) add(rkControl, 0, "", 0, 0, 0, kind, 1);
  EXPECT_EQ(ring.GetText(), "Ring:d=8,o=5,b=90:A#,4H6.,16p.,o6,d16,b120");
  // A ":" in the name would end it early; the blanks then read as one.
  ring.Name = "Act 1: Overture";
  ring.Track->Clear();
  EXPECT_EQ(ring.GetText(), "Act 1 Overture:d=8,o=5,b=90:");
}

// The largest numbers fill the room the writer keeps for its defaults and
// for an entry of two numbers, its widest.
TEST(RtttlRing, WritesTheLargestNumbers) {
  TRtttlRing ring;
  ring.DefaultDuration = INT32_MIN;
  ring.DefaultOctave = INT32_MIN;
  ring.Tempo = INT32_MIN;
  auto note = std::make_unique<TRingTone>();
  *note = TRingTone{INT32_MAX, INT32_MAX, 7, 0, 0, rkNote, rdDotted, raSharp, "c"};
  ring.Track->Add(std::move(note));
  auto tempo = std::make_unique<TRingTone>();
  *tempo = TRingTone{0, 0, 7, ckTempo, INT32_MIN, rkControl, rdNone, raNatural, ""};
  ring.Track->Add(std::move(tempo));
  EXPECT_EQ(ring.GetText(), "Ring:d=-2147483648,o=-2147483648,b=-2147483648:2147483647c#2147483647.,b-2147483648");
}

TEST(RtttlExports, ReadAndWriteThroughTheLibrary) {
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  const struct {
    std::string source;
    int32_t code;
    std::string text;
  } cases[] = {
      {"Test:d=4,o=5,b=125:8c#6.,p,h,4b", Pelmora::rrSuccess, "Test:d=4,o=5,b=125:8C#6.,P,H,H"},
      // The copy keeps the target's own default duration.
      {"x:o5,d8,b200:c", Pelmora::rrSuccess, "x:d=4,o=5,b=200:8C"},
      {"x:d=4,o=5,b=100:c,o=6,d=8", Pelmora::rrSuccess, "x:d=4,o=5,b=100:C,o6,D"},
      {"x:d=4,o=5,b=100,l=15:c", Pelmora::rrSuccess, "x:d=4,o=5,b=100:"},
      {"x:d=4,o=5,b=8589934592:c", Pelmora::rrTextLoadFailed, ""},
      {"x:d=4,o=5,b=100:c,4294967296d", Pelmora::rrTextLoadFailed, ""},
  };
  for (const auto& c : cases) {
    const auto r = lib.Convert(c.source, "R00", "R00");
    EXPECT_EQ(r.Code, c.code) << c.source;
    EXPECT_EQ(r.Text, c.text) << c.source;
  }
  // Through MIDI and back the notes keep their pitch; rests are dropped.
  const auto midi = lib.Convert("Test:d=4,o=5,b=125:8c#6.,p,h,4b", "R00", "R04");
  ASSERT_EQ(midi.Code, Pelmora::rrSuccess);
  EXPECT_EQ(midi.Text.substr(0, 4), "MThd");
  const auto back = lib.Convert(midi.Text, "R04", "R00");
  EXPECT_EQ(back.Code, Pelmora::rrSuccess);
  EXPECT_EQ(Pitches(back.Text), (std::vector<std::string>{"C#6", "B5", "B5"}));
}

TEST(RtttlExports, MapsThroughAFilter) {
  // The tune the shipped filters are checked with, as RTTTL.
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2MAP());
  const auto r = lib.Map("x:d=4,o=5,b=100:8g.,16g,8a,g,c6,2b,p,f#7,8d#6", "R00",
                         CAROLUNE_SOURCE_DIR "/filters/Filters/Nokia3310.mss", "F");
  EXPECT_EQ(r.Code, Pelmora::rrSuccess);
  EXPECT_EQ(r.Text, "8.g1 16g1 8a1 4g1 4c2 2b1 4- 4#f3 8#d2");
}

TEST(RtttlCorpus, EveryTuneRoundTripsThroughTheLibrary) {
  const auto tunes = RtttlCorpusTunes();
  ASSERT_GT(tunes.size(), 100u) << "corpus not found at " CAROLUNE_CORPUS_DIR;
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  int withTones = 0;
  for (const auto& tune : tunes) {
    SCOPED_TRACE(tune.substr(0, 40));
    const auto rtttl = lib.Convert(tune, "R00", "R00");
    ASSERT_EQ(rtttl.Code, Pelmora::rrSuccess);
    EXPECT_EQ(lib.Convert(rtttl.Text, "R00", "R00").Text, rtttl.Text);
    if (!Pitches(tune).empty()) ++withTones;

    const auto midi = lib.Convert(tune, "R00", "R04");
    ASSERT_EQ(midi.Code, Pelmora::rrSuccess);
    const auto back = lib.Convert(midi.Text, "R04", "R00");
    ASSERT_EQ(back.Code, Pelmora::rrSuccess);
    EXPECT_EQ(lib.Convert(back.Text, "R00", "R00").Text, back.Text);
    EXPECT_EQ(Pitches(back.Text), Pitches(tune));
  }
  EXPECT_EQ(withTones, static_cast<int>(tunes.size()));
}
