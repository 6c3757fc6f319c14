#include "conversion/uRingKeyPressBase.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "conversion/uRingUtils.h"
#include "runtime/FilterFormat.h"

namespace {

// The octaves -1, 0 and 1 of a filter are relative to the tune's default
// octave; any other is absolute.
int32_t ResolveOctave(int32_t octave, int32_t tuneDefault) {
  if (octave < -1 || octave > 1) return octave;
  const int64_t resolved = int64_t{tuneDefault} + octave;
  return static_cast<int32_t>(std::clamp<int64_t>(resolved, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// What a phone's composer is given of a tone. Composers know sharps only: a
// flat is keyed as the sharp of the letter below (B flat as A sharp, C flat
// as the B an octave lower), E sharp as F and B sharp as the C above. Rests
// and unknown letters keep their letter.
struct TKeyedTone {
  std::string_view Note;
  bool Sharp;
  int32_t Octave;
  int32_t Duration;
  bool Dotted;
  bool Rest;
};

// The tone as it stands; a flat counts as a sharp.
TKeyedTone AsWritten(const TRingTone& tone) {
  return {tone.Note, tone.Accidental != raNatural, tone.Octave, tone.Duration, tone.Dot != rdNone, tone.IsRest()};
}

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
                     Pelmora::TFilterMapping& mapping, const Pelmora::TNoteLastState& state, std::string& text) {
  text.clear();
  for (const int32_t mapper : order) {
    switch (mapper) {
      case miNote: mapping.MapNote(tone.Note, text); break;
      case miSharp:
        if (!tone.Rest) mapping.MapSharp(state, tone.Sharp, text);
        break;
      case miDuration: mapping.MapDuration(state, tone.Duration, text); break;
      case miDotDuration: mapping.MapDotDuration(state, tone.Dotted, text); break;
      case miOctave:
        if (!tone.Rest) mapping.MapOctave(state, tone.Octave, text);
        break;
      default: break;
    }
  }
  // A note's text from the note mapper alone can be as long as the filter.
  if (text.size() > Pelmora::TRingtoneFilterConfig::MaxNoteText) throw Pelmora::EFilterOverflow();
}

// The part of the last-note state that the filter looks at: the rest reads
// the same for every note.
Pelmora::TNoteLastState RememberedState(const Pelmora::TRingtoneFilterConfig& filter,
                                        const Pelmora::TNoteLastState& state) {
  return {filter.Remember_Sharp && state.Sharp, filter.Remember_Octave ? state.Octave : 0,
          filter.Remember_Duration ? state.Duration : 0, filter.Remember_DotDuration && state.Dotted};
}

// A distinct tone of the track as it was keyed last: its text lies in the
// tune's text already, and serves again while the remembered state is the
// same, so that a tune costs a rendering per distinct tone and state.
struct TRendered {
  std::optional<TKeyedTone> Tone;
  bool Rendered = false;
  Pelmora::TNoteLastState From;
  size_t At = 0;
  size_t Length = 0;
};

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

  // Read at the first note, so that a tune without notes never needs them.
  std::optional<TMapperOrder> order;
  std::optional<Pelmora::TFilterMapping> mapping;
  std::string text;
  const auto& tones = Track->Tones;
  std::vector<TRendered> rendered(tones.DistinctCount());
  for (auto at = tones.begin(); at != tones.end(); ++at) {
    const TRingTone* entry = *at;
    if (entry->Kind != rkNote) continue;
    if (!order) {
      order = ReadMapperOrder(*FilterConfig);
      mapping.emplace(*FilterConfig);
      result.reserve(
          std::min<size_t>(static_cast<size_t>(tones.Count()) * 4, Pelmora::TRingtoneFilterConfig::MaxTuneText));
    }
    if (!result.empty()) result += FilterConfig->Remember_ToneSeparater;
    TRendered& known = rendered[at.Distinct()];
    if (!known.Tone) known.Tone = SharpSpelling(*entry);
    const TKeyedTone& tone = *known.Tone;
    const Pelmora::TNoteLastState from = RememberedState(*FilterConfig, *LastState);
    if (known.Rendered && known.From == from) {
      result.append(result, known.At, known.Length);
    } else {
      RenderKeyedNote(tone, *order, *mapping, *LastState, text);
      known = {tone, true, from, result.size(), text.size()};
      result += text;
    }
    // A rest has no pitch: the phone keeps the sharp and octave of the note
    // before it.
    if (!tone.Rest) {
      LastState->Sharp = tone.Sharp;
      LastState->Octave = tone.Octave;
    }
    LastState->Duration = tone.Duration;
    LastState->Dotted = tone.Dotted;
    if (result.size() > Pelmora::TRingtoneFilterConfig::MaxTuneText) throw Pelmora::EFilterOverflow();
  }
  return result;
}

std::string TKeyPressBase::RenderNote(const TRingTone& tone) {
  Pelmora::TFilterMapping mapping(*FilterConfig);
  std::string text;
  RenderKeyedNote(AsWritten(tone), ReadMapperOrder(*FilterConfig), mapping, *LastState, text);
  return text;
}
