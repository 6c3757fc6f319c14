// A list of 8-bit text lines with the class library's Name=Value access and
// its text rules: setting Text splits at CR, LF or CR LF and stops at a zero
// byte; reading Text ends every line with CR LF.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

class TStream;

// Calls onLine with each line of the text, in order: lines end at CR LF, a
// lone CR or a lone LF, and a zero byte ends the text.
template <class OnLine>
void ForEachLine(std::string_view text, OnLine&& onLine) {
  text = text.substr(0, std::min(text.find('\0'), text.size()));
  // A line runs to the next LF, or to the first CR before it. Either search
  // goes over a byte at most once, whichever breaks the text uses.
  size_t lf = text.find('\n');
  size_t pos = 0;
  while (pos < text.size()) {
    if (lf < pos) lf = text.find('\n', pos);
    const std::string_view line = text.substr(pos, std::min(lf, text.size()) - pos);
    const size_t length = std::min(line.find('\r'), line.size());
    onLine(line.substr(0, length));
    pos += length;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
}

class TStringList {
 public:
  TStringList() = default;
  virtual ~TStringList() = default;
  TStringList(const TStringList&) = default;
  TStringList& operator=(const TStringList&) = default;

  int Count() const { return static_cast<int>(FLines.size()); }
  // Index outside the list: EListError "List index out of bounds (<i>)".
  const std::string& Strings(int index) const;
  void SetStrings(int index, const std::string& line);
  const std::string& operator[](int index) const { return Strings(index); }

  int Add(const std::string& line);
  void Insert(int index, const std::string& line);
  void Delete(int index);
  void Clear() { FLines.clear(); }
  // Position of the line (compared without regard to case), or -1.
  int IndexOf(const std::string& line) const;

  // Name=Value lines: the name is everything before the first "=", compared
  // without regard to case; the first matching line wins.
  int IndexOfName(const std::string& name) const;
  std::string Names(int index) const;
  std::string ValueFromIndex(int index) const;
  std::string Values(const std::string& name) const;
  // An empty value deletes the line; a new name is appended.
  void SetValues(const std::string& name, const std::string& value);

  std::string Text() const;
  void SetText(const std::string& text);

  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

  const std::vector<std::string>& Lines() const { return FLines; }

 private:
  void CheckIndex(int index) const;
  std::vector<std::string> FLines;
};
