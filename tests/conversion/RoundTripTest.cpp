// The tune survives every conversion: taken through any text notation and on
// to MIDI, a tune sounds the same keys and lengths as taken straight to MIDI
// (through iMelody and RTTTL also at the same tempo), as long as it lies
// within what that notation can say.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "conversion/uMidiFile.h"
#include "conversion/uRingLib.h"
#include "conversion/uRingUtils.h"
#include "runtime/Streams.h"
#include "runtime/SysUtils.h"
#include "tests/conversion/NoteList.h"
#include "tests/conversion/SourceTune.h"
#include "tests/support/CorpusFiles.h"
#include "tests/support/MidiBytes.h"
#include "tests/support/PelmoraLibrary.h"
#include "tests/support/RtttlCorpus.h"

namespace {

// What a notation can say. A tune whose tones all lie within these limits
// comes back from it as it went in:
//  - the keys of its notes span no more octaves than Lowest..Highest, and
//    the notation moves the whole tune by the fewest whole octaves that put
//    every key's octave (key div 12) in there (none when all already are),
//    within the MIDI range: Composer's "+" and "-" reach one octave either
//    side of its octave 6, eMelody's "+" up to ten above it (none below),
//    RTTTL and iMelody state any octave of the MIDI range;
//  - every note value is one of Durations (any, when empty) and no dot is
//    above HighestDot: Composer and eMelody write no dots, RTTTL only ".",
//    eMelody has no sixteenths or thirty-seconds;
//  - iMelody keeps the tempo within 25..900; Composer and eMelody have no
//    tempo;
//  - a Composer text holds what one phone screen holds, 35 tones and 124
//    characters: the tones it keeps must survive, and at five characters a
//    tone at most, it keeps at least the first 25; it moves the tune to fit
//    the 35 tones it may write.
struct TNotation {
  const char* Code;
  const char* Name;
  int32_t LowestOctave, HighestOctave;
  std::vector<int32_t> Durations;
  uint8_t HighestDot;
  bool KeepsTempo;
  int32_t SlowestTempo, FastestTempo;
  bool OneScreen;
};

const std::vector<int32_t> kAnyDuration;
const std::vector<int32_t> kEveryValue{1, 2, 4, 8, 16, 32};

const TNotation kNotations[] = {
    {"00", "RTTTL", 0, 10, kAnyDuration, rdDotted, true, 1, INT32_MAX, false},
    {"01", "Composer", 5, 7, kEveryValue, rdNone, false, 0, 0, true},
    {"02", "eMelody", 6, 16, {1, 2, 4, 8}, rdNone, false, 0, 0, false},
    {"03", "iMelody", 0, 10, kEveryValue, rdTriplet, true, 25, 900, false},
};

// The tones a Composer text may hold, over which it moves the tune.
constexpr int kComposerTones = 35;

// At five characters a tone at most, a Composer text of 124 characters holds
// at least this many.
constexpr int kComposerHoldsAtLeast = 25;

// What a MIDI file sounds: each note as its onset and length in ticks and
// its key, and the tempo event's bytes.
struct TSounding {
  std::vector<std::array<int32_t, 3>> Notes;
  std::string Tempo;
};

TSounding Sounding(const std::string& bytes) {
  TMidiFile midi;
  midi.LoadFromText(bytes);
  TSounding sounding;
  if (midi.TrackCount() == 0) return sounding;
  const TMidiTrack& track = *midi.GetTrack(0);
  for (int i = 0; i < track.Count(); ++i) {
    const TMidiEvent e = *track.GetEvent(i);
    if (e.IsMeta() && e.Data1 == 0x51) sounding.Tempo = e.MetaData;
    if (e.SoundsNote()) sounding.Notes.push_back({e.AbsoluteTime, e.NoteLength, e.Data1});
  }
  return sounding;
}

int32_t OctaveOfKey(int32_t key) { return key >= 0 ? key / 12 : (key - 11) / 12; }

// The whole octaves by which a notation moves a tune whose first `count`
// tones it considers: the fewest that put every note's octave within its
// own; none when the notes span more octaves than it has.
std::optional<int32_t> OctaveMove(const TRingFile& tune, const TNotation& n, int count) {
  int32_t lowest = INT32_MAX, highest = INT32_MIN;
  for (int i = 0; i < count && i < tune.Track->Count(); ++i) {
    const TRingTone& t = *tune.Track->GetTone(i);
    if (t.Kind != rkNote || t.IsRest()) continue;
    const int32_t octave = OctaveOfKey(NoteToMidiKey(t.Note, t.Accidental, t.Octave));
    lowest = std::min(lowest, octave);
    highest = std::max(highest, octave);
  }
  if (lowest > highest) return 0;
  if (highest - lowest > n.HighestOctave - n.LowestOctave) return std::nullopt;
  if (lowest < n.LowestOctave) return n.LowestOctave - lowest;
  if (highest > n.HighestOctave) return n.HighestOctave - highest;
  return 0;
}

int MovedTones(const TRingFile& tune, const TNotation& n) {
  return n.OneScreen ? std::min(tune.Track->Count(), kComposerTones) : tune.Track->Count();
}

// Whether the first `count` tones of the tune lie within the notation's limits.
bool WithinLimits(const TRingFile& tune, const TNotation& n, int count) {
  if (n.KeepsTempo && (tune.Tempo < n.SlowestTempo || tune.Tempo > n.FastestTempo)) return false;
  const std::optional<int32_t> move = OctaveMove(tune, n, MovedTones(tune, n));
  if (!move) return false;
  const auto& tones = tune.Track->Tones;
  for (int i = 0; i < count; ++i) {
    const TRingTone& t = *tones.Items(i);
    if (t.Kind != rkNote) continue;
    if (!n.Durations.empty() && std::find(n.Durations.begin(), n.Durations.end(), t.Duration) == n.Durations.end())
      return false;
    if (t.Dot > n.HighestDot) return false;
    if (t.IsRest()) continue;
    const int64_t key = NoteToMidiKey(t.Note, t.Accidental, t.Octave) + int64_t{12} * *move;
    if (key < 0 || key > 127) return false;
  }
  return true;
}

// The sounding of the first `notes` notes moved by whole octaves.
std::vector<std::array<int32_t, 3>> Moved(const TSounding& sounding, size_t notes, int32_t octaves) {
  std::vector<std::array<int32_t, 3>> moved(sounding.Notes.begin(),
                                            sounding.Notes.begin() + std::min(notes, sounding.Notes.size()));
  for (auto& note : moved) note[2] += 12 * octaves;
  return moved;
}

// Whether the keys are the melody's, all moved by the same whole octaves;
// onsets and lengths aside.
bool SameMelody(const std::vector<std::array<int32_t, 3>>& want, const std::vector<std::array<int32_t, 3>>& got) {
  if (want.size() != got.size()) return false;
  std::optional<int32_t> move;
  for (size_t i = 0; i < want.size(); ++i) {
    const int32_t shift = got[i][2] - want[i][2];
    if (shift % 12 != 0 || (move && *move != shift)) return false;
    move = shift;
  }
  return true;
}

enum class TVerdict { Survives, Differs, BeyondLimits, NoMidi };

// The route source -> notation -> MIDI against source -> MIDI. Unless the
// tune is beyond the notation's limits, it must sound the same, moved by the
// whole octaves the notation moves it. `melody` tells whether the keys came
// back, all moved alike, whatever the limits.
TVerdict Route(const PelmoraLibrary& lib, const std::string& text, const std::string& from, const TNotation& n,
               int32_t bufferSize, std::string& why, bool* melody = nullptr) {
  const auto direct = lib.Convert(text, "R" + from, "R04", bufferSize);
  const auto through = lib.Convert(text, "R" + from, std::string("R") + n.Code, bufferSize);
  const auto back = lib.Convert(through.Text, std::string("R") + n.Code, "R04", bufferSize);
  // A text that filled the buffer was cut.
  for (const auto* r : {&direct, &through, &back}) EXPECT_LT(r->Text.size() + 1, static_cast<size_t>(bufferSize));
  if (direct.Code != Pelmora::rrSuccess) return TVerdict::NoMidi;  // a MIDI file without a header, say
  const auto tune = TuneOf(text, from);
  int kept = tune->Track->Count();
  if (n.OneScreen) kept = static_cast<int>(std::count(through.Text.begin(), through.Text.end(), ' '));
  const TSounding want = Sounding(direct.Text), got = Sounding(back.Text);
  int notes = 0;  // the notes among the tones kept that sound for a while
  for (int i = 0; i < kept && i < tune->Track->Count(); ++i) {
    const TRingTone& t = *tune->Track->GetTone(i);
    notes += t.Kind == rkNote && !t.IsRest() && DurationToTicks(96, t.Duration, t.Dot) > 0;
  }
  const int32_t move = OctaveMove(*tune, n, MovedTones(*tune, n)).value_or(0);
  const bool whole = back.Code == Pelmora::rrSuccess && got.Notes.size() == static_cast<size_t>(notes) &&
                     got.Notes.size() <= want.Notes.size();
  if (melody) *melody = whole && SameMelody(Moved(want, notes, 0), got.Notes);
  const bool same = whole && Moved(want, notes, move) == got.Notes && (!n.KeepsTempo || got.Tempo == want.Tempo);
  if (same && (!n.OneScreen || kept >= std::min(tune->Track->Count(), kComposerHoldsAtLeast)))
    return TVerdict::Survives;
  why = "through " + std::string(n.Name) + ": " + through.Text.substr(0, 200);
  return WithinLimits(*tune, n, std::min(kept, tune->Track->Count())) ? TVerdict::Differs : TVerdict::BeyondLimits;
}

}  // namespace

// ------------------------------------------------------------ generated tunes

namespace {

// A random RTTTL tune within the notation's limits but for its octaves,
// which lie in lowest..highest, in the spellings real tunes use: "_" or "#"
// for the sharp (E# and B# among them; a B# only below the highest octave,
// since it is the C above), the dot before or after the octave, letters in
// either case, blanks after commas.
std::string RandomTune(std::mt19937& random, const TNotation& n, int32_t lowest, int32_t highest) {
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const auto anyOf = [&](const auto& items) {
    return items[static_cast<size_t>(pick(0, static_cast<int>(std::size(items)) - 1))];
  };
  const std::vector<int32_t>& durations = n.Durations.empty() ? kEveryValue : n.Durations;
  const int32_t duration = anyOf(kEveryValue);
  const int32_t octave = pick(4, 7);
  const int32_t tempo = n.KeepsTempo ? pick(std::max(n.SlowestTempo, 1), std::min(n.FastestTempo, 1200))
                                     : pick(1, 1200);
  std::string text = "Tune " + IntToStr(pick(0, 999)) + (pick(0, 3) == 0 ? ": Live" : "") + ":d=" +
                     IntToStr(duration) + ",o=" + IntToStr(octave) + ",b=" + IntToStr(tempo) + ":";
  const char* const letters[] = {"c", "d", "e", "f", "g", "a", "b", "h", "p"};
  const int tones = pick(1, 40);
  for (int i = 0; i < tones; ++i) {
    std::string letter = anyOf(letters);
    if (pick(0, 1)) letter = UpperCase(letter);
    const int32_t value = anyOf(durations);
    const int32_t toneOctave = pick(lowest, highest);
    const bool sharpable = std::string("cdefgaCDEFGA").find(letter[0]) != std::string::npos ||
                           (UpCase(letter[0]) == 'B' && toneOctave < highest);
    const bool dot = n.HighestDot >= rdDotted && pick(0, 3) == 0;
    std::string entry = value != duration || pick(0, 5) == 0 ? IntToStr(value) : "";
    entry += letter;
    if (sharpable && pick(0, 2) == 0) entry += pick(0, 1) ? "#" : "_";
    const bool ownOctave = toneOctave != octave || pick(0, 5) == 0;
    const std::string octaveText = ownOctave ? IntToStr(toneOctave) : "";
    entry += dot && pick(0, 1) ? "." + octaveText : octaveText + (dot ? "." : "");
    text += (i > 0 ? (pick(0, 4) == 0 ? ", " : ",") : "") + entry;
  }
  return text;
}

}  // namespace

// A tune whose range fits the notation survives it, wherever its octaves lie.
TEST(RoundTrip, GeneratedTunesSurviveEveryNotation) {
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  std::mt19937 random(20240610);
  for (const TNotation& n : kNotations) {
    int survived = 0;
    for (int i = 0; i < 750; ++i) {
      const int32_t span = std::min(n.HighestOctave - n.LowestOctave, 3);
      const int32_t lowest = std::uniform_int_distribution<int32_t>(1, 8 - span)(random);
      const std::string tune = RandomTune(random, n, lowest, lowest + span);
      std::string why;
      const TVerdict verdict = Route(lib, tune, "00", n, 1 << 12, why);
      EXPECT_EQ(verdict, TVerdict::Survives) << tune << "\n" << why;
      survived += verdict == TVerdict::Survives;
    }
    EXPECT_EQ(survived, 750) << n.Name;
  }
}

// ------------------------------------------------------------ the corpus

namespace {

struct TSource {
  std::string Code, Text, Label;
};

std::vector<TSource> CorpusTunes() {
  std::vector<TSource> tunes;
  for (const auto& tune : RtttlCorpusTunes()) tunes.push_back({"00", tune, tune.substr(0, 30)});
  for (const auto& [folder, extension, code] : {std::tuple{"imelody", ".imy", "03"}, {"emelody", ".emy", "02"},
                                                {"midi", ".mid", "04"}})
    for (const auto& path : CorpusFiles(folder, extension))
      tunes.push_back({code, ReadFileBytes(path.string()), path.filename().string()});
  return tunes;
}

}  // namespace

// Every real tune through every text notation: within the notation's limits
// it survives; the share that survives is printed per route.
TEST(RoundTrip, EveryCorpusTuneSurvivesEveryNotationWithinItsLimits) {
  const auto tunes = CorpusTunes();
  ASSERT_GT(tunes.size(), 200u) << "corpus not found at " CAROLUNE_CORPUS_DIR;
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  for (const char* from : {"00", "03", "02", "04"}) {
    for (const TNotation& n : kNotations) {
      int total = 0, survived = 0, beyond = 0, noMidi = 0;
      for (const auto& source : tunes) {
        if (source.Code != from) continue;
        ++total;
        std::string why;
        const TVerdict verdict = Route(lib, source.Text, from, n, 1 << 16, why);
        EXPECT_NE(verdict, TVerdict::Differs) << source.Label << "\n" << why;
        survived += verdict == TVerdict::Survives;
        beyond += verdict == TVerdict::BeyondLimits;
        noMidi += verdict == TVerdict::NoMidi;
      }
      total -= noMidi;
      std::printf("R%s -> %s -> R04: %d of %d tunes survive (%.1f%%); %d lie beyond its limits\n", from, n.Name,
                  survived, total, total ? 100.0 * survived / total : 0.0, beyond);
    }
  }
}

// The share of tunes whose melody (the keys of the tones a notation keeps,
// all moved alike by whole octaves, lengths aside) comes back through each
// notation: every corpus tune, and tunes made up over octaves 4 to 7 in the
// spellings real tunes use, which must also be read whole (a note per
// entry). It is printed, not held to a figure.
TEST(RoundTrip, ShareOfTunesThatKeepTheirMelody) {
  const auto tunes = CorpusTunes();
  ASSERT_GT(tunes.size(), 200u) << "corpus not found at " CAROLUNE_CORPUS_DIR;
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  std::vector<TSource> made;
  std::mt19937 random(1905);
  for (int i = 0; i < 1000; ++i) made.push_back({"00", RandomTune(random, kNotations[0], 4, 7), "made up"});
  for (const auto& [label, sources] : {std::pair{"corpus", &tunes}, {"made up", &made}}) {
    for (const char* from : {"00", "03", "02", "04"}) {
      for (const TNotation& n : kNotations) {
        int total = 0, kept = 0;
        for (const auto& source : *sources) {
          if (source.Code != from) continue;
          std::string why;
          bool melody = false;
          if (Route(lib, source.Text, from, n, 1 << 16, why, &melody) == TVerdict::NoMidi) continue;
          if (sources == &made) {
            const std::string tones = source.Text.substr(source.Text.rfind(':') + 1);
            const auto entries = static_cast<size_t>(std::count(tones.begin(), tones.end(), ',') + 1);
            melody &= static_cast<size_t>(TuneOf(source.Text, "00")->Track->Count()) == entries;
          }
          ++total;
          kept += melody;
        }
        if (total == 0) continue;
        std::printf("%s R%s -> %s: %d of %d tunes keep their melody (%.1f%%)\n", label, from, n.Name, kept, total,
                    100.0 * kept / total);
      }
    }
  }
}

// ------------------------------------------------------------ former faults

namespace {

std::string ImelodyWith(const std::string& head, const std::string& melody) {
  return "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\n" + head + "MELODY:" + melody + "\r\nEND:IMELODY";
}

// The keys a MIDI file sounds.
std::vector<int32_t> KeysOf(const std::string& midi) {
  std::vector<int32_t> keys;
  for (const auto& note : Sounding(midi).Notes) keys.push_back(note[2]);
  return keys;
}

}  // namespace

// One row per fault the conversions had, with the example that showed it:
// the text the tune takes through a notation holds the fragment, and from
// there on to MIDI it sounds the keys.
TEST(RoundTrip, EachFormerFaultWithItsExample) {
  // A meta event whose length runs past its chunk, then the note tracks.
  const std::string metaPastItsChunk = Header(1, 3, 96) + Chunk("MTrk", Bytes({0x00, 0xFF, 0x01, 0x7F, 'x'})) +
                                       Chunk("MTrk", Bytes({0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x00})) +
                                       Chunk("MTrk", Bytes({0x00, 0x90, 0x40, 0x40, 0x60, 0x80, 0x40, 0x00}));
  const std::string longNote =  // 1300 ticks at 96 a quarter
      Header(0, 1, 96) + Chunk("MTrk", Bytes({0x00, 0x90, 0x3C, 0x40, 0x8A, 0x14, 0x80, 0x3C, 0x00}));
  const std::string drumsFirst = Header(1, 2, 96) +
                                 Chunk("MTrk", Bytes({0x00, 0x99, 0x24, 0x64, 0x60, 0x89, 0x24, 0x00})) +
                                 Chunk("MTrk", Bytes({0x00, 0x90, 0x3E, 0x64, 0x60, 0x80, 0x3E, 0x00}));
  const std::string octaves = "x:d=4,o=5,b=120:c,d6,e5";
  const struct {
    const char* what;
    std::string source;
    const char* from;
    const char* via;
    std::string fragment;
    std::vector<int32_t> keys;
  } rows[] = {
      {"octaves, iMelody", octaves, "R00", "R03", "MELODY:*5C2*6D2*5E2\r\n", {60, 74, 64}},
      {"octaves, Composer", octaves, "R00", "R01", "C-3 D3 E-3 ", {60, 74, 64}},
      {"octaves, Composer's jump", "x:d=4,o=5,b=120:c,c6,c", "R00", "R01", "C-3 C3 C-3 ", {60, 72, 60}},
      // eMelody cannot go below its octave 6: the whole tune moves up one.
      {"octaves, eMelody", octaves, "R00", "R02", "MELODY:c.+d.e.\r\n", {72, 86, 76}},
      {"tempo through iMelody", "x:d=4,o=5,b=200:c", "R00", "R03", "\r\nBEAT:200\r\n", {60}},
      {"tempo held to iMelody's range", "x:d=4,o=5,b=1000:c", "R00", "R03", "\r\nBEAT:900\r\n", {60}},
      {"letterless RTTTL entry", "x:d=4,o=5,b=120:c,4,d", "R00", "R00", "x:d=4,o=5,b=120:C,D", {60, 62}},
      {"letterless iMelody prefix", ImelodyWith("", "c2*5"), "R03", "R00", "Ring:d=4,o=6,b=64:c", {72}},
      {"empty Composer text", "", "R01", "R03", "\r\nMELODY:\r\n", {}},
      {"E sharp", ImelodyWith("", "*5#e2"), "R03", "R00", ":f5", {65}},
      {"B sharp", ImelodyWith("", "*5#b2"), "R03", "R01", "c3 ", {72}},
      {"B flat", ImelodyWith("", "*5&b2"), "R03", "R00", ":a#5", {70}},
      {"RTTTL dot before the octave", "x:d=4,o=5,b=120:8f.5,c", "R00", "R00", ":8F.,C", {65, 60}},
      {"RTTTL _ for the sharp", "x:d=4,o=5,b=120:a_5,c", "R00", "R00", ":A#,C", {70, 60}},
      {"a name holding \":\"", ImelodyWith("NAME:Act 1: Intro\r\n", "*5c2"), "R03", "R00", "Act 1 Intro:d=", {60}},
      // B-flat E-flat F C-above C, spanning octaves 5 and 6: eMelody moves the
      // whole tune up one, the others state it as it is.
      {"whole tune moved, eMelody", ImelodyWith("", "*5&b2*5&e2*5#e2*5#b2*5c2"), "R03", "R02",
       "MELODY:(b)b.(b)e.f.+c.c.\r\n", {82, 75, 77, 84, 72}},
      {"whole tune kept, Composer", ImelodyWith("", "*5&b2*5&e2*5#e2*5#b2*5c2"), "R03", "R01",
       "a#-3 d#-3 f-3 c3 c-3 ", {70, 63, 65, 72, 60}},
      {"whole tune kept, RTTTL", ImelodyWith("", "*5&b2*5&e2*5#e2*5#b2*5c2"), "R03", "R00", ":a#5,d#5,f5,c,c5",
       {70, 63, 65, 72, 60}},
      {"RTTTL E sharp read", "x:d=4,o=5,b=100:16e#6,16f#6", "R00", "R00", ":16F6,16F#6", {77, 78}},
      {"iMelody repeat block", ImelodyWith("", "(d2e2d2c1e3e3d2c2e2@2)"), "R03", "R00", ":d,e,d,2c,8e,8e,d,c,e,d,e",
       {74, 76, 74, 72, 76, 76, 74, 72, 76, 74, 76, 74, 72, 76, 76, 74, 72, 76}},
      {"a name opening a comment", std::string("a(\x10*b:d=4,o=5,b=100:c,d"), "R00", "R00", "a( *b:d=4,o=5,b=100:C,D",
       {60, 62}},
      {"MIDI chunk ends", metaPastItsChunk, "R04", "R00", ":C5", {60}},
      {"MIDI long note held", longNote, "R04", "R00", ":1C5.", {60}},
      {"MIDI drums never the melody", drumsFirst, "R04", "R00", ":D5", {62}},
      {"MIDI tempo too slow", "x:d=4,o=5,b=1:c", "R00", "R04", Bytes({0xFF, 0x51, 0x03, 0xFF, 0xFF, 0xFF}), {60}},
  };
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const auto through = lib.Convert(row.source, row.from, row.via);
    ASSERT_EQ(through.Code, Pelmora::rrSuccess);
    EXPECT_NE(through.Text.find(row.fragment), std::string::npos) << through.Text;
    const auto midi = lib.Convert(through.Text, row.via, "R04");
    ASSERT_EQ(midi.Code, Pelmora::rrSuccess);
    EXPECT_EQ(KeysOf(midi.Text), row.keys);
  }
}

// ------------------------------------------------------------ names

// Whatever a name holds (comment openers, bytes that end a text or that the
// readers skip, line breaks, ":"), a tune written and read back keeps every
// tone, and writing it again gives the same text: the name reads back as
// written.
TEST(RoundTrip, NoToneIsLostToAName) {
  const char pieces[] = {'(', '*', '/', '{', '}', ')', ':', ' ', '\r', '\n', '\0', '\x1a', '\x10', '\t', 'a', '#'};
  std::mt19937 random(211);
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  for (int i = 0; i < 600; ++i) {
    // A name that is written empty reads back as the reader's default.
    std::string name = "x";
    for (int n = pick(0, 10); n > 0; --n) name.insert(0, 1, pieces[pick(0, static_cast<int>(std::size(pieces)) - 1)]);
    for (const char* code : {"00", "02", "03"}) {
      const auto tune = NewTune(code);
      tune->Name = name;
      tune->Composer = name;
      AddNotes(*tune, {{"C", 4, 6}, {"D", 8, 7}, {"E", 2, 6}});
      const std::string text = tune->GetText();
      const auto back = NewTune(code);
      back->LoadFromText(text);
      EXPECT_EQ(back->Track->Count(), 3) << code << " " << text;
      EXPECT_EQ(back->GetText(), text) << code;
    }
  }
}
