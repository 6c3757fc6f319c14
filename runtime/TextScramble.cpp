#include "runtime/TextScramble.h"

std::string ScrambleText(std::string text) {
  ScrambleInto(text, text.data());
  return text;
}

void ScrambleInto(std::string_view text, char* output) {
  if (text.empty()) return;
  // Each byte of text is read before the same byte of output is written.
  output[0] = static_cast<char>(static_cast<unsigned char>(text[0]) ^ (text.size() & 0xFF));
  for (size_t i = 1; i < text.size(); ++i) output[i] = static_cast<char>(output[i - 1] ^ text[i]);
}

std::string UnscrambleText(std::string text) {
  if (text.empty()) return text;
  // From the end down, so that the scrambled byte before is still there.
  for (size_t i = text.size() - 1; i >= 1; --i) text[i] = static_cast<char>(text[i] ^ text[i - 1]);
  text[0] = static_cast<char>(static_cast<unsigned char>(text[0]) ^ (text.size() & 0xFF));
  return text;
}
