// The filter catalogue: the filter files of a folder, listed by kind, found
// by identifier, and the import of filter files into the Filters folder
// beside the program. Filters are read here as plain Name=Value lines.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "runtime/OwnedList.h"
#include "runtime/StringList.h"

// One filter file held as its lines; Text() (every line followed by CR LF)
// is what the conversion library is given as the filter.
class TFilterCfg : public TStringList {
 public:
  std::string FileName;

  // Raises EFOpenError "Cannot open file "<path>". <reason>".
  void LoadFilterFile(const std::string& path);

  std::string GetMobileBrand() const;
  std::string GetMobileModel() const;
  std::string GetAuthorName() const;
  std::string GetFilterDesc() const;
  std::string GetFilterFileOID() const;
  // 0 ScreenShow, 1 KeyPress, 2 for a type that is missing or cannot be read.
  uint8_t GetFilterType() const;
};

// The filters of one kind found in a folder; the list owns them.
class TFilterCfgList : public TOwnedList<TFilterCfg> {
 public:
  // "MSS" keeps ScreenShow filters, "KPS" KeyPress ones, empty keeps all.
  std::string FilterTag;
  // Runs after every LoadFromFolder, so that whoever shows the list can
  // follow a reload (which frees the filters it held).
  std::function<void()> OnLoad;

  void ClearFilters() { Clear(); }
  // Replaces the list by the filters of the folder (files ending in .kps or
  // .mss, in any case), in name order; the kind comes from the file's
  // content, not its extension. A missing folder gives an empty list; a file
  // that cannot be read is left out and the rest still load.
  void LoadFromFolder(const std::string& folder);
  // The first filter whose identifier equals oid exactly; null for an empty
  // oid or when none does.
  TFilterCfg* FindByOID(const std::string& oid) const;

 private:
  // Adds the filters of the folder's files (directory ends in the delimiter).
  void AddFolderFilters(const std::string& directory);
};

// "KPS" 1, "MSS" 0 (without regard to case), anything else 2.
uint8_t FilterTypeOfTag(const std::string& tag);
// The folder of the running program, ending in the path delimiter.
std::string GetExeFolder();
// The folder beside the program that holds the installed filters.
std::string GetFiltersFolder();
// Copies the file into the folder (created when missing) under its own name,
// or with a number added before the extension when that name is taken.
// Returns whether the copy was made.
bool ImportFilterFile(const std::string& path, const std::string& filtersFolder = GetFiltersFolder());
