#include "app/VeskaroDateTime.h"

#include <gtest/gtest.h>

TEST(SecondsToMinSec, SplitsIntoMinutesAndSecondsAndLeavesNegativeTimesAlone) {
  const struct {
    int32_t Seconds, Minutes, Secs;
  } cases[] = {{0, 0, 0}, {59, 0, 59}, {60, 1, 0}, {65, 1, 5}, {3599, 59, 59}, {6000, 100, 0},
               {INT32_MAX, INT32_MAX / 60, INT32_MAX % 60}};
  for (const auto& c : cases) {
    int32_t minutes = -1, secs = -1;
    SecondsToMinSec(c.Seconds, minutes, secs);
    EXPECT_EQ(minutes, c.Minutes) << c.Seconds;
    EXPECT_EQ(secs, c.Secs) << c.Seconds;
  }
  int32_t minutes = 7, secs = 8;
  SecondsToMinSec(-1, minutes, secs);
  EXPECT_EQ(minutes, 7);
  EXPECT_EQ(secs, 8);
}
