// A combo box over QComboBox: a drop-down list, or an edit with a list.
// A choice in the list clicks the box and runs OnSelect (OnChange when
// OnSelect is unset); typing into an editable one runs OnChange. Setting
// ItemIndex or Text by code fires nothing, as on the platform.
#pragma once

#include "runtime/StringList.h"
#include "windowing/NativeControl.h"

class QComboBox;

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBox : public TNativeControl {
 public:
  explicit TComboBox(TComponent* owner);
  ~TComboBox() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  QComboBox& Combo() const { return *FCombo; }
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle style);
  TStringList Items() const;
  void SetItems(const TStringList& items);
  int Count() const;
  void AddItem(const std::string& item);
  void Clear();
  int ItemIndex() const;
  void SetItemIndex(int index);
  std::string ComboText() const;
  void SetComboText(const std::string& text);
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int count);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool sorted);
  bool DroppedDown() const { return FDroppedDown; }

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  // The list opened or closed.
  virtual void DropDown();
  virtual void CloseUp();

 private:
  void UserChose();

  QComboBox* FCombo;
  TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
  int FDropDownCount = 8;
  bool FSorted = false;
  bool FDroppedDown = false;
};
