// A growable list of values kept in chunks of about a kilobyte. Past its
// first chunk, appending never moves what is already held, so a long list
// never needs its old and new storage at once, as a doubling array does
// when it grows: its memory stays within a chunk of what its values take.
// With TFirstChunk::Small the first chunk starts small and grows fourfold
// up to full size (or starts at the size reserve asks for), so that many
// short lists stay small too, and an element's address is stable once that
// chunk has reached full size; with TFirstChunk::Full an element never
// moves. A list holds fewer than 2^32
// values, so that an empty one costs little more than its chunk table.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

enum class TFirstChunk { Small, Full };

template <typename T, TFirstChunk First = TFirstChunk::Small>
class TChunkedList {
 public:
  static constexpr size_t kChunkLength = std::bit_floor(std::max<size_t>(1, 1024 / sizeof(T)));
  static constexpr size_t kFirstLength =
      First == TFirstChunk::Small ? std::min<size_t>(2, kChunkLength) : kChunkLength;

  TChunkedList() = default;
  TChunkedList(const TChunkedList& other) {
    FChunks.reserve(other.FChunks.size());
    for (size_t at = 0; at < other.FSize; at += kChunkLength) {
      // Only the first chunk may be shorter than full.
      const size_t count = std::min(kChunkLength, other.FSize - at);
      const size_t length = at == 0 ? std::max(count, kFirstLength) : kChunkLength;
      FChunks.push_back(NewChunk(length));
      const T* from = other.FChunks[at / kChunkLength].get();
      std::copy(from, from + count, FChunks.back().get());
      FCapacity += static_cast<uint32_t>(length);
    }
    FSize = other.FSize;
  }
  TChunkedList& operator=(const TChunkedList& other) {
    if (this != &other) *this = TChunkedList(other);
    return *this;
  }
  TChunkedList(TChunkedList&& other) noexcept
      : FChunks(std::move(other.FChunks)),
        FSize(std::exchange(other.FSize, 0)),
        FCapacity(std::exchange(other.FCapacity, 0)) {}
  TChunkedList& operator=(TChunkedList&& other) noexcept {
    FChunks = std::move(other.FChunks);
    FSize = std::exchange(other.FSize, 0);
    FCapacity = std::exchange(other.FCapacity, 0);
    return *this;
  }

  size_t size() const { return FSize; }
  bool empty() const { return FSize == 0; }
  T& operator[](size_t index) { return FChunks[index / kChunkLength][index % kChunkLength]; }
  const T& operator[](size_t index) const { return FChunks[index / kChunkLength][index % kChunkLength]; }
  T& back() { return (*this)[FSize - 1]; }
  const T& back() const { return (*this)[FSize - 1]; }

  T& push_back(T value) {
    if (FSize == UINT32_MAX) throw std::length_error("list too long");
    if (FSize == FCapacity) Grow();
    T& slot = (*this)[FSize];
    slot = std::move(value);
    ++FSize;
    return slot;
  }
  // Room for this many values in the first chunk, at most a full chunk, so
  // that a list whose length is known roughly grows without moving.
  void reserve(size_t count) {
    if (!FChunks.empty() || count <= kFirstLength) return;
    const size_t length = std::min(count, kChunkLength);
    FChunks.push_back(NewChunk(length));
    FCapacity = static_cast<uint32_t>(length);
  }
  void clear() {
    FChunks.clear();
    FSize = 0;
    FCapacity = 0;
  }

 private:
  static std::unique_ptr<T[]> NewChunk(size_t length) { return std::make_unique_for_overwrite<T[]>(length); }

  void Grow() {
    if (FCapacity >= kChunkLength || FChunks.empty()) {
      const size_t length = FChunks.empty() ? kFirstLength : kChunkLength;
      FChunks.push_back(NewChunk(length));
      FCapacity += static_cast<uint32_t>(length);
      return;
    }
    const size_t length = std::min<size_t>(4 * FCapacity, kChunkLength);
    auto bigger = NewChunk(length);
    std::move(FChunks[0].get(), FChunks[0].get() + FSize, bigger.get());
    FChunks[0] = std::move(bigger);
    FCapacity = static_cast<uint32_t>(length);
  }

  std::vector<std::unique_ptr<T[]>> FChunks;
  uint32_t FSize = 0;
  uint32_t FCapacity = 0;  // what the chunks hold
};
