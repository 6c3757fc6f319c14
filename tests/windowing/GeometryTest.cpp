// Rectangle arithmetic at the ends of int: sizes from theme files and
// descriptions are held, never wrapped (the sanitizers stop on a wrap).
#include "windowing/Geometry.h"

#include <gtest/gtest.h>

#include <limits>

#include "windowing/Form.h"

namespace {
constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
}  // namespace

TEST(Geometry, SumsBeyondIntAreHeldToItsEnds) {
  EXPECT_EQ(Bounds(kMax - 5, kMin, 10, -10), Rect(kMax - 5, kMin, kMax, kMin));
  EXPECT_EQ(Rect(kMin, kMin, kMax, kMax).Width(), kMax);
  EXPECT_EQ(Rect(kMax, kMax, kMin, kMin).Height(), kMin);
  EXPECT_EQ(Rect(0, 0, 10, 10).Offset(kMax, kMin), Rect(kMax, kMin, kMax, kMin + 10));
  EXPECT_EQ(Rect(0, 0, 10, 10).Inflate(kMax, kMin), Rect(-kMax, kMax, kMax, kMin + 10));
  EXPECT_EQ(Bounds(3, 4, 5, 6), Rect(3, 4, 8, 10));
  EXPECT_EQ(ClampToInt(int64_t{kMax} + 1), kMax);
}

TEST(Geometry, AControlTakesAtMostWhatAWidgetCan) {
  TForm form(nullptr);
  form.SetBounds(kMax, kMin, kMax, kMax);
  EXPECT_EQ(form.Left(), QWIDGETSIZE_MAX);
  EXPECT_EQ(form.Top(), -QWIDGETSIZE_MAX);
  EXPECT_EQ(form.Width(), QWIDGETSIZE_MAX);
  form.SetBounds(10, 20, 300, 200);
  EXPECT_EQ(form.BoundsRect(), Bounds(10, 20, 300, 200));
}
