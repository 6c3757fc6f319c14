#include "runtime/ChunkedList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

template <class TList>
void Fill(TList& list, int count) {
  for (int i = 0; i < count; ++i) list.push_back(i);
}

template <class TList>
bool Holds(const TList& list, int count) {
  if (list.size() != static_cast<size_t>(count)) return false;
  for (int i = 0; i < count; ++i)
    if (list[static_cast<size_t>(i)] != i) return false;
  return true;
}

}  // namespace

// Values keep their order across chunks, and a copy (of a short list, of a
// long one ending in a part-filled chunk, of a copy) grows on by itself.
TEST(ChunkedList, CopiesGrowOnIndependently) {
  constexpr int kChunk = static_cast<int>(TChunkedList<int>::kChunkLength);
  for (const int count : {0, 1, 3, kChunk - 1, kChunk, kChunk + 1, 3 * kChunk + 5}) {
    TChunkedList<int> list;
    Fill(list, count);
    ASSERT_TRUE(Holds(list, count)) << count;
    TChunkedList<int> copy = list;
    TChunkedList<int> copyOfCopy;
    copyOfCopy = copy;
    for (TChunkedList<int>* grown : {&copy, &copyOfCopy}) {
      for (int i = count; i < count + 2 * kChunk; ++i) grown->push_back(i);
      EXPECT_TRUE(Holds(*grown, count + 2 * kChunk)) << count;
    }
    EXPECT_TRUE(Holds(list, count)) << count;
    const TChunkedList<int> moved = std::move(list);
    EXPECT_TRUE(Holds(moved, count));
    EXPECT_TRUE(list.empty());
  }
}

// Reserving sizes the first chunk; growing from there keeps every value.
TEST(ChunkedList, ReservedListsGrowOn) {
  for (const size_t reserved : {0u, 3u, 100u, 100000u}) {
    TChunkedList<int> list;
    list.reserve(reserved);
    Fill(list, 700);
    EXPECT_TRUE(Holds(list, 700)) << reserved;
    list.clear();
    EXPECT_TRUE(list.empty());
    Fill(list, 5);
    EXPECT_TRUE(Holds(list, 5));
  }
}

// In a list whose first chunk is full from the start, a value never moves,
// however often the table of chunks grows.
TEST(ChunkedList, FullFirstChunksKeepEveryAddress) {
  TChunkedList<std::string, TFirstChunk::Full> list;
  std::vector<const std::string*> addresses;
  for (int i = 0; i < 1000; ++i) addresses.push_back(&list.push_back(std::to_string(i)));
  for (size_t i = 0; i < addresses.size(); ++i) {
    ASSERT_EQ(&list[i], addresses[i]) << i;
    EXPECT_EQ(*addresses[i], std::to_string(i));
  }
}

// Values that own memory are made once each as they are appended and freed
// once each, through the growing first chunk, copies, moves over a list
// holding values, and clearing: each string is long enough to own a heap
// block, so a value lost, copied over or freed twice shows.
TEST(ChunkedList, ValuesThatOwnMemoryAreMadeAndFreedOnce) {
  const auto value = [](size_t i) { return std::string(40, 'v') + std::to_string(i); };
  const auto holds = [&value](const TChunkedList<std::string>& list, size_t count) {
    if (list.size() != count) return false;
    for (size_t i = 0; i < count; ++i)
      if (list[i] != value(i)) return false;
    return true;
  };
  constexpr size_t kChunk = TChunkedList<std::string>::kChunkLength;
  for (const size_t count : {size_t{1}, size_t{2}, size_t{5}, kChunk, kChunk + 1, 3 * kChunk + 2}) {
    TChunkedList<std::string> list;
    for (size_t i = 0; i < count; ++i) list.push_back(value(i));
    TChunkedList<std::string> copy = list;
    copy.push_back(value(count));
    TChunkedList<std::string> moved = std::move(list);
    list = copy;
    moved = std::move(copy);
    EXPECT_TRUE(holds(list, count + 1)) << count;
    EXPECT_TRUE(holds(moved, count + 1)) << count;
    EXPECT_TRUE(copy.empty());
    list.clear();
    list.push_back(value(0));
    EXPECT_TRUE(holds(list, 1)) << count;
  }
}
