#include "runtime/IndexList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Read one by one and walked, whole and in part.
bool Holds(const TIndexList& list, const std::vector<uint32_t>& values) {
  if (list.size() != values.size()) return false;
  for (size_t i = 0; i < values.size(); ++i)
    if (list[i] != values[i]) return false;
  for (const size_t count : {values.size() / 2, values.size(), values.size() + 1}) {
    std::vector<uint32_t> walked;
    list.ForEach(count, [&walked](uint32_t index) { walked.push_back(index); });
    if (walked != std::vector<uint32_t>(values.begin(), values.begin() + std::min(count, values.size()))) return false;
  }
  return true;
}

}  // namespace

// A list keeps every index it was given while it widens from one byte to
// two and to four, by an added index or by one set in place, and a cleared
// list starts narrow again.
TEST(IndexList, WideningKeepsEveryIndex) {
  TIndexList list;
  std::vector<uint32_t> values;
  for (uint32_t i = 0; i < 3000; ++i) values.push_back(i % 256);
  for (const uint32_t value : values) list.push_back(value);
  ASSERT_TRUE(Holds(list, values));

  list.set(1234, 256);  // two bytes
  values[1234] = 256;
  EXPECT_TRUE(Holds(list, values));
  for (const uint32_t value : {65535u, 65536u, UINT32_MAX, 7u}) {
    list.push_back(value);
    values.push_back(value);
    ASSERT_TRUE(Holds(list, values)) << value;
  }
  list.set(0, 0x12345678);
  values[0] = 0x12345678;
  EXPECT_TRUE(Holds(list, values));

  list.clear();
  EXPECT_TRUE(list.empty());
  list.push_back(300);
  list.push_back(5);
  EXPECT_TRUE(Holds(list, {300, 5}));
}
