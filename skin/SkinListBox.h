// The skinned list box: the platform's list box in a two-pixel skinned
// frame, with an optional skinned vertical scroll bar (a sibling
// TSkinScrollBar) laid over its native one. The skinned bar follows every
// change of the native range and position and the list's theme file, and
// is hidden while the items fit; moving it scrolls the list.
#pragma once

#include "skin/SkinScrollBar.h"
#include "windowing/ListBox.h"

class TSkinListBox : public TSkinScrolled<TListBox, false> {
 public:
  explicit TSkinListBox(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 protected:
  void PlaceScrollBars() override;
};
