#include "conversion/uFilterCtrl.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <utility>

namespace Pelmora {

namespace {

// A template read at its placeholders: literal pieces, and the places where
// the note's text goes (as it stands, in lower or in upper case) and where the
// delta goes. The placeholders are found in the template alone, one kind after
// the other ("$NOTEL$", "$NOTEU$", "$NOTE$", "$DELTAC$"); what is put in is
// never searched again, so a note's text that happens to spell a placeholder
// stays as it is, and putting it in costs no more than its length.
class TTemplate {
 public:
  explicit TTemplate(const std::string& templ) : FTemplate(templ), FWraps(templ.find("$NOTE") != std::string::npos) {}

  // The template applied once: wrapping the text when it held "$NOTE",
  // appended to it otherwise; a template that comes out empty leaves the
  // text as it was. EFilterOverflow past a note's longest text.
  std::string Apply(const std::string& text, const std::string& delta) const {
    std::string result;
    ForEachPiece([&](TPieceKind kind, std::string_view literal) {
      const std::string_view part = kind == pkLiteral ? literal : kind == pkDelta ? delta : text;
      CheckLength(result.size() + part.size());
      const size_t from = result.size();
      result += part;
      if (kind == pkLower) std::transform(result.begin() + from, result.end(), result.begin() + from, LoCase);
      if (kind == pkUpper) std::transform(result.begin() + from, result.end(), result.begin() + from, UpCase);
    });
    if (result.empty() || FWraps) return result.empty() ? text : result;
    CheckLength(text.size() + result.size());
    return text + result;
  }

  // The template applied times times, each time to the text the step before
  // gave, with an empty delta; a step that changes nothing ends it. The two
  // common forms (appended, and wrapping the text once) are built in one go;
  // a template that holds the text twice or more at least doubles a text each
  // step and meets the length limit within a few. Either way the time is
  // linear in the text returned.
  std::string Repeat(const std::string& text, int64_t times) const {
    if (times <= 0) return text;
    // The literal pieces before the first place of the text, and after it.
    int holes = 0;
    TPieceKind hole = pkText;
    std::string before, after;
    ForEachPiece([&](TPieceKind kind, std::string_view literal) {
      if (kind == pkLiteral) {
        (holes == 0 ? before : after) += literal;
      } else if (kind != pkDelta) {
        ++holes;
        hole = kind;
      }
    });
    if (!FWraps) return Appended(text, before, times);
    if (holes == 1 && !(before.empty() && after.empty())) return Wrapped(before, hole, after, text, times);
    std::string result = text;
    for (int64_t i = 0; i < times; ++i) {
      std::string next = Apply(result, {});
      if (next == result) break;
      result = std::move(next);
    }
    return result;
  }

 private:
  enum TPieceKind : uint8_t { pkLiteral, pkText, pkLower, pkUpper, pkDelta };
  struct TPlace {
    size_t At;
    size_t Length;
    TPieceKind Kind;
  };
  using TPlaces = std::array<TPlace, 8>;
  static constexpr std::pair<std::string_view, TPieceKind> kPlaceholders[] = {
      {"$NOTEL$", pkLower}, {"$NOTEU$", pkUpper}, {"$NOTE$", pkText}, {"$DELTAC$", pkDelta}};

  // Calls onPiece with each piece of the template, in order.
  template <class OnPiece>
  void ForEachPiece(OnPiece&& onPiece) const {
    TPlaces places;  // only the first count are set
    size_t count = 0;
    if (!FindPlaces(places, count)) return Walk(FTemplate, 0, onPiece);
    const std::string_view templ = FTemplate;
    size_t from = 0;
    for (size_t i = 0; i < count; ++i) {
      onPiece(pkLiteral, templ.substr(from, places[i].At - from));
      onPiece(places[i].Kind, {});
      from = places[i].At + places[i].Length;
    }
    onPiece(pkLiteral, templ.substr(from));
  }

  // Every placeholder in the template, in one pass from left to right. When
  // no two of them share a "$" (any template meant as one), reading kind by
  // kind cuts the template at exactly these places; otherwise, or when there
  // are more than fit, this gives up and Walk reads it.
  bool FindPlaces(TPlaces& places, size_t& count) const {
    const std::string_view templ = FTemplate;
    size_t end = 0;  // just past the last placeholder found
    for (size_t at = 0; at < templ.size(); ++at) {
      if (templ[at] != '$') continue;
      const std::string_view rest = templ.substr(at);
      for (const auto& [placeholder, kind] : kPlaceholders) {
        if (rest.size() < placeholder.size() || !std::equal(placeholder.begin(), placeholder.end(), rest.begin()))
          continue;
        if (at < end || count == places.size()) return false;
        places[count++] = {at, placeholder.size(), kind};
        end = at + placeholder.size();
        break;
      }
    }
    return true;
  }

  // Calls onPiece with each piece of a literal stretch, in order: the
  // placeholder of this level cuts it, and what lies between is read for the
  // placeholders of the later levels.
  template <class OnPiece>
  static void Walk(std::string_view literal, size_t level, OnPiece&& onPiece) {
    if (level == std::size(kPlaceholders) || literal.find('$') == std::string_view::npos) {
      onPiece(pkLiteral, literal);
      return;
    }
    const auto& [placeholder, kind] = kPlaceholders[level];
    for (size_t at = literal.find(placeholder); at != std::string_view::npos; at = literal.find(placeholder)) {
      Walk(literal.substr(0, at), level + 1, onPiece);
      onPiece(kind, {});
      literal.remove_prefix(at + placeholder.size());
    }
    Walk(literal, level + 1, onPiece);
  }

  static void CheckLength(size_t length) {
    if (length > TRingtoneFilterConfig::MaxNoteText) throw EFilterOverflow();
  }

  static std::string Cased(TPieceKind kind, const std::string& text) {
    return kind == pkLower ? LowerCase(text) : kind == pkUpper ? UpperCase(text) : text;
  }

  // A text of the given length that grows by perStep on each of times steps
  // must stay within a note's longest text.
  static void CheckGrowth(size_t length, size_t perStep, int64_t times) {
    CheckLength(length);
    if (perStep > 0 && static_cast<uint64_t>(times) > (TRingtoneFilterConfig::MaxNoteText - length) / perStep)
      throw EFilterOverflow();
  }

  // The text followed by times copies of the step.
  static std::string Appended(const std::string& text, const std::string& step, int64_t times) {
    if (step.empty()) return text;
    CheckGrowth(text.size(), step.size(), times);
    std::string result = text;
    for (int64_t i = 0; i < times; ++i) result += step;
    return result;
  }

  // times steps of before + the text in the hole's case + after: each later
  // step puts the earlier ones, and so before and after, in that case.
  static std::string Wrapped(const std::string& before, TPieceKind kind, const std::string& after,
                             const std::string& text, int64_t times) {
    CheckGrowth(text.size(), before.size() + after.size(), times);
    const std::string innerBefore = Cased(kind, before);
    const std::string innerAfter = Cased(kind, after);
    std::string result = before;
    for (int64_t i = 1; i < times; ++i) result += innerBefore;
    result += Cased(kind, text);
    for (int64_t i = 1; i < times; ++i) result += innerAfter;
    return result + after;
  }

  const std::string& FTemplate;
  const bool FWraps;
};

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
  return TTemplate(templ).Apply(text, delta);
}

std::string TRingtoneFilterConfig::MapNote(const std::string& letter) const {
  if (letter.size() != 1) return {};
  switch (UpCase(letter[0])) {
    case 'C': return NoteMapper_C;
    case 'D': return NoteMapper_D;
    case 'E': return NoteMapper_E;
    case 'F': return NoteMapper_F;
    case 'G': return NoteMapper_G;
    case 'A': return NoteMapper_A;
    case 'B': return NoteMapper_B;
    case 'P': return NoteMapper_P;
    default: return {};
  }
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
    case 1: return TTemplate(stepTemplate).Repeat(text, steps);
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

}  // namespace Pelmora
