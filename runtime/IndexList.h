// A list of indexes into a table, each kept in the fewest bytes (one, two or
// four) that hold the largest index put in so far. A tune of millions of
// tones picks among a few dozen distinct ones, so its order costs a byte a
// tone instead of four; a list that meets a larger index is widened once,
// in time linear in its length.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>

#include "runtime/ChunkedList.h"

class TIndexList {
 public:
  size_t size() const { return FWidth == 1 ? FBytes.size() : FWidth == 2 ? FWords.size() : FLongs.size(); }
  bool empty() const { return size() == 0; }

  // Bytes come first, inline: nearly every list stays a byte wide.
  uint32_t operator[](size_t position) const {
    if (FWidth == 1) return FBytes[position];
    return FWidth == 2 ? FWords[position] : FLongs[position];
  }
  void push_back(uint32_t index) {
    if (FWidth == 1 && index <= kByteMax)
      FBytes.push_back(static_cast<uint8_t>(index));
    else
      PushBackWide(index);
  }
  void set(size_t position, uint32_t index) {
    if (FWidth == 1 && index <= kByteMax)
      FBytes[position] = static_cast<uint8_t>(index);
    else
      SetWide(position, index);
  }
  void clear();

  // Calls visit with each of the first `count` indexes (all, when fewer) in
  // order, deciding the width once for the walk.
  template <class Visit>
  void ForEach(size_t count, Visit&& visit) const {
    if (FWidth == 1)
      ForEachIn(FBytes, count, visit);
    else if (FWidth == 2)
      ForEachIn(FWords, count, visit);
    else
      ForEachIn(FLongs, count, visit);
  }

 private:
  static constexpr uint32_t kByteMax = std::numeric_limits<uint8_t>::max();

  void PushBackWide(uint32_t index);
  void SetWide(size_t position, uint32_t index);
  template <typename T, class Visit>
  static void ForEachIn(const TChunkedList<T>& list, size_t count, Visit& visit) {
    list.ForEachSpan(count, [&visit](std::span<const T> indexes) {
      for (const T index : indexes) visit(uint32_t{index});
    });
  }
  // Widens the list until the index fits, a step at a time.
  void Fit(uint32_t index);

  // Only the list of the current width holds anything.
  TChunkedList<uint8_t> FBytes;
  TChunkedList<uint16_t> FWords;
  TChunkedList<uint32_t> FLongs;
  uint8_t FWidth = 1;
};
