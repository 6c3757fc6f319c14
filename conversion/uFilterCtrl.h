// The conversion library's build of the filter definition: every key of the
// filter file except the identity (which the library ignores), reading from
// text, and the mapping operations that turn one property of a note into
// the text a phone's composer expects. The filter editor has its own build
// of the same class (filters/uFilterCtrl.h); each lives in its program's
// namespace, so that one translation unit can name both.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "runtime/FilterDefinition.h"
#include "runtime/SysUtils.h"

namespace Pelmora {

// The note rendered last.
struct TNoteLastState {
  bool Sharp = false;
  int32_t Octave = 0;
  int32_t Duration = 0;  // a note value
  bool Dotted = false;

  bool operator==(const TNoteLastState&) const = default;
};

// A filter whose templates would make the text of a note, or of a tune,
// grow beyond any sane length.
class EFilterOverflow : public Exception {
 public:
  EFilterOverflow() : Exception("The filter makes the text too long") {}
};

class TRingtoneFilterConfig : public TRingtoneFilterConfigBase {
 public:
  // Longest text of one note, and of a whole rendered tune.
  static constexpr size_t MaxNoteText = 4096;
  static constexpr size_t MaxTuneText = 16 * 1024 * 1024;

  void LoadFromText(const std::string& text);

  // state := the default options; nothing happens without a state.
  void ResetLastState(TNoteLastState* state) const;

  // Replaces "$NOTEL$", "$NOTEU$", "$NOTE$" (the text in lower case, upper
  // case, as is) and "$DELTAC$" (the delta) in the template; what is put in
  // is not searched for placeholders again. A template that held "$NOTE"
  // wraps the text; any other is appended to it; an empty result leaves the
  // text unchanged. Raises EFilterOverflow past MaxNoteText.
  static std::string ApplyTemplate(const std::string& templ, const std::string& text, const std::string& delta);

  // The note letter's text (any case; "P" a rest), used literally.
  const std::string& MapNote(std::string_view letter) const;
  // One property of a note applied to the text so far (TFilterMapping reads
  // the templates once for a whole tune).
  std::string MapSharp(const TNoteLastState& state, bool sharp, const std::string& text) const;
  std::string MapDotDuration(const TNoteLastState& state, bool dotted, const std::string& text) const;
  std::string MapDuration(const TNoteLastState& state, int32_t duration, const std::string& text) const;
  std::string MapOctave(const TNoteLastState& state, int32_t octave, const std::string& text) const;
};

// A template read once at its placeholders: literal pieces, and the places
// where the note's text goes (as it stands, in lower or in upper case) and
// where the delta goes. The placeholders are found in the template alone,
// one kind after the other ("$NOTEL$", "$NOTEU$", "$NOTE$", "$DELTAC$");
// what is put in is never searched again, so a note's text that happens to
// spell a placeholder stays as it is, and putting it in costs no more than
// its length. The template's text must outlive it.
class TFilterTemplate {
 public:
  explicit TFilterTemplate(std::string_view templ);

  // The template applied once to the text, in place: wrapping the text when
  // it held "$NOTE", appended to it otherwise; a template that comes out
  // empty leaves the text as it was. EFilterOverflow past a note's longest
  // text. The scratch text is working space; what it held is lost.
  void Apply(std::string& text, std::string_view delta, std::string& scratch) const;
  // The template applied times times, each time to the text the step before
  // gave, with an empty delta; a step that changes nothing ends it. Time
  // linear in the text made.
  void Repeat(std::string& text, int64_t times, std::string& scratch) const;

 private:
  enum TPieceKind : uint8_t { pkLiteral, pkText, pkLower, pkUpper, pkDelta };
  struct TPlace {
    size_t At;
    size_t Length;
    TPieceKind Kind;
  };
  static constexpr std::pair<std::string_view, TPieceKind> kPlaceholders[] = {
      {"$NOTEL$", pkLower}, {"$NOTEU$", pkUpper}, {"$NOTE$", pkText}, {"$DELTAC$", pkDelta}};

  template <class OnPiece>
  void ForEachPiece(OnPiece&& onPiece) const;
  bool FindPlaces();
  template <class OnPiece>
  static void Walk(std::string_view literal, size_t level, OnPiece&& onPiece);
  // The template's text for the text and delta, into out.
  void Expand(const std::string& text, std::string_view delta, std::string& out) const;

  std::string_view FTemplate;
  bool FWraps;
  // The places of the placeholders, when no two of them share a "$" and
  // they fit; a template that is not so is read anew on each use.
  bool FRegular = false;
  size_t FCount = 0;
  std::array<TPlace, 8> FPlaces;
};

// A filter's templates, each read once, and the mapping operations over
// them, changing a note's text in place: what renders a tune, so that a note
// costs time in proportion to the text it makes. It reads the filter's
// fields when made; the filter must outlive it unchanged.
class TFilterMapping {
 public:
  explicit TFilterMapping(const TRingtoneFilterConfig& filter);

  void MapNote(std::string_view letter, std::string& text) const { text = FFilter.MapNote(letter); }
  void MapSharp(const TNoteLastState& state, bool sharp, std::string& text);
  void MapDotDuration(const TNoteLastState& state, bool dotted, std::string& text);
  void MapDuration(const TNoteLastState& state, int32_t duration, std::string& text);
  void MapOctave(const TNoteLastState& state, int32_t octave, std::string& text);

 private:
  // The relative forms shared by duration and octave (mapper types 1, 2, 12).
  void MapStep(int32_t mapperType, int64_t steps, const TFilterTemplate& step, const TFilterTemplate& noChange,
               std::string& text);

  const TRingtoneFilterConfig& FFilter;
  const TFilterTemplate FNormalToSharp, FSharpToNormal, FNormalToDotDuration, FDotDurationToNormal;
  // DurationMapper_1 to _64, by the power of two.
  const std::array<TFilterTemplate, 7> FDurations;
  const TFilterTemplate FToLonger, FToShorter, FDurationNoChange;
  const TFilterTemplate FToHigher, FToLower, FOctaveNoChange;
  std::string FScratch;
};

}  // namespace Pelmora
