// A list box over QListWidget. OnClick follows the user's choice (mouse or
// keys); setting ItemIndex by code fires nothing, as on the platform.
#pragma once

#include "runtime/StringList.h"
#include "windowing/NativeControl.h"

class QListWidget;

class TListBox : public TNativeControl {
 public:
  explicit TListBox(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  QListWidget& List() const { return *FList; }
  TStringList Items() const;
  void SetItems(const TStringList& items);
  int Count() const;
  void AddItem(const std::string& item);
  void Clear();
  // -1: nothing chosen.
  int ItemIndex() const;
  void SetItemIndex(int index);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool sorted);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool multiSelect);
  bool Selected(int index) const;

 private:
  QListWidget* FList;
  bool FSorted = false;
  bool FMultiSelect = false;
  bool FByCode = false;
};
