// The per-user registry: keys and typed values kept in one INI file in the
// user's config folder. Keys are paths of names ("\Software\Vendor\Product"),
// values are 32-bit integers or 8-bit strings, and every value remembers its
// type, so reading an integer where a string was stored fails the way the
// class library's registry class does: with an ERegistryException.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "runtime/SysUtils.h"

class QSettings;

class ERegistryException : public Exception {
  using Exception::Exception;
};

enum class TRegDataType { rdUnknown, rdString, rdInteger };

class TRegistry {
 public:
  // The store of the user running the program.
  static std::string DefaultFileName();

  explicit TRegistry(const std::string& fileName = DefaultFileName());
  ~TRegistry();
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  // Makes key the current key. A key starting with "\" is taken from the
  // root, any other below the current key. With canCreate a missing key is
  // created; false when the key is missing and may not be created, or when
  // the store cannot be written.
  bool OpenKey(const std::string& key, bool canCreate);
  // Writes what has changed; values then address the root until a key is
  // opened again.
  void CloseKey();
  const std::string& CurrentPath() const { return FCurrentPath; }

  bool ValueExists(const std::string& name) const;
  TRegDataType GetDataType(const std::string& name) const;

  // A missing value raises "Failed to get data for '<name>'"; a value of
  // another type raises "Invalid data type for '<name>'".
  int32_t ReadInteger(const std::string& name) const;
  // A missing value reads as empty; a value of another type raises
  // "Invalid data type for '<name>'".
  std::string ReadString(const std::string& name) const;

  // On a store that cannot be written, raises "Failed to set data for
  // '<name>'".
  void WriteInteger(const std::string& name, int32_t value);
  void WriteString(const std::string& name, const std::string& value);

 private:
  std::string ValuePath(const std::string& name) const;
  bool KeyExists(const std::string& path) const;
  void CheckWritable(const std::string& name) const;

  std::unique_ptr<QSettings> FSettings;
  std::string FCurrentPath;
};
