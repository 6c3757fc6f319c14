// A growable list of values kept in chunks of about a kilobyte. Past its
// first chunk, appending never moves what is already held, so a long list
// never needs its old and new storage at once, as a doubling array does
// when it grows: its memory stays within a chunk of what its values take.
// With TFirstChunk::Small the first chunk starts small, at what the
// allocator's smallest block holds (at least two values), and grows fourfold
// up to full size (or starts at the size reserve asks for), so that many
// short lists stay small too, and an element's address is stable once that
// chunk has reached full size; with TFirstChunk::Full an element never
// moves. The first chunk is held apart from the table of the others, so a
// list of one chunk is one heap block: the allocator spends a header and
// rounding on every block, which for a list of a few values costs more
// than the values. A list holds fewer than 2^32 values, so that an empty
// one costs three words.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <stdexcept>
#include <type_traits>
#include <utility>

enum class TFirstChunk { Small, Full };

template <typename T, TFirstChunk First = TFirstChunk::Small>
class TChunkedList {
 public:
  // The bytes the allocator gives for the smallest request: asking for
  // fewer saves nothing.
  static constexpr size_t kSmallestBlock = 24;
  static constexpr size_t kChunkLength = std::bit_floor(std::max<size_t>(1, 1024 / sizeof(T)));
  static constexpr size_t kFirstLength =
      First == TFirstChunk::Small ? std::min(std::max<size_t>(2, kSmallestBlock / sizeof(T)), kChunkLength)
                                  : kChunkLength;

  TChunkedList() = default;
  TChunkedList(const TChunkedList& other) {
    if (other.FSize == 0) return;
    // Only the first chunk may be shorter than full.
    AddChunk(std::max(std::min(kChunkLength, size_t{other.FSize}), kFirstLength));
    try {
      for (size_t at = 0; at < other.FSize; at += kChunkLength) {
        if (at > 0) AddChunk(kChunkLength);
        const size_t count = std::min(kChunkLength, other.FSize - at);
        std::uninitialized_copy_n(other.Chunk(at / kChunkLength), count, Chunk(at / kChunkLength));
        FSize += static_cast<uint32_t>(count);
      }
    } catch (...) {
      clear();
      throw;
    }
  }
  TChunkedList& operator=(const TChunkedList& other) {
    if (this != &other) *this = TChunkedList(other);
    return *this;
  }
  TChunkedList(TChunkedList&& other) noexcept
      : FFirst(std::move(other.FFirst)),
        FRest(std::move(other.FRest)),
        FSize(std::exchange(other.FSize, 0)),
        FCapacity(std::exchange(other.FCapacity, 0)) {}
  TChunkedList& operator=(TChunkedList&& other) noexcept {
    if (this == &other) return *this;
    clear();
    FFirst = std::move(other.FFirst);
    FRest = std::move(other.FRest);
    FSize = std::exchange(other.FSize, 0);
    FCapacity = std::exchange(other.FCapacity, 0);
    return *this;
  }
  ~TChunkedList() { DestroyValues(); }

  size_t size() const { return FSize; }
  bool empty() const { return FSize == 0; }
  T& operator[](size_t index) { return Chunk(index / kChunkLength)[index % kChunkLength]; }
  const T& operator[](size_t index) const { return Chunk(index / kChunkLength)[index % kChunkLength]; }
  T& back() { return (*this)[FSize - 1]; }
  const T& back() const { return (*this)[FSize - 1]; }

  // Calls visit with the first `count` values (all, when fewer) a chunk at
  // a time, as spans in order, so that a walk finds each value's place once
  // a chunk and not once a value.
  template <class Visit>
  void ForEachSpan(size_t count, Visit&& visit) const {
    const size_t end = std::min(count, size_t{FSize});
    for (size_t at = 0; at < end; at += kChunkLength)
      visit(std::span<const T>(Chunk(at / kChunkLength), std::min(kChunkLength, end - at)));
  }

  T& push_back(const T& value) { return Append(value); }
  T& push_back(T&& value) { return Append(std::move(value)); }
  // Room for this many values in the first chunk, at most a full chunk, so
  // that a list whose length is known roughly grows without moving.
  void reserve(size_t count) {
    if (FFirst || count <= kFirstLength) return;
    AddChunk(std::min(count, kChunkLength));
  }
  void clear() {
    DestroyValues();
    FFirst.reset();
    FRest.reset();
    FSize = 0;
    FCapacity = 0;
  }

 private:
  template <typename Value>
  T& Append(Value&& value) {
    // Only a full list can be too long: the capacity is a 32-bit count too.
    if (FSize == FCapacity) {
      if (FSize == UINT32_MAX) throw std::length_error("list too long");
      Grow();
    }
    T* const slot = &(*this)[FSize];
    std::construct_at(slot, std::forward<Value>(value));
    ++FSize;
    return *slot;
  }

  // A chunk is storage for values, each made only when it is appended: a
  // chunk of values that cost to make (strings, say) costs nothing for its
  // slots not yet taken.
  struct TFreeChunk {
    void operator()(T* chunk) const { ::operator delete(static_cast<void*>(chunk)); }
  };
  using TChunk = std::unique_ptr<T[], TFreeChunk>;
  static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);

  static TChunk NewChunk(size_t length) { return TChunk(static_cast<T*>(::operator new(length * sizeof(T)))); }

  void DestroyValues() {
    if constexpr (!std::is_trivially_destructible_v<T>)
      for (size_t at = 0; at < FSize; at += kChunkLength)
        std::destroy_n(Chunk(at / kChunkLength), std::min(kChunkLength, FSize - at));
  }

  T* Chunk(size_t number) const { return number == 0 ? FFirst.get() : FRest[number - 1].get(); }
  // Chunks past the first: every one is full length.
  size_t RestCount() const { return FCapacity <= kChunkLength ? 0 : FCapacity / kChunkLength - 1; }

  // Appends a chunk of the given length: the first, or a full one after it.
  // The table of the others doubles when full, so it is at most twice as
  // long as they are many, a pointer per kilobyte.
  void AddChunk(size_t length) {
    if (!FFirst) {
      FFirst = NewChunk(length);
    } else {
      const size_t rest = RestCount();
      if (rest == 0 || std::has_single_bit(rest)) {
        auto table = std::make_unique<TChunk[]>(rest == 0 ? 1 : 2 * rest);
        std::move(FRest.get(), FRest.get() + rest, table.get());
        FRest = std::move(table);
      }
      FRest[rest] = NewChunk(length);
    }
    FCapacity += static_cast<uint32_t>(length);
  }

  void Grow() {
    if (!FFirst || FCapacity >= kChunkLength) {
      AddChunk(FFirst ? kChunkLength : kFirstLength);
      return;
    }
    const size_t length = std::min<size_t>(4 * FCapacity, kChunkLength);
    auto bigger = NewChunk(length);
    std::uninitialized_move_n(FFirst.get(), FSize, bigger.get());
    std::destroy_n(FFirst.get(), FSize);
    FFirst = std::move(bigger);
    FCapacity = static_cast<uint32_t>(length);
  }

  TChunk FFirst;
  std::unique_ptr<TChunk[]> FRest;
  uint32_t FSize = 0;
  uint32_t FCapacity = 0;  // what the chunks hold
};
