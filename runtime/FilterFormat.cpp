#include "FilterFormat.h"

#include "StringList.h"
#include "SysUtils.h"

int32_t ReadFilterInteger(const TStringList& lines, const std::string& key) {
  return StrToInt(lines.Values(key));
}

bool ReadFilterFlag(const TStringList& lines, const std::string& key) {
  return ReadFilterInteger(lines, key) == 1;
}

uint8_t ReadFilterType(const TStringList& lines) {
  int32_t value = 0;
  if (!TryStrToInt(lines.Values("FilterInfo_FilterType"), value)) return ftUnrecognised;
  return value == ftScreenShow || value == ftKeyPress ? static_cast<uint8_t>(value) : ftUnrecognised;
}

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
