#include "conversion/uRingKeyPressBase.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <string_view>
#include <vector>

#include "conversion/uRingUtils.h"
#include "runtime/FilterFormat.h"

namespace {

using Pelmora::TKeyedTone;

// The octaves -1, 0 and 1 of a filter are relative to the tune's default
// octave; any other is absolute.
int32_t ResolveOctave(int32_t octave, int32_t tuneDefault) {
  if (octave < -1 || octave > 1) return octave;
  const int64_t resolved = int64_t{tuneDefault} + octave;
  return static_cast<int32_t>(std::clamp<int64_t>(resolved, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// The tone as it stands; a flat counts as a sharp.
TKeyedTone AsWritten(const TRingTone& tone) {
  return {tone.Note, tone.Accidental != raNatural, tone.Octave, tone.Duration, tone.Dot != rdNone, tone.IsRest()};
}

// Composers know sharps only: a flat is keyed as the sharp of the letter
// below (B flat as A sharp, C flat as the B an octave lower), E sharp as F
// and B sharp as the C above. Rests and unknown letters keep their letter.
// Made in place where the keyed tone is kept: a copy of one returned
// through memory would read its fields back as wide words just after they
// were stored one by one.
[[gnu::always_inline]] inline TKeyedTone SharpSpelling(const TRingTone& tone) {
  TKeyedTone keyed = AsWritten(tone);
  if (tone.Accidental == raNatural || keyed.Rest) return keyed;
  const int32_t natural = NoteIndex(UpperCase(tone.Note)) - 1;
  if (natural < 0) return keyed;
  const int32_t semitone = natural + (tone.Accidental == raFlat ? -1 : 1);
  const int64_t octave = int64_t{tone.Octave} + (semitone < 0 ? -1 : semitone > 11 ? 1 : 0);
  if (octave < std::numeric_limits<int32_t>::min() || octave > std::numeric_limits<int32_t>::max()) return keyed;
  const std::string_view name = NoteNames[(semitone + 12) % 12];
  keyed.Note = name.substr(0, 1);
  keyed.Sharp = name.size() > 1;
  keyed.Octave = static_cast<int32_t>(octave);
  return keyed;
}

// Puts a value back when the rendering ends, however it ends.
class TRestoreOnExit {
 public:
  explicit TRestoreOnExit(int32_t& field) : FField(field), FKept(field) {}
  ~TRestoreOnExit() { FField = FKept; }
  TRestoreOnExit(const TRestoreOnExit&) = delete;
  TRestoreOnExit& operator=(const TRestoreOnExit&) = delete;

 private:
  int32_t& FField;
  const int32_t FKept;
};

// The filter's mapper ids for the steps 0 to 4; an entry that is not a
// number raises EConvertError.
TKeyPressBase::TMapperOrder ReadMapperOrder(const Pelmora::TRingtoneFilterConfig& filter) {
  TKeyPressBase::TMapperOrder order{};
  for (int step = 0; step < 5; ++step) order[static_cast<size_t>(step)] = filter.GetMapperOrder(step);
  return order;
}

// One note into text, against the state of the note before it.
void RenderKeyedNote(const TKeyedTone& tone, const TKeyPressBase::TMapperOrder& order,
                     Pelmora::TFilterMapping& mapping, const Pelmora::TNoteLastState& state,
                     Pelmora::TTextBuilder& text) {
  mapping.MapTone(tone, order, state, text);
  // A note's text from the note mapper alone can be as long as the filter.
  if (text.Size() > Pelmora::TRingtoneFilterConfig::MaxNoteText) throw Pelmora::EFilterOverflow();
}

// The part of the last-note state that the filter looks at: the rest reads
// the same for every note.
struct TRemembered {
  bool Sharp;
  int32_t Octave;
  int32_t Duration;
  bool Dotted;

  bool operator==(const TRemembered&) const = default;
};

// What the filter remembers of the note before, read once for a tune.
class TMemory {
 public:
  explicit TMemory(const Pelmora::TRingtoneFilterConfig& filter)
      : FSharp(filter.Remember_Sharp),
        FOctave(filter.Remember_Octave),
        FDuration(filter.Remember_Duration),
        FDotted(filter.Remember_DotDuration) {}
  TRemembered Of(const Pelmora::TNoteLastState& state) const {
    return {FSharp && state.Sharp, FOctave ? state.Octave : 0, FDuration ? state.Duration : 0, FDotted && state.Dotted};
  }

 private:
  const bool FSharp, FOctave, FDuration, FDotted;
};

// A distinct tone of the track, keyed once, and its two latest renderings,
// which serve again after the same remembered state, so that a tune costs
// about a rendering per distinct tone and state (a tune that moves between
// two octaves, say, renders its tones in each once). A rendering's text is
// kept beside it when short, as nearly every one is, so that putting it in
// again is one fixed copy; a longer one is found where it lies in the
// tune's text. Only the flag and the count are set up front: the rest is
// written before it is read.
struct TRendered {
  static constexpr size_t kInline = 16;
  struct TRendering {
    TRemembered From;
    size_t Length;
    size_t At;
    std::array<char, kInline> Text;
  };

  TRendered() {}  // NOLINT: not = default, which would clear every field
  bool Keyed = false;
  bool Note;  // a note or a rest, not a control event
  uint8_t Kept = 0;  // renderings kept, the latest first
  TKeyedTone Tone;
  std::array<TRendering, 2> Renderings;

  const TRendering* After(const TRemembered& from) const {
    if (Kept > 0 && Renderings[0].From == from) return &Renderings[0];
    if (Kept > 1 && Renderings[1].From == from) return &Renderings[1];
    return nullptr;
  }
  TRendering& Keep() {
    Renderings[1] = Renderings[0];
    if (Kept < Renderings.size()) ++Kept;
    return Renderings[0];
  }
};

// The tune's text, written in place into a string kept longer than the text
// by room for a short rendering's fixed copy, and cut to the text at the end.
class TTuneText {
 public:
  explicit TTuneText(size_t expected) { FText.resize(expected + kRoom); }
  size_t Size() const { return FSize; }
  // Where the next length bytes go, with room for a fixed copy past them.
  char* Room(size_t length) {
    if (FText.size() - FSize < length + kRoom) FText.resize(std::max(2 * FText.size(), FSize + length + kRoom));
    return FText.data() + FSize;
  }
  const char* At(size_t at) const { return FText.data() + at; }
  void Advance(size_t length) { FSize += length; }
  std::string Take() {
    FText.resize(FSize);
    return std::move(FText);
  }

 private:
  static constexpr size_t kRoom = TRendered::kInline;
  std::string FText;
  size_t FSize = 0;
};

bool IsNote(const TRingTone* tone) { return tone->Kind == rkNote; }

// A tune's notes through a filter, a tone at a time in playing order: a tone
// rendered before after the same remembered state is put in again by a
// copy, and only a new one goes through the filter's steps.
class TTuneRenderer {
 public:
  TTuneRenderer(const TToneList& tones, const Pelmora::TRingtoneFilterConfig& filter,
                const TKeyPressBase::TMapperOrder& order, Pelmora::TNoteLastState& state)
      : FTones(tones),
        FOrder(order),
        FMapping(filter),
        FState(state),
        FSeparator(filter.Remember_ToneSeparater),
        FMemory(filter),
        FText(std::min<size_t>(static_cast<size_t>(tones.Count()) * 4, Pelmora::TRingtoneFilterConfig::MaxTuneText)),
        FRendered(tones.DistinctCount()) {}

  // Every tone in playing order. The state the walk moves through is its
  // own local, which the text's byte stores cannot touch, so that it stays
  // in registers from one tone to the next; the tune's state gets it back
  // however the walk ends, as the walk left it.
  void Walk() {
    Pelmora::TNoteLastState state = FState;
    try {
      // Inlined into each width of the walk, so that nothing takes the
      // state's address.
      const auto add = [this, &state](uint32_t distinct) __attribute__((always_inline)) { Add(distinct, state); };
      FTones.ForEachDistinct(FTones.Count(), add);
    } catch (...) {
      FState = state;
      throw;
    }
    FState = state;
  }
  std::string Take() { return FText.Take(); }

 private:
  [[gnu::always_inline]] void Add(uint32_t distinct, Pelmora::TNoteLastState& state) {
    TRendered& known = FRendered[distinct];
    if (!known.Keyed) [[unlikely]]
      Key(known, FTones.DistinctTone(distinct));
    if (!known.Note) return;
    const TRemembered from = FMemory.Of(state);
    // No separator before the first text that is not empty.
    const size_t gap = FText.Size() == 0 ? 0 : FSeparator.size();
    if (const TRendered::TRendering* rendering = known.After(from)) [[likely]] {
      char* out = Separated(gap + rendering->Length, gap);
      if (rendering->Length <= TRendered::kInline) {
        std::memcpy(out, rendering->Text.data(), TRendered::kInline);
      } else {
        std::memcpy(out, FText.At(rendering->At), rendering->Length);
      }
      FText.Advance(gap + rendering->Length);
    } else {
      Render(known, from, gap, state);
    }
    const TKeyedTone& tone = known.Tone;
    // A rest has no pitch: the phone keeps the sharp and octave of the note
    // before it.
    if (!tone.Rest) {
      state.Sharp = tone.Sharp;
      state.Octave = tone.Octave;
    }
    state.Duration = tone.Duration;
    state.Dotted = tone.Dotted;
    if (FText.Size() > Pelmora::TRingtoneFilterConfig::MaxTuneText) throw Pelmora::EFilterOverflow();
  }
  static void Key(TRendered& known, const TRingTone& tone) {
    known.Note = IsNote(&tone);
    if (known.Note) known.Tone = SharpSpelling(tone);
    known.Keyed = true;
  }
  // Room for the separator (gap bytes of it) and the text after it; where
  // the text goes.
  char* Separated(size_t length, size_t gap) {
    char* const out = FText.Room(length);
    // Nearly every filter separates notes by one character.
    if (gap == 1) {
      *out = FSeparator.front();
    } else if (gap > 1) {
      std::memcpy(out, FSeparator.data(), gap);
    }
    return out + gap;
  }
  // The state comes as a copy, so that the walk's own never leaves it.
  [[gnu::noinline]] void Render(TRendered& known, const TRemembered from, size_t gap,
                                const Pelmora::TNoteLastState state) {
    RenderKeyedNote(known.Tone, FOrder, FMapping, state, FNote);
    const std::string_view view = FNote.View();
    char* const out = Separated(gap + view.size(), gap);
    TRendered::TRendering& kept = known.Keep();
    kept.From = from;
    kept.Length = view.size();
    kept.At = FText.Size() + gap;
    kept.Text = {};
    // An empty text may have no buffer at all.
    if (!view.empty()) {
      std::memcpy(out, view.data(), view.size());
      // Copied from the note's text, not from the tune's just written,
      // which would have to wait for those stores.
      std::memcpy(kept.Text.data(), view.data(), std::min(view.size(), TRendered::kInline));
    }
    FText.Advance(gap + view.size());
  }

  const TToneList& FTones;
  const TKeyPressBase::TMapperOrder& FOrder;
  Pelmora::TFilterMapping FMapping;
  Pelmora::TNoteLastState& FState;
  const std::string_view FSeparator;
  const TMemory FMemory;
  TTuneText FText;
  Pelmora::TTextBuilder FNote;
  std::vector<TRendered> FRendered;
};

}  // namespace

TKeyPressBase::TKeyPressBase() = default;

TKeyPressBase::~TKeyPressBase() = default;

std::string TKeyPressBase::RenderTune() {
  FilterConfig.ResetLastState(&LastState);
  LastState.Octave = ResolveOctave(LastState.Octave, DefaultOctave);
  TRestoreOnExit keepDefaultOctave(FilterConfig.DefaultOptions_Octave);
  FilterConfig.DefaultOptions_Octave = ResolveOctave(FilterConfig.DefaultOptions_Octave, DefaultOctave);

  const auto& tones = Track->Tones;
  auto at = tones.begin();
  while (at != tones.end() && !IsNote(*at)) ++at;
  // Read at the first note, so that a tune without notes never needs them.
  if (at == tones.end()) return {};
  const TMapperOrder order = ReadMapperOrder(FilterConfig);
  TTuneRenderer renderer(tones, FilterConfig, order, LastState);
  renderer.Walk();
  return renderer.Take();
}

std::string TKeyPressBase::RenderNote(const TRingTone& tone) {
  Pelmora::TFilterMapping mapping(FilterConfig);
  Pelmora::TTextBuilder text;
  RenderKeyedNote(AsWritten(tone), ReadMapperOrder(FilterConfig), mapping, LastState, text);
  return std::string(text.View());
}
