// MIDI files for the tests and the benchmarks: small ones for the MIDI
// preview, and generated ones of any size.
#pragma once

#include <cstdint>
#include <string>

#include "tests/support/MidiBytes.h"

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

// A format-0 file of count notes with running status: each note is a
// note-on and a velocity-0 note-on an eighth later, and the next note
// starts as the one before ends. Every event, the end of the track too,
// comes after its own delta time.
inline std::string GeneratedMidi(int64_t count) {
  std::string body = Tempo120();
  for (int64_t i = 0; i < count; ++i) {
    const char key = static_cast<char>(48 + i % 24);
    body += i == 0 ? std::string("\x00\x90", 2) : std::string(1, '\x00');
    body += std::string{key, '\x40', '\x30', key, '\x00'};
  }
  return Header(0, 1, 96) + Chunk("MTrk", body + EndOfTrack());
}

// The number of notes of the largest generated file of at most size bytes.
inline int64_t GeneratedMidiNotesIn(int64_t size) {
  const auto one = static_cast<int64_t>(GeneratedMidi(1).size());
  const auto each = static_cast<int64_t>(GeneratedMidi(2).size()) - one;
  return size < one ? 0 : 1 + (size - one) / each;
}
