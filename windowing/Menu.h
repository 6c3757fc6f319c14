// Menus: a component holding a root item whose sub-items are the menu's
// items, an optional image list, and the notice that items changed.
#pragma once

#include "runtime/Component.h"
#include "windowing/ComponentRef.h"
#include "windowing/ImageList.h"
#include "windowing/MenuItem.h"
#include "windowing/Persistent.h"

class TMenu : public TComponent, public TPersistent, private TMenuHost {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The root item; its sub-items are the menu's items.
  TMenuItem& Items() const { return *FItems; }
  TCustomImageList* Images() const override { return FImages.Get(); }
  void SetImages(TCustomImageList* images);
  // Owner drawing is the menu's callbacks' business; the flag is kept for descriptions.
  virtual bool OwnerDraw() const { return FOwnerDraw; }
  virtual void SetOwnerDraw(bool ownerDraw) { FOwnerDraw = ownerDraw; }

  // The first item, at any depth, whose short cut this is (null: none).
  TMenuItem* FindItemByShortCut(TShortCut shortCut) const;
  // Clicks the item of that short cut; false when the menu has none.
  bool IsShortCut(TShortCut shortCut) const;

  // What the items ask of their menu (see TMenuHost); a plain menu leaves
  // its frames to Qt and has nothing to do when its items change.
  bool DrawFrame(TCanvas& canvas, const TRect& r) override {
    (void)canvas, (void)r;
    return false;
  }
  void MenuChanged(TMenuItem* item) override { (void)item; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TMenuItem* FItems;  // owned as a component
  TComponentRef<TCustomImageList> FImages;
  bool FOwnerDraw = false;
};
