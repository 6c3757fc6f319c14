// The filter file format, shared by every reader and writer of filters (the
// filter editor, the conversion library and the filter catalogue): Name=Value
// lines read with TStringList's rules (lines end at CR LF, CR or LF, a zero
// byte ends the text, names match without regard to case, the first matching
// line wins, a missing key reads as empty text), integers and flags converted
// from those values, and the writer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <string>
#include <string_view>
#include <vector>

class TStringList;

// Filter kinds, as FilterInfo_FilterType holds them.
constexpr uint8_t ftScreenShow = 0;
constexpr uint8_t ftKeyPress = 1;
constexpr uint8_t ftUnrecognised = 2;

// Mapper ids of a filter's mapper order.
constexpr int32_t miNote = 0;
constexpr int32_t miSharp = 1;
constexpr int32_t miDuration = 2;
constexpr int32_t miDotDuration = 3;
constexpr int32_t miOctave = 4;

// A filter file's text, read once: every name is indexed in one pass over
// the lines, so reading all of a filter's keys costs time linear in its text.
// The index points into the text, which must outlive it.
class TFilterValues {
 public:
  explicit TFilterValues(std::string_view text);
  TFilterValues(const TFilterValues&) = delete;
  TFilterValues& operator=(const TFilterValues&) = delete;

  // The value of the first line whose name is the key; empty when none is.
  std::string_view Text(std::string_view key) const { return FSlots[SlotOf(key)].Value; }
  // The value as a decimal integer; a missing key, an empty value or one that
  // is not an integer raises EConvertError "'<value>' is not a valid integer value".
  int32_t Integer(std::string_view key) const;
  // True only for the integer 1; raises as Integer.
  bool Flag(std::string_view key) const { return Integer(key) == 1; }
  // FilterInfo_FilterType, as FilterTypeOf reads it.
  uint8_t FilterType() const;

 private:
  // A slot of the index; a free one has no name at all (every name read
  // points into the text, the empty name included).
  struct TLine {
    std::string_view Name;
    std::string_view Value;
  };
  // The slot of the name, or the free slot where it belongs: open
  // addressing over a power of two slots, never more than half of them used.
  size_t SlotOf(std::string_view name) const;
  void Add(std::string_view name, std::string_view value);

  // A filter's few dozen lines fit the buffer, so indexing them allocates
  // nothing; a longer text spills over to the heap.
  static constexpr size_t kInlineSlots = 128;
  alignas(TLine) std::array<std::byte, kInlineSlots * sizeof(TLine)> FBuffer;
  std::pmr::monotonic_buffer_resource FPool{FBuffer.data(), FBuffer.size()};
  std::pmr::vector<TLine> FSlots{kInlineSlots, &FPool};
  size_t FUsed = 0;
};

// 0 ScreenShow, 1 KeyPress, 2 for anything else (empty, not a number,
// another number). Never raises.
uint8_t FilterTypeOf(const std::string& value);
// The catalogue's reading of a filter's type from its lines.
uint8_t ReadFilterType(const TStringList& lines);

// Builds a filter file's text: one Name=Value line per call, each ending in
// CR LF. An empty text writes no line; CR, LF and zero bytes inside a text are
// written as blanks, so that a value can never start a line of its own.
class TFilterWriter {
 public:
  void Text(const std::string& key, const std::string& value);
  void Integer(const std::string& key, int32_t value);
  void Flag(const std::string& key, bool value) { Integer(key, value ? 1 : 0); }

  const std::string& Joined() const { return FText; }

 private:
  void Line(const std::string& key, const std::string& value);
  std::string FText;
};
