#include "windowing/ActionList.h"

#include <algorithm>

#include "windowing/Action.h"

TActionList::~TActionList() {
  for (TAction* action : std::vector<TAction*>(FActions)) action->SetActionList(nullptr);
}

const TClassInfo& TActionList::StaticClassInfo() {
  static const auto info =
      DefineClass<TActionList>("TActionList", ComponentClassInfo(), [](TPublisher<TActionList>& p) {
        p.Component<TCustomImageList>("Images", &TActionList::Images, &TActionList::SetImages);
      });
  return *info;
}

void TActionList::UpdateActions() const {
  for (TAction* action : std::vector<TAction*>(FActions)) action->Update();
}

void TActionList::AddAction(TAction* action) {
  if (std::find(FActions.begin(), FActions.end(), action) == FActions.end()) FActions.push_back(action);
}

void TActionList::RemoveAction(TAction* action) { std::erase(FActions, action); }

void TActionList::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove) FImages.Release(component);
}
