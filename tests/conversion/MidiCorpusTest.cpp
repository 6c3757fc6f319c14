// Every real MIDI file of the corpus through the shared library: no crash,
// no hang, no sanitizer report; a well-formed file's melody keeps its time
// line, reduced to a tune and written as MIDI again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "conversion/uMidiFile.h"
#include "conversion/uRingConvert.h"
#include "conversion/uRingLib.h"
#include "runtime/Streams.h"
#include "tests/support/CorpusFiles.h"
#include "tests/support/PelmoraLibrary.h"

namespace {

// A note a track sounds: onset and length in ticks, and key.
struct TNote {
  int64_t Onset, Length;
  int Key;
  bool operator==(const TNote&) const = default;
};

bool Pitched(const TMidiMessage& m) { return m.SoundsNote() && !m.IsPercussion(); }

std::vector<TNote> NotesOf(const TMidiTrack& track, bool (*counts)(const TMidiMessage&)) {
  std::vector<TNote> notes;
  for (int i = 0; i < track.Count(); ++i) {
    const TMidiEvent e = *track.GetEvent(i);
    if (counts(e)) notes.push_back({e.AbsoluteTime, e.NoteLength, e.Data1});
  }
  return notes;
}

bool AnyNote(const TMidiMessage& m) { return m.SoundsNote(); }

// The pitched notes of the first track that sounds one, or the drums of a
// file that sounds nothing else: the melody the library reduces.
std::vector<TNote> MelodyOf(const TMidiFile& midi) {
  for (bool (*counts)(const TMidiMessage&) : {Pitched, AnyNote})
    for (int i = 0; i < midi.TrackCount(); ++i)
      if (auto notes = NotesOf(*midi.GetTrack(i), counts); !notes.empty()) return notes;
  return {};
}

std::vector<TNote> WrittenNotes(const std::string& bytes) {
  TMidiFile midi;
  midi.LoadFromText(bytes);
  if (midi.TrackCount() != 1) return {};
  return NotesOf(*midi.GetTrack(0), AnyNote);
}

double Quarters(const TRingTone& tone) { return (4.0 / tone.Duration) * (tone.Dot ? 1.5 : 1.0); }

}  // namespace

// A file written by the library pairs every note-on, sounds one note per
// note of the tune, and written again through the library sounds the very
// same notes at the same times.
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
    TMidiFile source;
    source.LoadFromText(bytes);
    MidiToTones(source);  // a file without tracks converts to no tones
    const auto notes = WrittenNotes(r.Text);
    const auto sounding = std::count_if(source.Track->Tones.begin(), source.Track->Tones.end(),
                                        [](const TRingTone* t) { return !t->IsRest(); });
    EXPECT_EQ(static_cast<long>(notes.size()), sounding);
    EXPECT_TRUE(std::all_of(notes.begin(), notes.end(), [](const TNote& n) { return n.Length > 0; }));
    const auto again = lib.Convert(r.Text, "R04", "R04");
    EXPECT_EQ(WrittenNotes(again.Text), notes);
  }
  EXPECT_GT(converted, 60);
}

// The tune a file reduces to lasts as long as its melody track, from the
// start to the end of its last note, within a fifth of the track (a whole
// note for a short one): every silence brings the tune back to the track's
// time line, and what is left is how note values round the notes played
// without a silence between them. The values, from a thirty-second to a
// dotted whole, lie up to a fifth apart (two and a half beats, say, become
// a half), and any longer note is held at a dotted whole, which the rest
// after it makes up for. A track silent for a quarter or more gives rests.
TEST(MidiCorpus, TheReducedTuneLastsAsLongAsTheMelodyTrack) {
  constexpr double kShare = 0.20;
  constexpr double kQuarters = 4.0;
  int measured = 0, withinFivePercent = 0, withinTenPercent = 0;
  for (const auto& path : CorpusFiles("midi", ".mid")) {
    TMidiFile midi;
    midi.LoadFromText(ReadFileBytes(path.string()));
    const auto melody = MelodyOf(midi);
    if (melody.empty() || midi.Division == 0) continue;
    ++measured;
    ASSERT_TRUE(MidiToTones(midi));
    int64_t end = 0, sounded = 0, silence = 0, longestSilence = 0;
    for (const TNote& n : melody) {
      if (n.Onset > sounded) longestSilence = std::max(longestSilence, n.Onset - sounded);
      silence += std::max<int64_t>(n.Onset - sounded, 0);
      sounded = std::max(sounded, n.Onset + n.Length);
      end = std::max(end, n.Onset + n.Length);
    }
    double tune = 0, rests = 0;
    for (const TRingTone* tone : midi.Track->Tones) {
      tune += Quarters(*tone);
      if (tone->IsRest()) rests += Quarters(*tone);
    }
    const double track = static_cast<double>(end) / midi.Division;
    const double tolerance = std::max(kShare * track, kQuarters);
    withinFivePercent += std::abs(tune - track) <= std::max(0.05 * track, kQuarters);
    withinTenPercent += std::abs(tune - track) <= std::max(0.10 * track, kQuarters);
    EXPECT_NEAR(tune, track, tolerance) << path.filename();
    if (longestSilence >= midi.Division) {
      EXPECT_GT(rests, 0.0) << path.filename();
    }
    std::printf(
        "%-48s track %8.2f q (%5.1f%% silent), tune %8.2f q (%5.1f%% rests)\n", path.filename().string().c_str(), track,
        100.0 * static_cast<double>(silence) / std::max<int64_t>(end, 1), tune, tune > 0 ? 100.0 * rests / tune : 0.0);
  }
  std::printf("Of %d reduced tunes, %d last as long as their melody track within 5%%, %d within 10%%\n", measured,
              withinFivePercent, withinTenPercent);
  EXPECT_GT(measured, 60);
}
