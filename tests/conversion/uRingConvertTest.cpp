#include "conversion/uRingConvert.h"

#include <gtest/gtest.h>

#include "conversion/uMidiFile.h"
#include "runtime/SysUtils.h"
#include "tests/support/MidiBytes.h"

namespace {

std::unique_ptr<TMidiFile> Read(const std::string& bytes) {
  auto midi = std::make_unique<TMidiFile>();
  midi->LoadFromText(bytes);
  return midi;
}

void AddTone(TRingFile& tune, const char* note, int32_t octave, int32_t duration, uint8_t dot = 0) {
  auto tone = std::make_unique<TRingTone>();
  tone->Note = note;
  tone->Octave = octave;
  tone->Duration = duration;
  tone->Dot = dot;
  tune.Track->Add(std::move(tone));
}

}  // namespace

TEST(MidiToTones, NoteOffsAndZeroVelocityNoteOnsGiveTheSameTones) {
  const std::string offs = Header(0, 1, 96) + Chunk("MTrk", Bytes({0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x40,
                                                                    0x00, 0x90, 0x3D, 0x40, 0x81, 0x10, 0x80, 0x3D, 0x40}) +
                                                                  EndOfTrack());
  const std::string zeros = Header(0, 1, 96) + Chunk("MTrk", Bytes({0x00, 0x90, 0x3C, 0x40, 0x60, 0x3C, 0x00, 0x00,
                                                                     0x3D, 0x40, 0x81, 0x10, 0x3D, 0x00}) +
                                                                   EndOfTrack());
  for (const std::string& bytes : {offs, zeros}) {
    const auto midi = Read(bytes);
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

TEST(MidiToTones, ReducesTheFirstTrackThatSoundsANote) {
  // The usual format-1 layout: tempo in track 0, melody in track 1, chords in 2.
  const std::string file = Header(1, 3, 96) + Chunk("MTrk", Tempo120() + EndOfTrack()) +
                           Chunk("MTrk", Bytes({0x00, 0x90, 0x40, 0x50, 0x60, 0x40, 0x00}) + EndOfTrack()) +
                           Chunk("MTrk", Bytes({0x00, 0x90, 0x30, 0x50, 0x60, 0x30, 0x00}) + EndOfTrack());
  const auto midi = Read(file);
  ASSERT_TRUE(MidiToTones(*midi));
  ASSERT_EQ(midi->Track->Count(), 1);
  EXPECT_EQ(midi->Track->GetTone(0)->Note, "E");

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
  for (const auto& c : cases) {
    const auto midi = Read(c.file);
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

TEST(TonesToMidi, RestsControlsAndFailures) {
  TMidiFile midi;
  midi.Tempo = 100;
  AddTone(midi, "P", 0, 8);  // a rest before any note
  AddTone(midi, "D", 5, 4);
  auto control = std::make_unique<TRingTone>();
  control->Kind = rkControl;
  control->ControlKind = ckLed;
  midi.Track->Add(std::move(control));
  AddTone(midi, "p", 0, 2);  // a rest: velocity 0 on the previous key
  AddTone(midi, "B", 12, 4);  // beyond the MIDI range: held at the top key
  TonesToMidi(midi);
  const TMidiTrack& t = *midi.GetTrack(0);
  ASSERT_EQ(t.Count(), 6);
  EXPECT_EQ(t.GetEvent(1)->Data2, 0);
  EXPECT_EQ(t.GetEvent(2)->Data1, 62);
  EXPECT_EQ(t.GetEvent(2)->Delta, 96);
  EXPECT_EQ(t.GetEvent(3)->Data1, 62);
  EXPECT_EQ(t.GetEvent(3)->Data2, 0);
  EXPECT_EQ(t.GetEvent(3)->Delta, 192);
  EXPECT_EQ(t.GetEvent(4)->Data1, 127);
  EXPECT_EQ(midi.FileFormat, 0);
  EXPECT_EQ(midi.Division, 96);

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
