// The target of a filter conversion: a tune that carries a filter definition
// and renders its notes as the keys to press in one phone's melody composer
// (KeyPress) or as that composer's screen shows them (ScreenShow); the two
// differ only by the filter loaded. Such a text cannot be read back.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "conversion/uFilterCtrl.h"
#include "conversion/uRingFile.h"

class TKeyPressBase : public TRingFile {
 public:
  TKeyPressBase();
  ~TKeyPressBase() override;

  // Loaded by the caller once the tune has been copied in. Both are the
  // tune's own, not on the heap: a call makes its tune in its frame.
  Pelmora::TRingtoneFilterConfig FilterConfig;
  Pelmora::TNoteLastState LastState;

  std::string GetText() override { return RenderTune(); }

  // Every note and rest of the track through the filter, joined by its
  // separator; flats, E sharp and B sharp go through as the sharp or natural
  // of the same pitch. A mapper order entry that is not a number raises
  // EConvertError at the first note; a note's text over MaxNoteText, or the
  // whole over MaxTuneText, raises EFilterOverflow.
  std::string RenderTune();
  // One note against the last-note state, the filter's five steps in its order.
  std::string RenderNote(const TRingTone& tone);

  using TMapperOrder = std::array<int32_t, 5>;
};
