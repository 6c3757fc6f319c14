#include "conversion/uRingUtils.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <map>

#include "runtime/SysUtils.h"

const char* const NoteNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

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

TMidiNote SpelledNote(const TRingTone& tone, bool flats) {
  TMidiNote note{tone.Note, tone.Accidental, tone.Octave};
  const int32_t index = UpperNoteIndex(tone.Note);
  // A letter has a sharp of its own when the table's next name is it.
  const bool writable = tone.Accidental == raNatural || (tone.Accidental == raFlat && flats) ||
                        (tone.Accidental == raSharp && index > 0 && index < 12 && IsSharpName(NoteNames[index]));
  if (index > 0 && !writable) {
    // Spelled again from the key, in 64 bits: B# in the top octave is the C
    // of an octave beyond the 32-bit range.
    const int64_t semitone = index - 1 + (tone.Accidental == raSharp ? 1 : -1);
    const int64_t key = semitone + 12 * int64_t{tone.Octave};
    const int64_t octave = key >= 0 ? key / 12 : (key - 11) / 12;
    const std::string name = NoteNames[key - 12 * octave];
    note.Note = tone.Note == UpperCase(tone.Note) ? name.substr(0, 1) : LowerCase(name.substr(0, 1));
    note.Accidental = name.size() == 2 ? raSharp : raNatural;
    note.Octave = static_cast<int32_t>(std::clamp<int64_t>(octave, INT32_MIN, INT32_MAX));
  }
  return note;
}

namespace {

// The smallest move, by whole octaves, that puts as many notes as possible
// within lowest..highest: for each run of octaves that fits the span (the
// notes of one placement), the moves that place all of them, the one
// nearest to none kept.
int64_t BestShift(const std::map<int64_t, int64_t>& notesByOctave, int64_t lowest, int64_t highest) {
  if (highest < lowest) return 0;
  int64_t bestNotes = 0, bestShift = 0, inWindow = 0;
  auto top = notesByOctave.begin();
  for (auto bottom = notesByOctave.begin(); bottom != notesByOctave.end(); ++bottom) {
    for (; top != notesByOctave.end() && top->first - bottom->first <= highest - lowest; ++top)
      inWindow += top->second;
    const int64_t highestInWindow = std::prev(top)->first;
    const int64_t shift = std::clamp<int64_t>(0, lowest - bottom->first, highest - highestInWindow);
    if (inWindow > bestNotes || (inWindow == bestNotes && std::abs(shift) < std::abs(bestShift))) {
      bestNotes = inWindow;
      bestShift = shift;
    }
    inWindow -= bottom->second;
  }
  return bestShift;
}

}  // namespace

TWrittenNotes::TWrittenNotes(const TRingTrack& track, bool flats, int32_t lowestOctave, int32_t highestOctave,
                             int count)
    : FFlats(flats), FLowest(lowestOctave), FHighest(highestOctave) {
  // A tune repeats a handful of octaves: counted per octave, the choice
  // costs one pass over the tones.
  std::map<int64_t, int64_t> notesByOctave;
  const auto countNote = [&notesByOctave, flats](const TRingTone& tone, int64_t times) {
    if (tone.Kind != rkNote || tone.IsRest()) return;
    notesByOctave[SpelledNote(tone, flats).Octave] += times;
  };
  // The first distinct tones (a real tune's all) are counted where they
  // stand and spelled once each, with the first tone of each kept to spell;
  // any past those are spelled where they stand.
  const size_t counted = std::min(track.Tones.DistinctCount(), kDistinctCached);
  std::vector<std::pair<const TRingTone*, int64_t>> distincts(counted, {nullptr, 0});
  for (auto at = track.Tones.begin(); at != track.Tones.end() && count-- > 0; ++at) {
    const uint32_t distinct = at.Distinct();
    if (distinct >= counted) {
      countNote(**at, 1);
      continue;
    }
    auto& [first, times] = distincts[distinct];
    if (times++ == 0) first = *at;
  }
  for (const auto& [first, times] : distincts)
    if (times > 0) countNote(*first, times);
  FShift = BestShift(notesByOctave, lowestOctave, highestOctave);
}

TMidiNote TWrittenNotes::operator()(const TRingTone& tone) const {
  TMidiNote note = SpelledNote(tone, FFlats);
  note.Octave = static_cast<int32_t>(std::clamp<int64_t>(note.Octave + FShift, FLowest, FHighest));
  return note;
}

void AppendWrittenName(std::string& text, std::string_view name) {
  const size_t start = text.size();
  for (char c : name) {
    if (c == '\r' || c == '\n') c = ' ';
    if (c == '\0' || (c >= 14 && c <= 31)) continue;
    const bool first = text.size() == start;
    if (c == ' ' && (first || text.back() == ' ')) continue;
    if (c == '{') c = '(';
    if (!first && ((text.back() == '(' && c == '*') || (text.back() == '/' && c == '/'))) text += ' ';
    text += c;
  }
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
