#include "uFilterCtrl.h"

#include <utility>

namespace {

// Every occurrence of pattern, left to right; what was put in is not searched
// again. Raises EFilterOverflow as soon as the result passes the limit.
std::string ReplaceAll(const std::string& text, const std::string& pattern, const std::string& by) {
  std::string result;
  size_t from = 0;
  for (size_t at = text.find(pattern); at != std::string::npos; at = text.find(pattern, from)) {
    result.append(text, from, at - from);
    result += by;
    if (result.size() > TRingtoneFilterConfig::MaxNoteText) throw EFilterOverflow();
    from = at + pattern.size();
  }
  result.append(text, from, std::string::npos);
  return result;
}

// Steps between two note values: one step is a factor of four (from a
// quarter, eighths and sixteenths are one step shorter, halves and wholes one
// step longer); filters written for this program count on it. Values that
// cannot reach the reference that way (zero, negative) stop counting there.
int64_t DurationSteps(int32_t reference, int32_t duration) {
  int64_t value = duration;
  int64_t steps = 0;
  if (value > reference) {
    while (value > reference && value != 0) {
      value /= 4;
      ++steps;
    }
  } else {
    while (value < reference && value > 0) {
      value *= 4;
      ++steps;
    }
  }
  return steps;
}

}  // namespace

void TRingtoneFilterConfig::LoadFromText(const std::string& text) { LoadFromFilterText(text); }

void TRingtoneFilterConfig::ResetLastState(TNoteLastState* state) const {
  if (!state) return;
  state->Sharp = DefaultOptions_Sharp;
  state->Dotted = DefaultOptions_DotDuration;
  state->Octave = DefaultOptions_Octave;
  state->Duration = DefaultOptions_Duration;
}

std::string TRingtoneFilterConfig::ApplyTemplate(const std::string& templ, const std::string& text,
                                                 const std::string& delta) {
  const bool wraps = templ.find("$NOTE") != std::string::npos;
  std::string result = ReplaceAll(templ, "$NOTEL$", LowerCase(text));
  result = ReplaceAll(result, "$NOTEU$", UpperCase(text));
  result = ReplaceAll(result, "$NOTE$", text);
  result = ReplaceAll(result, "$DELTAC$", delta);
  if (result.empty()) return text;
  if (wraps) return result;
  if (text.size() + result.size() > MaxNoteText) throw EFilterOverflow();
  return text + result;
}

std::string TRingtoneFilterConfig::MapNote(const std::string& letter) const {
  const std::string upper = UpperCase(letter);
  const std::pair<const char*, const std::string*> notes[] = {
      {"C", &NoteMapper_C}, {"D", &NoteMapper_D}, {"E", &NoteMapper_E}, {"F", &NoteMapper_F},
      {"G", &NoteMapper_G}, {"A", &NoteMapper_A}, {"B", &NoteMapper_B}, {"P", &NoteMapper_P}};
  for (const auto& [name, mapped] : notes)
    if (upper == name) return *mapped;
  return {};
}

std::string TRingtoneFilterConfig::MapSharp(const TNoteLastState& state, bool sharp, const std::string& text) const {
  const bool reference = Remember_Sharp ? state.Sharp : DefaultOptions_Sharp;
  if (sharp == reference) return text;
  return ApplyTemplate(reference ? SharpMapper_SharpToNormal : SharpMapper_NormalToSharp, text, "");
}

std::string TRingtoneFilterConfig::MapDotDuration(const TNoteLastState& state, bool dotted,
                                                  const std::string& text) const {
  const bool reference = Remember_DotDuration ? state.Dotted : DefaultOptions_DotDuration;
  if (dotted == reference) return text;
  return ApplyTemplate(reference ? DotDurationMapper_DotDurationToNormal : DotDurationMapper_NormalToDotDuration,
                       text, "");
}

// The relative forms shared by duration and octave (mapper types 1, 2, 12;
// the absolute form 0 is the caller's), for a value that differs from its
// reference by the given number of steps.
std::string TRingtoneFilterConfig::MapStep(int32_t mapperType, int64_t steps, const std::string& stepTemplate,
                                           const std::string& noChange, const std::string& text) const {
  if (steps == 0) return mapperType == 12 ? ApplyTemplate(noChange, text, "1") : text;
  switch (mapperType % 10) {
    case 1: {
      // Once per step. A template that leaves the text as it was will do so
      // every time, so the rest of the steps can be skipped; one that changes
      // it more often than a note's text can hold characters is refused.
      std::string result = text;
      for (int64_t i = 0; i < steps; ++i) {
        std::string next = ApplyTemplate(stepTemplate, result, "");
        if (next == result) break;
        if (i >= static_cast<int64_t>(MaxNoteText)) throw EFilterOverflow();
        result = std::move(next);
      }
      return result;
    }
    case 2: {
      const std::string delta = mapperType == 12 ? IntToStr(steps + 1) : steps > 1 ? IntToStr(steps) : "";
      return ApplyTemplate(stepTemplate, text, delta);
    }
    default:
      return {};
  }
}

std::string TRingtoneFilterConfig::MapDuration(const TNoteLastState& state, int32_t duration,
                                               const std::string& text) const {
  const int32_t reference = Remember_Duration ? state.Duration : DefaultOptions_Duration;
  const int32_t type = DurationMapper_MapperType;
  if (duration != reference && type % 10 == 0) {
    const std::string* absolute = &DurationMapper_1;
    switch (duration) {
      case 2: absolute = &DurationMapper_2; break;
      case 4: absolute = &DurationMapper_4; break;
      case 8: absolute = &DurationMapper_8; break;
      case 16: absolute = &DurationMapper_16; break;
      case 32: absolute = &DurationMapper_32; break;
      case 64: absolute = &DurationMapper_64; break;
      default: break;
    }
    return ApplyTemplate(*absolute, text, "");
  }
  const bool shorter = duration > reference;
  return MapStep(type, duration == reference ? 0 : DurationSteps(reference, duration),
                 shorter ? DurationMapper_ToShorter : DurationMapper_ToLonger, DurationMapper_NoChange, text);
}

std::string TRingtoneFilterConfig::MapOctave(const TNoteLastState& state, int32_t octave,
                                             const std::string& text) const {
  const int32_t reference = Remember_Octave ? state.Octave : DefaultOptions_Octave;
  const bool higher = octave > reference;
  const std::string& stepTemplate = higher ? OctaveMapper_ToHigher : OctaveMapper_ToLower;
  const int32_t type = OctaveMapper_MapperType;
  if (octave != reference && type % 10 == 0) return ApplyTemplate(stepTemplate, text, "");
  const int64_t steps = higher ? int64_t{octave} - reference : int64_t{reference} - octave;
  return MapStep(type, steps, stepTemplate, OctaveMapper_NoChange, text);
}
