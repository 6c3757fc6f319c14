// The third-party files of one corpus folder, found beside the checkout.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

// Every file below the corpus folder with the extension, in name order;
// none when the corpus is missing.
inline std::vector<std::filesystem::path> CorpusFiles(const std::string& folder, const std::string& extension) {
  std::vector<std::filesystem::path> files;
  const std::filesystem::path root = std::filesystem::path(CAROLUNE_CORPUS_DIR) / folder;
  if (!std::filesystem::exists(root)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
    if (entry.path().extension() == extension) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}
