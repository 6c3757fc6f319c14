// The skinned memo: the platform's memo in a two-pixel skinned frame, with
// optional skinned scroll bars (sibling TSkinScrollBars) laid over its
// native ones. The native bars exist exactly where skinned ones are
// linked; the skinned bars follow every change of the native range and
// position (while the text fits the bar stays, disabled and without its
// slider) and the memo's theme file, and moving a skinned bar scrolls the
// memo.
#pragma once

#include "skin/SkinScrollBar.h"
#include "windowing/Memo.h"

class TSkinMemo : public TSkinScrolled<TMemo, true> {
 public:
  explicit TSkinMemo(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 protected:
  void PlaceScrollBars() override;
  void LinkedBarsChanged() override;
  void SyncBars() override;
  void ScrollFromBar(TSkinScrollBarLink& link) override;

 private:
  bool FScrolling = false;
};
