#include "runtime/FilterFormat.h"

#include "runtime/StringList.h"
#include "runtime/SysUtils.h"

uint8_t FilterTypeOf(std::string_view value) {
  int32_t type = 0;
  if (!TryStrToInt(value, type)) return ftUnrecognised;
  return type == ftScreenShow || type == ftKeyPress ? static_cast<uint8_t>(type) : ftUnrecognised;
}

uint8_t ReadFilterType(const TStringList& lines) { return FilterTypeOf(lines.Values("FilterInfo_FilterType")); }

void TFilterWriter::Text(std::string_view key, const std::string& value) {
  if (value.empty()) return;
  Line(key, SingleLine(value));
}

void TFilterWriter::Integer(std::string_view key, int32_t value) { Line(key, IntToStr(value)); }

void TFilterWriter::Line(std::string_view key, const std::string& value) {
  FText += key;
  FText += '=';
  FText += value;
  FText += "\r\n";
}
