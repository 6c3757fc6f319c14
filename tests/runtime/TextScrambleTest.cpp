#include "runtime/TextScramble.h"

#include <gtest/gtest.h>

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
