// A list of indexes into a table, each kept in the fewest bytes (one, two or
// four) that hold the largest index put in so far. A tune of millions of
// tones picks among a few dozen distinct ones, so its order costs a byte a
// tone instead of four; a list that meets a larger index is widened once,
// in time linear in its length.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <utility>

#include "runtime/ChunkedList.h"

class TIndexList {
  template <typename TList>
  using ValueOf = std::remove_reference_t<decltype(std::declval<TList>()[0])>;

  // Calls the action with the list of the current width, the only one that
  // holds anything.
  template <typename TSelf, typename TAction>
  static decltype(auto) Visit(TSelf& self, TAction&& action) {
    switch (self.FWidth) {
      case 1: return action(self.FBytes);
      case 2: return action(self.FWords);
      default: return action(self.FLongs);
    }
  }

 public:
  size_t size() const {
    return Visit(*this, [](const auto& list) { return list.size(); });
  }
  bool empty() const { return size() == 0; }
  uint32_t operator[](size_t position) const {
    return Visit(*this, [position](const auto& list) -> uint32_t { return list[position]; });
  }

  void push_back(uint32_t index) {
    Fit(index);
    Visit(*this, [index](auto& list) { list.push_back(static_cast<ValueOf<decltype(list)>>(index)); });
  }
  void set(size_t position, uint32_t index) {
    Fit(index);
    Visit(*this, [position, index](auto& list) { list[position] = static_cast<ValueOf<decltype(list)>>(index); });
  }
  void clear() {
    FBytes.clear();
    FWords.clear();
    FLongs.clear();
    FWidth = 1;
  }

 private:
  // Widens the list until the index fits, a step at a time.
  void Fit(uint32_t index) {
    if (FWidth == 1 && index > std::numeric_limits<uint8_t>::max()) Widen(FBytes, FWords, 2);
    if (FWidth == 2 && index > std::numeric_limits<uint16_t>::max()) Widen(FWords, FLongs, 4);
  }
  template <typename TNarrow, typename TWide>
  void Widen(TChunkedList<TNarrow>& from, TChunkedList<TWide>& to, uint8_t width) {
    to.reserve(from.size());
    for (size_t i = 0; i < from.size(); ++i) to.push_back(from[i]);
    from.clear();
    FWidth = width;
  }

  TChunkedList<uint8_t> FBytes;
  TChunkedList<uint16_t> FWords;
  TChunkedList<uint32_t> FLongs;
  uint8_t FWidth = 1;
};
