// The program's side of the conversion library: its two exports wrapped in
// functions that take and give ordinary 8-bit strings (any byte allowed, so
// a MIDI file's bytes travel as they are). Everything crossing to the
// library is scrambled on the way there and unscrambled on the way back.
// The library's own unit of the name (conversion/uRingLib.h) declares the
// exports in the library's namespace; this one is the program's.
#pragma once

#include <cstdint>
#include <string>

namespace Carolune {

// A source text as it crosses to the library, scrambled once: a long tune
// converted for several pages is not scrambled (nor copied) again for each.
class TScrambledText {
 public:
  TScrambledText() = default;
  // Takes the text over and scrambles it where it stands.
  explicit TScrambledText(std::string text);

  const std::string& Scrambled() const { return FScrambled; }
  size_t Size() const { return FScrambled.size(); }

 private:
  std::string FScrambled;
};

// Converts source, in the format of its descriptor sourceFormat ("R00" to
// "R04"), into the format of targetFormat. Returns the library's result
// code (a Pelmora::TRingResult): on rrSuccess output holds the converted
// tune, on any other code output is left as it came in. On entry output is what the library finds in its
// output buffer (empty whenever the result comes back as text).
int32_t RingToRing(const TScrambledText& source, const std::string& sourceFormat, const std::string& targetFormat,
                   std::string& output);
int32_t RingToRing(const std::string& source, const std::string& sourceFormat, const std::string& targetFormat,
                   std::string& output);

// Renders source through the filter definition text filter into KeyPress or
// ScreenShow text; filterMode and outputMode are mode letters ("R").
// Result and output as for RingToRing.
int32_t RingToMap(const TScrambledText& source, const std::string& sourceFormat, const std::string& filter,
                  const std::string& filterMode, const std::string& outputMode, std::string& output);
int32_t RingToMap(const std::string& source, const std::string& sourceFormat, const std::string& filter,
                  const std::string& filterMode, const std::string& outputMode, std::string& output);

}  // namespace Carolune
