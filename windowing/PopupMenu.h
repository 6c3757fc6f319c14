// A popup menu: shown at a screen point, or by a control's right click.
#pragma once

#include <memory>

#include "windowing/Menu.h"

class TMenuWindow;

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool autoPopup) { FAutoPopup = autoPopup; }
  // The control whose right click opened the menu last.
  TComponent* PopupComponent() const { return FPopupComponent.Get(); }
  void SetPopupComponent(TComponent* component) { FPopupComponent.Set(this, component); }

  // OnPopup, then the menu opens at the screen point without waiting.
  virtual void Popup(int x, int y);
  // The window that shows the items.
  TMenuWindow& Window();

  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool FAutoPopup = true;
  TComponentRef<TComponent> FPopupComponent;
};
