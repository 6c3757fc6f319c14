// Builds Standard MIDI File bytes for tests from readable pieces.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

inline std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

inline std::string Chunk(const std::string& kind, const std::string& body) {
  const uint32_t n = static_cast<uint32_t>(body.size());
  return kind +
         Bytes({static_cast<int>(n >> 24), static_cast<int>((n >> 16) & 0xFF), static_cast<int>((n >> 8) & 0xFF),
                static_cast<int>(n & 0xFF)}) +
         body;
}

inline std::string Header(int format, int tracks, int division) {
  return Chunk("MThd", Bytes({0, format, 0, tracks, division >> 8, division & 0xFF}));
}

// Tempo 120 (500000 microseconds per quarter) at delta 0.
inline std::string Tempo120() { return Bytes({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}); }
inline std::string EndOfTrack() { return Bytes({0x00, 0xFF, 0x2F, 0x00}); }

// The file that one quarter-note C (key 60) at tempo 120 becomes: the
// note-on at once, its velocity-0 note-on a quarter later (the header
// always says format 1 when there is a track).
inline std::string OneQuarterNoteFile() {
  return Header(1, 1, 96) +
         Chunk("MTrk", Tempo120() + Bytes({0x00, 0x90, 0x3C, 0x28, 0x60, 0x3C, 0x00}) + EndOfTrack());
}
