// The skinned tree view: the platform's tree view in a two-pixel skinned
// frame, with optional skinned scroll bars (sibling TSkinScrollBars) laid
// over its native ones. The skinned bars follow every change of the native
// range and position and are hidden while the nodes fit; their arrows step
// five positions; moving one scrolls the tree. The bars take the resolved
// style but keep their own theme file.
#pragma once

#include "skin/SkinScrollBar.h"
#include "windowing/TreeView.h"

class TSkinTreeView : public TSkinScrolled<TTreeView, true> {
 public:
  explicit TSkinTreeView(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 protected:
  void PlaceScrollBars() override;
  void TakeBar(TSkinScrollBar& bar) override;
};
