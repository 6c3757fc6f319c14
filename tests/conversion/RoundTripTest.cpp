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
#include <random>
#include <string>
#include <vector>

#include "conversion/uMidiFile.h"
#include "conversion/uRingLib.h"
#include "conversion/uRingUtils.h"
#include "runtime/Streams.h"
#include "runtime/SysUtils.h"
#include "tests/conversion/SourceTune.h"
#include "tests/support/CorpusFiles.h"
#include "tests/support/MidiBytes.h"
#include "tests/support/PelmoraLibrary.h"
#include "tests/support/RtttlCorpus.h"

namespace {

// What a notation can say. A tune whose tones all lie within these limits
// comes back from it as it went in:
//  - the octave of every note's key (key div 12) lies in Lowest..Highest:
//    Composer's "+" and "-" reach one octave either side of its octave 6,
//    eMelody's "+" only upwards from it, RTTTL and iMelody state any
//    octave of the MIDI range;
//  - every note value is one of Durations (any, when empty) and no dot is
//    above HighestDot: Composer and eMelody write no dots, RTTTL only ".",
//    eMelody has no sixteenths or thirty-seconds;
//  - iMelody keeps the tempo within 25..900; Composer and eMelody have no
//    tempo;
//  - a Composer text holds what one phone screen holds, 35 tones and 124
//    characters: the tones it keeps must survive, and at five characters a
//    tone at most, it keeps at least the first 25;
//  - iMelody writes its control words without separators: one of the six
//    LED, vibration and backlight words directly before a letter runs into
//    it, so a tune with such a control before a tone is beyond it.
struct TNotation {
  const char* Code;
  const char* Name;
  int32_t LowestOctave, HighestOctave;
  std::vector<int32_t> Durations;
  uint8_t HighestDot;
  bool KeepsTempo;
  int32_t SlowestTempo, FastestTempo;
  bool OneScreen;
  bool SwitchesRunIntoLetters;
};

const std::vector<int32_t> kAnyDuration;
const std::vector<int32_t> kEveryValue{1, 2, 4, 8, 16, 32};

const TNotation kNotations[] = {
    {"00", "RTTTL", 0, 10, kAnyDuration, rdDotted, true, 1, INT32_MAX, false, false},
    {"01", "Composer", 5, 7, kEveryValue, rdNone, false, 0, 0, true, false},
    {"02", "eMelody", 6, 10, {1, 2, 4, 8}, rdNone, false, 0, 0, false, false},
    {"03", "iMelody", 0, 10, kEveryValue, rdTriplet, true, 25, 900, false, true},
};

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

bool IsSwitch(const TRingTone& tone) {
  return tone.Kind == rkControl &&
         (tone.ControlKind == ckLed || tone.ControlKind == ckVibration || tone.ControlKind == ckBacklight);
}

// What iMelody writes beginning with a letter: a note, a rest, "V" or a
// switch word.
bool StartsWithALetter(const TRingTone& tone) {
  return tone.Kind == rkNote || IsSwitch(tone) || tone.ControlKind == ckVolume;
}

// Whether the first `count` tones of the tune lie within the notation's limits.
bool WithinLimits(const TRingFile& tune, const TNotation& n, int count) {
  if (n.KeepsTempo && (tune.Tempo < n.SlowestTempo || tune.Tempo > n.FastestTempo)) return false;
  const auto& tones = tune.Track->Tones;
  for (int i = 0; i < count; ++i) {
    const TRingTone& t = *tones.Items(i);
    if (t.Kind != rkNote) {
      if (n.SwitchesRunIntoLetters && IsSwitch(t) && i + 1 < count && StartsWithALetter(*tones.Items(i + 1)))
        return false;
      continue;
    }
    if (!n.Durations.empty() && std::find(n.Durations.begin(), n.Durations.end(), t.Duration) == n.Durations.end())
      return false;
    if (t.Dot > n.HighestDot) return false;
    if (t.IsRest()) continue;
    const int32_t key = NoteToMidiKey(t.Note, t.Accidental, t.Octave);
    if (key < 12 * n.LowestOctave || key >= 12 * (n.HighestOctave + 1) || key > 127) return false;
  }
  return true;
}

enum class TVerdict { Survives, Differs, BeyondLimits, NoMidi };

// The route source -> notation -> MIDI against source -> MIDI. Unless the
// tune is beyond the notation's limits, it must sound the same.
TVerdict Route(const PelmoraLibrary& lib, const std::string& text, const std::string& from, const TNotation& n,
               int32_t bufferSize, std::string& why) {
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
  const bool same = back.Code == Pelmora::rrSuccess && got.Notes.size() == static_cast<size_t>(notes) &&
                    got.Notes.size() <= want.Notes.size() &&
                    std::equal(got.Notes.begin(), got.Notes.end(), want.Notes.begin()) &&
                    (!n.KeepsTempo || got.Tempo == want.Tempo);
  if (same && (!n.OneScreen || kept >= std::min(tune->Track->Count(), kComposerHoldsAtLeast)))
    return TVerdict::Survives;
  why = "through " + std::string(n.Name) + ": " + through.Text.substr(0, 200);
  return WithinLimits(*tune, n, std::min(kept, tune->Track->Count())) ? TVerdict::Differs : TVerdict::BeyondLimits;
}

}  // namespace

// ------------------------------------------------------------ generated tunes

namespace {

// A random RTTTL tune within the notation's limits, in the spellings real
// tunes use: "_" or "#" for the sharp, the dot before or after the octave,
// letters in either case, blanks after commas.
std::string RandomTune(std::mt19937& random, const TNotation& n) {
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
    const bool sharpable = std::string("cdfgaCDFGA").find(letter[0]) != std::string::npos;
    const int32_t value = anyOf(durations);
    const int32_t toneOctave = pick(std::max(n.LowestOctave, 1), std::min(n.HighestOctave, 8));
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

TEST(RoundTrip, GeneratedTunesSurviveEveryNotation) {
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2RING());
  std::mt19937 random(20240610);
  for (const TNotation& n : kNotations) {
    int survived = 0;
    for (int i = 0; i < 750; ++i) {
      const std::string tune = RandomTune(random, n);
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
      // eMelody cannot go below its octave 6: the nearest it can say.
      {"octaves, eMelody", octaves, "R00", "R02", "MELODY:c.d.e.\r\n", {72, 74, 76}},
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
      {"a name holding \":\"", ImelodyWith("NAME:Act 1: Intro\r\n", "*5c2"), "R03", "R00", "Act 1  Intro:d=", {60}},
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
