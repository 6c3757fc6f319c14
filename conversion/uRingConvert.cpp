#include "conversion/uRingConvert.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "conversion/uMidiFile.h"
#include "conversion/uRingUtils.h"
#include "runtime/ChunkedList.h"
#include "runtime/SysUtils.h"

namespace {

constexpr int32_t kTargetDivision = 96;
constexpr int32_t kBeatsPerBar = 4;
// The longest delta a variable-length number of four bytes holds.
constexpr int64_t kLongestDelta = 0x0FFFFFFF;

// What the tempo event and the end of the track take, their deltas short.
constexpr size_t kTempoAndEndBytes = 11;
// A run of rests longer than a delta can say is held at the longest one.
int32_t HeldDelta(int64_t ticks) { return static_cast<int32_t>(std::min(ticks, kLongestDelta)); }

// Whether a note-on starts a note of the melody: percussion counts only in
// a file that sounds nothing else.
bool PitchedNote(const TMidiMessage& m) { return m.SoundsNote() && !m.IsPercussion(); }
bool AnyNote(const TMidiMessage& m) { return m.SoundsNote(); }

bool IsMelodyNote(const TMidiMessage& m, bool percussion) { return percussion ? AnyNote(m) : PitchedNote(m); }

bool Sounds(const TMidiTrack& track, bool percussion) {
  for (int i = 0; i < track.Count(); ++i)
    if (IsMelodyNote(track.Message(i), percussion)) return true;
  return false;
}

bool Sounds(std::string_view chunk, bool percussion) {
  for (TMidiChunkReader reader(chunk); !reader.AtEnd();)
    if (IsMelodyNote(reader.Next().Message, percussion)) return true;
  return false;
}

bool Sounds(const TMidiFile& midi, int track, bool percussion) {
  return midi.TracksPending() ? Sounds(midi.TrackChunk(track), percussion) : Sounds(*midi.GetTrack(track), percussion);
}

struct TMelody {
  int Track;
  bool Percussion;  // the drums count: no track sounds a pitched note
};

// The first track that sounds a pitched note: track 0 whenever it does, so
// format-0 files and tunes kept in track 0 read as before; otherwise the
// usual layout of a tempo track followed by the melody. Drums are never the
// melody unless the file has nothing else.
TMelody MelodyTrack(const TMidiFile& midi) {
  for (const bool percussion : {false, true})
    for (int i = 0; i < midi.TrackCount(); ++i)
      if (Sounds(midi, i, percussion)) return {i, percussion};
  return {0, true};
}

// The values a rest is split into, longest first: the values
// TicksToDuration gives a note.
constexpr TNoteValue kRestValues[] = {{1, true}, {1, false}, {2, true},  {2, false},  {4, true},  {4, false},
                                      {8, true}, {8, false}, {16, true}, {16, false}, {32, false}};

constexpr int64_t ThirtySecondsOf(TNoteValue value) { return (32 / value.Duration) * (value.Dotted ? 3 : 2) / 2; }

constexpr auto kRestThirtySeconds = [] {
  std::array<int64_t, std::size(kRestValues)> thirtySeconds{};
  for (size_t v = 0; v < thirtySeconds.size(); ++v) thirtySeconds[v] = ThirtySecondsOf(kRestValues[v]);
  return thirtySeconds;
}();

// A silence is held at sixteen dotted wholes (24 bars of four beats): a
// hostile delta of billions of ticks must not become millions of rests.
constexpr int64_t kLongestSilence = 16 * ThirtySecondsOf(kRestValues[0]);

// The melody line of a track, built tone by tone from its notes in time
// order: notes that start together give one tone, the highest (the melody
// usually lies on top); a note that starts while the one before still
// sounds cuts that one at its onset, and one cut to less than a
// thirty-second counts as starting together with it (a chord played a few
// ticks apart); a silence before a note becomes rests.
//
// The tune's own time runs apart from the track's wherever a note's value
// rounds its length; a rest fills the silence up to the onset on the tune's
// time, so that each silence brings the tune back to the track's time line.
// The tune's time is kept in eighths of a tick, where a thirty-second at any
// division is a whole number: the division.
class TMelodyLine {
 public:
  TMelodyLine(TRingTrack& tones, int32_t division, int32_t restOctave)
      : FTones(tones.Tones), FDivision(division), FNote(NewTone("?", 0)), FRest(NewTone("P", restOctave)) {
    FRestDistinct.fill(kNoneYet);
  }

  // A note-on at its onset, with the length of its note: 0 when no note-off
  // ends it, and it sounds until the next onset.
  void NoteOn(int64_t onset, uint32_t length, uint8_t key) {
    const int64_t end = length == 0 ? kNeverEnds : onset + length;
    if (FCurrent) {
      if (StartsTogether(onset)) {
        if (key > FCurrent->Key) *FCurrent = {FCurrent->Onset, end, key};
        return;
      }
      Add(*FCurrent, onset);
    }
    FCurrent = TSounding{onset, end, key};
  }
  // The last note sounds to its end, or to the track's end when it has none.
  void Finish(int64_t trackEnd) {
    if (FCurrent) Add(*FCurrent, std::max(trackEnd, FCurrent->Onset));
    FCurrent.reset();
  }

 private:
  // Past any time a track reaches: its deltas are fewer than 2^31 of 32 bits.
  static constexpr int64_t kNeverEnds = INT64_MAX;
  struct TSounding {
    int64_t Onset;
    int64_t End;
    uint8_t Key;
  };

  static int64_t EndBefore(const TSounding& note, int64_t next) { return std::min(note.End, next); }
  bool StartsTogether(int64_t onset) const {
    const int64_t length = EndBefore(*FCurrent, onset) - FCurrent->Onset;
    const bool stillSounds = FCurrent->End > onset;
    return onset == FCurrent->Onset || (stillSounds && length * 8 < FDivision);
  }

  void Add(const TSounding& note, int64_t next) {
    if (note.Onset > FTrackTime) AddRests(note.Onset);
    const int64_t end = EndBefore(note, next);
    const auto ticks = static_cast<int32_t>(std::min<int64_t>(end - note.Onset, INT32_MAX));
    const uint64_t tag = NoteTag(note.Key, ticks);
    TKnownNote& seen = FNotes[(tag * 0x9E3779B97F4A7C15ull) >> (64 - kKnownNoteBits)];
    if (seen.Tag != tag) {
      const TKnownValue& known = ValueOf(ticks);
      if (note.Key != FNoteKey) {
        const TPitch& pitch = FPitches[note.Key];
        // The note's name is always one letter: it is written in place.
        FNote.Note[0] = pitch.Letter;
        FNote.Accidental = pitch.Accidental;
        FNote.Octave = pitch.Octave;
        FNoteKey = note.Key;
      }
      seen = {tag, AddTone(FNote, known.Value), known.ThirtySeconds * FDivision};
    } else {
      FTones.AddAgain(seen.Distinct);
    }
    FTuneTime += seen.TuneTime;
    FTrackTime = end;
  }

  void AddRests(int64_t onset) {
    int64_t silence = IntDiv64(8 * onset - FTuneTime, FDivision);
    if (silence <= 0) return;
    if (silence > kLongestSilence) {
      // What is cut from the silence is cut from the tune's time too.
      silence = kLongestSilence;
      FTuneTime = 8 * onset - silence * FDivision;
    }
    // The last value is a thirty-second: the silence is used up by then.
    static_assert(kRestThirtySeconds.back() == 1);
    for (size_t v = 0; silence > 0; ++v) {
      const TNoteValue value = kRestValues[v];
      const int64_t thirtySeconds = kRestThirtySeconds[v];
      if (silence < thirtySeconds) continue;
      const int64_t count = silence / thirtySeconds;
      silence -= count * thirtySeconds;
      uint32_t& distinct = FRestDistinct[v];
      if (distinct == kNoneYet)
        distinct = AddTone(FRest, value);
      else
        FTones.AddAgain(distinct);
      for (int64_t i = 1; i < count; ++i) FTones.AddAgain(distinct);
      FTuneTime += count * thirtySeconds * FDivision;
    }
  }

  // Adds the tone with that value; returns its distinct index.
  uint32_t AddTone(TRingTone& tone, TNoteValue value) {
    tone.SetNumbers(value.Duration, tone.Octave, tone.Volume, tone.ControlKind);
    tone.Dot = value.Dotted ? rdDotted : rdNone;
    return FTones.Add(tone);
  }

  // A note of a key and length in ticks, once added, is added again by its
  // distinct index: a tune repeats a few. The tag packs both, with a bit
  // that no empty entry has.
  static uint64_t NoteTag(uint8_t key, int32_t ticks) {
    return uint64_t{static_cast<uint32_t>(ticks)} << 32 | 1u << 8 | key;
  }
  struct TKnownNote {
    uint64_t Tag = 0;  // none yet
    uint32_t Distinct = 0;
    int64_t TuneTime = 0;  // what the note adds to the tune's time
  };
  static constexpr int kKnownNoteBits = 6;
  static constexpr uint32_t kNoneYet = UINT32_MAX;

  // The pitch of every key is worked out once for all tunes; a tune holds
  // few lengths, and the values of the lengths seen last are kept.
  struct TPitch {
    char Letter;
    uint8_t Accidental;
    int32_t Octave;
  };
  using TPitches = std::array<TPitch, 256>;
  struct TKnownValue {
    int32_t Ticks = -1;  // none yet
    TNoteValue Value{};
    int64_t ThirtySeconds = 0;  // of Value
  };

  static const TPitches& Pitches() {
    static const TPitches pitches = [] {
      TPitches all{};
      for (size_t key = 0; key < all.size(); ++key) {
        const TMidiNote name = MidiKeyToNote(static_cast<uint8_t>(key));
        all[key] = {name.Note[0], name.Accidental, name.Octave};
      }
      return all;
    }();
    return pitches;
  }
  const TKnownValue& ValueOf(int32_t ticks) {
    // Lengths are mostly multiples of a few ticks: their low bits are
    // mixed first.
    TKnownValue& known = FValues[(static_cast<uint32_t>(ticks) * 0x9E3779B1u) >> 28];
    if (known.Ticks != ticks) {
      const TNoteValue value = TicksToDuration(FDivision, ticks);
      known = {ticks, value, ThirtySecondsOf(value)};
    }
    return known;
  }

  static TRingTone NewTone(const char* name, int32_t octave) {
    TRingTone tone;
    tone.Note = name;
    tone.Octave = octave;
    return tone;
  }

  TToneList& FTones;
  const int32_t FDivision;
  // A note of the last key and a rest, given the value of each tone added.
  TRingTone FNote;
  int FNoteKey = -1;  // the key FNote holds the pitch of; none yet
  TRingTone FRest;
  const TPitches& FPitches = Pitches();
  std::array<TKnownValue, 16> FValues;  // by the top four bits of a hash
  std::array<TKnownNote, size_t{1} << kKnownNoteBits> FNotes;  // by the top bits of a hash of the tag
  // The distinct index of the rest of each of kRestValues, once added.
  std::array<uint32_t, std::size(kRestValues)> FRestDistinct;
  std::optional<TSounding> FCurrent;
  int64_t FTrackTime = 0;  // ticks: where the last tone ended on the track
  int64_t FTuneTime = 0;   // eighths of a tick: where the tune stands
};

// Gives the line the melody notes of a built track, in time order, and
// then its end.
void ReduceTrack(const TMidiTrack& track, bool percussion, TMelodyLine& line) {
  int64_t time = 0;
  for (int i = 0; i < track.Count(); ++i) {
    // Deltas are unsigned in the file; summed in 64 bits the time line
    // never wraps.
    time += static_cast<uint32_t>(track.Delta(i));
    const TMidiMessage& m = track.Message(i);
    if (IsMelodyNote(m, percussion)) line.NoteOn(time, static_cast<uint32_t>(track.NoteLength(i)), m.Data1);
  }
  line.Finish(time);
}

// The same from the bytes of a track chunk, with the lengths a built track
// would give: a note-off pairs with the latest note-on of its channel and
// key, of the melody or not, so a note's length is known only once the
// whole chunk is read.
// A note after the one before, in twelve bytes: a file of notes is held
// in about twice its size. A longer gap than 32 bits hold goes before it
// in steps that sound nothing.
struct TChunkNote {
  uint32_t Gap;  // ticks since the onset before
  uint32_t Length;
  uint8_t Key;
  bool Sounds;
};

// The melody notes of a track chunk with their lengths; gives the time of
// its end. Apart from the line, so that the scan keeps its own values in
// registers.
[[gnu::noinline]] int64_t ChunkNotes(std::string_view chunk, bool percussion, TChunkedList<TChunkNote>& notes) {
  // A note-on that is no note of the melody: none, as Exchange gives none.
  constexpr uint32_t kNotMelody = TNoteOnIndex::kNone;
  // A note-on takes three bytes or more.
  notes.reserve(chunk.size() / 3);
  TNoteOnIndex noteOns;
  int64_t time = 0;
  int64_t lastOnset = 0;
  for (TMidiChunkReader reader(chunk); !reader.AtEnd();) {
    uint32_t delta = 0;
    TMidiMessage m;
    if (!reader.NextNote(delta, m)) {
      const TMidiChunkReader::TEvent event = reader.Next();
      delta = event.Delta;
      m = event.Message;
    }
    time += delta;
    // Only note messages pair or sound.
    if ((m.Status & 0xE0) != 0x80) continue;
    // A track's times wrap at 32 bits, and a note's length with them.
    const auto trackTime = static_cast<int32_t>(time);
    // The latest note-on of the key ends here, if it is a note of the melody.
    const auto end = [&](const TNoteOnIndex::TNoteOn& latest) {
      if (latest.Index != kNotMelody)
        notes[latest.Index].Length = static_cast<uint32_t>(trackTime) - static_cast<uint32_t>(latest.AbsoluteTime);
    };
    if (!m.IsNoteOn()) {
      if (const TNoteOnIndex::TNoteOn* latest = noteOns.Latest(m)) end(*latest);
    } else if (m.Data2 == 0) {
      // It ends a note, and is then the latest note-on of its key.
      end(noteOns.Exchange(m, kNotMelody, trackTime));
    } else {
      uint32_t index = kNotMelody;
      if (IsMelodyNote(m, percussion)) {
        for (; time - lastOnset > UINT32_MAX; lastOnset += UINT32_MAX) notes.push_back({UINT32_MAX, 0, 0, false});
        index = static_cast<uint32_t>(notes.size());
        notes.push_back({static_cast<uint32_t>(time - lastOnset), 0, m.Data1, true});
        lastOnset = time;
      }
      noteOns.Set(m, index, trackTime);
    }
  }
  return time;
}

void ReduceChunk(std::string_view chunk, bool percussion, TMelodyLine& line) {
  TChunkedList<TChunkNote> notes;
  const int64_t time = ChunkNotes(chunk, percussion, notes);
  int64_t onset = 0;
  notes.ForEachSpan(notes.size(), [&](std::span<const TChunkNote> run) {
    for (const TChunkNote& note : run) {
      onset += note.Gap;
      if (note.Sounds) line.NoteOn(onset, note.Length, note.Key);
    }
  });
  line.Finish(time);
}

// The copy step around the tones, which takeTones hands over; it may free
// the source, which is not read after.
template <class TakeTones>
void CopyRingFile(TRingFile& source, TRingFile& target, TakeTones takeTones) {
  if (auto* midi = source.AsMidiFile()) MidiToTones(*midi);
  target.Name = source.Name;
  target.Volume = source.Volume;
  target.DefaultOctave = source.DefaultOctave;
  target.Tempo = source.Tempo;
  takeTones();
  if (auto* midi = target.AsMidiFile()) TonesToMidi(*midi);
}

// What a tone of the tune becomes in the track.
struct TMidiTone {
  bool Timed;   // a note or rest, not a control
  bool Sounds;  // a note of some length, not a rest
  uint8_t Key;
  int32_t Ticks;
};

TMidiTone MidiToneOf(const TRingTone& tone) {
  if (tone.Kind != rkNote) return {false, false, 0, 0};
  // A length that cannot be written (a negative note value) is held at
  // the nearest that can.
  const int32_t ticks = std::max(DurationToTicks(kTargetDivision, tone.Duration, tone.Dot), 0);
  // A tone of no length sounds nothing; its place in time is kept.
  if (tone.IsRest() || ticks == 0) return {true, false, 0, ticks};
  // A key outside the MIDI range would be written as a status byte and
  // corrupt the file; hold it at the nearest key.
  const auto key = static_cast<uint8_t>(std::clamp(NoteToMidiKey(tone.Note, tone.Accidental, tone.Octave), 0, 127));
  return {true, true, key, ticks};
}

}  // namespace

void AssignRingFile(TRingFile& source, TRingFile& target) {
  CopyRingFile(source, target, [&] { target.Track->Assign(*source.Track); });
}

void AssignRingFile(TRingFile& source, TRingFile& target, const std::function<void()>& freeSource) {
  // A long source is freed before the target's track is written; the
  // target's own empty track goes with it.
  CopyRingFile(source, target, [&] {
    target.Track.swap(source.Track);
    freeSource();
  });
}

void AssignRingFile(std::unique_ptr<TRingFile> source, TRingFile& target) {
  AssignRingFile(*source, target, [&] { source.reset(); });
}

bool MidiToTones(TMidiFile& midi) {
  if (midi.TrackCount() == 0) return false;
  midi.Track->Clear();
  midi.Tempo = midi.FileTempo;
  const TMelody melody = MelodyTrack(midi);
  TMelodyLine line(*midi.Track, midi.Division, midi.DefaultOctave);
  if (midi.TracksPending())
    ReduceChunk(midi.TrackChunk(melody.Track), melody.Percussion, line);
  else
    ReduceTrack(*midi.GetTrack(melody.Track), melody.Percussion, line);
  return true;
}

void TonesToMidi(TMidiFile& midi) {
  TMidiTrackBytes track;
  midi.FileFormat = 0;
  midi.Division = kTargetDivision;
  const TToneList& tones = midi.Track->Tones;
  // A note takes six bytes where its delta and length take one each.
  track.Reserve(6 * static_cast<size_t>(tones.Count()) + kTempoAndEndBytes);
  track.Add(*NewTempoEvent(midi.Tempo));
  // The accent is that of the beat on which the tone ends: the velocities
  // stay those of the files this conversion has always written.
  std::array<uint8_t, kBeatsPerBar> accents{};
  for (int32_t beat = 0; beat < kBeatsPerBar; ++beat)
    accents[static_cast<size_t>(beat)] = static_cast<uint8_t>(AccentVelocity(kBeatsPerBar, beat + 1));
  // A tune repeats a few distinct tones: each is looked at once.
  std::vector<std::optional<TMidiTone>> distinctTones(tones.DistinctCount());
  // Ticks are never negative: unsigned, the beat is found without a sign.
  uint64_t total = 0;
  // Ticks since the last event written: rests add to it.
  int64_t pending = 0;
  for (auto at = tones.begin(); at != tones.end(); ++at) {
    std::optional<TMidiTone>& known = distinctTones[at.Distinct()];
    // A tone just worked out is used as it stands, not read back whole
    // from the fields just stored, which would stall.
    TMidiTone tone;
    if (known) {
      tone = *known;
    } else {
      tone = MidiToneOf(**at);
      known = tone;
    }
    if (!tone.Timed) continue;
    total += static_cast<uint32_t>(tone.Ticks);
    if (!tone.Sounds) {
      pending += tone.Ticks;
      continue;
    }
    TMidiMessage noteOn;
    noteOn.Status = 0x90;
    noteOn.Data1 = tone.Key;
    noteOn.Data2 = accents[(total / kTargetDivision) % kBeatsPerBar];
    // The note ends after its own length with a velocity-0 note-on, which
    // every reader takes as a note-off.
    track.AddNote(noteOn, static_cast<uint32_t>(HeldDelta(pending)), static_cast<uint32_t>(tone.Ticks));
    pending = 0;
  }
  // A rest at the end keeps its place before the end of the track.
  auto end = NewEndOfTrackEvent();
  end->Delta = HeldDelta(pending);
  track.Add(*end);
  midi.AddTrack(std::move(track));
}
