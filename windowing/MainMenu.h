// A main menu: the menu of a form. Its items' short cuts work while that
// form is the active window, and only then.
#pragma once

#include "windowing/Menu.h"

class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void MenuChanged(TMenuItem* item) override;

 protected:
  void Loaded() override;

 private:
  // Puts the items' actions on the owner's window, where their short cuts live.
  void AttachShortCuts();
};
