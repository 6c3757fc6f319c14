#include "SkinListBox.h"

#include <QListWidget>

TSkinListBox::TSkinListBox(TComponent* owner)
    : TSkinBordered<TListBox>(owner), FVertical(std::make_unique<TSkinScrollBarLink>(*this, List(), Qt::Vertical)) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBorderWidth(2);
  FVertical->OnNativeChange = [this] { SyncScrollBar(); };
  SetUIStyle(GetOwnerUIStyle(owner));
}

TSkinListBox::~TSkinListBox() = default;

const TClassInfo& TSkinListBox::StaticClassInfo() {
  using T = TSkinListBox;
  static const auto info = DefineClass<T>("TSkinListBox", TListBox::StaticClassInfo(), [](TPublisher<T>& p) {
    PublishStyle(p);
    p.Component<TSkinScrollBar>("VScrollBar", &T::VScrollBar, &T::SetVScrollBar);
  });
  return *info;
}

void TSkinListBox::ApplyStyle(const TSkinItemSource& items) {
  TSkinBordered<TListBox>::ApplyStyle(items);
  if (TSkinScrollBar* bar = VScrollBar()) bar->SetUIStyle(items.Style());
}

void TSkinListBox::FileThemeChanged() {
  if (TSkinScrollBar* bar = VScrollBar()) bar->SetFileTheme(FileTheme());
  TSkinBordered<TListBox>::FileThemeChanged();
}

void TSkinListBox::SetVScrollBar(TSkinScrollBar* bar) {
  if (FVertical->Link(bar, [this](TComponent*) {
        if (FSyncing) return;
        FVertical->ScrollNative();
        Invalidate();
      }) &&
      bar)
    PlaceScrollBar();
}

void TSkinListBox::SetBounds(int left, int top, int width, int height) {
  TSkinBordered<TListBox>::SetBounds(left, top, width, height);
  PlaceScrollBar();
}

void TSkinListBox::PlaceScrollBar() {
  TSkinScrollBar* bar = VScrollBar();
  if (!bar) return;
  const int w = Width();
  bar->SetBounds(w < bar->Width() ? Left() : Left() + w - bar->Width() - 2, Top() + 1, bar->Width(), Height() - 2);
  SyncScrollBar();
}

void TSkinListBox::SyncScrollBar() {
  if (FSyncing) return;
  FSyncing = true;
  FVertical->MatchExtent();
  FVertical->Sync(false);
  FSyncing = false;
}

void TSkinListBox::Notification(TComponent* component, TOperation operation) {
  TSkinBordered<TListBox>::Notification(component, operation);
  if (operation == TOperation::opRemove) FVertical->Forget(component);
}
