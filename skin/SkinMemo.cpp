#include "skin/SkinMemo.h"

#include <QPlainTextEdit>

TSkinMemo::TSkinMemo(TComponent* owner)
    : TSkinScrolled<TMemo, true>(owner, &TMemo::Editor, TLinkedBarsTheme::FollowControl) {}

const TClassInfo& TSkinMemo::StaticClassInfo() {
  static const auto info =
      DefineClass<TSkinMemo>("TSkinMemo", TMemo::StaticClassInfo(), [](TPublisher<TSkinMemo>& p) { PublishStyle(p); });
  return *info;
}

// The native bars exist exactly where skinned ones lie over them.
void TSkinMemo::LinkedBarsChanged() {
  const bool vertical = VScrollBar() != nullptr, horizontal = HScrollBar() != nullptr;
  SetScrollBars(vertical && horizontal ? TScrollStyle::ssBoth
                : vertical             ? TScrollStyle::ssVertical
                : horizontal           ? TScrollStyle::ssHorizontal
                                       : TScrollStyle::ssNone);
}

void TSkinMemo::PlaceScrollBars() {
  const int l = Left(), t = Top(), w = Width(), h = Height();
  TSkinScrollBar* vertical = VScrollBar();
  TSkinScrollBar* horizontal = HScrollBar();
  if (horizontal) {
    horizontal->SetVisible(horizontal->Height() <= h);
    horizontal->SetBounds(l + 1, t + h - horizontal->Height() - 2, w - 2 - (vertical ? vertical->Width() : 0),
                          horizontal->Height());
  }
  if (vertical) {
    vertical->SetVisible(vertical->Width() <= w);
    vertical->SetBounds(l + w - vertical->Width() - 2, t + 1, vertical->Width(),
                        h - 2 - (horizontal ? horizontal->Height() : 0));
  }
  SyncScrollBars();
}

void TSkinMemo::SyncBars() {
  // A scroll the memo's own bar caused is not copied back into it.
  if (FScrolling) return;
  HorizontalLink().MatchExtent();
  VerticalLink().MatchExtent();
  HorizontalLink().Sync(true, true);
  VerticalLink().Sync(true);
}

void TSkinMemo::ScrollFromBar(TSkinScrollBarLink& link) {
  FScrolling = true;
  TSkinScrolled::ScrollFromBar(link);
  FScrolling = false;
}
