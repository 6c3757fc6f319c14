#include "runtime/FilterFormat.h"

#include <algorithm>
#include <cstring>
#include <random>

#include "runtime/StringList.h"
#include "runtime/SysUtils.h"

namespace {

// Sets bit 5 of every ASCII capital in the word, eight bytes at once: the
// same case fold as CompareText, no wider, so names that compare unequal
// only collide by chance (folding every byte's bit 5 would put "@", "`",
// "[" and "{" together, and a filter of such names in one chain).
uint64_t FoldCapitals(uint64_t word) {
  constexpr uint64_t ones = 0x0101010101010101ull;
  constexpr uint64_t high = 0x8080808080808080ull;
  const uint64_t seven = word & ~high;
  const uint64_t fromA = seven + (0x80 - 'A') * ones;   // high bit: byte >= 'A'
  const uint64_t pastZ = seven + (0x80 - 'Z' - 1) * ones;  // high bit: byte > 'Z'
  const uint64_t capital = fromA & ~pastZ & ~word & high;
  return word | capital >> 2;
}

// Chosen afresh by every process, so no filter can be made whose names all
// land in one chain of the index.
const uint64_t kHashSeed = std::random_device{}() * 0x9E3779B97F4A7C15ull | 1;

// Eight bytes at a time. A name of eight bytes or more ends with its last
// eight, read whole: a word pieced together from bytes just written stalls
// the load that reads it.
size_t NameHash(std::string_view name) {
  constexpr uint64_t mix = 0x9E3779B97F4A7C15ull;
  uint64_t hash = kHashSeed ^ name.size();
  const auto add = [&](uint64_t word) { hash = (hash ^ FoldCapitals(word)) * mix; };
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
