#include "runtime/FilterFormat.h"

#include <algorithm>
#include <cstring>

#include "runtime/StringList.h"
#include "runtime/SysUtils.h"

namespace {

// Eight bytes at a time, each with bit 5 set: that folds the case of letters
// (and joins a few other characters, which only costs the name comparison
// that follows). A name of eight bytes or more ends with its last eight,
// read whole: a word pieced together from bytes just written stalls the load
// that reads it.
size_t NameHash(std::string_view name) {
  constexpr uint64_t fold = 0x2020202020202020ull;
  constexpr uint64_t mix = 0x9E3779B97F4A7C15ull;
  uint64_t hash = name.size();
  const auto add = [&](uint64_t word) { hash = (hash ^ (word | fold)) * mix; };
  uint64_t word = 0;
  if (name.size() < 8) {
    for (const char c : name) word = word << 8 | static_cast<unsigned char>(c);
    add(word);
  } else {
    size_t at = 0;
    for (; at + 8 < name.size(); at += 8) {
      std::memcpy(&word, name.data() + at, 8);
      add(word);
    }
    std::memcpy(&word, name.data() + name.size() - 8, 8);
    add(word);
  }
  hash ^= hash >> 29;
  hash *= mix;
  return static_cast<size_t>(hash ^ (hash >> 32));
}

}  // namespace

TFilterValues::TFilterValues(std::string_view text) {
  ForEachLine(text, [this](std::string_view line) {
    const size_t eq = line.find('=');
    if (eq != std::string_view::npos) Add(line.substr(0, eq), line.substr(eq + 1));
  });
}

size_t TFilterValues::SlotOf(std::string_view name) const {
  const size_t mask = FSlots.size() - 1;
  for (size_t at = NameHash(name) & mask;; at = (at + 1) & mask) {
    const TLine& slot = FSlots[at];
    if (!slot.Name.data() || SameText(slot.Name, name)) return at;
  }
}

void TFilterValues::Add(std::string_view name, std::string_view value) {
  if ((FUsed + 1) * 2 > FSlots.size()) {
    std::pmr::vector<TLine> old(FSlots.size() * 2, &FPool);
    old.swap(FSlots);
    for (const TLine& line : old)
      if (line.Name.data()) FSlots[SlotOf(line.Name)] = line;
  }
  TLine& slot = FSlots[SlotOf(name)];
  // The first line of a name wins.
  if (slot.Name.data()) return;
  slot = {name, value};
  ++FUsed;
}

int32_t TFilterValues::Integer(std::string_view key) const { return StrToInt(std::string(Text(key))); }

uint8_t TFilterValues::FilterType() const { return FilterTypeOf(std::string(Text("FilterInfo_FilterType"))); }

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
