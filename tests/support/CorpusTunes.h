// Every third-party tune of the corpus with its format code: the RTTTL lines,
// the iMelody, eMelody and MIDI files.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "runtime/Streams.h"
#include "tests/support/CorpusFiles.h"
#include "tests/support/RtttlCorpus.h"

inline std::vector<std::pair<std::string, std::string>> CorpusTunes() {
  std::vector<std::pair<std::string, std::string>> tunes;
  for (const auto& tune : RtttlCorpusTunes()) tunes.emplace_back("00", tune);
  for (const auto& path : CorpusFiles("imelody", ".imy")) tunes.emplace_back("03", ReadFileBytes(path.string()));
  for (const auto& path : CorpusFiles("emelody", ".emy")) tunes.emplace_back("02", ReadFileBytes(path.string()));
  for (const auto& path : CorpusFiles("midi", ".mid")) tunes.emplace_back("04", ReadFileBytes(path.string()));
  return tunes;
}
