// A source text loaded into the tune class of its format code, as the copy
// step hands it on: a MIDI file already reduced to its tones.
#pragma once

#include <memory>
#include <string>

#include "conversion/uComposerRing.h"
#include "conversion/uMedolyRing.h"
#include "conversion/uMidiFile.h"
#include "conversion/uRingConvert.h"
#include "conversion/uRtttlRing.h"

inline std::unique_ptr<TRingFile> NewTune(const std::string& code) {
  if (code == "00") return std::make_unique<TRtttlRing>();
  if (code == "01") return std::make_unique<TComposerRing>();
  if (code == "02") return std::make_unique<TeMelodyRing>();
  if (code == "03") return std::make_unique<TiMelodyRing>();
  return std::make_unique<TMidiFile>();
}

inline std::unique_ptr<TRingFile> TuneOf(const std::string& text, const std::string& code) {
  auto tune = NewTune(code);
  tune->LoadFromText(text);
  if (auto* midi = dynamic_cast<TMidiFile*>(tune.get())) MidiToTones(*midi);
  return tune;
}
