// The conversion library's build of the filter definition: every key of the
// filter file except the identity (which the library ignores), reading from
// text, and the mapping operations that turn one property of a note into
// the text a phone's composer expects. The filter editor has its own build
// of the same class (filters/uFilterCtrl.h); each lives in its program's
// namespace, so that one translation unit can name both.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/FilterDefinition.h"
#include "runtime/SysUtils.h"

namespace Pelmora {

// The note rendered last.
struct TNoteLastState {
  bool Sharp = false;
  int32_t Octave = 0;
  int32_t Duration = 0;  // a note value
  bool Dotted = false;
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
  std::string MapNote(const std::string& letter) const;
  std::string MapSharp(const TNoteLastState& state, bool sharp, const std::string& text) const;
  std::string MapDotDuration(const TNoteLastState& state, bool dotted, const std::string& text) const;
  std::string MapDuration(const TNoteLastState& state, int32_t duration, const std::string& text) const;
  std::string MapOctave(const TNoteLastState& state, int32_t octave, const std::string& text) const;

 private:
  std::string MapStep(int32_t mapperType, int64_t steps, const std::string& stepTemplate,
                      const std::string& noChange, const std::string& text) const;
};

}  // namespace Pelmora
