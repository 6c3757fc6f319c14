// The conversion library's build of the filter definition: every key of the
// filter file except the identity (which the library ignores), reading from
// text, and the mapping operations that turn one property of a note into
// the text a phone's composer expects. The filter editor has its own build
// of the same class (filters/uFilterCtrl.h); each lives in its program's
// namespace, so that one translation unit can name both.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
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

// A note's text may not grow past MaxNoteText.
inline void CheckNoteLength(size_t length) {
  if (length > TRingtoneFilterConfig::MaxNoteText) throw EFilterOverflow();
}

// A note's text built piece by piece: at its end, and at its front into
// room kept there, so that a template that puts a literal before the text
// moves nothing. The buffer and its room, grown as a filter needs them,
// serve every note of a tune.
class TTextBuilder {
 public:
  TTextBuilder() = default;
  explicit TTextBuilder(std::string_view text) { Assign(text); }

  std::string_view View() const { return {FData.get() + FBegin, FEnd - FBegin}; }
  size_t Size() const { return FEnd - FBegin; }
  // No text or part given may be a part of this one.
  void Assign(std::string_view text) {
    Clear();
    Append(text);
  }
  void Prepend(std::string_view part) {
    if (part.size() > FBegin) Grow(std::max(2 * FRoom, part.size()) + 16, Size());
    FBegin -= part.size();
    Copy(part.data(), part.size(), FData.get() + FBegin);
  }
  void Append(std::string_view part) {
    if (part.size() > FCapacity - FEnd) Grow(FRoom, Size() + part.size());
    Copy(part.data(), part.size(), FData.get() + FEnd);
    FEnd += part.size();
  }
  void Clear() { FBegin = FEnd = FRoom; }

 private:
  // Most pieces of a filter's text are a character or two: they are copied
  // without a call.
  static void Copy(const char* from, size_t length, char* to) {
    if (length > 2) {
      std::memcpy(to, from, length);
    } else if (length > 0) {
      to[0] = from[0];
      if (length == 2) to[1] = from[1];
    }
  }
  // Moves the text to room bytes from the start of a new buffer that holds
  // at least size bytes after them.
  void Grow(size_t room, size_t size);

  std::unique_ptr<char[]> FData;
  size_t FCapacity = 0;
  size_t FRoom = 0;  // where a new text starts
  size_t FBegin = 0;
  size_t FEnd = 0;
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
  void Apply(TTextBuilder& text, std::string_view delta, std::string& scratch) const {
    // The forms nearly every filter is made of, changed in place.
    if (FForm == fmAppends) {
      CheckNoteLength(text.Size() + FBefore.size());
      if (!FBefore.empty()) text.Append(FBefore);
    } else if (FForm == fmWrapsOnce) {
      CheckNoteLength(FBefore.size() + text.Size() + FAfter.size());
      if (!FBefore.empty()) text.Prepend(FBefore);
      if (!FAfter.empty()) text.Append(FAfter);
    } else {
      ApplyOther(text, delta, scratch);
    }
  }
  // The template applied times times, each time to the text the step before
  // gave, with an empty delta; a step that changes nothing ends it. Time
  // linear in the text made.
  void Repeat(TTextBuilder& text, int64_t times, std::string& scratch) const;

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
  void Expand(std::string_view text, std::string_view delta, std::string& out) const;
  void ApplyOther(TTextBuilder& text, std::string_view delta, std::string& scratch) const;

  std::string_view FTemplate;
  bool FWraps;
  // The places of the placeholders, when no two of them share a "$" and
  // they fit; a template that is not so is read anew on each use.
  bool FRegular = false;
  size_t FCount = 0;
  std::array<TPlace, 8> FPlaces;
  // The forms nearly every filter is made of: a literal without any
  // placeholder, appended (FBefore); the text wrapped once as it stands
  // (between FBefore and FAfter); and the delta appended between them.
  enum TForm : uint8_t { fmAppends, fmWrapsOnce, fmDelta, fmOther };
  TForm FForm = fmOther;
  std::string_view FBefore, FAfter;
};

// What a phone's composer is given of a note: its letter and the properties
// that the filter's steps map.
struct TKeyedTone {
  std::string_view Note;
  bool Sharp;
  int32_t Octave;
  int32_t Duration;
  bool Dotted;
  bool Rest;
};

// A filter's templates, each read once, and the mapping operations over
// them, changing a note's text in place: what renders a tune, so that a note
// costs time in proportion to the text it makes. It reads the filter's
// fields when made; the filter must outlive it unchanged.
class TFilterMapping {
 public:
  explicit TFilterMapping(const TRingtoneFilterConfig& filter);

  void MapNote(std::string_view letter, TTextBuilder& text) const { text.Assign(FFilter.MapNote(letter)); }
  void MapSharp(const TNoteLastState& state, bool sharp, TTextBuilder& text);
  void MapDotDuration(const TNoteLastState& state, bool dotted, TTextBuilder& text);
  void MapDuration(const TNoteLastState& state, int32_t duration, TTextBuilder& text);
  void MapOctave(const TNoteLastState& state, int32_t octave, TTextBuilder& text);
  // The text of a tone: the steps (mapper ids) in the order given, any other
  // id passed over; a rest has no sharp or octave step.
  void MapTone(const TKeyedTone& tone, const std::array<int32_t, 5>& order, const TNoteLastState& state,
               TTextBuilder& text);

 private:
  // The filter's templates; DurationMapper_1 to _64 by the power of two.
  enum TTemplateId : uint8_t {
    tiNormalToSharp, tiSharpToNormal, tiNormalToDotDuration, tiDotDurationToNormal,
    tiDuration1, tiDuration2, tiDuration4, tiDuration8, tiDuration16, tiDuration32, tiDuration64,
    tiToLonger, tiToShorter, tiDurationNoChange, tiToHigher, tiToLower, tiOctaveNoChange, tiCount
  };
  // Each read at its first use: a tune reads the few that it needs.
  const TFilterTemplate& Template(TTemplateId id);
  // The relative forms shared by duration and octave (mapper types 1, 2, 12).
  void MapStep(int32_t mapperType, int64_t steps, TTemplateId step, TTemplateId noChange, TTextBuilder& text);

  const TRingtoneFilterConfig& FFilter;
  std::array<std::optional<TFilterTemplate>, tiCount> FTemplates;
  std::string FScratch;
};

}  // namespace Pelmora
