#include "conversion/uRingConvert.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

#include "conversion/uMidiFile.h"
#include "conversion/uRingUtils.h"
#include "conversion/uRtttlRing.h"
#include "runtime/SysUtils.h"
#include "tests/conversion/NoteList.h"
#include "tests/support/MidiBytes.h"
#include "tests/support/MidiTunes.h"

namespace {

std::unique_ptr<TMidiFile> Read(const std::string& bytes) {
  auto midi = std::make_unique<TMidiFile>();
  midi->LoadFromText(bytes);
  return midi;
}

// The file as read, and read with its tracks built before the melody is
// reduced: the melody comes from the chunk's bytes or from the track's
// events, alike.
std::array<std::unique_ptr<TMidiFile>, 2> ReadBothWays(const std::string& bytes) {
  std::array<std::unique_ptr<TMidiFile>, 2> files = {Read(bytes), Read(bytes)};
  files[1]->GetTrack(0);
  return files;
}

void AddTone(TRingFile& tune, const char* note, int32_t octave, int32_t duration, uint8_t dot = 0) {
  auto tone = std::make_unique<TRingTone>();
  tone->Note = note;
  tone->Octave = octave;
  tone->Duration = duration;
  tone->Dot = dot;
  tune.Track->Add(std::move(tone));
}

// The tones of a tune as RTTTL would spell them: value, dot, letter,
// sharp, and the octave of a note.
std::vector<std::string> Spelled(const TRingFile& tune) {
  std::vector<std::string> tones;
  for (const TRingTone* t : tune.Track->Tones)
    tones.push_back(IntToStr(t->Duration) + (t->Dot ? "." : "") + t->Note + (t->Accidental ? "#" : "") +
                    (t->IsRest() ? "" : IntToStr(t->Octave)));
  return tones;
}

// A note message after its delta.
std::string At(uint32_t delta, int status, int key, int velocity) {
  return VarLen(delta) + Bytes({status, key, velocity});
}

}  // namespace

TEST(MidiToTones, NoteOffsAndZeroVelocityNoteOnsGiveTheSameTones) {
  const std::string offs = Header(0, 1, 96) + Chunk("MTrk", Bytes({0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x40,
                                                                    0x00, 0x90, 0x3D, 0x40, 0x81, 0x10, 0x80, 0x3D, 0x40}) +
                                                                  EndOfTrack());
  const std::string zeros = Header(0, 1, 96) + Chunk("MTrk", Bytes({0x00, 0x90, 0x3C, 0x40, 0x60, 0x3C, 0x00, 0x00,
                                                                     0x3D, 0x40, 0x81, 0x10, 0x3D, 0x00}) +
                                                                   EndOfTrack());
  for (const std::string& bytes : {offs, zeros})
    for (const auto& midi : ReadBothWays(bytes)) {
    ASSERT_TRUE(MidiToTones(*midi));
    ASSERT_EQ(midi->Track->Count(), 2);
    const TRingTone& c = *midi->Track->GetTone(0);
    EXPECT_EQ(c.Note, "C");
    EXPECT_EQ(c.Octave, 5);
    EXPECT_EQ(c.Duration, 4);
    EXPECT_EQ(c.Dot, 0);
    const TRingTone& cs = *midi->Track->GetTone(1);
    EXPECT_EQ(cs.Accidental, 1);
    EXPECT_EQ(cs.Duration, 4);
    EXPECT_EQ(cs.Dot, 1);  // 144 ticks
    EXPECT_EQ(midi->Tempo, 120);
    }
}

// The melody line of a track at 96 ticks a quarter: silences become rests,
// notes that start together the highest, a note still sounding is cut
// where the next starts.
TEST(MidiToTones, TheMelodyLineKeepsTheTimeLine) {
  const struct {
    const char* what;
    std::string events;
    std::vector<std::string> tones;
  } cases[] = {
      {"a gap", At(0, 0x90, 60, 64) + At(96, 0x80, 60, 0) + At(96, 0x90, 62, 64) + At(96, 0x80, 62, 0),
       {"4C5", "4P", "4D5"}},
      {"a silence before the first note", At(192, 0x90, 60, 64) + At(48, 0x90, 60, 0), {"2P", "8C5"}},
      {"a silence split into the values there are",
       At(0, 0x90, 60, 64) + At(12, 0x90, 60, 0) + At(9 * 96 + 36, 0x90, 62, 64) + At(96, 0x90, 62, 0),
       {"32C5", "1.P", "2.P", "16.P", "4D5"}},
      {"a chord: the highest",
       At(0, 0x90, 60, 64) + At(0, 0x90, 67, 64) + At(0, 0x90, 64, 64) + At(96, 0x80, 60, 0) + At(0, 0x80, 67, 0) +
           At(0, 0x80, 64, 0) + At(0, 0x90, 62, 64) + At(48, 0x80, 62, 0),
       {"4G5", "8D5"}},
      {"a chord played a few ticks apart",
       At(0, 0x90, 60, 64) + At(3, 0x90, 64, 64) + At(93, 0x80, 60, 0) + At(3, 0x80, 64, 0), {"4E5"}},
      {"an overlap cuts the note before",
       At(0, 0x90, 60, 64) + At(96, 0x90, 64, 64) + At(96, 0x80, 60, 0) + At(96, 0x80, 64, 0), {"4C5", "2E5"}},
      {"note-offs and velocity-0 note-ons end notes alike",
       At(0, 0x90, 60, 64) + At(48, 0x80, 60, 64) + At(48, 0x90, 62, 64) + At(48, 0x90, 62, 0), {"8C5", "8P", "8D5"}},
      {"a silence shorter than a thirty-second",
       At(0, 0x90, 60, 64) + At(90, 0x90, 60, 0) + At(6, 0x90, 62, 64) + At(96, 0x90, 62, 0), {"4C5", "4D5"}},
      // A shortened eighth is a dotted sixteenth: the rest after it fills the
      // silence up to the next onset on the tune's time.
      {"a rest brings the tune back to the onset",
       At(0, 0x90, 60, 64) + At(44, 0x90, 60, 0) + At(4, 0x90, 62, 64) + At(96, 0x90, 62, 0),
       {"16.C5", "32P", "4D5"}},
      {"notes that never end sound until the next one, the last to the track's end",
       At(0, 0x90, 60, 64) + At(96, 0x90, 62, 64) + Bytes({0x81, 0x40, 0xFF, 0x2F, 0x00}), {"4C5", "2D5"}},
      {"a note-off without its note-on", At(0, 0x80, 61, 0) + At(96, 0x90, 60, 64) + At(96, 0x80, 60, 0),
       {"4P", "4C5"}},
  };
  for (const auto& c : cases)
    for (const auto& midi : ReadBothWays(Header(0, 1, 96) + Chunk("MTrk", c.events))) {
      ASSERT_TRUE(MidiToTones(*midi));
      EXPECT_EQ(Spelled(*midi), c.tones) << c.what;
    }
}

// Hostile tracks reduce in one walk to a tune that follows the file's size:
// a crowd of simultaneous notes gives one tone, note-offs of notes never
// started give none, and a silence of billions of ticks is held at sixteen
// dotted wholes.
TEST(MidiToTones, HostileTracksGiveAClearPartialResult) {
  std::string crowd, orphans, silences;
  for (int i = 0; i < 100000; ++i) {
    crowd += At(0, 0x90, i % 128, 64);
    orphans += At(0, 0x80, i % 128, 0);
  }
  const std::string longSilence = VarLen(0x80000000u);
  for (int i = 0; i < 1000; ++i) silences += longSilence + Bytes({0x90, 60, 64}) + At(96, 0x80, 60, 0);
  const std::vector<std::string> heldSilence(16, "1.P");
  const struct {
    const char* what;
    std::string events;
    size_t count;
    std::vector<std::string> first;
  } cases[] = {
      {"a hundred thousand simultaneous notes that never end", crowd, 1, {"32G10"}},
      {"note-offs without note-ons", orphans + At(0, 0x90, 60, 64) + At(96, 0x80, 60, 0), 1, {"4C5"}},
      {"a silence of 2^31 ticks", At(0, 0x90, 60, 64) + At(96, 0x80, 60, 0) + longSilence + Bytes({0x90, 62, 64}) +
                                      At(48, 0x80, 62, 0),
       18, {"4C5"}},
      {"a thousand of them", silences, 1000 * 17, heldSilence},
  };
  for (const auto& c : cases)
    for (const auto& midi : ReadBothWays(Header(0, 1, 96) + Chunk("MTrk", c.events))) {
    ASSERT_TRUE(MidiToTones(*midi));
    const std::vector<std::string> tones = Spelled(*midi);
    EXPECT_EQ(tones.size(), c.count) << c.what;
    EXPECT_TRUE(std::equal(c.first.begin(), c.first.end(), tones.begin())) << c.what;
    if (c.count == 18) {
      EXPECT_EQ(std::vector<std::string>(tones.begin() + 1, tones.end() - 1), heldSilence);
      EXPECT_EQ(tones.back(), "8D5");
    }
    }
}

// Random tracks of few keys on three channels, the drums' among them:
// notes sounding together, note-offs that end a note twice or end none,
// velocity-0 note-ons, lengths that wrap, running status, and now and then
// a cut chunk. Reduced from the bytes or from the built track, every one
// gives the same tones, the notes' lengths as the built track pairs them.
TEST(MidiToTones, ReadOrBuiltTracksGiveTheSameTones) {
  std::mt19937 random(20261211);
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  static const uint32_t kDeltas[] = {0, 0, 1, 3, 48, 96, 96, 65535, 65536, 0x0FFFFFFF, 0xFFFFFFFF};
  static const int kStatuses[] = {0x90, 0x90, 0x90, 0x80, 0x91, 0x81, 0x99, 0x89, 0xC0, 0xFF};
  for (int n = 0; n < 400; ++n) {
    std::string events;
    for (int i = pick(1, 80); i > 0; --i) {
      events += VarLen(kDeltas[pick(0, static_cast<int>(std::size(kDeltas)) - 1)]);
      const int status = kStatuses[pick(0, static_cast<int>(std::size(kStatuses)) - 1)];
      if (status == 0xFF) {
        events += Bytes({0xFF, 0x01, 0x01, 'x'});
      } else if (status == 0xC0) {
        events += Bytes({0xC0, pick(0, 127)});
      } else {
        if (pick(0, 2) != 0) events += Bytes({status});  // otherwise the running status, whichever it is
        events += Bytes({60 + pick(0, 3), pick(0, 3) == 0 ? 0 : 64});
      }
    }
    if (pick(0, 4) == 0) events.resize(static_cast<size_t>(pick(0, static_cast<int>(events.size()))));
    const auto files = ReadBothWays(Header(0, 1, pick(0, 9) == 0 ? 7 : 96) + Chunk("MTrk", events));
    ASSERT_TRUE(MidiToTones(*files[0]));
    ASSERT_TRUE(MidiToTones(*files[1]));
    ASSERT_EQ(Spelled(*files[0]), Spelled(*files[1])) << n;
  }
}

TEST(MidiToTones, ReducesTheFirstTrackThatSoundsANote) {
  // The usual format-1 layout: tempo in track 0, melody in track 1, chords in 2.
  const std::string file = Header(1, 3, 96) + Chunk("MTrk", Tempo120() + EndOfTrack()) +
                           Chunk("MTrk", Bytes({0x00, 0x90, 0x40, 0x50, 0x60, 0x40, 0x00}) + EndOfTrack()) +
                           Chunk("MTrk", Bytes({0x00, 0x90, 0x30, 0x50, 0x60, 0x30, 0x00}) + EndOfTrack());
  for (const auto& midi : ReadBothWays(file)) {
    ASSERT_TRUE(MidiToTones(*midi));
    ASSERT_EQ(midi->Track->Count(), 1);
    EXPECT_EQ(midi->Track->GetTone(0)->Note, "E");
  }

  TMidiFile empty;
  empty.Tempo = 99;
  EXPECT_FALSE(MidiToTones(empty));
  EXPECT_EQ(empty.Tempo, 99);
}

// Channel 10 sounds drums, whose keys are no pitches: they are never the
// melody, unless the file sounds nothing else.
TEST(MidiToTones, PercussionIsNeverTheMelody) {
  const std::string drums = Bytes({0x00, 0x99, 0x24, 0x64, 0x60, 0x89, 0x24, 0x00});
  const std::string bass = Bytes({0x00, 0x90, 0x30, 0x64, 0x60, 0x80, 0x30, 0x00});
  const std::string mixed = Bytes({0x00, 0x99, 0x24, 0x64, 0x00, 0x90, 0x40, 0x64, 0x60, 0x89, 0x24, 0x00, 0x00,
                                   0x80, 0x40, 0x00});
  const struct {
    std::string file;
    std::vector<std::string> notes;
  } cases[] = {
      {Header(1, 2, 96) + Chunk("MTrk", drums + EndOfTrack()) + Chunk("MTrk", bass + EndOfTrack()), {"C4"}},
      {Header(0, 1, 96) + Chunk("MTrk", mixed + EndOfTrack()), {"E5"}},
      {Header(0, 1, 96) + Chunk("MTrk", drums + EndOfTrack()), {"C3"}},
  };
  for (const auto& c : cases)
    for (const auto& midi : ReadBothWays(c.file)) {
      ASSERT_TRUE(MidiToTones(*midi));
      std::vector<std::string> notes;
      for (const auto& tone : midi->Track->Tones) notes.push_back(tone->Note + IntToStr(tone->Octave));
      EXPECT_EQ(notes, c.notes);
    }
}

TEST(TonesToMidi, OneQuarterNoteBecomesTheKnownTrack) {
  TMidiFile midi;
  midi.Tempo = 120;
  AddTone(midi, "C", 5, 4);
  TonesToMidi(midi);
  EXPECT_EQ(midi.GetText(), OneQuarterNoteFile());
}

// Each note-on stands at its tone's start and a velocity-0 note-on ends it
// after its own length; a rest writes nothing and lengthens the next delta,
// the end of the track's too.
TEST(TonesToMidi, NotesSoundFromTheirStartForTheirLength) {
  TRtttlRing rtttl;
  rtttl.LoadFromText("x:d=4,o=5,b=120:c,8d,p,e");
  TMidiFile midi;
  AssignRingFile(rtttl, midi);
  EXPECT_EQ(midi.GetText(),
            Header(1, 1, 96) + Chunk("MTrk", Tempo120() +
                                                 Bytes({0x00, 0x90, 0x3C, 0x28, 0x60, 0x3C, 0x00,  // C 0-1
                                                        0x00, 0x3E, 0x28, 0x30, 0x3E, 0x00,        // D 1-1.5
                                                        0x60, 0x40, 0x28, 0x60, 0x40, 0x00}) +     // E 2.5-3.5
                                                 EndOfTrack()));

  TMidiFile tune;
  tune.Tempo = 100;
  AddTone(tune, "P", 0, 8);  // a rest before any note
  AddTone(tune, "D", 5, 4);
  AddControl(tune, ckLed, 1);
  AddTone(tune, "B", 12, 4);  // beyond the MIDI range: held at the top key
  AddTone(tune, "C", 5, -4);  // no length that can be written: nothing sounds
  AddTone(tune, "p", 0, 2);   // a rest at the end stays before the end of the track
  TonesToMidi(tune);
  EXPECT_EQ(tune.FileFormat, 0);
  EXPECT_EQ(tune.Division, 96);
  const TMidiTrack& t = *tune.GetTrack(0);
  const std::vector<std::vector<int>> want = {
      // delta, status, key, velocity
      {0, 0xFF, 0x51, 0}, {48, 0x90, 62, 40}, {96, 0x90, 62, 0}, {0, 0x90, 127, 110},
      {96, 0x90, 127, 0}, {192, 0xFF, 0x2F, 0},
  };
  ASSERT_EQ(t.Count(), static_cast<int>(want.size()));
  for (int i = 0; i < t.Count(); ++i) {
    const TMidiEvent e = *t.GetEvent(i);
    EXPECT_EQ((std::vector<int>{e.Delta, e.Status, e.Data1, e.Data2}), want[static_cast<size_t>(i)]) << i;
  }
}

// A track written into a file that holds tracks already comes after them,
// whether they were built yet or not: the file writes each as it would
// alone, the one read as its events are written, not as its bytes were.
TEST(TonesToMidi, ATrackWrittenAfterOthersFollowsThem) {
  const std::string read = Header(0, 1, 48) + Chunk("MTrk", Bytes({0x00, 0xF0, 0x01, 0x7F, 0x00, 0x90, 0x3C, 0x40,
                                                                   0x60, 0x80, 0x3C, 0x00}));
  TMidiFile alone;
  alone.Tempo = 100;
  AddTone(alone, "D", 5, 8);
  TonesToMidi(alone);
  for (const bool built : {false, true}) {
    TMidiFile midi;
    midi.LoadFromText(read);
    if (built) midi.GetTrack(0);
    midi.Tempo = 100;
    AddTone(midi, "D", 5, 8);
    TonesToMidi(midi);
    ASSERT_EQ(midi.TrackCount(), 2) << built;
    EXPECT_EQ(midi.GetText(), Header(1, 2, 96) + Read(read)->GetText().substr(14) + alone.GetText().substr(14))
        << built;
    EXPECT_EQ(midi.GetTrack(1)->Count(), alone.GetTrack(0)->Count());
    EXPECT_EQ(midi.GetTrack(1)->GetEvent(1)->NoteLength, 48);
  }
}

// A run of rests longer than a four-byte delta can say is held at the
// longest delta.
TEST(TonesToMidi, ALongRunOfRestsIsHeldAtTheLongestDelta) {
  TMidiFile midi;
  midi.Tempo = 120;
  for (int i = 0; i < 500000; ++i) AddTone(midi, "P", 5, 1, rdDotted);  // 288 million ticks
  AddTone(midi, "C", 5, 4);
  TonesToMidi(midi);
  ASSERT_EQ(midi.GetTrack(0)->Count(), 4);
  EXPECT_EQ(midi.GetTrack(0)->GetEvent(1)->Delta, 0x0FFFFFFF);
  TMidiFile read;
  read.LoadFromText(midi.GetText());
  EXPECT_EQ(read.GetTrack(0)->GetEvent(1)->AbsoluteTime, 0x0FFFFFFF);
}

TEST(TonesToMidi, TemposAndFailures) {
  // A tempo too slow for the event's three bytes is held at the slowest.
  for (const auto& [tempo, bytes] : {std::pair{4, Bytes({0xE4, 0xE1, 0xC0})}, {3, Bytes({0xFF, 0xFF, 0xFF})},
                                     {1, Bytes({0xFF, 0xFF, 0xFF})}}) {
    TMidiFile slow;
    slow.Tempo = tempo;
    TonesToMidi(slow);
    EXPECT_EQ(slow.GetTrack(0)->GetEvent(0)->MetaData, bytes) << tempo;
  }

  TMidiFile noTempo;
  noTempo.Tempo = 0;
  EXPECT_THROW(TonesToMidi(noTempo), EDivByZero);
  TMidiFile noValue;
  AddTone(noValue, "C", 5, 0);
  EXPECT_THROW(TonesToMidi(noValue), EDivByZero);
}

TEST(AssignRingFile, CopiesTheTuneButNotTheTargetsOwnSettings) {
  TRingFile source;
  source.Name = "Tune";
  source.Volume = 3;
  source.DefaultDuration = 8;
  source.DefaultOctave = 4;
  source.Tempo = 140;
  source.Style = "S";
  source.Composer = "Someone";
  AddTone(source, "A", 4, 8);
  TRingFile target;
  AssignRingFile(source, target);
  EXPECT_EQ(target.Name, "Tune");
  EXPECT_EQ(target.Volume, 3);
  EXPECT_EQ(target.DefaultOctave, 4);
  EXPECT_EQ(target.Tempo, 140);
  EXPECT_EQ(target.DefaultDuration, 4);
  EXPECT_EQ(target.Style, "");
  EXPECT_EQ(target.Composer, "Carolune");
  ASSERT_EQ(target.Track->Count(), 1);
  EXPECT_NE(target.Track->GetTone(0), source.Track->GetTone(0));
}

namespace {

// Where each note of a tune sounds, at 96 ticks a quarter: onset, length
// and key. Rests only move the notes after them, so a tune whose rests are
// split or joined otherwise sounds the same.
std::vector<std::array<int64_t, 3>> TimeLine(const TRingFile& tune) {
  std::vector<std::array<int64_t, 3>> notes;
  int64_t time = 0;
  for (const TRingTone* t : tune.Track->Tones) {
    if (t->Kind != rkNote) continue;
    const int32_t ticks = DurationToTicks(96, t->Duration, t->Dot);
    if (!t->IsRest()) notes.push_back({time, ticks, NoteToMidiKey(t->Note, t->Accidental, t->Octave)});
    time += ticks;
  }
  return notes;
}

// A tune of the values a MIDI file at 96 ticks a quarter keeps (every note
// value, plain or dotted, but the dotted thirty-second, 18 ticks, which
// reads back as a plain one), keys of the MIDI range, rests anywhere, and
// now and then a control.
void AddRandomTones(TRingFile& tune, std::mt19937& random) {
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  static const char* const kLetters[] = {"C", "D", "E", "F", "G", "A", "B", "P", "P"};
  static const int32_t kValues[] = {1, 2, 4, 8, 16, 32};
  tune.Tempo = pick(25, 900);
  for (int i = pick(1, 60); i > 0; --i) {
    if (pick(0, 9) == 0) AddControl(tune, ckLed, pick(0, 1));
    const int32_t value = kValues[pick(0, 5)];
    const auto dot = static_cast<uint8_t>(value < 32 && pick(0, 2) == 0 ? rdDotted : rdNone);
    AddNotes(tune, {{kLetters[pick(0, 8)], value, pick(0, 9), static_cast<uint8_t>(pick(0, 1)), dot}});
  }
}

}  // namespace

// Tunes through MIDI and back keep every note, its length and its place in
// time; the file written pairs every note-on with a velocity-0 note-on that
// ends it; and written again from what it reads back, it is the same file
// (unless the tune ends in a rest, which the end of the track keeps but a
// reading, which ends at the last note, does not).
TEST(MidiConversion, GeneratedTunesKeepTheirTimeLineThroughMidi) {
  std::mt19937 random(20261211);
  for (int n = 0; n < 3000; ++n) {
    TRingFile tune;
    AddRandomTones(tune, random);
    TMidiFile written;
    AssignRingFile(tune, written);
    const std::string bytes = written.GetText();

    TMidiFile read;
    read.LoadFromText(bytes);
    ASSERT_EQ(read.TrackCount(), 1);
    const TMidiTrack& track = *read.GetTrack(0);
    int noteOns = 0, noteOffs = 0;
    for (int i = 0; i < track.Count(); ++i) {
      const TMidiEvent e = *track.GetEvent(i);
      if (e.SoundsNote()) {
        ++noteOns;
        ASSERT_GT(e.NoteLength, 0) << n;
      } else if (e.IsNoteOff()) {
        ++noteOffs;
        ASSERT_EQ(e.NoteLength, -1) << n;
      }
    }
    EXPECT_EQ(noteOns, noteOffs);

    TMidiFile again;
    AssignRingFile(read, again);
    ASSERT_EQ(TimeLine(read), TimeLine(tune)) << n;
    EXPECT_EQ(read.Tempo, tune.Tempo);
    if (!tune.Track->Tones.Items(tune.Track->Count() - 1)->IsRest()) {
      ASSERT_EQ(again.GetText(), bytes) << n;
    }
  }
}

// A source handed over gives its tones to the target, reduced from MIDI
// first, and is freed on every path (the leak check sees one that is not).
TEST(AssignRingFile, ASourceHandedOverGivesItsTonesAndIsFreed) {
  auto source = std::make_unique<TRingFile>();
  source->Name = "Tune";
  source->Tempo = 140;
  AddTone(*source, "A", 4, 8);
  AddTone(*source, "P", 4, 2);
  TRingFile target;
  AssignRingFile(std::move(source), target);
  EXPECT_EQ(target.Name, "Tune");
  EXPECT_EQ(target.Tempo, 140);
  ASSERT_EQ(target.Track->Count(), 2);
  EXPECT_EQ(target.Track->GetTone(0)->Note, "A");
  EXPECT_EQ(target.Track->GetTone(1)->Duration, 2);

  TMidiFile midiTarget;
  AssignRingFile(Read(Header(0, 1, 96) + Chunk("MTrk", Bytes({0x00, 0x90, 0x40, 0x50, 0x60, 0x40, 0x00}) +
                                                           EndOfTrack())),
                 midiTarget);
  ASSERT_EQ(midiTarget.Track->Count(), 1);
  EXPECT_EQ(midiTarget.Track->GetTone(0)->Note, "E");
  EXPECT_EQ(midiTarget.TrackCount(), 1);

  // Notes without a header: the reduction divides by a division of 0.
  TRingFile untouched;
  EXPECT_THROW(AssignRingFile(Read(Chunk("MTrk", Bytes({0x00, 0x90, 0x40, 0x50, 0x60, 0x40, 0x00}) + EndOfTrack())),
                              untouched),
               EDivByZero);
  EXPECT_EQ(untouched.Track->Count(), 0);
}
