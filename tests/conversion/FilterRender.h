// Tunes built in code, rendered through a filter given as its text.
#pragma once

#include <string>
#include <vector>

#include "conversion/uRingKeyPressBase.h"
#include "tests/conversion/NoteList.h"

inline std::string RenderThroughFilter(const std::string& filterText, const std::vector<NoteSpec>& notes) {
  TKeyPressBase tune;
  for (const NoteSpec& note : notes) AddNotes(tune, {note});
  tune.FilterConfig.LoadFromText(filterText);
  return tune.GetText();
}
