#include "TextScramble.h"

std::string ScrambleText(const std::string& text) {
  std::string result(text.size(), '\0');
  ScrambleInto(text, result.data());
  return result;
}

void ScrambleInto(std::string_view text, char* output) {
  if (text.empty()) return;
  output[0] = static_cast<char>(static_cast<unsigned char>(text[0]) ^ (text.size() & 0xFF));
  for (size_t i = 1; i < text.size(); ++i) output[i] = static_cast<char>(output[i - 1] ^ text[i]);
}

std::string UnscrambleText(const std::string& text) {
  std::string result = text;
  if (result.empty()) return result;
  for (size_t i = result.size() - 1; i >= 1; --i) result[i] = static_cast<char>(text[i] ^ text[i - 1]);
  result[0] = static_cast<char>(static_cast<unsigned char>(text[0]) ^ (text.size() & 0xFF));
  return result;
}
