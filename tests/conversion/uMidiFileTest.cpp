#include "conversion/uMidiFile.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <random>
#include <tuple>
#include <vector>

#include "runtime/Streams.h"
#include "tests/support/HeapBytes.h"
#include "tests/support/MidiBytes.h"
#include "tests/support/TempFolder.h"

namespace {

std::unique_ptr<TMidiFile> Read(const std::string& bytes) {
  auto midi = std::make_unique<TMidiFile>();
  midi->LoadFromText(bytes);
  return midi;
}

std::string QuarterNoteFileWithNoteOff() {
  return Header(1, 1, 96) +
         Chunk("MTrk", Tempo120() + Bytes({0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x00}) + EndOfTrack());
}

std::unique_ptr<TMidiEvent> Event(uint8_t status, uint8_t d1, uint8_t d2, int32_t delta) {
  auto e = std::make_unique<TMidiEvent>();
  e->Status = status;
  e->Data1 = d1;
  e->Data2 = d2;
  e->Delta = delta;
  return e;
}

}  // namespace

TEST(MidiTrack, PairsEachNoteOffWithTheLatestNoteOnOfItsChannelAndKey) {
  TMidiTrack t;
  t.AddEvent(Event(0x90, 60, 100, 0));   // 0
  t.AddEvent(Event(0x91, 60, 100, 10));  // 1: other channel
  t.AddEvent(Event(0x90, 62, 100, 10));  // 2: other key
  t.AddEvent(Event(0x90, 60, 0, 30));    // 3: velocity 0 ends event 0
  t.AddEvent(Event(0x81, 60, 64, 40));   // 4: note-off ends event 1
  t.AddEvent(Event(0x80, 62, 64, 5));    // 5: ends event 2
  t.AddEvent(Event(0x80, 70, 64, 5));    // 6: nothing to pair
  t.AddEvent(Event(0x80, 60, 64, 5));    // 7: pairs with the latest note-on, event 3, paired or not
  EXPECT_EQ(t.GetEvent(0)->NoteLength, 50);
  EXPECT_EQ(t.GetEvent(1)->NoteLength, 80);
  EXPECT_EQ(t.GetEvent(2)->NoteLength, 75);
  EXPECT_EQ(t.GetEvent(3)->NoteLength, 55) << "a velocity-0 note-on is itself a note-on";
  EXPECT_EQ(t.GetEvent(4)->NoteLength, -1);
  EXPECT_EQ(t.GetEvent(6)->NoteLength, 0);
  EXPECT_EQ(t.GetEvent(7)->NoteLength, -1);
  EXPECT_EQ(t.GetEvent(7)->AbsoluteTime, 105);
  EXPECT_EQ(t.GetEvent(8), std::nullopt);
  EXPECT_EQ(t.GetEvent(-1), std::nullopt);
}

// The first channel to sound keeps its table in the index itself, the
// others apart; each note-on is kept whole, its index and its time (of any
// sign) side by side.
TEST(NoteOnIndex, EachChannelAndKeyKeepsItsLatestNoteOn) {
  const auto message = [](uint8_t status, uint8_t key) { return TMidiMessage{status, key, 100}; };
  TNoteOnIndex index;
  EXPECT_EQ(index.Latest(message(0x90, 60)), nullptr);
  index.Set(message(0x93, 60), 7, -5);
  index.Set(message(0x90, 60), 0xFFFFFFFE, INT32_MIN);
  index.Set(message(0x99, 255), 2, INT32_MAX);
  const struct {
    TMidiMessage m;
    uint32_t index;
    int32_t time;
  } kept[] = {
      {message(0x93, 60), 7, -5}, {message(0x90, 60), 0xFFFFFFFE, INT32_MIN}, {message(0x89, 255), 2, INT32_MAX}};
  for (const auto& k : kept) {
    const TNoteOnIndex::TNoteOn* latest = index.Latest(k.m);
    ASSERT_NE(latest, nullptr);
    EXPECT_EQ(latest->Index, k.index);
    EXPECT_EQ(latest->AbsoluteTime, k.time);
  }
  EXPECT_EQ(index.Latest(message(0x93, 61)), nullptr);
  EXPECT_EQ(index.Latest(message(0x91, 60)), nullptr);

  EXPECT_EQ(index.Exchange(message(0x91, 60), 3, 30).Index, TNoteOnIndex::kNone) << "none before on that channel";
  const TNoteOnIndex::TNoteOn before = index.Exchange(message(0x93, 60), 4, 40);
  EXPECT_EQ(before.Index, 7u);
  EXPECT_EQ(before.AbsoluteTime, -5);
  EXPECT_EQ(index.Latest(message(0x83, 60))->Index, 4u);
  EXPECT_EQ(index.Latest(message(0x81, 60))->AbsoluteTime, 30);
}

// A note-on at once and its velocity-0 note-on a quarter later, with
// running status: the file one quarter note becomes.
TEST(MidiFile, WritesTheOneNoteFileByteForByte) {
  TMidiFile midi;
  midi.Division = 96;
  auto track = std::make_unique<TMidiTrack>();
  track->AddEvent(NewTempoEvent(120));
  track->AddEvent(Event(0x90, 60, 40, 0));
  track->AddEvent(Event(0x90, 60, 0, 96));
  track->AddEvent(NewEndOfTrackEvent());
  midi.AddTrack(std::move(track));
  EXPECT_EQ(midi.GetText(),
            Bytes({'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 1, 0, 0x60, 'M', 'T', 'r', 'k', 0, 0, 0, 0x12, 0x00, 0xFF,
                   0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0x90, 0x3C, 0x28, 0x60, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00}));
  EXPECT_EQ(midi.GetText(), OneQuarterNoteFile());
  midi.ClearTracks();
  EXPECT_EQ(midi.GetText(), Bytes({'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 0, 0, 0x60}));
}

TEST(MidiFile, RunningStatusIsWrittenOnceAndSurvivesMetaEvents) {
  TMidiFile midi;
  auto track = std::make_unique<TMidiTrack>();
  track->AddEvent(Event(0x90, 60, 1, 0));
  auto text = std::make_unique<TMidiEvent>();
  text->Status = 0xFF;
  text->Data1 = 0x01;
  text->MetaData = "hi";
  track->AddEvent(std::move(text));
  track->AddEvent(Event(0x90, 62, 2, 0));
  track->AddEvent(Event(0xC0, 5, 0, 0));   // program change: one data byte
  track->AddEvent(Event(0xF8, 0, 0, 7));   // not a channel or meta event: not written
  track->AddEvent(Event(0x90, 64, 3, 0));
  midi.AddTrack(std::move(track));
  const std::string body = midi.GetText().substr(22);
  EXPECT_EQ(body, Bytes({0, 0x90, 60, 1, 0, 0xFF, 0x01, 2, 'h', 'i', 0, 62, 2, 0, 0xC0, 5, 0, 0x90, 64, 3}));
}

TEST(MidiFile, ReadsTracksTempoAndFormat) {
  const std::string file =
      Header(0, 2, 480) +
      Chunk("MTrk", Tempo120() + Bytes({0x00, 0xFF, 0x03, 0x04, 'S', 'o', 'n', 'g'}) +
                        Bytes({0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40}) + EndOfTrack()) +  // 1000000: 60 bpm
      Chunk("MTrk", Bytes({0x00, 0x90, 0x3C, 0x40, 0x83, 0x60, 0x3C, 0x00}) + EndOfTrack());  // running status
  const auto midi = Read(file);
  EXPECT_EQ(midi->FileFormat, 0);
  EXPECT_EQ(midi->Division, 480);
  EXPECT_EQ(midi->FileTempo, 60) << "the last tempo event wins";
  ASSERT_EQ(midi->TrackCount(), 2);
  EXPECT_EQ(midi->GetTrack(0)->TrackName(), "Song");
  const TMidiTrack& notes = *midi->GetTrack(1);
  ASSERT_EQ(notes.Count(), 3);
  EXPECT_EQ(notes.GetEvent(1)->Status, 0x90);
  EXPECT_EQ(notes.GetEvent(0)->NoteLength, 480);

  EXPECT_EQ(Read(Header(1, 1, 96) + Chunk("MTrk", EndOfTrack()))->FileTempo, 120)
      << "without a tempo event a file has the default 120";
}

TEST(MidiFile, SkipsWhatIsNotOurs) {
  // A vendor chunk, a long header and a GM reset must not disturb the notes.
  const std::string file =
      Chunk("MThd", Bytes({0, 1, 0, 1, 0, 96, 0xAA, 0xBB})) + Chunk("XFIH", Bytes({'M', 'T', 'r', 'k', 0, 0})) +
      Chunk("MTrk", Bytes({0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7, 0x00, 0x90, 0x3C, 0x40, 0x60, 0x80,
                           0x3C, 0x00}) +
                        EndOfTrack());
  const auto midi = Read(file);
  ASSERT_EQ(midi->TrackCount(), 1);
  const TMidiTrack& t = *midi->GetTrack(0);
  ASSERT_EQ(t.Count(), 4);
  EXPECT_EQ(t.GetEvent(0)->Status, 0xF0);
  EXPECT_EQ(t.GetEvent(1)->Status, 0x90);
  EXPECT_EQ(t.GetEvent(1)->NoteLength, 96);
}

TEST(MidiFile, HostileBytesEndCleanly) {
  const std::string good = OneQuarterNoteFile();
  // Every truncation of a good file, and a few hostile shapes.
  for (size_t n = 0; n <= good.size(); ++n) Read(good.substr(0, n));
  const std::string hostile[] = {
      Chunk("MTrk", std::string(64, '\xFF')),                                 // endless variable-length numbers
      Chunk("MTrk", Bytes({0x00, 0xFF, 0x01, 0x8F, 0xFF, 0xFF, 0x7F, 'x'})),  // a huge meta length
      Chunk("MTrk", Bytes({0x00, 0xFF, 0x51, 0x03, 0x00, 0x00, 0x00})),       // zero tempo
      Chunk("MTrk", Bytes({0x00, 0xFF, 0x51, 0x01, 0x07})),                   // short tempo
      Bytes({'M', 'T', 'r', 'k', 0x7F, 0xFF, 0xFF, 0xFF, 0x00, 0x90}),       // length past the end
      Bytes({'M', 'T', 'h', 'd', 0xFF, 0xFF, 0xFF, 0xFF}),
      Chunk("MTrk", Bytes({0x8F, 0xFF, 0xFF, 0xFF, 0x7F, 0x90, 0x3C, 0x40, 0x8F, 0xFF, 0xFF, 0xFF, 0x7F, 0x3C, 0x00})),
  };
  for (const auto& bytes : hostile) {
    const auto midi = Read(bytes);
    EXPECT_LE(midi->TrackCount(), 1);
  }
  EXPECT_EQ(Read(hostile[2])->FileTempo, 120);
}

// A scan for notes reads each note message as a note and leaves every
// other event to Next: the events come out as Next alone reads them, at
// every cut of a chunk that mixes running and own status, long deltas, a
// running status of a meta event, and events that are no notes.
TEST(MidiChunkReader, NotesReadAloneAsNextReadsThem) {
  const std::string body = Bytes({0x00, 0x90, 0x3C, 0x40,                    // own status
                                  0x30, 0x3C, 0x00,                          // running status
                                  0x81, 0x40, 0x3E, 0x40,                    // a long delta
                                  0x00, 0xB0, 0x07, 0x64, 0x00, 0x3E, 0x00,  // a controller, then its running status
                                  0x10, 0x83, 0x3E, 0x40,                    // a note-off on another channel
                                  0x00, 0xFF, 0x01, 0x01, 'x', 0x00, 0x02, 0x00,  // a meta event; its running status
                                  0x05, 0xC0, 0x05, 0x00, 0x9F, 0xFF, 0x7F,       // a program change; data of 0xFF
                                  0x00, 0xF0, 0x01, 0x7F, 0x00, 0x9A, 0x3C});     // system exclusive; a cut note
  using TRead = std::tuple<uint32_t, uint8_t, uint8_t, uint8_t>;
  for (size_t n = 0; n <= body.size(); ++n) {
    const std::string_view cut = std::string_view(body).substr(0, n);
    std::vector<TRead> byNext;
    for (TMidiChunkReader reader(cut); !reader.AtEnd();) {
      const TMidiChunkReader::TEvent e = reader.Next();
      byNext.emplace_back(e.Delta, e.Message.Status, e.Message.Data1, e.Message.Data2);
    }
    std::vector<TRead> byNotes;
    size_t notes = 0;
    for (TMidiChunkReader reader(cut); !reader.AtEnd();) {
      uint32_t delta = 0;
      TMidiMessage m;
      if (reader.NextNote(delta, m)) {
        ++notes;
        EXPECT_EQ(m.Status & 0xE0, 0x80);
      } else {
        const TMidiChunkReader::TEvent e = reader.Next();
        delta = e.Delta;
        m = e.Message;
      }
      byNotes.emplace_back(delta, m.Status, m.Data1, m.Data2);
    }
    EXPECT_EQ(byNotes, byNext) << "cut at " << n;
    if (n == body.size()) {
      EXPECT_EQ(notes, 5u) << "the cut note is left to Next";
    }
  }
}

// A meta event whose length runs past its chunk ends that track; the next
// track is read from the chunk's end.
TEST(MidiFile, EachTrackEndsAtItsChunk) {
  const std::string file =
      Header(1, 2, 96) + Chunk("MTrk", Bytes({0x00, 0xFF, 0x01, 0x7F, 'a', 'b'})) +
      Chunk("MTrk", Bytes({0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x00}) + EndOfTrack());
  const auto midi = Read(file);
  ASSERT_EQ(midi->TrackCount(), 2);
  EXPECT_EQ(midi->GetTrack(0)->GetEvent(0)->MetaData, "ab");
  const TMidiTrack& notes = *midi->GetTrack(1);
  ASSERT_EQ(notes.Count(), 3);
  EXPECT_EQ(notes.GetEvent(0)->NoteLength, 96);
}

// Each event keeps what it was added with: its delta (also one that wraps
// the tick count), its own meta data, and the track its last names.
TEST(MidiTrack, EventsKeepTheirDeltasAndMetaData) {
  TMidiTrack t;
  const auto meta = [](uint8_t type, const std::string& data, int32_t delta) {
    auto e = std::make_unique<TMidiEvent>();
    e->Status = 0xFF;
    e->Data1 = type;
    e->MetaData = data;
    e->Delta = delta;
    return e;
  };
  t.AddEvent(meta(0x03, "First", 5));
  t.AddEvent(Event(0x90, 60, 100, INT32_MAX));
  t.AddEvent(meta(0x04, "Piano", 10));
  t.AddEvent(meta(0x03, "Second", 0));
  t.AddEvent(meta(0x01, "", 1));
  t.AddEvent(Event(0x80, 60, 0, 2));
  const int32_t deltas[] = {5, INT32_MAX, 10, 0, 1, 2};
  const std::string data[] = {"First", "", "Piano", "Second", "", ""};
  ASSERT_EQ(t.Count(), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(t.GetEvent(i)->Delta, deltas[i]) << i;
    EXPECT_EQ(t.GetEvent(i)->MetaData, data[i]) << i;
  }
  EXPECT_EQ(t.GetEvent(2)->AbsoluteTime, INT32_MIN + 14) << "the tick count wraps";
  EXPECT_EQ(t.GetEvent(1)->NoteLength, 13);
  EXPECT_EQ(t.RunningTotal(), INT32_MIN + 17);
  EXPECT_EQ(t.TrackName(), "Second");
  EXPECT_EQ(t.InstrumentName(), "Piano");
  EXPECT_EQ(TMidiTrack().TrackName(), "");
}

namespace {

// What a track must give back for its events, kept the plain way: every
// event with its absolute time and note length, a note-off pairing with the
// latest earlier note-on of its channel and key.
class TTrackModel {
 public:
  void Add(const TMidiEvent& e) {
    TMidiEvent added = e;
    added.AbsoluteTime = static_cast<int32_t>(static_cast<uint32_t>(FTime) + static_cast<uint32_t>(e.Delta));
    added.NoteLength = 0;
    FTime = added.AbsoluteTime;
    const int key = (e.Status & 0x0F) << 8 | e.Data1;
    if (added.IsNoteOff() && FLatest.count(key)) {
      TMidiEvent& noteOn = FEvents[FLatest[key]];
      noteOn.NoteLength =
          static_cast<int32_t>(static_cast<uint32_t>(added.AbsoluteTime) - static_cast<uint32_t>(noteOn.AbsoluteTime));
      added.NoteLength = -1;
    }
    if (added.IsNoteOn()) FLatest[key] = FEvents.size();
    FEvents.push_back(added);
  }

  void ExpectHeldBy(const TMidiTrack& track) const {
    ASSERT_EQ(track.Count(), static_cast<int>(FEvents.size()));
    for (size_t i = 0; i < FEvents.size(); ++i) {
      const TMidiEvent& want = FEvents[i];
      const TMidiEvent got = *track.GetEvent(static_cast<int>(i));
      ASSERT_EQ(got.Status, want.Status) << i;
      ASSERT_EQ(got.Data1, want.Data1) << i;
      ASSERT_EQ(got.Data2, want.Data2) << i;
      ASSERT_EQ(got.Delta, want.Delta) << i;
      ASSERT_EQ(got.AbsoluteTime, want.AbsoluteTime) << i;
      ASSERT_EQ(got.NoteLength, want.NoteLength) << i;
      ASSERT_EQ(got.MetaData, want.MetaData) << i;
    }
    EXPECT_EQ(track.RunningTotal(), FTime);
  }

 private:
  std::vector<TMidiEvent> FEvents;
  std::map<int, size_t> FLatest;
  int32_t FTime = 0;
};

// Events of every kind with deltas, and so note lengths, of every size:
// most fit sixteen bits, some do not (a wrapped negative one neither). A
// channel message right after a meta event never repeats the status of the
// one before it: the writer keeps running status across meta events, which
// the reader does not.
std::vector<TMidiEvent> RandomEvents(size_t count) {
  static const int32_t kDeltas[] = {0, 0, 1, 96, 65535, 65536, 100000, 0x0FFFFFFF, INT32_MAX, -5};
  static const uint8_t kStatus[] = {0x90, 0x90, 0x90, 0x80, 0x91, 0x81, 0xFF, 0xC3};
  std::mt19937 random(20240611);
  std::vector<TMidiEvent> events;
  uint8_t channelStatus = 0;
  while (events.size() < count) {
    TMidiEvent e;
    e.Delta = kDeltas[random() % std::size(kDeltas)];
    e.Status = kStatus[random() % std::size(kStatus)];
    e.Data1 = static_cast<uint8_t>(60 + random() % 4);
    if (e.IsMeta()) {
      e.Data1 = static_cast<uint8_t>(1 + random() % 4);
      e.MetaData = std::string(random() % 300, static_cast<char>('a' + random() % 26));
    } else {
      if (!events.empty() && events.back().IsMeta() && e.Status == channelStatus) e.Status ^= 0x02;
      if (e.Status < 0xC0) e.Data2 = random() % 3 == 0 ? 0 : 100;
      channelStatus = e.Status;
    }
    events.push_back(e);
  }
  return events;
}

// A file of the one track, to be written.
std::unique_ptr<TMidiFile> FileOf(std::unique_ptr<TMidiTrack> track) {
  auto file = std::make_unique<TMidiFile>();
  file->Division = 96;
  file->AddTrack(std::move(track));
  return file;
}

}  // namespace

// A long track gives back every event as it was added, whichever of its
// values fit the event's own few bytes: its delta and absolute time, its
// note length (however often a note-off pairs again), its meta data; and so
// does the file written of it, read again.
TEST(MidiTrack, LongTracksKeepEveryValue) {
  const std::vector<TMidiEvent> events = RandomEvents(6200);
  TTrackModel model;
  auto track = std::make_unique<TMidiTrack>();
  for (size_t i = 0; i < 6000; ++i) {
    model.Add(events[i]);
    track->AddEvent(events[i]);
  }
  model.ExpectHeldBy(*track);

  const auto written = FileOf(std::move(track));
  const auto read = Read(written->GetText());
  ASSERT_EQ(read->TrackCount(), 1);
  TMidiTrack& again = *read->GetTrack(0);
  model.ExpectHeldBy(again);
  EXPECT_EQ(again.TrackName(), written->GetTrack(0)->TrackName());
  EXPECT_EQ(again.InstrumentName(), written->GetTrack(0)->InstrumentName());

  // Adding to the track read pairs through the times it holds.
  for (size_t i = 6000; i < events.size(); ++i) {
    model.Add(events[i]);
    again.AddEvent(events[i]);
  }
  model.ExpectHeldBy(again);
}

// Notes added whole among events added one by one hold what the note-on
// and its velocity-0 note-on added as events would: a note-off added after
// pairs with a note's end, and a note-on added before is left unpaired by
// it; the file written of them reads back the same.
TEST(MidiTrack, NotesAddedWholePairAsTheirEventsWould) {
  static const int32_t kLengths[] = {0, 1, 96, 65535, 65536, 0x0FFFFFFF};
  std::mt19937 random(20261211);
  const std::vector<TMidiEvent> events = RandomEvents(3000);
  TTrackModel model;
  auto track = std::make_unique<TMidiTrack>();
  for (size_t i = 0; i < events.size(); ++i) {
    // A note keeps the status of the note-on it stands for, which keeps the
    // running status the events were made for.
    if (i % 3 != 0 || !events[i].IsNoteOn()) {
      model.Add(events[i]);
      track->AddEvent(events[i]);
      continue;
    }
    TMidiEvent noteOn = events[i];
    noteOn.Data2 = 100;
    const int32_t length = kLengths[random() % std::size(kLengths)];
    TMidiEvent noteOff = noteOn;
    noteOff.Data2 = 0;
    noteOff.Delta = length;
    model.Add(noteOn);
    model.Add(noteOff);
    track->AddNote(noteOn, noteOn.Delta, length);
  }
  model.ExpectHeldBy(*track);

  const auto read = Read(FileOf(std::move(track))->GetText());
  ASSERT_EQ(read->TrackCount(), 1);
  model.ExpectHeldBy(*read->GetTrack(0));
}

// A note-off added to a track read from a file pairs with the note-on read.
TEST(MidiTrack, AddingToAReadTrackPairsWithTheNotesRead) {
  const auto midi = Read(Header(0, 1, 96) + Chunk("MTrk", Bytes({0x00, 0x91, 0x3C, 0x40, 0x10, 0x3E, 0x40})));
  TMidiTrack& t = *midi->GetTrack(0);
  t.AddEvent(Event(0x81, 60, 0, 48));
  EXPECT_EQ(t.GetEvent(0)->NoteLength, 64);
  EXPECT_EQ(t.GetEvent(2)->NoteLength, -1);
  EXPECT_EQ(t.GetEvent(1)->NoteLength, 0);
}

// A file reads the same from disk, from text, and from where a memory
// stream stands; the stream is left at its end.
TEST(MidiFile, ReadsAnyStreamFromItsPosition) {
  const std::string file = QuarterNoteFileWithNoteOff();
  const TTempFolder folder;
  TMidiFile fromDisk;
  fromDisk.LoadFromFile(folder.Write("tune.mid", file));
  TMemoryStream stream("junk" + file);
  stream.SetPosition(4);
  TMidiFile fromMiddle;
  fromMiddle.LoadFromStream(stream);
  EXPECT_EQ(stream.Position(), stream.Size());
  for (TMidiFile* midi : {&fromDisk, &fromMiddle}) {
    ASSERT_EQ(midi->TrackCount(), 1);
    EXPECT_EQ(midi->GetTrack(0)->GetEvent(1)->NoteLength, 96);
    EXPECT_EQ(midi->GetText(), Read(file)->GetText());
  }
}

namespace {

// Bytes the read file holds on to, per byte of the file, once its tracks
// are built (and its bytes let go) when built is set.
double HeldBytesPerInputByte(const std::string& file, bool built) {
  const size_t before = AllocatedBytes();
  const auto midi = Read(file);
  if (built) midi->GetTrack(0);
  const double held = static_cast<double>(AllocatedBytes()) - static_cast<double>(before);
  return held / static_cast<double>(file.size());
}

}  // namespace

// However the chunks are laid out, what a read file holds grows with its
// size: a track costs what its events cost, not a table of every channel
// and key. An event is held in eight bytes, an empty track in under sixty
// and a short track's events in one heap block, so that even a file of
// empty chunks or of one-note tracks (eight and twelve bytes each) holds
// under ten bytes per byte of the file, block headers and rounding
// included, and a file of notes about two; one heap object per event cost
// 16 to 30, a table per track thousands. Before its tracks are built a
// read file holds its bytes and the place of each chunk.
TEST(MidiFile, MemoryFollowsTheSizeOfTheFile) {
  std::string empty = Header(1, 1, 96), oneNote = Header(1, 1, 96), oneTrack = Header(1, 1, 96);
  std::string notes;
  for (int i = 0; i < 8192; ++i) {
    empty += Chunk("MTrk", "");
    oneNote += Chunk("MTrk", Bytes({0x00, 0x90 | (i % 16), i % 128, 0x40}));
    notes += Bytes({0x00, 0x90 | (i % 16), i % 128, 0x40});
  }
  oneTrack += Chunk("MTrk", notes);
  const struct {
    const std::string& File;
    double Bound;
  } cases[] = {{empty, 10.0}, {oneNote, 10.0}, {oneTrack, 2.5}};
  for (const auto& c : cases) {
    EXPECT_LT(HeldBytesPerInputByte(c.File, true), c.Bound) << c.File.size() << " bytes";
    EXPECT_LT(HeldBytesPerInputByte(c.File, false), c.Bound) << c.File.size() << " bytes, as read";
  }
}
