#include "filters/PathUtils.h"

#include "runtime/SysUtils.h"

std::string AddTrailingBackslash(const std::string& path) {
  const std::string trimmed = Trim(path);
  return trimmed.empty() ? trimmed : IncludeTrailingPathDelimiter(trimmed);
}

std::string RemoveFileExt(const std::string& fileName) { return ChangeFileExt(fileName, ""); }
