// The third-party RTTTL tunes of the corpus, one tune per line of its files.
#pragma once

#include <fstream>
#include <string>
#include <vector>

inline std::vector<std::string> RtttlCorpusTunes() {
  std::vector<std::string> tunes;
  for (const char* file : {"anyrtttl-examples.txt", "sonivox-greensleeves.txt", "upy-rtttl.txt"}) {
    std::ifstream in(std::string(CAROLUNE_CORPUS_DIR) + "/rtttl/" + file, std::ios::binary);
    for (std::string line; std::getline(in, line);)
      if (!line.empty()) tunes.push_back(line);
  }
  return tunes;
}
