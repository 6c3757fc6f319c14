#include "TextScramble.h"

std::string ScrambleText(const std::string& text) {
  std::string result = text;
  if (result.empty()) return result;
  result[0] = static_cast<char>(static_cast<unsigned char>(result[0]) ^ (result.size() & 0xFF));
  for (size_t i = 1; i < result.size(); ++i) result[i] = static_cast<char>(result[i - 1] ^ result[i]);
  return result;
}

std::string UnscrambleText(const std::string& text) {
  std::string result = text;
  if (result.empty()) return result;
  for (size_t i = result.size() - 1; i >= 1; --i) result[i] = static_cast<char>(text[i] ^ text[i - 1]);
  result[0] = static_cast<char>(static_cast<unsigned char>(text[0]) ^ (text.size() & 0xFF));
  return result;
}
