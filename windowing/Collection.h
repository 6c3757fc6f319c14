// Collections: an owned, ordered list of items of one class, each with
// published properties of its own, as form descriptions store them
// (title-bar buttons, status-bar panels). Assigning one collection to
// another clears it, adds as many items and assigns them one by one.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "windowing/Persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  explicit TCollectionItem(TCollection& collection) : FCollection(&collection) {}
  TCollection& Collection() const { return *FCollection; }
  int Index() const;
  // Copies the settings of an item of the same class; the base refuses.
  virtual void Assign(const TCollectionItem& source);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 protected:
  // Tells the collection that this item changed.
  void Changed();

 private:
  TCollection* FCollection;
};

class TCollection : public TPersistent {
 public:
  using TItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection&)>;
  TCollection(TPersistent* owner, TItemFactory factory) : FOwner(owner), FFactory(std::move(factory)) {}
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  TPersistent* Owner() const { return FOwner; }
  int Count() const { return static_cast<int>(FItems.size()); }
  // EListError for an index outside the collection.
  TCollectionItem* Items(int index) const;
  TCollectionItem* Add();
  void Delete(int index);
  void Clear();
  int IndexOf(const TCollectionItem* item) const;
  void Assign(const TCollection& source);

  // Changes are reported once an outermost update ends.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  // Called for a change of one item (null: of the whole collection).
  std::function<void(TCollectionItem* item)> OnUpdate;
  void Changed(TCollectionItem* item);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 private:
  TPersistent* FOwner;
  TItemFactory FFactory;
  std::vector<std::unique_ptr<TCollectionItem>> FItems;
  int FUpdateCount = 0;
};

// A collection whose items are all of class T.
template <class T>
class TCollectionOf : public TCollection {
 public:
  explicit TCollectionOf(TPersistent* owner)
      : TCollection(owner, [](TCollection& c) { return std::make_unique<T>(c); }) {}
  T* Items(int index) const { return static_cast<T*>(TCollection::Items(index)); }
  T* Add() { return static_cast<T*>(TCollection::Add()); }
};
