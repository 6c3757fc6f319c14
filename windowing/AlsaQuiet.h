// Keeps alsa-lib from printing its complaints to standard error while it
// lives: a machine without a sound card is an ordinary case for the preview
// and the volume control, not something to report on the console.
#pragma once

class TAlsaQuiet {
 public:
  TAlsaQuiet();
  ~TAlsaQuiet();
  TAlsaQuiet(const TAlsaQuiet&) = delete;
  TAlsaQuiet& operator=(const TAlsaQuiet&) = delete;

 private:
  // alsa-lib's handler type, spelled out so that this header needs no
  // alsa-lib header.
  using THandler = void (*)(const char* file, int line, const char* function, int err, const char* fmt, ...);
  THandler FPrevious;
};
