// Splitting a time in seconds for the captions of the MIDI preview.
#pragma once

#include <cstdint>

// For seconds >= 0: minutes := seconds div 60, secs := seconds mod 60. A
// negative time leaves both as they were.
void SecondsToMinSec(int32_t seconds, int32_t& minutes, int32_t& secs);
