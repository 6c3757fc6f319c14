#include "FilterFormat.h"

#include "StringList.h"
#include "SysUtils.h"

TFilterValues::TFilterValues(std::string text) : FText(std::move(text)) {
  ForEachLine(FText, [this](std::string_view line) {
    const size_t eq = line.find('=');
    // try_emplace keeps the first line of a name.
    if (eq != std::string_view::npos) FValues.try_emplace(line.substr(0, eq), line.substr(eq + 1));
  });
}

size_t TFilterValues::TNameHash::operator()(std::string_view name) const {
  size_t hash = 14695981039346656037ull;  // FNV-1a over the upper-cased name
  for (const char c : name) hash = (hash ^ static_cast<unsigned char>(UpCase(c))) * 1099511628211ull;
  return hash;
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
