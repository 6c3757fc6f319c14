#include "windowing/MainMenu.h"

#include <QWidget>

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

const TClassInfo& TMainMenu::StaticClassInfo() {
  static const auto info = DefineClass<TMainMenu>("TMainMenu", TMenu::StaticClassInfo(), nullptr);
  return *info;
}

void TMainMenu::MenuChanged(TMenuItem* item) {
  TMenu::MenuChanged(item);
  if (!item) AttachShortCuts();
}

void TMainMenu::Loaded() {
  TMenu::Loaded();
  AttachShortCuts();
}

void TMainMenu::AttachShortCuts() {
  auto* window = dynamic_cast<QWidget*>(Owner());
  if (!window || IsDestroying()) return;
  std::vector<QAction*> actions;
  Items().CollectActions(actions);
  // Adding an action twice keeps one entry; removed items took theirs along.
  window->addActions(QList<QAction*>(actions.begin(), actions.end()));
}
