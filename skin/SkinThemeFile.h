// The theme file reader: a theme file carries a whole visual style outside
// the program as a chain of named, typed items (bitmaps, integers, flags,
// strings). The reader reads the whole file once, when it is created, and
// answers item queries by name without regard to letter case; the first
// item of a name wins.
//
// Theme files come from anywhere, so every read is checked against the file:
// a wrong header, a record or item data that lies outside the file, or more
// data than a theme can sensibly hold raises ESkinThemeFileError naming the
// file and the fault; a chain that leads back to an entry already read ends
// there, keeping the items read so far.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "runtime/StringList.h"
#include "runtime/SysUtils.h"

class TMemoryStream;
class TStream;

class ESkinThemeFileError : public EReadError {
  using EReadError::EReadError;
};

enum class TSkinThemeFileItemType : uint8_t { Bitmap = 0, Integer = 1, Flag = 2, String = 3 };

class TSkinThemeFileReader {
 public:
  static constexpr int HeaderLength = 24;
  static constexpr int EntryLength = 77;
  static constexpr int NameLength = 64;
  // Bounds that no real theme comes near; they keep a hostile file from
  // making the reader allocate without end.
  static constexpr int64_t MaxDataBytes = 64 * 1024 * 1024;
  static constexpr int MaxEntries = 65536;

  // Reads the file (LoadFromFile); its errors pass out.
  explicit TSkinThemeFileReader(const std::string& fileName);
  ~TSkinThemeFileReader();
  TSkinThemeFileReader(const TSkinThemeFileReader&) = delete;
  TSkinThemeFileReader& operator=(const TSkinThemeFileReader&) = delete;

  // The image data (a bitmap file's bytes) of the first bitmap item of that
  // name, rewound; null when there is none. The reader keeps owning it.
  TStream* GetBitmapStream(const std::string& name) const;
  // The first integer item of that name; -1 when there is none.
  int32_t GetInteger(const std::string& name) const;
  // The first flag item of that name, true for a nonzero byte; false when
  // there is none.
  bool GetBool(const std::string& name) const;
  // The same two, telling a missing item apart.
  std::optional<int32_t> FindInteger(const std::string& name) const;
  std::optional<bool> FindBool(const std::string& name) const;

  // The lists as read: lines "name=value" (the string list is kept but no
  // query reads it).
  const TStringList& IntegerList() const { return FIntegerList; }
  const TStringList& FlagList() const { return FFlagList; }
  const TStringList& StringList() const { return FStringList; }
  int ImageCount() const { return static_cast<int>(FImageList.size()); }

 private:
  void LoadFromFile(const std::string& fileName);

  std::vector<std::pair<std::string, std::unique_ptr<TMemoryStream>>> FImageList;
  TStringList FIntegerList;
  TStringList FFlagList;
  TStringList FStringList;
};
