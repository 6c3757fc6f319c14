#include "filters/FileUtils.h"

#include <filesystem>
#include <system_error>

#include "filters/PathUtils.h"
#include "runtime/AtomicFile.h"
#include "runtime/Streams.h"
#include "runtime/SysUtils.h"

namespace {

// File names are case-sensitive here, so two names are one file when they
// are equal or lead to the same file.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return a == b || std::filesystem::equivalent(a, b, error);
}

}  // namespace

bool CopyFileIfDifferent(const std::string& source, const std::string& destination) {
  if (SameFile(source, destination)) return true;
  try {
    WriteFileAtomically(destination, ReadFileBytes(source));
    return true;
  } catch (const EStreamError&) {
    return false;
  }
}

std::string MakeUniqueFileName(const std::string& folder, const std::string& fileName) {
  const std::string directory = AddTrailingBackslash(folder);
  const std::string ext = ExtractFileExt(fileName);
  const std::string base = RemoveFileExt(fileName);
  std::string candidate = fileName;
  for (int n = 1; std::filesystem::exists(std::filesystem::symlink_status(directory + candidate)); ++n)
    candidate = base + IntToStr(n) + ext;
  return directory + candidate;
}
