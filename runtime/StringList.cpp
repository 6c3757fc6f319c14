#include "runtime/StringList.h"

#include <algorithm>

#include "runtime/Streams.h"
#include "runtime/SysUtils.h"

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
}

const std::string& TStringList::Strings(int index) const {
  CheckIndex(index);
  return FLines[static_cast<size_t>(index)];
}

void TStringList::SetStrings(int index, const std::string& line) {
  CheckIndex(index);
  FLines[static_cast<size_t>(index)] = line;
}

int TStringList::Add(const std::string& line) {
  FLines.push_back(line);
  return Count() - 1;
}

void TStringList::Insert(int index, const std::string& line) {
  if (index < 0 || index > Count()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  FLines.insert(FLines.begin() + index, line);
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  FLines.erase(FLines.begin() + index);
}

int TStringList::IndexOf(const std::string& line) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(FLines[static_cast<size_t>(i)], line)) return i;
  return -1;
}

int TStringList::IndexOfName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string& line = FLines[static_cast<size_t>(i)];
    const size_t eq = line.find('=');
    if (eq != std::string::npos && SameText(std::string_view(line).substr(0, eq), name)) return i;
  }
  return -1;
}

std::string TStringList::Names(int index) const {
  const std::string& line = Strings(index);
  const size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStringList::ValueFromIndex(int index) const {
  const std::string& line = Strings(index);
  const size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

std::string TStringList::Values(const std::string& name) const {
  const int index = IndexOfName(name);
  return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStringList::SetValues(const std::string& name, const std::string& value) {
  const int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
  } else if (index < 0) {
    Add(name + "=" + value);
  } else {
    FLines[static_cast<size_t>(index)] = name + "=" + value;
  }
}

std::string TStringList::Text() const {
  std::string text;
  for (const std::string& line : FLines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void TStringList::SetText(const std::string& text) {
  FLines.clear();
  ForEachLine(text, [this](std::string_view line) { FLines.emplace_back(line); });
}

void TStringList::LoadFromStream(TStream& stream) { SetText(ReadToEnd(stream)); }

void TStringList::SaveToStream(TStream& stream) const { stream.WriteString(Text()); }

void TStringList::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, TFileMode::fmOpenRead);
  LoadFromStream(file);
}

void TStringList::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, TFileMode::fmCreate);
  SaveToStream(file);
}
