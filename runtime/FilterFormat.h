// The filter file format, shared by every reader and writer of filters (the
// filter editor, the conversion library and the filter catalogue): Name=Value
// lines read with TStringList's rules (lines end at CR LF, CR or LF, a zero
// byte ends the text, names match without regard to case, the first matching
// line wins, a missing key reads as empty text), integers and flags converted
// from those values, and the writer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

// 0 ScreenShow, 1 KeyPress, 2 for anything else (empty, not a number,
// another number). Never raises.
uint8_t FilterTypeOf(std::string_view value);
// The catalogue's reading of a filter's type from its lines.
uint8_t ReadFilterType(const TStringList& lines);

// Builds a filter file's text: one Name=Value line per call, each ending in
// CR LF. An empty text writes no line; CR, LF and zero bytes inside a text are
// written as blanks, so that a value can never start a line of its own.
class TFilterWriter {
 public:
  void Text(std::string_view key, const std::string& value);
  void Integer(std::string_view key, int32_t value);
  void Flag(std::string_view key, bool value) { Integer(key, value ? 1 : 0); }

  const std::string& Joined() const { return FText; }

 private:
  void Line(std::string_view key, const std::string& value);
  std::string FText;
};
