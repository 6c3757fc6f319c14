#include "conversion/uRingUtils.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <map>
#include <span>
#include <string_view>
#include <vector>

#include "runtime/SysUtils.h"

int32_t AccentVelocity(int32_t meter, int32_t position) {
  static const int32_t three[] = {120, 80, 40};
  static const int32_t four[] = {120, 40, 110, 40};
  static const int32_t six[] = {120, 80, 40, 110, 80, 40};
  static const int32_t two[] = {120, 40};
  const int32_t* table = two;
  int32_t length = static_cast<int32_t>(std::size(two));
  switch (meter) {
    case 3: table = three; length = static_cast<int32_t>(std::size(three)); break;
    case 4: table = four; length = static_cast<int32_t>(std::size(four)); break;
    case 6: table = six; length = static_cast<int32_t>(std::size(six)); break;
    default: break;
  }
  int32_t index = static_cast<int32_t>((static_cast<int64_t>(position) - 1) % length);
  if (index < 0) index += length;
  return table[index];
}

namespace {

bool IsSharpName(const char* name) { return name[1] == '#'; }

// Whether the text is that name of the table, compared without building
// strings: names are one letter, or a letter and "#".
bool IsName(const std::string& text, const char* name) {
  return text.size() == (IsSharpName(name) ? 2u : 1u) && text[0] == name[0] && (text.size() == 1 || text[1] == '#');
}

}  // namespace

TMidiNote MidiKeyToNote(uint8_t key) {
  const char* name = NoteNames[key % 12];
  return {std::string(1, name[0]), static_cast<uint8_t>(IsSharpName(name) ? raSharp : raNatural), key / 12};
}

int32_t NoteIndex(const std::string& name) {
  for (int32_t i = 0; i < 12; ++i)
    if (IsName(name, NoteNames[i])) return i + 1;
  return 0;
}

namespace {

// NoteIndex of the upper-cased letter, read from a one-letter note in place.
int32_t UpperNoteIndex(const std::string& note) {
  if (note.size() != 1) return NoteIndex(UpperCase(note));
  switch (UpCase(note[0])) {
    case 'C': return 1;
    case 'D': return 3;
    case 'E': return 5;
    case 'F': return 6;
    case 'G': return 8;
    case 'A': return 10;
    case 'B': return 12;
    default: return 0;
  }
}

}  // namespace

int32_t NoteToMidiKey(const std::string& letter, uint8_t accidental, int32_t octave) {
  int32_t index = UpperNoteIndex(letter);
  if (index > 0 && accidental == raSharp) ++index;
  if (index > 0 && accidental == raFlat) --index;
  return static_cast<int32_t>(index + 12 * static_cast<int64_t>(octave) - 1);
}

namespace {

// Each name's letter by semitone above C, in either case.
constexpr std::string_view kUpperLetters = "CCDDEFFGGAAB";
constexpr std::string_view kLowerLetters = "ccddeffggaab";

bool HasLowerCase(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

}  // namespace

TSpelledNote SpelledAccidental(const TRingTone& tone, bool flats) {
  TSpelledNote note{tone.Note, tone.Accidental, tone.Octave};
  if (tone.Accidental == raNatural || (tone.Accidental == raFlat && flats)) return note;
  const int32_t index = UpperNoteIndex(tone.Note);
  // A letter has a sharp of its own when the table's next name is it.
  if (index <= 0 || (tone.Accidental == raSharp && index < 12 && IsSharpName(NoteNames[index]))) return note;
  // Spelled again from the key, in 64 bits: B# in the top octave is the C
  // of an octave beyond the 32-bit range.
  const int64_t semitone = index - 1 + (tone.Accidental == raSharp ? 1 : -1);
  const int64_t key = semitone + 12 * int64_t{tone.Octave};
  const int64_t octave = key >= 0 ? key / 12 : (key - 11) / 12;
  const auto name = static_cast<size_t>(key - 12 * octave);
  note.Note = (HasLowerCase(tone.Note) ? kLowerLetters : kUpperLetters).substr(name, 1);
  note.Accidental = IsSharpName(NoteNames[name]) ? raSharp : raNatural;
  note.Octave = static_cast<int32_t>(std::clamp<int64_t>(octave, INT32_MIN, INT32_MAX));
  return note;
}

TMidiNote SpelledNote(const TRingTone& tone, bool flats) {
  const TSpelledNote note = Spelled(tone, flats);
  return {std::string(note.Note), note.Accidental, note.Octave};
}

TDistinctCounts::TDistinctCounts(const TToneList& tones, int count)
    : FTones(tones), FCount(count), FSize(std::min(tones.DistinctCount(), kDistinctCached)) {
  std::fill_n(FTimes.begin(), FSize, 0);
  // Counted through locals, which the walk keeps at hand instead of
  // reading the members again for every tone.
  int64_t* const times = FTimes.data();
  const size_t size = FSize;
  bool beyond = false;
  tones.ForEachDistinct(static_cast<size_t>(std::max(count, 0)), [times, size, &beyond](uint32_t distinct) {
    if (distinct < size)
      ++times[distinct];
    else
      beyond = true;
  });
  FBeyond = beyond;
  size_t letters = 0;
  for (size_t distinct = 0; distinct < FSize; ++distinct) {
    FFirsts[distinct] = &tones.DistinctTone(distinct);
    letters += FFirsts[distinct]->Note.size();
  }
  FLetters = letters;
}

namespace {

struct TOctaveNotes {
  int64_t Octave, Notes;
};

// The smallest move, by whole octaves, that puts as many notes as possible
// within lowest..highest: for each run of octaves that fits the span (the
// notes of one placement), the moves that place all of them, the one
// nearest to none kept. The octaves come in rising order.
int64_t BestShift(std::span<const TOctaveNotes> notesByOctave, int64_t lowest, int64_t highest) {
  if (highest < lowest) return 0;
  int64_t bestNotes = 0, bestShift = 0, inWindow = 0;
  size_t top = 0;
  for (size_t bottom = 0; bottom < notesByOctave.size(); ++bottom) {
    for (; top < notesByOctave.size() && notesByOctave[top].Octave - notesByOctave[bottom].Octave <= highest - lowest;
         ++top)
      inWindow += notesByOctave[top].Notes;
    const int64_t highestInWindow = notesByOctave[top - 1].Octave;
    const int64_t shift = std::clamp<int64_t>(0, lowest - notesByOctave[bottom].Octave, highest - highestInWindow);
    if (inWindow > bestNotes || (inWindow == bestNotes && std::abs(shift) < std::abs(bestShift))) {
      bestNotes = inWindow;
      bestShift = shift;
    }
    inWindow -= notesByOctave[bottom].Notes;
  }
  return bestShift;
}

bool CountsForOctave(const TRingTone& tone) { return tone.Kind == rkNote && !tone.IsRest(); }

// The notes of the tones past the counted distinct ones, spelled where they
// stand and added to the counted ones, by octave: a track of more distinct
// tones than are counted may hold any number of octaves.
std::vector<TOctaveNotes> WithTonesBeyond(std::span<const TOctaveNotes> counted, const TDistinctCounts& counts,
                                          bool flats) {
  std::map<int64_t, int64_t> notesByOctave;
  for (const auto& [octave, notes] : counted) notesByOctave[octave] += notes;
  const TToneList& tones = counts.Tones();
  tones.ForEachDistinct(static_cast<size_t>(std::max(counts.Count(), 0)), [&](uint32_t distinct) {
    if (distinct < counts.Size()) return;
    const TRingTone& tone = tones.DistinctTone(distinct);
    if (CountsForOctave(tone)) ++notesByOctave[Spelled(tone, flats).Octave];
  });
  std::vector<TOctaveNotes> all;
  all.reserve(notesByOctave.size());
  for (const auto& [octave, notes] : notesByOctave) all.push_back({octave, notes});
  return all;
}

}  // namespace

TWrittenNotes::TWrittenNotes(const TDistinctCounts& counts, bool flats, int32_t lowestOctave, int32_t highestOctave)
    : FFlats(flats), FLowest(lowestOctave), FHighest(highestOctave) {
  // A tune repeats a handful of octaves: each distinct tone's notes are
  // added to its octave's, kept in rising order.
  TOctaveNotes byOctave[kDistinctCached];
  size_t octaves = 0;
  TOctaveNotes* last = nullptr;
  for (size_t distinct = 0; distinct < counts.Size(); ++distinct) {
    if (counts.Times(distinct) == 0 || !CountsForOctave(counts.First(distinct))) continue;
    const int64_t octave = Spelled(counts.First(distinct), flats).Octave;
    // A tone is most often in the octave of the one that came first before it.
    if (last == nullptr || last->Octave != octave) {
      TOctaveNotes* const end = byOctave + octaves;
      last = std::lower_bound(byOctave, end, octave,
                              [](const TOctaveNotes& notes, int64_t o) { return notes.Octave < o; });
      if (last == end || last->Octave != octave) {
        std::move_backward(last, end, end + 1);
        *last = {octave, 0};
        ++octaves;
      }
    }
    last->Notes += counts.Times(distinct);
  }
  const std::span<const TOctaveNotes> counted(byOctave, octaves);
  FShift = counts.Beyond() ? BestShift(WithTonesBeyond(counted, counts, flats), lowestOctave, highestOctave)
                           : BestShift(counted, lowestOctave, highestOctave);
}

TWrittenNotes::TWrittenNotes(const TRingTrack& track, bool flats, int32_t lowestOctave, int32_t highestOctave,
                             int count)
    : TWrittenNotes(TDistinctCounts(track.Tones, count), flats, lowestOctave, highestOctave) {}

std::string TextRoom(size_t room) {
  std::string text;
  text.resize(room);
  return text;
}

char* MakeTextRoom(std::string& text, char* at, size_t more) {
  const auto used = static_cast<size_t>(at - text.data());
  if (text.size() - used >= more) return at;
  // Twice the room, so that a long walk makes room a few times only.
  text.resize(std::max(2 * text.size(), used + more));
  return text.data() + used;
}

namespace {

// Whether the name is written as it stands, as nearly every name is.
bool WrittenAsItStands(std::string_view name) {
  char before = ' ';  // a blank in front goes
  for (const char c : name) {
    if (c == '\r' || c == '\n' || c == '\0' || (c >= 14 && c <= 31) || c == '{') return false;
    if ((c == ' ' && before == ' ') || (c == '*' && before == '(') || (c == '/' && before == '/')) return false;
    before = c;
  }
  return true;
}

}  // namespace

char* WriteWrittenName(char* at, std::string_view name) {
  if (WrittenAsItStands(name)) return WriteText(at, name);
  char* const start = at;
  for (char c : name) {
    if (c == '\r' || c == '\n') c = ' ';
    if (c == '\0' || (c >= 14 && c <= 31)) continue;
    const bool first = at == start;
    if (c == ' ' && (first || at[-1] == ' ')) continue;
    if (c == '{') c = '(';
    if (!first && ((at[-1] == '(' && c == '*') || (at[-1] == '/' && c == '/'))) *at++ = ' ';
    *at++ = c;
  }
  return at;
}

void AppendWrittenName(std::string& text, std::string_view name) {
  if (WrittenAsItStands(name)) {
    text.append(name);
    return;
  }
  const size_t start = text.size();
  text.resize(start + WrittenNameRoom(name));
  text.resize(static_cast<size_t>(WriteWrittenName(text.data() + start, name) - text.data()));
}

std::string WrittenName(const std::string& name) {
  std::string written;
  written.reserve(name.size());
  AppendWrittenName(written, name);
  return written;
}

TNoteValue TicksToDuration(int32_t division, int32_t ticks) {
  const int64_t q = IntDiv64(static_cast<int64_t>(ticks) * 8, division);
  // Beyond the table a length is held at the nearest value a tune can hold:
  // a wrapped negative length at the shortest, a very long note at the
  // longest.
  if (q > 100) return {1, true};
  if (q <= 1) return {32, false};
  if (q == 2) return {16, false};
  if (q == 3) return {16, true};
  if (q == 4) return {8, false};
  if (q <= 6) return {8, true};
  if (q <= 9) return {4, false};
  if (q <= 13) return {4, true};
  if (q <= 20) return {2, false};
  if (q <= 27) return {2, true};
  if (q <= 35) return {1, false};
  return {1, true};
}

int32_t DurationToTicks(int32_t division, int32_t duration, uint8_t dot) {
  const int64_t base = IntDiv64(4 * static_cast<int64_t>(division), duration);
  int64_t ticks = base;
  switch (dot) {
    case 1: ticks += base / 2; break;
    case 2: ticks += base / 3; break;
    case 3: ticks += (2 * base) / 3; break;
    default: break;
  }
  return static_cast<int32_t>(ticks);
}
