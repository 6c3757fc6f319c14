// The skinned popup menu; the title bar's window menu is one too.
#pragma once

#include "skin/SkinMenu.h"
#include "windowing/PopupMenu.h"

class TSkinPopupMenu : public TSkinMenu<TPopupMenu> {
 public:
  explicit TSkinPopupMenu(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 protected:
  const TCustomImageList* UserImages() const override { return Images(); }
  const TCustomImageList& CheckImages() const override { return MenuCheckImages(); }
};
