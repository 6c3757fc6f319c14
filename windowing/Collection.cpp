#include "windowing/Collection.h"

int TCollectionItem::Index() const { return FCollection->IndexOf(this); }

void TCollectionItem::Assign(const TCollectionItem& source) {
  throw EConvertError("Cannot assign a " + source.ClassName() + " to a " + ClassName());
}

void TCollectionItem::Changed() { FCollection->Changed(this); }

const TClassInfo& TCollectionItem::StaticClassInfo() {
  static const TClassInfo info("TCollectionItem", &PersistentClassInfo());
  return info;
}

const TClassInfo& TCollection::StaticClassInfo() {
  static const TClassInfo info("TCollection", &PersistentClassInfo());
  return info;
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return FItems[static_cast<size_t>(index)].get();
}

TCollectionItem* TCollection::Add() {
  FItems.push_back(FFactory(*this));
  Changed(nullptr);
  return FItems.back().get();
}

void TCollection::Delete(int index) {
  Items(index);
  FItems.erase(FItems.begin() + index);
  Changed(nullptr);
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  FItems.clear();
  Changed(nullptr);
}

int TCollection::IndexOf(const TCollectionItem* item) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i].get() == item) return static_cast<int>(i);
  return -1;
}

void TCollection::Assign(const TCollection& source) {
  if (&source == this) return;
  BeginUpdate();
  try {
    Clear();
    for (const auto& item : source.FItems) Add()->Assign(*item);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed(nullptr);
}

void TCollection::Changed(TCollectionItem* item) {
  if (FUpdateCount == 0 && OnUpdate) OnUpdate(item);
}
