#include "SkinMemo.h"

#include <QPlainTextEdit>

TSkinMemo::TSkinMemo(TComponent* owner)
    : TSkinBordered<TMemo>(owner),
      FVertical(std::make_unique<TSkinScrollBarLink>(*this, Editor(), Qt::Vertical)),
      FHorizontal(std::make_unique<TSkinScrollBarLink>(*this, Editor(), Qt::Horizontal)) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBorderWidth(2);
  FVertical->OnNativeChange = [this] { SyncScrollBars(); };
  FHorizontal->OnNativeChange = [this] { SyncScrollBars(); };
  SetUIStyle(GetOwnerUIStyle(owner));
}

TSkinMemo::~TSkinMemo() = default;

const TClassInfo& TSkinMemo::StaticClassInfo() {
  using T = TSkinMemo;
  static const auto info = DefineClass<T>("TSkinMemo", TMemo::StaticClassInfo(), [](TPublisher<T>& p) {
    PublishStyle(p);
    p.Component<TSkinScrollBar>("VScrollBar", &T::VScrollBar, &T::SetVScrollBar)
        .Component<TSkinScrollBar>("HScrollBar", &T::HScrollBar, &T::SetHScrollBar);
  });
  return *info;
}

void TSkinMemo::ApplyStyle(const TSkinItemSource& items) {
  TSkinBordered<TMemo>::ApplyStyle(items);
  for (TSkinScrollBar* bar : {VScrollBar(), HScrollBar()})
    if (bar) bar->SetUIStyle(items.Style());
}

void TSkinMemo::FileThemeChanged() {
  for (TSkinScrollBar* bar : {VScrollBar(), HScrollBar()})
    if (bar) bar->SetFileTheme(FileTheme());
  TSkinBordered<TMemo>::FileThemeChanged();
}

void TSkinMemo::SetVScrollBar(TSkinScrollBar* bar) { LinkBar(*FVertical, bar); }

void TSkinMemo::SetHScrollBar(TSkinScrollBar* bar) { LinkBar(*FHorizontal, bar); }

void TSkinMemo::LinkBar(TSkinScrollBarLink& link, TSkinScrollBar* bar) {
  if (!link.Link(bar, [this, &link](TComponent*) { BarChanged(link); })) return;
  UpdateScrollBarsStyle();
  if (bar) PlaceScrollBars();
}

// The native bars exist exactly where skinned ones lie over them.
void TSkinMemo::UpdateScrollBarsStyle() {
  const bool vertical = VScrollBar() != nullptr, horizontal = HScrollBar() != nullptr;
  SetScrollBars(vertical && horizontal ? TScrollStyle::ssBoth
                : vertical             ? TScrollStyle::ssVertical
                : horizontal           ? TScrollStyle::ssHorizontal
                                       : TScrollStyle::ssNone);
}

void TSkinMemo::SetBounds(int left, int top, int width, int height) {
  TSkinBordered<TMemo>::SetBounds(left, top, width, height);
  PlaceScrollBars();
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

void TSkinMemo::SyncScrollBars() {
  // A scroll the memo's own bar caused is not copied back into it.
  if (FScrolling || FSyncing) return;
  FSyncing = true;
  FHorizontal->MatchExtent();
  FVertical->MatchExtent();
  FHorizontal->Sync(true, true);
  FVertical->Sync(true);
  FSyncing = false;
}

void TSkinMemo::BarChanged(TSkinScrollBarLink& link) {
  if (FSyncing) return;
  FScrolling = true;
  link.ScrollNative();
  Invalidate();
  FScrolling = false;
}

void TSkinMemo::Notification(TComponent* component, TOperation operation) {
  TSkinBordered<TMemo>::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  const bool forgot = FVertical->Forget(component);
  if (FHorizontal->Forget(component) || forgot) UpdateScrollBarsStyle();
}
