// Exceptions, integer conversions and small string and file-name helpers:
// the parts of the class library's system units that the programs rely on.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

// Base of every exception the system raises on purpose. The message is
// kept as 8-bit text, the way the class library shows it to the user.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}
  const std::string& Message() const noexcept { return FMessage; }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  std::string FMessage;
};

class EConvertError : public Exception {
  using Exception::Exception;
};
class EListError : public Exception {
  using Exception::Exception;
};
class EDivByZero : public Exception {
 public:
  EDivByZero() : Exception("Division by zero") {}
};
class EStreamError : public Exception {
  using Exception::Exception;
};
class EFOpenError : public EStreamError {
  using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
  using EStreamError::EStreamError;
};
class EReadError : public EStreamError {
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
  using EStreamError::EStreamError;
};

// Integer division and remainder that raise EDivByZero for a zero divisor
// and truncate toward zero, as the class library's div and mod do.
int32_t IntDiv(int64_t dividend, int64_t divisor);
int32_t IntMod(int64_t dividend, int64_t divisor);
int64_t IntDiv64(int64_t dividend, int64_t divisor);

// Decimal (or "$"/"0x" hexadecimal) text to a 32-bit integer. Leading blanks
// and a sign are accepted; anything else, an empty text or a value outside
// 32 bits raises EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(std::string_view text);
int32_t StrToIntDef(const std::string& text, int32_t fallback);
bool TryStrToInt(std::string_view text, int32_t& value);
std::string IntToStr(int64_t value);
// IntToStr's digits appended to the text, without a string of their own.
void AppendDigits(std::string& text, int64_t value);
// The same, a number of one digit appended as its character: most numbers a
// writer appends, note values and octaves, are one digit.
inline void AppendInt(std::string& text, int64_t value) {
  if (value >= 0 && value <= 9)
    text += static_cast<char>('0' + value);
  else
    AppendDigits(text, value);
}

// Removes characters at or below the blank from both ends (or one end).
std::string Trim(const std::string& text);
std::string TrimLeft(const std::string& text);
std::string TrimRight(const std::string& text);
// The text with CR, LF and zero bytes as blanks: a value written on one line
// of a line-based file must not start lines of its own.
std::string SingleLine(const std::string& text);
// ASCII-only case mapping, like the class library's UpCase/UpperCase/LowerCase.
constexpr char UpCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char LoCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
std::string UpperCase(const std::string& text);
std::string LowerCase(const std::string& text);
// ASCII comparison without regard to case: <0, 0, >0.
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);

// File names: "/" is the path delimiter here; "\" in stored names is read
// as one too.
std::string ExtractFilePath(const std::string& fileName);  // keeps the final "/"
std::string ExtractFileName(const std::string& fileName);
std::string ExtractFileExt(const std::string& fileName);   // with its ".", or empty
std::string ChangeFileExt(const std::string& fileName, const std::string& ext);
std::string IncludeTrailingPathDelimiter(const std::string& path);
bool FileExists(const std::string& fileName);
bool DirectoryExists(const std::string& path);
