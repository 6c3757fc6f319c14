// Every real MIDI file of the corpus through the shared library: no crash,
// no hang, no sanitizer report; the output of a well-formed file reads back
// as MIDI with as many notes as its melody has.
#include <gtest/gtest.h>

#include <algorithm>

#include "conversion/uMidiFile.h"
#include "conversion/uRingConvert.h"
#include "conversion/uRingLib.h"
#include "runtime/Streams.h"
#include "tests/support/CorpusFiles.h"
#include "tests/support/PelmoraLibrary.h"

namespace {

int NotesOf(const std::string& bytes) {
  TMidiFile midi;
  midi.LoadFromText(bytes);
  if (!MidiToTones(midi)) return -1;
  return midi.Track->Count();
}

}  // namespace

TEST(MidiCorpus, EveryFileConvertsOrFailsWithADocumentedCode) {
  const auto files = CorpusFiles("midi", ".mid");
  ASSERT_GT(files.size(), 70u) << "corpus not found at " CAROLUNE_CORPUS_DIR;
  PelmoraLibrary lib;
  int converted = 0;
  for (const auto& path : files) {
    const std::string bytes = ReadFileBytes(path.string());
    const auto r = lib.Convert(bytes, "R04", "R04");
    SCOPED_TRACE(path.filename().string());
    EXPECT_TRUE(r.Code == Pelmora::rrSuccess || r.Code == Pelmora::rrCopyFailed) << r.Code;
    if (r.Code != Pelmora::rrSuccess) continue;
    ++converted;
    // The written file holds one note-on per tone of the melody (rests are
    // velocity-0 note-ons and the reduction keeps none of them).
    TMidiFile written;
    written.LoadFromText(r.Text);
    ASSERT_EQ(written.TrackCount(), 1);
    int noteOns = 0;
    for (int i = 0; i < written.GetTrack(0)->Count(); ++i)
      if (written.GetTrack(0)->GetEvent(i)->SoundsNote()) ++noteOns;
    EXPECT_EQ(noteOns, std::max(NotesOf(bytes), 0));
  }
  EXPECT_GT(converted, 60);
}
