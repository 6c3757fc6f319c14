#include "skin/SkinTreeView.h"

#include <QTreeWidget>

namespace {

constexpr int kTreeArrowStep = 5;

}  // namespace

TSkinTreeView::TSkinTreeView(TComponent* owner)
    : TSkinScrolled<TTreeView, true>(owner, &TTreeView::Tree, TLinkedBarsTheme::KeepOwn) {}

const TClassInfo& TSkinTreeView::StaticClassInfo() {
  static const auto info = DefineClass<TSkinTreeView>("TSkinTreeView", TTreeView::StaticClassInfo(),
                                                      [](TPublisher<TSkinTreeView>& p) { PublishStyle(p); });
  return *info;
}

void TSkinTreeView::TakeBar(TSkinScrollBar& bar) { bar.SetSmallChange(kTreeArrowStep); }

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
