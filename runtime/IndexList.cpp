#include "runtime/IndexList.h"

namespace {

template <typename TNarrow, typename TWide>
void MoveAll(TChunkedList<TNarrow>& from, TChunkedList<TWide>& to) {
  to.reserve(from.size());
  for (size_t i = 0; i < from.size(); ++i) to.push_back(from[i]);
  from.clear();
}

}  // namespace

void TIndexList::clear() {
  FBytes.clear();
  FWords.clear();
  FLongs.clear();
  FWidth = 1;
}

void TIndexList::Fit(uint32_t index) {
  if (FWidth == 1 && index > kByteMax) {
    MoveAll(FBytes, FWords);
    FWidth = 2;
  }
  if (FWidth == 2 && index > std::numeric_limits<uint16_t>::max()) {
    MoveAll(FWords, FLongs);
    FWidth = 4;
  }
}

void TIndexList::PushBackWide(uint32_t index) {
  Fit(index);
  if (FWidth == 2)
    FWords.push_back(static_cast<uint16_t>(index));
  else
    FLongs.push_back(index);
}

void TIndexList::SetWide(size_t position, uint32_t index) {
  Fit(index);
  if (FWidth == 2)
    FWords[position] = static_cast<uint16_t>(index);
  else
    FLongs[position] = index;
}
