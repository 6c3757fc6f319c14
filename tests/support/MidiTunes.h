// Small MIDI files for the tests of the MIDI preview.
#pragma once

#include <cstdint>
#include <string>

#include "MidiBytes.h"

inline std::string VarLen(uint32_t value) {
  std::string bytes(1, static_cast<char>(value & 0x7F));
  while ((value >>= 7) != 0) bytes.insert(bytes.begin(), static_cast<char>(0x80 | (value & 0x7F)));
  return bytes;
}

// One note of the given length at tempo 120, division 96.
inline std::string OneNoteFile(uint32_t milliseconds) {
  return Header(1, 1, 96) +
         Chunk("MTrk", Tempo120() + Bytes({0x00, 0x90, 60, 100}) + VarLen(milliseconds * 96 / 500) +
                           Bytes({0x80, 60, 0}) + EndOfTrack());
}

inline std::string SixtyFiveSecondFile() { return OneNoteFile(65000); }
