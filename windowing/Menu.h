// Menus: a component holding a root item whose sub-items are the menu's
// items, an optional image list, and the notice that items changed.
#pragma once

#include "runtime/Component.h"
#include "windowing/ComponentRef.h"
#include "windowing/ImageList.h"
#include "windowing/MenuItem.h"
#include "windowing/Persistent.h"

class TMenu : public TComponent, public TPersistent {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The root item; its sub-items are the menu's items.
  TMenuItem& Items() const { return *FItems; }
  TCustomImageList* Images() const { return FImages.Get(); }
  void SetImages(TCustomImageList* images);
  // Owner drawing is the menu's callbacks' business; the flag is kept for descriptions.
  virtual bool OwnerDraw() const { return FOwnerDraw; }
  virtual void SetOwnerDraw(bool ownerDraw) { FOwnerDraw = ownerDraw; }

  // The first item, at any depth, whose short cut this is (null: none).
  TMenuItem* FindItemByShortCut(TShortCut shortCut) const;
  // Clicks the item of that short cut; false when the menu has none.
  bool IsShortCut(TShortCut shortCut) const;

  // Draws the frame of one of the menu's popup windows over r; false
  // leaves it to Qt.
  virtual bool DrawFrame(TCanvas& canvas, const TRect& r) {
    (void)canvas, (void)r;
    return false;
  }
  // Items were added, removed or changed (item: the changed one, or null).
  virtual void MenuChanged(TMenuItem* item) { (void)item; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TMenuItem* FItems;  // owned as a component
  TComponentRef<TCustomImageList> FImages;
  bool FOwnerDraw = false;
};
