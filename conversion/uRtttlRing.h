// RTTTL, the one-line ringtone text "name:d=4,o=5,b=125:8c#6.,p,h".
#pragma once

#include <string>

#include "conversion/uRingFile.h"

class TRtttlRing : public TRingFile {
 public:
  // The name, the defaults d, o and b, then one entry per tone; style,
  // volume and composer are not written, and neither is a line end.
  std::string GetText() override;
  // Reads as far as the text parses; an integer beyond 32 bits raises
  // EConvertError.
  void LoadFromStream(TStream& stream) override;
};
