#include "conversion/uFilterCtrl.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "runtime/FilterFormat.h"

namespace Pelmora {

namespace {

// The text of a letter that no note mapper keys: made once, before any
// call, so that looking a letter up needs no guard of a local static.
const std::string kNoNoteText;

// A text of the given length that grows by perStep on each of times steps
// must stay within a note's longest text.
void CheckGrowth(size_t length, size_t perStep, int64_t times) {
  CheckNoteLength(length);
  if (perStep > 0 && static_cast<uint64_t>(times) > (TRingtoneFilterConfig::MaxNoteText - length) / perStep)
    throw EFilterOverflow();
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

// The absolute duration template's place from that of the whole note: 2,
// 4, 8, 16, 32 and 64 their own, any other value (1 included) that of the
// whole note.
size_t AbsoluteDurationIndex(int32_t duration) {
  switch (duration) {
    case 2: return 1;
    case 4: return 2;
    case 8: return 3;
    case 16: return 4;
    case 32: return 5;
    case 64: return 6;
    default: return 0;
  }
}

// A number as the text of a delta, without a heap.
class TDelta {
 public:
  explicit TDelta(int64_t value) : FLength(std::to_chars(FDigits, std::end(FDigits), value).ptr - FDigits) {}
  std::string_view View() const { return {FDigits, FLength}; }

 private:
  char FDigits[24];
  size_t FLength;
};

// One mapping operation, with the filter's templates read for it alone, on
// a copy of the text.
template <class Value>
std::string MappedCopy(const TRingtoneFilterConfig& filter,
                       void (TFilterMapping::*map)(const TNoteLastState&, Value, TTextBuilder&),
                       const TNoteLastState& state, Value value, const std::string& text) {
  TTextBuilder result(text);
  TFilterMapping mapping(filter);
  (mapping.*map)(state, value, result);
  return std::string(result.View());
}

}  // namespace

void TTextBuilder::Grow(size_t room, size_t size) {
  // At least doubled, so that a text grows it a few times at most.
  const size_t capacity = std::max(2 * FCapacity, room + size + 32);
  auto data = std::make_unique_for_overwrite<char[]>(capacity);
  const std::string_view text = View();
  std::copy(text.begin(), text.end(), data.get() + room);
  FData = std::move(data);
  FCapacity = capacity;
  FRoom = room;
  FBegin = room;
  FEnd = room + text.size();
}

TFilterTemplate::TFilterTemplate(std::string_view templ)
    : FTemplate(templ), FWraps(templ.find("$NOTE") != std::string_view::npos) {
  FRegular = FindPlaces();
  if (FRegular && FCount == 0 && !FWraps) {
    FForm = fmAppends;
    FBefore = FTemplate;
  } else if (FRegular && FCount == 1 && (FPlaces[0].Kind == pkText || (FPlaces[0].Kind == pkDelta && !FWraps))) {
    FForm = FPlaces[0].Kind == pkText ? fmWrapsOnce : fmDelta;
    FBefore = FTemplate.substr(0, FPlaces[0].At);
    FAfter = FTemplate.substr(FPlaces[0].At + FPlaces[0].Length);
  }
}

// Every placeholder in the template, in one pass from left to right. When no
// two of them share a "$" (any template meant as one), reading kind by kind
// cuts the template at exactly these places; otherwise, or when there are
// more than fit, this gives up and Walk reads the template on each use.
bool TFilterTemplate::FindPlaces() {
  size_t end = 0;  // just past the last placeholder found
  for (size_t at = FTemplate.find('$'); at != std::string_view::npos; at = FTemplate.find('$', at + 1)) {
    const std::string_view rest = FTemplate.substr(at);
    for (const auto& [placeholder, kind] : kPlaceholders) {
      if (!rest.starts_with(placeholder)) continue;
      if (at < end || FCount == FPlaces.size()) return false;
      FPlaces[FCount++] = {at, placeholder.size(), kind};
      end = at + placeholder.size();
      break;
    }
  }
  return true;
}

// Calls onPiece with each piece of the template, in order.
template <class OnPiece>
void TFilterTemplate::ForEachPiece(OnPiece&& onPiece) const {
  if (!FRegular) return Walk(FTemplate, 0, onPiece);
  size_t from = 0;
  for (size_t i = 0; i < FCount; ++i) {
    onPiece(pkLiteral, FTemplate.substr(from, FPlaces[i].At - from));
    onPiece(FPlaces[i].Kind, {});
    from = FPlaces[i].At + FPlaces[i].Length;
  }
  onPiece(pkLiteral, FTemplate.substr(from));
}

// Calls onPiece with each piece of a literal stretch, in order: the
// placeholder of this level cuts it, and what lies between is read for the
// placeholders of the later levels.
template <class OnPiece>
void TFilterTemplate::Walk(std::string_view literal, size_t level, OnPiece&& onPiece) {
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

void TFilterTemplate::Expand(std::string_view text, std::string_view delta, std::string& out) const {
  out.clear();
  ForEachPiece([&](TPieceKind kind, std::string_view literal) {
    const std::string_view part = kind == pkLiteral ? literal : kind == pkDelta ? delta : text;
    CheckNoteLength(out.size() + part.size());
    const auto from = static_cast<std::ptrdiff_t>(out.size());
    out += part;
    if (kind == pkLower) std::transform(out.begin() + from, out.end(), out.begin() + from, LoCase);
    if (kind == pkUpper) std::transform(out.begin() + from, out.end(), out.begin() + from, UpCase);
  });
}

void TFilterTemplate::ApplyOther(TTextBuilder& text, std::string_view delta, std::string& scratch) const {
  if (FForm == fmDelta) {
    CheckNoteLength(text.Size() + FBefore.size() + delta.size() + FAfter.size());
    if (!FBefore.empty()) text.Append(FBefore);
    if (!delta.empty()) text.Append(delta);
    if (!FAfter.empty()) text.Append(FAfter);
    return;
  }
  if (FRegular && !FWraps) {
    // Without "$NOTE" the only places are the delta's.
    size_t length = FTemplate.size();
    for (size_t i = 0; i < FCount; ++i) length = length - FPlaces[i].Length + delta.size();
    CheckNoteLength(text.Size() + length);
    ForEachPiece([&](TPieceKind kind, std::string_view literal) {
      const std::string_view piece = kind == pkLiteral ? literal : delta;
      if (!piece.empty()) text.Append(piece);
    });
    return;
  }
  Expand(text.View(), delta, scratch);
  if (scratch.empty()) return;
  if (FWraps) {
    text.Assign(scratch);
    return;
  }
  CheckNoteLength(text.Size() + scratch.size());
  text.Append(scratch);
}

// The two common forms (appended, and wrapping the text once) are built in
// one go; a template that holds the text twice or more at least doubles a
// text each step and meets the length limit within a few.
void TFilterTemplate::Repeat(TTextBuilder& text, int64_t times, std::string& scratch) const {
  if (times <= 0) return;
  if (FForm == fmAppends) {
    // The text followed by times copies of the template.
    if (FBefore.empty()) return;
    CheckGrowth(text.Size(), FBefore.size(), times);
    for (int64_t i = 0; i < times; ++i) text.Append(FBefore);
    return;
  }
  if (FForm == fmWrapsOnce && !(FBefore.empty() && FAfter.empty())) {
    CheckGrowth(text.Size(), FBefore.size() + FAfter.size(), times);
    for (int64_t i = 0; i < times; ++i) {
      text.Prepend(FBefore);
      text.Append(FAfter);
    }
    return;
  }
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
  if (!FWraps) {
    // The text followed by times copies of the step.
    if (before.empty()) return;
    CheckGrowth(text.Size(), before.size(), times);
    for (int64_t i = 0; i < times; ++i) text.Append(before);
    return;
  }
  if (holes == 1 && !(before.empty() && after.empty())) {
    // times steps of before + the text in the hole's case + after: each later
    // step puts the earlier ones, and so before and after, in that case.
    CheckGrowth(text.Size(), before.size() + after.size(), times);
    const auto cased = [hole](std::string part) {
      if (hole == pkLower) return LowerCase(part);
      return hole == pkUpper ? UpperCase(part) : part;
    };
    const std::string innerBefore = cased(before);
    const std::string innerAfter = cased(after);
    scratch = before;
    for (int64_t i = 1; i < times; ++i) scratch += innerBefore;
    scratch += cased(std::string(text.View()));
    for (int64_t i = 1; i < times; ++i) scratch += innerAfter;
    scratch += after;
    text.Assign(scratch);
    return;
  }
  for (int64_t i = 0; i < times; ++i) {
    Expand(text.View(), {}, scratch);
    if (scratch.empty() || scratch == text.View()) break;
    text.Assign(scratch);
  }
}

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
  TTextBuilder result(text);
  std::string scratch;
  TFilterTemplate(templ).Apply(result, delta, scratch);
  return std::string(result.View());
}

const std::string& TRingtoneFilterConfig::MapNote(std::string_view letter) const {
  if (letter.size() != 1) return kNoNoteText;
  switch (UpCase(letter[0])) {
    case 'C': return NoteMapper_C;
    case 'D': return NoteMapper_D;
    case 'E': return NoteMapper_E;
    case 'F': return NoteMapper_F;
    case 'G': return NoteMapper_G;
    case 'A': return NoteMapper_A;
    case 'B': return NoteMapper_B;
    case 'P': return NoteMapper_P;
    default: return kNoNoteText;
  }
}

std::string TRingtoneFilterConfig::MapSharp(const TNoteLastState& state, bool sharp, const std::string& text) const {
  return MappedCopy(*this, &TFilterMapping::MapSharp, state, sharp, text);
}

std::string TRingtoneFilterConfig::MapDotDuration(const TNoteLastState& state, bool dotted,
                                                  const std::string& text) const {
  return MappedCopy(*this, &TFilterMapping::MapDotDuration, state, dotted, text);
}

std::string TRingtoneFilterConfig::MapDuration(const TNoteLastState& state, int32_t duration,
                                               const std::string& text) const {
  return MappedCopy(*this, &TFilterMapping::MapDuration, state, duration, text);
}

std::string TRingtoneFilterConfig::MapOctave(const TNoteLastState& state, int32_t octave,
                                             const std::string& text) const {
  return MappedCopy(*this, &TFilterMapping::MapOctave, state, octave, text);
}

TFilterMapping::TFilterMapping(const TRingtoneFilterConfig& filter) : FFilter(filter) {}

const TFilterTemplate& TFilterMapping::Template(TTemplateId id) {
  using TBase = TRingtoneFilterConfigBase;
  static constexpr std::string TBase::*kFields[] = {
      &TBase::SharpMapper_NormalToSharp, &TBase::SharpMapper_SharpToNormal,
      &TBase::DotDurationMapper_NormalToDotDuration, &TBase::DotDurationMapper_DotDurationToNormal,
      &TBase::DurationMapper_1, &TBase::DurationMapper_2, &TBase::DurationMapper_4, &TBase::DurationMapper_8,
      &TBase::DurationMapper_16, &TBase::DurationMapper_32, &TBase::DurationMapper_64,
      &TBase::DurationMapper_ToLonger, &TBase::DurationMapper_ToShorter, &TBase::DurationMapper_NoChange,
      &TBase::OctaveMapper_ToHigher, &TBase::OctaveMapper_ToLower, &TBase::OctaveMapper_NoChange};
  static_assert(std::size(kFields) == tiCount);
  std::optional<TFilterTemplate>& slot = FTemplates[id];
  if (!slot) slot.emplace(FFilter.*kFields[id]);
  return *slot;
}

void TFilterMapping::MapSharp(const TNoteLastState& state, bool sharp, TTextBuilder& text) {
  const bool reference = FFilter.Remember_Sharp ? state.Sharp : FFilter.DefaultOptions_Sharp;
  if (sharp == reference) return;
  Template(reference ? tiSharpToNormal : tiNormalToSharp).Apply(text, {}, FScratch);
}

void TFilterMapping::MapDotDuration(const TNoteLastState& state, bool dotted, TTextBuilder& text) {
  const bool reference = FFilter.Remember_DotDuration ? state.Dotted : FFilter.DefaultOptions_DotDuration;
  if (dotted == reference) return;
  Template(reference ? tiDotDurationToNormal : tiNormalToDotDuration).Apply(text, {}, FScratch);
}

// For a value that differs from its reference by the given number of steps;
// the absolute form (type 0) is the caller's.
void TFilterMapping::MapStep(int32_t mapperType, int64_t steps, TTemplateId step, TTemplateId noChange,
                             TTextBuilder& text) {
  if (steps == 0) {
    if (mapperType == 12) Template(noChange).Apply(text, "1", FScratch);
    return;
  }
  switch (mapperType % 10) {
    case 1: Template(step).Repeat(text, steps, FScratch); return;
    case 2: {
      const TDelta delta(mapperType == 12 ? steps + 1 : steps);
      Template(step).Apply(text, mapperType == 12 || steps > 1 ? delta.View() : std::string_view(), FScratch);
      return;
    }
    default: text.Clear();
  }
}

void TFilterMapping::MapDuration(const TNoteLastState& state, int32_t duration, TTextBuilder& text) {
  const int32_t reference = FFilter.Remember_Duration ? state.Duration : FFilter.DefaultOptions_Duration;
  const int32_t type = FFilter.DurationMapper_MapperType;
  if (duration != reference && type % 10 == 0) {
    Template(static_cast<TTemplateId>(tiDuration1 + AbsoluteDurationIndex(duration))).Apply(text, {}, FScratch);
    return;
  }
  const bool shorter = duration > reference;
  MapStep(type, duration == reference ? 0 : DurationSteps(reference, duration), shorter ? tiToShorter : tiToLonger,
          tiDurationNoChange, text);
}

void TFilterMapping::MapTone(const TKeyedTone& tone, const std::array<int32_t, 5>& order,
                             const TNoteLastState& state, TTextBuilder& text) {
  text.Clear();
  for (const int32_t mapper : order) {
    switch (mapper) {
      case miNote: MapNote(tone.Note, text); break;
      case miSharp:
        if (!tone.Rest) MapSharp(state, tone.Sharp, text);
        break;
      case miDuration: MapDuration(state, tone.Duration, text); break;
      case miDotDuration: MapDotDuration(state, tone.Dotted, text); break;
      case miOctave:
        if (!tone.Rest) MapOctave(state, tone.Octave, text);
        break;
      default: break;
    }
  }
}

void TFilterMapping::MapOctave(const TNoteLastState& state, int32_t octave, TTextBuilder& text) {
  const int32_t reference = FFilter.Remember_Octave ? state.Octave : FFilter.DefaultOptions_Octave;
  const bool higher = octave > reference;
  const TTemplateId step = higher ? tiToHigher : tiToLower;
  const int32_t type = FFilter.OctaveMapper_MapperType;
  if (octave != reference && type % 10 == 0) {
    Template(step).Apply(text, {}, FScratch);
    return;
  }
  const int64_t steps = higher ? int64_t{octave} - reference : int64_t{reference} - octave;
  MapStep(type, steps, step, tiOctaveNoChange, text);
}

}  // namespace Pelmora
