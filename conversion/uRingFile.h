// The tune: a few tune-wide settings and one track of tones. Each notation
// derives from it and overrides reading from a stream and producing its text.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "conversion/uRingBase.h"

class TMidiFile;
class TStream;

// The octave of a note written without one in a new tune. The Composer,
// eMelody and iMelody readers keep it, since their texts never state a
// default, so their writers count octaves from it.
constexpr int32_t kNewTuneDefaultOctave = 6;

class TRingFile {
 public:
  TRingFile();
  virtual ~TRingFile();
  TRingFile(const TRingFile&) = delete;
  TRingFile& operator=(const TRingFile&) = delete;

  std::string Name = "Ring";
  int32_t Volume = 7;
  int32_t DefaultDuration = 4;
  int32_t DefaultOctave = kNewTuneDefaultOctave;
  int32_t Tempo = 64;
  std::string Style;
  std::string Composer = "Carolune";
  std::unique_ptr<TRingTrack> Track;

  // Reads the tune from text by handing its bytes to LoadFromStream; a text
  // handed over (moved in) is read without a copy of its own.
  virtual void LoadFromText(std::string text);
  // The tune in this notation; the base has no notation and gives "".
  virtual std::string GetText();
  // Reads the tune from the stream's position on; the base reads nothing.
  virtual void LoadFromStream(TStream& stream);
  // Writes GetText's bytes at the stream's position.
  virtual void SaveToStream(TStream& stream);

  // The tune as a MIDI file, which a copy turns to and from tones and a
  // delivery writes as bytes; null in every other notation.
  virtual TMidiFile* AsMidiFile() { return nullptr; }

  // Raise the stream's open or create error when the file cannot be used.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName);
};
