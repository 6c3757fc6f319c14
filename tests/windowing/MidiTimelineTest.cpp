#include "windowing/MidiTimeline.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/support/MidiBytes.h"
#include "tests/support/MidiTunes.h"

namespace {

std::string Track(const std::string& events) { return Chunk("MTrk", events + EndOfTrack()); }

// Division 480; 120 bpm, then 60 bpm from tick 960 (set in track 0), then
// 240 bpm from tick 1920 (set in track 1); the last note ends at 2400.
std::string TempoChangesFile() {
  return Header(1, 2, 480) +
         Track(Tempo120() + VarLen(960) + Bytes({0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40})) +
         Track(Bytes({0x00, 0x90, 60, 100}) + VarLen(1920) + Bytes({0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90}) +
               VarLen(480) + Bytes({0x80, 60, 0}));
}

}  // namespace

TEST(MidiTimeline, TempoChangesOfAllTracksMakeOneMap) {
  const auto timeline = TMidiTimeline::Read(TempoChangesFile());
  ASSERT_TRUE(timeline);
  EXPECT_EQ(timeline->EndTick(), 2400);
  EXPECT_EQ(timeline->LengthMs(), 3250);
  const struct {
    int64_t Tick, Ms;
  } points[] = {{0, 0}, {480, 500}, {960, 1000}, {1440, 2000}, {1920, 3000}, {2160, 3125}, {2400, 3250}};
  for (const auto& point : points) {
    EXPECT_EQ(timeline->MsAtTick(point.Tick), point.Ms) << point.Tick;
    EXPECT_EQ(timeline->TickAtMs(point.Ms), point.Tick) << point.Ms;
  }
  EXPECT_EQ(timeline->TickAtMs(999999), 2400);
}

TEST(MidiTimeline, OfTwoTempoChangesAtOneTickTheLaterTrackHolds) {
  const auto timeline = TMidiTimeline::Read(
      Header(1, 2, 96) + Track(Bytes({0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40})) +
      Track(Tempo120() + VarLen(96) + Bytes({0x90, 60, 100})));
  ASSERT_TRUE(timeline);
  EXPECT_EQ(timeline->LengthMs(), 500);
}

TEST(MidiTimeline, SixtyFiveSecondNoteLasts65000Ms) {
  const auto timeline = TMidiTimeline::Read(SixtyFiveSecondFile());
  ASSERT_TRUE(timeline);
  EXPECT_EQ(timeline->LengthMs(), 65000);
}

TEST(MidiTimeline, FrameDivisionCountsFixedStepsAndPlaysAsTicksPerQuarter) {
  // 25 frames of 40 ticks: 1000 ticks a second; tempo events do not count.
  const std::string file =
      Header(0, 1, 0xE728) + Track(Tempo120() + Bytes({0x00, 0x90, 60, 100}) + VarLen(2500) + Bytes({0x80, 60, 0}));
  const auto timeline = TMidiTimeline::Read(file);
  ASSERT_TRUE(timeline);
  EXPECT_EQ(timeline->LengthMs(), 2500);
  const std::string& playable = timeline->PlayableBytes();
  EXPECT_EQ(playable.substr(12, 2), Bytes({0x03, 0xE8}));  // 1000 ticks per quarter note
  const auto again = TMidiTimeline::Read(playable);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->LengthMs(), 2500);
}

TEST(MidiTimeline, HostileBytesGiveNothingOrTheLengthOfWhatIsSound) {
  // Two notes of 192 ticks: 2000 ms.
  const std::string note =
      Bytes({0x00, 0x90, 60, 100, 0x81, 0x40, 0x80, 60, 0, 0x00, 0x90, 62, 100, 0x81, 0x40, 0x80, 62, 0});
  const std::string header = Header(0, 1, 96);
  const std::string whole = header + Track(Tempo120() + note);
  const std::string farDelta = Bytes({0xFF, 0xFF, 0xFF, 0x7F});
  std::string nineFarDeltas;
  for (int i = 0; i < 9; ++i) nineFarDeltas += farDelta + Bytes({0x90, 60, 100});
  const struct {
    const char* Name;
    std::string File;
    int64_t LengthMs;  // -1: refused
  } cases[] = {
      {"empty", "", -1},
      {"header cut short", whole.substr(0, 10), -1},
      {"header length 5", Chunk("MThd", Bytes({0, 0, 0, 1, 0})) + Track(note), -1},
      {"header longer than the file", Bytes({'M', 'T', 'h', 'd', 0x7F, 0xFF, 0xFF, 0xFF, 0, 0, 0, 1, 0, 96}), -1},
      {"division 0", Header(0, 1, 0) + Track(note), -1},
      {"format 3", Header(3, 1, 96) + Track(note), -1},
      {"16 frames a second", Header(0, 1, 0xF028) + Track(note), -1},
      {"no track", header + Chunk("XFIH", "abc"), -1},
      {"no length beyond 2^31 ms", Header(0, 1, 1) + Track(Bytes({0x00, 0xFF, 0x51, 0x03, 0xFF, 0xFF, 0xFF}) + farDelta +
                                                          Bytes({0x90, 60, 100})), -1},
      {"whole", whole, 2000},
      {"truncated inside the last event", whole.substr(0, whole.size() - 6), 1000},
      {"unknown chunk first", Header(1, 1, 96) + Chunk("XFIH", "abc") + Track(Tempo120() + note), 2000},
      {"fewer tracks than declared", Header(1, 3, 96) + Track(Tempo120() + note), 2000},
      {"more tracks than declared", whole + Track(VarLen(960) + Bytes({0x90, 60, 100})), 2000},
      {"five-byte delta", header + Track(note + Bytes({0x80, 0x80, 0x80, 0x80, 0x01, 0x90, 60, 100})), 2000},
      {"data byte with no status", header + Track(Bytes({0x00, 60, 100}) + note), 0},
      {"system message", header + Track(note + Bytes({0x60, 0xF1, 0x10, 0x60, 0x90, 60, 100})), 2000},
      {"meta longer than its track", header + Track(note + Bytes({0x60, 0xFF, 0x01, 0x7F, 'a'})), 2000},
      {"tempo of four bytes left out", header + Track(Bytes({0x00, 0xFF, 0x51, 0x04, 0x0F, 0x42, 0x40, 0}) + note), 2000},
      {"tempo 0 left out", header + Track(Bytes({0x00, 0xFF, 0x51, 0x03, 0, 0, 0}) + note), 2000},
      {"escape packet left out, its time kept", header + Track(note + Bytes({0x60, 0xF7, 0x01, 0xF8})), 2500},
      {"far escape packets left out, their time kept",
       Header(0, 1, 0x7FFF) +
           Track(farDelta + Bytes({0xF7, 0x00}) + farDelta + Bytes({0xF7, 0x00}) + Bytes({0x00, 0x90, 60, 100})),
       int64_t{2 * 0x0FFFFFFF} * 500 / 0x7FFF},
      {"running status across a meta event", header + Track(Bytes({0x00, 0x90, 60, 100, 0x00, 0xFF, 0x01, 0x01, 'a',
                                                                    0x83, 0x00, 60, 0})), 2000},
  };
  for (const auto& c : cases) {
    const auto timeline = TMidiTimeline::Read(c.File);
    if (c.LengthMs < 0) {
      EXPECT_FALSE(timeline) << c.Name;
      continue;
    }
    ASSERT_TRUE(timeline) << c.Name;
    EXPECT_EQ(timeline->LengthMs(), c.LengthMs) << c.Name;
    const auto copy = TMidiTimeline::Read(timeline->PlayableBytes());
    ASSERT_TRUE(copy) << c.Name;
    EXPECT_EQ(copy->LengthMs(), c.LengthMs) << c.Name;
  }
  // Ticks stop counting where a track would pass 2^31.
  const auto far = TMidiTimeline::Read(Header(0, 1, 0x7FFF) + Track(nineFarDeltas));
  ASSERT_TRUE(far);
  EXPECT_EQ(far->EndTick(), 8 * int64_t{0x0FFFFFFF});
}

// Whatever a damaged file gives, its playable copy reads back the same.
TEST(MidiTimeline, PlayableCopyOfDamagedFilesReadsBackTheSame) {
  const std::string original = TempoChangesFile() + Track(Bytes({0x00, 0xF0, 0x02, 0x7E, 0xF7, 0x10, 0xC0, 5, 0x10,
                                                                  0xF7, 0x01, 0xF8, 0x10, 0xB0, 7, 100, 0x10, 20, 90}));
  std::mt19937 random(1234);
  for (int round = 0; round < 3000; ++round) {
    std::string file = original;
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits; ++e) {
      const size_t at = random() % file.size();
      switch (random() % 3) {
        case 0: file[at] = static_cast<char>(random()); break;
        case 1: file.erase(at, 1 + random() % 8); break;
        default: file.resize(at); break;
      }
      if (file.empty()) break;
    }
    const auto timeline = TMidiTimeline::Read(file);
    if (!timeline) continue;
    const auto copy = TMidiTimeline::Read(timeline->PlayableBytes());
    ASSERT_TRUE(copy) << round;
    EXPECT_EQ(copy->EndTick(), timeline->EndTick()) << round;
    EXPECT_EQ(copy->LengthMs(), timeline->LengthMs()) << round;
    EXPECT_EQ(copy->PlayableBytes(), timeline->PlayableBytes()) << round;
  }
}
