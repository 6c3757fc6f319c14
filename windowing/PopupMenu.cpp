#include "windowing/PopupMenu.h"

#include "windowing/MenuWindow.h"

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu::~TPopupMenu() = default;

const TClassInfo& TPopupMenu::StaticClassInfo() {
  static const auto info = DefineClass<TPopupMenu>("TPopupMenu", TMenu::StaticClassInfo(), [](TPublisher<TPopupMenu>& p) {
    p.Bool("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Event("OnPopup", &TPopupMenu::OnPopup);
  });
  return *info;
}

TMenuWindow& TPopupMenu::Window() { return *Items().SubMenu(); }

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  Window().popup(QPoint(x, y));
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == TOperation::opRemove) FPopupComponent.Release(component);
}
