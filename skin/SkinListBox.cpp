#include "skin/SkinListBox.h"

#include <QListWidget>

TSkinListBox::TSkinListBox(TComponent* owner)
    : TSkinScrolled<TListBox, false>(owner, &TListBox::List, TLinkedBarsTheme::FollowControl) {}

const TClassInfo& TSkinListBox::StaticClassInfo() {
  static const auto info = DefineClass<TSkinListBox>("TSkinListBox", TListBox::StaticClassInfo(),
                                                     [](TPublisher<TSkinListBox>& p) { PublishStyle(p); });
  return *info;
}

void TSkinListBox::PlaceScrollBars() {
  TSkinScrollBar* bar = VScrollBar();
  if (!bar) return;
  const int w = Width();
  bar->SetBounds(w < bar->Width() ? Left() : Left() + w - bar->Width() - 2, Top() + 1, bar->Width(), Height() - 2);
  SyncScrollBars();
}
