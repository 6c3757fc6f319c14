#include "SkinTreeView.h"

#include <QTreeWidget>

namespace {

constexpr int kTreeArrowStep = 5;

}  // namespace

TSkinTreeView::TSkinTreeView(TComponent* owner)
    : TSkinBordered<TTreeView>(owner),
      FVertical(std::make_unique<TSkinScrollBarLink>(*this, Tree(), Qt::Vertical)),
      FHorizontal(std::make_unique<TSkinScrollBarLink>(*this, Tree(), Qt::Horizontal)) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBorderWidth(2);
  FVertical->OnNativeChange = [this] { SyncScrollBars(); };
  FHorizontal->OnNativeChange = [this] { SyncScrollBars(); };
  SetUIStyle(GetOwnerUIStyle(owner));
}

TSkinTreeView::~TSkinTreeView() = default;

const TClassInfo& TSkinTreeView::StaticClassInfo() {
  using T = TSkinTreeView;
  static const auto info = DefineClass<T>("TSkinTreeView", TTreeView::StaticClassInfo(), [](TPublisher<T>& p) {
    PublishStyle(p);
    p.Component<TSkinScrollBar>("VScrollBar", &T::VScrollBar, &T::SetVScrollBar)
        .Component<TSkinScrollBar>("HScrollBar", &T::HScrollBar, &T::SetHScrollBar);
  });
  return *info;
}

// The bars take the resolved style but keep their own theme file.
void TSkinTreeView::ApplyStyle(const TSkinItemSource& items) {
  TSkinBordered<TTreeView>::ApplyStyle(items);
  for (TSkinScrollBar* bar : {VScrollBar(), HScrollBar()})
    if (bar) bar->SetUIStyle(items.Style());
}

void TSkinTreeView::SetVScrollBar(TSkinScrollBar* bar) { LinkBar(*FVertical, bar); }

void TSkinTreeView::SetHScrollBar(TSkinScrollBar* bar) { LinkBar(*FHorizontal, bar); }

void TSkinTreeView::LinkBar(TSkinScrollBarLink& link, TSkinScrollBar* bar) {
  if (bar && bar != link.Bar()) bar->SetSmallChange(kTreeArrowStep);
  const bool linked = link.Link(bar, [this, &link](TComponent*) {
    if (FSyncing) return;
    link.ScrollNative();
    Invalidate();
  });
  if (linked && bar) PlaceScrollBars();
}

void TSkinTreeView::SetBounds(int left, int top, int width, int height) {
  TSkinBordered<TTreeView>::SetBounds(left, top, width, height);
  PlaceScrollBars();
}

void TSkinTreeView::PlaceScrollBars() {
  SyncScrollBars();
  const int l = Left(), t = Top(), w = Width(), h = Height();
  TSkinScrollBar* vertical = VScrollBar();
  TSkinScrollBar* horizontal = HScrollBar();
  const bool verticalShown = vertical && vertical->Visible();
  const bool horizontalShown = horizontal && horizontal->Visible();
  if (horizontal) {
    if (h < horizontal->Height())
      horizontal->SetTop(t);
    else
      horizontal->SetBounds(l + 1, t + h - horizontal->Height() - 2, w - 2 - (verticalShown ? vertical->Width() : 0),
                            horizontal->Height());
  }
  if (vertical) {
    if (w < vertical->Width())
      vertical->SetLeft(l);
    else
      vertical->SetBounds(l + w - vertical->Width() - 2, t + 1, vertical->Width(),
                          h - 2 - (horizontalShown ? horizontal->Height() : 0));
  }
}

void TSkinTreeView::SyncScrollBars() {
  if (FSyncing) return;
  FSyncing = true;
  FVertical->MatchExtent();
  FHorizontal->MatchExtent();
  FVertical->Sync(false);
  FHorizontal->Sync(false);
  FSyncing = false;
}

void TSkinTreeView::Notification(TComponent* component, TOperation operation) {
  TSkinBordered<TTreeView>::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  FVertical->Forget(component);
  FHorizontal->Forget(component);
}
