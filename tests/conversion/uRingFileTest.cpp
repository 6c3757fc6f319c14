#include "conversion/uRingFile.h"

#include <gtest/gtest.h>

#include "runtime/Streams.h"
#include "runtime/SysUtils.h"
#include "tests/support/TempFolder.h"

namespace {

// Records what the base class hands to the reader.
class TProbeRing : public TRingFile {
 public:
  std::string Seen = "unset";
  void LoadFromStream(TStream& stream) override {
    std::string bytes(static_cast<size_t>(stream.Size() - stream.Position()), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    Seen = bytes;
  }
  std::string GetText() override { return std::string("t\0x", 3); }
};

}  // namespace

TEST(RingFile, NewTuneHasTheDefaults) {
  TRingFile f;
  EXPECT_EQ(f.Name, "Ring");
  EXPECT_EQ(f.Volume, 7);
  EXPECT_EQ(f.DefaultDuration, 4);
  EXPECT_EQ(f.DefaultOctave, 6);
  EXPECT_EQ(f.Tempo, 64);
  EXPECT_EQ(f.Style, "");
  EXPECT_EQ(f.Composer, "Carolune");
  EXPECT_EQ(f.Track->Count(), 0);
  EXPECT_EQ(f.GetText(), "");
  TMemoryStream out;
  f.SaveToStream(out);
  EXPECT_EQ(out.Size(), 0);

  const TRingTone tone;
  EXPECT_EQ(tone.Kind, rkNote);
  EXPECT_EQ(tone.Duration, 0);
  EXPECT_EQ(tone.Note, "");
  EXPECT_EQ(tone.Dot, rdNone);
  EXPECT_EQ(tone.Accidental, raNatural);
}

TEST(RingFile, TextAndFilesReachTheReaderWhole) {
  TProbeRing f;
  f.LoadFromText("");
  EXPECT_EQ(f.Seen, "");
  f.LoadFromText(std::string("a\0b", 3));
  EXPECT_EQ(f.Seen, std::string("a\0b", 3));

  const TTempFolder folder;
  const std::string name = folder.Path() + "ringfile-test.bin";
  f.SaveToFile(name);
  TProbeRing g;
  g.LoadFromFile(name);
  EXPECT_EQ(g.Seen, std::string("t\0x", 3));
  EXPECT_THROW(g.LoadFromFile(name + ".missing"), EFOpenError);
}

TEST(RingTrack, AssignCopiesDeeply) {
  auto source = std::make_unique<TRingTrack>();
  auto tone = std::make_unique<TRingTone>();
  tone->Note = "C";
  tone->Octave = 5;
  source->Add(std::move(tone));
  TRingTrack copy;
  copy.Add(std::make_unique<TRingTone>());
  copy.Assign(*source);
  ASSERT_EQ(copy.Count(), 1);
  TRingTone changed = *copy.GetTone(0);
  changed.Note = "D";
  copy.SetTone(0, changed);
  EXPECT_EQ(source->GetTone(0)->Note, "C");
  source.reset();
  EXPECT_EQ(copy.GetTone(0)->Octave, 5);
  EXPECT_THROW(copy.GetTone(1), EListError);
}
