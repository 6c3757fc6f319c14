#include "conversion/uRingKeyPressBase.h"

#include <algorithm>
#include <array>
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
TKeyedTone SharpSpelling(const TRingTone& tone) {
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

// A distinct tone of the track, keyed once, and its two latest renderings:
// their texts lie in the tune's text already, and serve again after the
// same remembered state, so that a tune costs about a rendering per
// distinct tone and state (a tune that moves between two octaves, say,
// renders its tones in each once). Only the flag and the count are set up
// front: the rest is written before it is read.
struct TRendered {
  struct TRendering {
    TRemembered From;
    size_t At;
    size_t Length;
  };

  TRendered() {}  // NOLINT: not = default, which would clear every field
  bool Keyed = false;
  uint8_t Kept = 0;  // renderings kept, the latest first
  TKeyedTone Tone;
  std::array<TRendering, 2> Renderings;

  const TRendering* After(const TRemembered& from) const {
    if (Kept > 0 && Renderings[0].From == from) return &Renderings[0];
    if (Kept > 1 && Renderings[1].From == from) return &Renderings[1];
    return nullptr;
  }
  void Keep(const TRendering& rendering) {
    Renderings[1] = Renderings[0];
    Renderings[0] = rendering;
    if (Kept < Renderings.size()) ++Kept;
  }
};

bool IsNote(const TRingTone* tone) { return tone->Kind == rkNote; }

}  // namespace

TKeyPressBase::TKeyPressBase()
    : FilterConfig(std::make_unique<Pelmora::TRingtoneFilterConfig>()),
      LastState(std::make_unique<Pelmora::TNoteLastState>()) {}

TKeyPressBase::~TKeyPressBase() = default;

std::string TKeyPressBase::RenderTune() {
  std::string result;
  FilterConfig->ResetLastState(LastState.get());
  LastState->Octave = ResolveOctave(LastState->Octave, DefaultOctave);
  TRestoreOnExit keepDefaultOctave(FilterConfig->DefaultOptions_Octave);
  FilterConfig->DefaultOptions_Octave = ResolveOctave(FilterConfig->DefaultOptions_Octave, DefaultOctave);

  const auto& tones = Track->Tones;
  auto at = tones.begin();
  while (at != tones.end() && !IsNote(*at)) ++at;
  // Read at the first note, so that a tune without notes never needs them.
  if (at == tones.end()) return result;
  const Pelmora::TRingtoneFilterConfig& filter = *FilterConfig;
  const TMapperOrder order = ReadMapperOrder(filter);
  Pelmora::TFilterMapping mapping(filter);
  Pelmora::TNoteLastState& state = *LastState;
  const std::string_view separator = filter.Remember_ToneSeparater;
  const TMemory memory(filter);
  result.reserve(std::min<size_t>(static_cast<size_t>(tones.Count()) * 4, Pelmora::TRingtoneFilterConfig::MaxTuneText));
  Pelmora::TTextBuilder text;
  std::vector<TRendered> rendered(tones.DistinctCount());
  for (; at != tones.end(); ++at) {
    const TRingTone* entry = *at;
    if (!IsNote(entry)) continue;
    if (!result.empty()) {
      // Nearly every filter separates notes by one character.
      if (separator.size() == 1) {
        result.push_back(separator.front());
      } else {
        result += separator;
      }
    }
    TRendered& known = rendered[at.Distinct()];
    if (!known.Keyed) {
      known.Tone = SharpSpelling(*entry);
      known.Keyed = true;
    }
    const TKeyedTone& tone = known.Tone;
    const TRemembered from = memory.Of(state);
    if (const TRendered::TRendering* rendering = known.After(from)) {
      result.append(result, rendering->At, rendering->Length);
    } else {
      RenderKeyedNote(tone, order, mapping, state, text);
      known.Keep({from, result.size(), text.Size()});
      result += text.View();
    }
    // A rest has no pitch: the phone keeps the sharp and octave of the note
    // before it.
    if (!tone.Rest) {
      state.Sharp = tone.Sharp;
      state.Octave = tone.Octave;
    }
    state.Duration = tone.Duration;
    state.Dotted = tone.Dotted;
    if (result.size() > Pelmora::TRingtoneFilterConfig::MaxTuneText) throw Pelmora::EFilterOverflow();
  }
  return result;
}

std::string TKeyPressBase::RenderNote(const TRingTone& tone) {
  Pelmora::TFilterMapping mapping(*FilterConfig);
  Pelmora::TTextBuilder text;
  RenderKeyedNote(AsWritten(tone), ReadMapperOrder(*FilterConfig), mapping, *LastState, text);
  return std::string(text.View());
}
