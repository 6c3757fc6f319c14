#include "filters/FilterAccess.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "filters/FileUtils.h"
#include "filters/PathUtils.h"
#include "runtime/FilterFormat.h"
#include "runtime/SysUtils.h"

void TFilterCfg::LoadFilterFile(const std::string& path) {
  FileName = path;
  LoadFromFile(path);
}

std::string TFilterCfg::GetMobileBrand() const { return Values("FilterInfo_MobileBrand"); }
std::string TFilterCfg::GetMobileModel() const { return Values("FilterInfo_MobileModel"); }
std::string TFilterCfg::GetAuthorName() const { return Values("AuthorInfo_AuthorName"); }
std::string TFilterCfg::GetFilterDesc() const { return Values("FilterInfo_FilterDesc"); }
std::string TFilterCfg::GetFilterFileOID() const { return Values("FilterFileOID"); }
uint8_t TFilterCfg::GetFilterType() const { return ReadFilterType(*this); }

namespace {

bool IsFilterFileName(const std::string& name) {
  const std::string ext = ExtractFileExt(name);
  return SameText(ext, ".KPS") || SameText(ext, ".MSS");
}

// The filter files of the folder in name order, so that every reload lists
// (and FindByOID meets) them in the same order.
std::vector<std::string> FilterFileNames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code kindError;
    if (it->is_directory(kindError)) continue;
    const std::string name = it->path().filename().string();
    if (IsFilterFileName(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

void TFilterCfgList::LoadFromFolder(const std::string& folder) {
  ClearFilters();
  if (DirectoryExists(folder)) AddFolderFilters(AddTrailingBackslash(folder));
  if (OnLoad) OnLoad();
}

void TFilterCfgList::AddFolderFilters(const std::string& directory) {
  for (const std::string& name : FilterFileNames(directory)) {
    auto filter = std::make_unique<TFilterCfg>();
    try {
      filter->LoadFilterFile(directory + name);
    } catch (const EStreamError&) {
      continue;
    }
    if (FilterTag.empty() || FilterTypeOfTag(FilterTag) == filter->GetFilterType()) Add(std::move(filter));
  }
}

TFilterCfg* TFilterCfgList::FindByOID(const std::string& oid) const {
  if (oid.empty()) return nullptr;
  for (const auto& filter : *this)
    if (filter->GetFilterFileOID() == oid) return filter.get();
  return nullptr;
}

uint8_t FilterTypeOfTag(const std::string& tag) {
  if (SameText(tag, "KPS")) return ftKeyPress;
  if (SameText(tag, "MSS")) return ftScreenShow;
  return ftUnrecognised;
}

std::string GetExeFolder() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : IncludeTrailingPathDelimiter(exe.parent_path().string());
}

std::string GetFiltersFolder() { return GetExeFolder() + "Filters"; }

bool ImportFilterFile(const std::string& path, const std::string& filtersFolder) {
  std::error_code error;
  std::filesystem::create_directories(filtersFolder, error);
  if (!DirectoryExists(filtersFolder)) return false;
  return CopyFileIfDifferent(path, MakeUniqueFileName(filtersFolder, ExtractFileName(path)));
}
