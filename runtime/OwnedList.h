// An ordered list that owns its items and frees them with itself, with the
// class library's index error for a position outside the list.
#pragma once

#include <memory>
#include <vector>

#include "runtime/SysUtils.h"

template <typename T>
class TOwnedList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  bool Empty() const { return FItems.empty(); }

  T* Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return FItems[static_cast<size_t>(index)].get();
  }
  // The item, or null for a position outside the list.
  T* Find(int index) const {
    return index < 0 || index >= Count() ? nullptr : FItems[static_cast<size_t>(index)].get();
  }
  T* Add(std::unique_ptr<T> item) {
    FItems.push_back(std::move(item));
    return FItems.back().get();
  }
  void Delete(int index) {
    Items(index);
    FItems.erase(FItems.begin() + index);
  }
  void Clear() { FItems.clear(); }

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 private:
  std::vector<std::unique_ptr<T>> FItems;
};
