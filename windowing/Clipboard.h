// The clipboard as the class library offers it: whether it holds a format
// and its plain text, in the locale's 8-bit encoding.
#pragma once

#include <string>

// The platform's plain-text format.
constexpr unsigned CF_TEXT = 1;

class TClipboard {
 public:
  // CF_TEXT: the clipboard holds text (an empty text counts); other formats: false.
  bool HasFormat(unsigned format) const;
  std::string AsText() const;
  void SetAsText(const std::string& text);
};

// The one clipboard object.
TClipboard& Clipboard();
