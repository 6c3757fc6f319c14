// The skinned list box: the platform's list box in a two-pixel skinned
// frame, with an optional skinned vertical scroll bar (a sibling
// TSkinScrollBar) laid over its native one. The skinned bar follows every
// change of the native range and position and is hidden while the items
// fit; moving it scrolls the list.
#pragma once

#include <memory>

#include "ListBox.h"
#include "SkinBorder.h"
#include "SkinScrollBar.h"

class TSkinListBox : public TSkinBordered<TListBox> {
 public:
  explicit TSkinListBox(TComponent* owner);
  ~TSkinListBox() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TSkinScrollBar* VScrollBar() const { return FVertical->Bar(); }
  void SetVScrollBar(TSkinScrollBar* bar);

  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void ApplyStyle(const TSkinItemSource& items) override;
  void FileThemeChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void PlaceScrollBar();
  void SyncScrollBar();

  std::unique_ptr<TSkinScrollBarLink> FVertical;
  bool FSyncing = false;
};
