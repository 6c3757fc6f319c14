#include "runtime/FilterFormat.h"

#include <algorithm>
#include <cstring>

#include "runtime/StringList.h"
#include "runtime/SysUtils.h"

TFilterValues::TFilterValues(std::string_view text) {
  FValues.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  ForEachLine(text, [this](std::string_view line) {
    const size_t eq = line.find('=');
    // try_emplace keeps the first line of a name.
    if (eq != std::string_view::npos) FValues.try_emplace(line.substr(0, eq), line.substr(eq + 1));
  });
}

size_t TFilterValues::TNameHash::operator()(std::string_view name) const {
  // Eight bytes at a time, each with bit 5 set: that folds the case of
  // letters (and joins a few other characters, which only costs the name
  // comparison that follows).
  constexpr uint64_t fold = 0x2020202020202020ull;
  constexpr uint64_t mix = 0x9E3779B97F4A7C15ull;
  uint64_t hash = name.size();
  size_t at = 0;
  for (; at + 8 <= name.size(); at += 8) {
    uint64_t word = 0;
    std::memcpy(&word, name.data() + at, 8);
    hash = (hash ^ (word | fold)) * mix;
  }
  uint64_t tail = 0;
  std::memcpy(&tail, name.data() + at, name.size() - at);
  hash = (hash ^ (tail | fold)) * mix;
  return static_cast<size_t>(hash ^ (hash >> 32));
}

bool TFilterValues::TSameName::operator()(std::string_view a, std::string_view b) const { return SameText(a, b); }

std::string TFilterValues::Text(std::string_view key) const {
  const auto found = FValues.find(key);
  return found == FValues.end() ? std::string() : std::string(found->second);
}

int32_t TFilterValues::Integer(std::string_view key) const { return StrToInt(Text(key)); }

uint8_t TFilterValues::FilterType() const { return FilterTypeOf(Text("FilterInfo_FilterType")); }

uint8_t FilterTypeOf(const std::string& value) {
  int32_t type = 0;
  if (!TryStrToInt(value, type)) return ftUnrecognised;
  return type == ftScreenShow || type == ftKeyPress ? static_cast<uint8_t>(type) : ftUnrecognised;
}

uint8_t ReadFilterType(const TStringList& lines) { return FilterTypeOf(lines.Values("FilterInfo_FilterType")); }

void TFilterWriter::Text(const std::string& key, const std::string& value) {
  if (value.empty()) return;
  Line(key, SingleLine(value));
}

void TFilterWriter::Integer(const std::string& key, int32_t value) { Line(key, IntToStr(value)); }

void TFilterWriter::Line(const std::string& key, const std::string& value) {
  FText += key;
  FText += '=';
  FText += value;
  FText += "\r\n";
}
