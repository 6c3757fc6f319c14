// The skinned tree view: the platform's tree view in a two-pixel skinned
// frame, with optional skinned scroll bars (sibling TSkinScrollBars) laid
// over its native ones. The skinned bars follow every change of the native
// range and position and are hidden while the nodes fit; their arrows step
// five positions; moving one scrolls the tree.
#pragma once

#include <memory>

#include "SkinBorder.h"
#include "SkinScrollBar.h"
#include "TreeView.h"

class TSkinTreeView : public TSkinBordered<TTreeView> {
 public:
  explicit TSkinTreeView(TComponent* owner);
  ~TSkinTreeView() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TSkinScrollBar* VScrollBar() const { return FVertical->Bar(); }
  void SetVScrollBar(TSkinScrollBar* bar);
  TSkinScrollBar* HScrollBar() const { return FHorizontal->Bar(); }
  void SetHScrollBar(TSkinScrollBar* bar);

  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void ApplyStyle(const TSkinItemSource& items) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void LinkBar(TSkinScrollBarLink& link, TSkinScrollBar* bar);
  void PlaceScrollBars();
  void SyncScrollBars();

  std::unique_ptr<TSkinScrollBarLink> FVertical;
  std::unique_ptr<TSkinScrollBarLink> FHorizontal;
  bool FSyncing = false;
};
