// The skinned memo: the platform's memo in a two-pixel skinned frame, with
// optional skinned scroll bars (sibling TSkinScrollBars) laid over its
// native ones. The native bars exist exactly where skinned ones are
// linked; the skinned bars follow every change of the native range and
// position (while the text fits the bar stays, disabled and without its
// slider), and moving a skinned bar scrolls the memo.
#pragma once

#include <memory>

#include "Memo.h"
#include "SkinBorder.h"
#include "SkinScrollBar.h"

class TSkinMemo : public TSkinBordered<TMemo> {
 public:
  explicit TSkinMemo(TComponent* owner);
  ~TSkinMemo() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TSkinScrollBar* VScrollBar() const { return FVertical->Bar(); }
  void SetVScrollBar(TSkinScrollBar* bar);
  TSkinScrollBar* HScrollBar() const { return FHorizontal->Bar(); }
  void SetHScrollBar(TSkinScrollBar* bar);

  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void ApplyStyle(const TSkinItemSource& items) override;
  void FileThemeChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void LinkBar(TSkinScrollBarLink& link, TSkinScrollBar* bar);
  void UpdateScrollBarsStyle();
  void PlaceScrollBars();
  void SyncScrollBars();
  void BarChanged(TSkinScrollBarLink& link);

  std::unique_ptr<TSkinScrollBarLink> FVertical;
  std::unique_ptr<TSkinScrollBarLink> FHorizontal;
  bool FSyncing = false;
  bool FScrolling = false;
};
