#include "skin/SkinPopupMenu.h"

TSkinPopupMenu::TSkinPopupMenu(TComponent* owner) : TSkinMenu<TPopupMenu>(owner) {}

const TClassInfo& TSkinPopupMenu::StaticClassInfo() {
  static const auto info = DefineClass<TSkinPopupMenu>("TSkinPopupMenu", TPopupMenu::StaticClassInfo(),
                                                       [](TPublisher<TSkinPopupMenu>& p) { PublishSkinMenu(p); });
  return *info;
}
