#include "runtime/TextScramble.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace {

// Eight bytes at a time, in the order of the bytes in memory.
constexpr bool kWordWise = std::endian::native == std::endian::little;
constexpr size_t kWord = sizeof(uint64_t);

// Sixteen bytes, for a walk that only xors byte with byte.
using TBlock = uint8_t __attribute__((vector_size(16)));

template <class T>
T Load(const char* at) {
  T value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

template <class T>
void Store(char* at, T value) {
  std::memcpy(at, &value, sizeof value);
}

// Undoes the chain from end down, a T at a time while a whole T lies above
// the first byte: each byte becomes its xor with the scrambled byte before
// it. Gives where it stopped.
template <class T>
size_t UnchainDown(char* bytes, size_t end) {
  for (; end >= sizeof(T) + 1; end -= sizeof(T))
    Store(bytes + end - sizeof(T), Load<T>(bytes + end - sizeof(T)) ^ Load<T>(bytes + end - sizeof(T) - 1));
  return end;
}

}  // namespace

std::string ScrambleText(std::string text) {
  ScrambleInto(text, text.data());
  return text;
}

void ScrambleInto(std::string_view text, char* output) {
  if (text.empty()) return;
  // Each byte of text is read before the same byte of output is written.
  output[0] = static_cast<char>(static_cast<unsigned char>(text[0]) ^ (text.size() & 0xFF));
  size_t i = 1;
  if constexpr (kWordWise) {
    // Within a word each byte becomes the xor of the bytes up to it; then the
    // chain so far, the byte before the word in every byte, joins them. The
    // chain is carried in a register, not read back from the output just
    // written: the next word's chain is this one's, xor the top byte of this
    // word's own xors, so one xor a word waits on the word before.
    constexpr uint64_t kEveryByte = 0x0101010101010101ull;
    uint64_t chain = static_cast<unsigned char>(output[0]) * kEveryByte;
    for (; i + kWord <= text.size(); i += kWord) {
      uint64_t word = Load<uint64_t>(text.data() + i);
      word ^= word << 8;
      word ^= word << 16;
      word ^= word << 32;
      Store(output + i, word ^ chain);
      chain ^= (word >> 56) * kEveryByte;
    }
  }
  for (; i < text.size(); ++i) output[i] = static_cast<char>(output[i - 1] ^ text[i]);
}

std::string UnscrambleText(std::string text) {
  if (text.empty()) return text;
  // From the end down, so that the scrambled byte before is still there:
  // sixteen bytes at a time while as many lie above the first byte, then a
  // word at a time. A filter's text is a kilobyte or two: the walk's cost
  // is its count of loads and stores.
  char* const bytes = text.data();
  size_t end = UnchainDown<TBlock>(bytes, text.size());
  if constexpr (kWordWise) end = UnchainDown<uint64_t>(bytes, end);
  for (size_t i = end - 1; i >= 1; --i) bytes[i] = static_cast<char>(bytes[i] ^ bytes[i - 1]);
  text[0] = static_cast<char>(static_cast<unsigned char>(text[0]) ^ (text.size() & 0xFF));
  return text;
}
