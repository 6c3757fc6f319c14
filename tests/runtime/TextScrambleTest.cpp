#include "runtime/TextScramble.h"

#include <gtest/gtest.h>

#include <random>

TEST(TextScramble, ChainsEachByteWithTheOneBefore) {
  EXPECT_EQ(ScrambleText("abc"), std::string("\x62\x00\x63", 3));
  EXPECT_EQ(UnscrambleText(std::string("\x62\x00\x63", 3)), "abc");
  EXPECT_EQ(ScrambleText(""), "");
  EXPECT_EQ(UnscrambleText(""), "");
  // The seed is the length mod 256: 256 bytes start with the plain byte.
  const std::string long_text(256, 'x');
  EXPECT_EQ(ScrambleText(long_text)[0], 'x');
  std::string all;
  for (int i = 0; i < 1000; ++i) all += static_cast<char>(i * 7);
  EXPECT_EQ(UnscrambleText(ScrambleText(all)), all);
}

// Every length, short and past a few words, in place or into another
// buffer, gives the chain byte for byte.
TEST(TextScramble, EveryLengthGivesTheChainByteForByte) {
  std::mt19937 random(5);
  for (size_t length = 0; length <= 70; ++length) {
    std::string text(length, '\0');
    for (char& c : text) c = static_cast<char>(random());
    std::string chain = text;
    for (size_t i = 0; i < length; ++i)
      chain[i] = static_cast<char>((i == 0 ? static_cast<unsigned char>(length & 0xFF) : chain[i - 1]) ^ text[i]);
    EXPECT_EQ(ScrambleText(text), chain) << length;
    std::string into(length + 1, '*');
    ScrambleInto(text, into.data());
    EXPECT_EQ(into, chain + '*') << length;
    EXPECT_EQ(UnscrambleText(chain), text) << length;
  }
}
