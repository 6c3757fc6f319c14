// The phone filters shipped with the programs, as the source tree holds them.
#pragma once

#include <algorithm>
#include <filesystem>
#include <vector>

// The KeyPress (.kps) and ScreenShow (.mss) filter files, in name order.
inline std::vector<std::filesystem::path> ShippedFilterFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(CAROLUNE_SOURCE_DIR "/filters/Filters"))
    if (entry.path().extension() == ".kps" || entry.path().extension() == ".mss") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}
