#include <gtest/gtest.h>
TEST(SkinSmoke, Builds) { SUCCEED(); }
