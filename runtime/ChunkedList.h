// A growable list of values kept in chunks of about a kilobyte. Appending
// never moves what is already held, so an element's address stays valid
// until the list is cleared, and a long list never needs its old and new
// storage at once, as a doubling array does when it grows: its memory stays
// within a chunk of what its values take.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

template <typename T>
class TChunkedList {
 public:
  static constexpr size_t kChunkLength = std::bit_floor(std::max<size_t>(1, 1024 / sizeof(T)));

  TChunkedList() = default;
  TChunkedList(const TChunkedList& other) {
    FChunks.reserve(other.FChunks.size());
    for (size_t at = 0; at < other.FSize; at += kChunkLength) {
      auto& chunk = NewChunk();
      const T* from = other.FChunks[at / kChunkLength].get();
      std::copy(from, from + std::min(kChunkLength, other.FSize - at), chunk.get());
    }
    FSize = other.FSize;
  }
  TChunkedList& operator=(const TChunkedList& other) {
    if (this != &other) *this = TChunkedList(other);
    return *this;
  }
  TChunkedList(TChunkedList&& other) noexcept
      : FChunks(std::move(other.FChunks)), FSize(std::exchange(other.FSize, 0)) {}
  TChunkedList& operator=(TChunkedList&& other) noexcept {
    FChunks = std::move(other.FChunks);
    FSize = std::exchange(other.FSize, 0);
    return *this;
  }

  size_t size() const { return FSize; }
  bool empty() const { return FSize == 0; }
  T& operator[](size_t index) { return FChunks[index / kChunkLength][index % kChunkLength]; }
  const T& operator[](size_t index) const { return FChunks[index / kChunkLength][index % kChunkLength]; }
  T& back() { return (*this)[FSize - 1]; }

  T& push_back(const T& value) {
    if (FSize == FChunks.size() * kChunkLength) NewChunk();
    T& slot = (*this)[FSize];
    slot = value;
    ++FSize;
    return slot;
  }
  void clear() {
    FChunks.clear();
    FSize = 0;
  }

 private:
  std::unique_ptr<T[]>& NewChunk() {
    FChunks.push_back(std::make_unique_for_overwrite<T[]>(kChunkLength));
    return FChunks.back();
  }

  std::vector<std::unique_ptr<T[]>> FChunks;
  size_t FSize = 0;
};
