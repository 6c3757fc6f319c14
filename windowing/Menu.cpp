#include "windowing/Menu.h"

TMenu::TMenu(TComponent* owner) : TComponent(owner), FItems(new TMenuItem(this)) { FItems->SetMenu(this, *this); }

TMenu::~TMenu() {
  Destroying();
  // The items go while the menu can still hear of it.
  DestroyComponents();
}

const TClassInfo& TMenu::StaticClassInfo() {
  static const auto info = DefineClass<TMenu>("TMenu", ComponentClassInfo(), [](TPublisher<TMenu>& p) {
    p.Component<TCustomImageList>("Images", &TMenu::Images, &TMenu::SetImages)
        .Bool("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw);
  });
  return *info;
}

void TMenu::SetImages(TCustomImageList* images) {
  if (images == FImages.Get()) return;
  FImages.Set(this, images);
  MenuChanged(nullptr);
}

namespace {

TMenuItem* FindShortCut(const TMenuItem& item, TShortCut shortCut) {
  for (int i = 0; i < item.Count(); ++i) {
    TMenuItem* child = item.Items(i);
    if (child->ShortCut() == shortCut && child->Enabled()) return child;
    if (TMenuItem* found = FindShortCut(*child, shortCut)) return found;
  }
  return nullptr;
}

}  // namespace

TMenuItem* TMenu::FindItemByShortCut(TShortCut shortCut) const {
  return shortCut ? FindShortCut(*FItems, shortCut) : nullptr;
}

bool TMenu::IsShortCut(TShortCut shortCut) const {
  TMenuItem* item = FindItemByShortCut(shortCut);
  if (!item) return false;
  item->Click();
  return true;
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && FImages.Release(component)) MenuChanged(nullptr);
}
