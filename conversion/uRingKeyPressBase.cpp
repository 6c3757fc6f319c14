#include "uRingKeyPressBase.h"

#include <algorithm>
#include <limits>

#include "FilterFormat.h"

namespace {

// The octaves -1, 0 and 1 of a filter are relative to the tune's default
// octave; any other is absolute.
int32_t ResolveOctave(int32_t octave, int32_t tuneDefault) {
  if (octave < -1 || octave > 1) return octave;
  const int64_t resolved = int64_t{tuneDefault} + octave;
  return static_cast<int32_t>(std::clamp<int64_t>(resolved, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
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

}  // namespace

TKeyPressBase::TKeyPressBase()
    : FilterConfig(std::make_unique<TRingtoneFilterConfig>()), LastState(std::make_unique<TNoteLastState>()) {}

TKeyPressBase::~TKeyPressBase() = default;

std::string TKeyPressBase::RenderTune() {
  std::string result;
  FilterConfig->ResetLastState(LastState.get());
  LastState->Octave = ResolveOctave(LastState->Octave, DefaultOctave);
  TRestoreOnExit keepDefaultOctave(FilterConfig->DefaultOptions_Octave);
  FilterConfig->DefaultOptions_Octave = ResolveOctave(FilterConfig->DefaultOptions_Octave, DefaultOctave);

  for (const auto& tone : Track->Tones) {
    if (tone->Kind != rkNote) continue;
    const std::string text = RenderNote(*tone);
    // A rest has no pitch: the phone keeps the sharp and octave of the note
    // before it.
    if (!tone->IsRest()) {
      LastState->Sharp = tone->Accidental != raNatural;
      LastState->Octave = tone->Octave;
    }
    LastState->Duration = tone->Duration;
    LastState->Dotted = tone->Dot != rdNone;
    if (!result.empty()) result += FilterConfig->Remember_ToneSeparater;
    result += text;
    if (result.size() > TRingtoneFilterConfig::MaxTuneText) throw EFilterOverflow();
  }
  return result;
}

std::string TKeyPressBase::RenderNote(const TRingTone& tone) {
  const TRingtoneFilterConfig& filter = *FilterConfig;
  const TNoteLastState& state = *LastState;
  const bool rest = tone.IsRest();
  std::string text;
  for (int step = 0; step < 5; ++step) {
    switch (filter.GetMapperOrder(step)) {
      case miNote: text = filter.MapNote(tone.Note); break;
      case miSharp:
        if (!rest) text = filter.MapSharp(state, tone.Accidental != raNatural, text);
        break;
      case miDuration: text = filter.MapDuration(state, tone.Duration, text); break;
      case miDotDuration: text = filter.MapDotDuration(state, tone.Dot != rdNone, text); break;
      case miOctave:
        if (!rest) text = filter.MapOctave(state, tone.Octave, text);
        break;
      default: break;
    }
  }
  return text;
}
