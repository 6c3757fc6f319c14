#include "uFilterCtrl.h"

#include <string_view>
#include <utility>
#include <vector>

namespace {

// A template cut at its placeholders: literal pieces, and the places where
// the note's text goes (as it stands, in lower or in upper case) and where the
// delta goes. The placeholders are found in the template alone, one kind after
// the other ("$NOTEL$", "$NOTEU$", "$NOTE$", "$DELTAC$"); what is put in is
// never searched again, so a note's text that happens to spell a placeholder
// stays as it is, and putting it in costs no more than its length.
class TTemplate {
 public:
  explicit TTemplate(const std::string& templ) : FWraps(templ.find("$NOTE") != std::string::npos) {
    FPieces.push_back({pkLiteral, templ});
    for (const auto& [placeholder, kind] : kPlaceholders) CutAt(placeholder, kind);
  }

  // The template applied once: wrapping the text when it held "$NOTE",
  // appended to it otherwise; a template that comes out empty leaves the
  // text as it was. EFilterOverflow past a note's longest text.
  std::string Apply(const std::string& text, const std::string& delta) const {
    std::string result = Fill(0, FPieces.size(), text, delta);
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
    if (!FWraps) return Appended(text, Fill(0, FPieces.size(), {}, {}), times);
    const std::vector<size_t> holes = NoteHoles();
    if (holes.size() == 1) {
      const std::string before = Fill(0, holes[0], {}, {});
      const std::string after = Fill(holes[0] + 1, FPieces.size(), {}, {});
      if (!before.empty() || !after.empty()) return Wrapped(before, FPieces[holes[0]].Kind, after, text, times);
    }
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
  struct TPiece {
    TPieceKind Kind;
    std::string_view Literal;
  };
  static constexpr std::pair<std::string_view, TPieceKind> kPlaceholders[] = {
      {"$NOTEL$", pkLower}, {"$NOTEU$", pkUpper}, {"$NOTE$", pkText}, {"$DELTAC$", pkDelta}};

  static void CheckLength(size_t length) {
    if (length > TRingtoneFilterConfig::MaxNoteText) throw EFilterOverflow();
  }

  static std::string Cased(TPieceKind kind, const std::string& text) {
    return kind == pkLower ? LowerCase(text) : kind == pkUpper ? UpperCase(text) : text;
  }

  void CutAt(std::string_view placeholder, TPieceKind kind) {
    std::vector<TPiece> cut;
    for (const TPiece& piece : FPieces) {
      if (piece.Kind != pkLiteral) {
        cut.push_back(piece);
        continue;
      }
      std::string_view rest = piece.Literal;
      for (size_t at = rest.find(placeholder); at != std::string_view::npos; at = rest.find(placeholder)) {
        cut.push_back({pkLiteral, rest.substr(0, at)});
        cut.push_back({kind, {}});
        rest.remove_prefix(at + placeholder.size());
      }
      cut.push_back({pkLiteral, rest});
    }
    FPieces = std::move(cut);
  }

  std::vector<size_t> NoteHoles() const {
    std::vector<size_t> holes;
    for (size_t i = 0; i < FPieces.size(); ++i)
      if (FPieces[i].Kind != pkLiteral && FPieces[i].Kind != pkDelta) holes.push_back(i);
    return holes;
  }

  // Pieces [from, to) with the text and the delta put in.
  std::string Fill(size_t from, size_t to, const std::string& text, const std::string& delta) const {
    const std::string lower = LowerCase(text);
    const std::string upper = UpperCase(text);
    std::string result;
    for (size_t i = from; i < to; ++i) {
      const TPiece& piece = FPieces[i];
      const std::string_view part = piece.Kind == pkLiteral ? piece.Literal
                                    : piece.Kind == pkLower ? std::string_view(lower)
                                    : piece.Kind == pkUpper ? std::string_view(upper)
                                    : piece.Kind == pkText  ? std::string_view(text)
                                                            : std::string_view(delta);
      CheckLength(result.size() + part.size());
      result += part;
    }
    return result;
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

  std::vector<TPiece> FPieces;
  bool FWraps;
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
