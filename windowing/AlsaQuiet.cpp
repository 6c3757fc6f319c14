#include "windowing/AlsaQuiet.h"

#include <alsa/asoundlib.h>

namespace {
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}
}  // namespace

TAlsaQuiet::TAlsaQuiet() : FPrevious(snd_lib_error) { snd_lib_error_set_handler(IgnoreAlsaError); }

TAlsaQuiet::~TAlsaQuiet() { snd_lib_error_set_handler(FPrevious); }
