#include "runtime/SysUtils.h"

#include <charconv>
#include <iterator>

#include <sys/stat.h>

#include <cctype>
#include <limits>

int32_t IntDiv(int64_t dividend, int64_t divisor) { return static_cast<int32_t>(IntDiv64(dividend, divisor)); }

int64_t IntDiv64(int64_t dividend, int64_t divisor) {
  if (divisor == 0) throw EDivByZero();
  // INT64_MIN / -1 is out of range: wrap, as the machine's division does.
  if (divisor == -1) return static_cast<int64_t>(0 - static_cast<uint64_t>(dividend));
  return dividend / divisor;
}

int32_t IntMod(int64_t dividend, int64_t divisor) {
  if (divisor == 0) throw EDivByZero();
  if (divisor == -1) return 0;
  return static_cast<int32_t>(dividend % divisor);
}

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool TryStrToInt(std::string_view text, int32_t& value) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;
  // Hexadecimal texts may fill all 32 bits (as the class library allows);
  // decimal ones must stay inside the signed range.
  const uint64_t limit = base == 16 ? 0xFFFFFFFFull
                                    : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i]);
    if (digit < 0 || digit >= base) return false;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return false;
  }
  int64_t result = base == 16 ? static_cast<int32_t>(static_cast<uint32_t>(magnitude))
                              : static_cast<int64_t>(magnitude);
  if (negative) result = -result;
  if (result < std::numeric_limits<int32_t>::min() || result > std::numeric_limits<int32_t>::max())
    return false;
  value = static_cast<int32_t>(result);
  return true;
}

int32_t StrToInt(std::string_view text) {
  int32_t value = 0;
  if (!TryStrToInt(text, value)) throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
  return value;
}

int32_t StrToIntDef(const std::string& text, int32_t fallback) {
  int32_t value = 0;
  return TryStrToInt(text, value) ? value : fallback;
}

std::string IntToStr(int64_t value) { return std::to_string(value); }

void AppendDigits(std::string& text, int64_t value) {
  char digits[24];
  text.append(digits, std::to_chars(digits, std::end(digits), value).ptr);
}

std::string TrimLeft(const std::string& text) {
  size_t first = 0;
  while (first < text.size() && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  return text.substr(first);
}

std::string TrimRight(const std::string& text) {
  size_t last = text.size();
  while (last > 0 && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return text.substr(0, last);
}

std::string Trim(const std::string& text) { return TrimLeft(TrimRight(text)); }

std::string SingleLine(const std::string& text) {
  std::string result = text;
  for (char& c : result)
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  return result;
}

std::string UpperCase(const std::string& text) {
  std::string result = text;
  for (char& c : result) c = UpCase(c);
  return result;
}

std::string LowerCase(const std::string& text) {
  std::string result = text;
  for (char& c : result) c = LoCase(c);
  return result;
}

int CompareText(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(UpCase(a[i]));
    const auto cb = static_cast<unsigned char>(UpCase(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

// Names usually match in the case they were written in: that is one
// comparison of bytes.
bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && (a == b || CompareText(a, b) == 0);
}

namespace {

size_t LastDelimiter(const std::string& fileName) {
  const size_t pos = fileName.find_last_of("/\\");
  return pos == std::string::npos ? 0 : pos + 1;
}

}  // namespace

std::string ExtractFilePath(const std::string& fileName) {
  return fileName.substr(0, LastDelimiter(fileName));
}

std::string ExtractFileName(const std::string& fileName) {
  return fileName.substr(LastDelimiter(fileName));
}

std::string ExtractFileExt(const std::string& fileName) {
  const size_t dot = fileName.find_last_of('.');
  if (dot == std::string::npos || dot < LastDelimiter(fileName)) return {};
  return fileName.substr(dot);
}

std::string ChangeFileExt(const std::string& fileName, const std::string& ext) {
  const size_t dot = fileName.find_last_of('.');
  if (dot == std::string::npos || dot < LastDelimiter(fileName)) return fileName + ext;
  return fileName.substr(0, dot) + ext;
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
  if (!path.empty() && (path.back() == '/' || path.back() == '\\')) return path;
  return path + "/";
}

bool FileExists(const std::string& fileName) {
  struct stat info {};
  return stat(fileName.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
