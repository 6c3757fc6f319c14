#include "windowing/Action.h"

#include <QWidget>
#include <algorithm>

#include "windowing/Guarded.h"

TAction::TAction(TComponent* owner) : TComponent(owner), FQtAction(std::make_unique<QAction>()) {
  QObject::connect(FQtAction.get(), &QAction::triggered, FQtAction.get(), [this] { Guarded([this] { Execute(); }); },
                   Qt::QueuedConnection);
  // The short cut is the owner window's: it works while that window is active.
  if (auto* window = dynamic_cast<QWidget*>(owner)) window->addAction(FQtAction.get());
}

TAction::~TAction() {
  Destroying();
  SetActionList(nullptr);
}

const TClassInfo& TAction::StaticClassInfo() {
  static const auto info = DefineClass<TAction>("TAction", ComponentClassInfo(), [](TPublisher<TAction>& p) {
    p.String("Caption", &TAction::Caption, &TAction::SetCaption)
        .String("Category", &TAction::Category, &TAction::SetCategory)
        .Bool("Checked", &TAction::Checked, &TAction::SetChecked)
        .Bool("Enabled", &TAction::Enabled, &TAction::SetEnabled)
        .String("Hint", &TAction::Hint, &TAction::SetHint)
        .Integer("ImageIndex", &TAction::ImageIndex, &TAction::SetImageIndex)
        .ShortCut("ShortCut", &TAction::ShortCut, &TAction::SetShortCut)
        .Bool("Visible", &TAction::Visible, &TAction::SetVisible)
        .Event("OnExecute", &TAction::OnExecute)
        .Event("OnUpdate", &TAction::OnUpdate);
  });
  return *info;
}

void TAction::SetActionList(TCustomActionList* list) {
  if (FActionList == list) return;
  if (FActionList) FActionList->RemoveAction(this);
  FActionList = list;
  if (FActionList) FActionList->AddAction(this);
}

bool TAction::Execute() {
  if (!OnExecute || !FEnabled) return false;
  OnExecute(this);
  return true;
}

bool TAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

void TAction::AddChangeListener(const TComponent* client, std::function<void()> listener) {
  RemoveChangeListener(client);
  FListeners.emplace_back(client, std::move(listener));
}

void TAction::RemoveChangeListener(const TComponent* client) {
  std::erase_if(FListeners, [client](const auto& l) { return l.first == client; });
}

void TAction::Link(TComponent* client, TComponentRef<TAction>& link, TAction* action, std::function<void()> apply) {
  if (action == link.Get()) return;
  if (TAction* old = link.Get()) old->RemoveChangeListener(client);
  link.Set(client, action);
  if (!action) return;
  action->AddChangeListener(client, apply);
  apply();
}

void TAction::Changed() {
  FQtAction->setShortcut(ShortCutToKeySequence(FShortCut));
  FQtAction->setEnabled(FEnabled);
  for (const auto& listener : std::vector(FListeners)) listener.second();
}

TCustomActionList::~TCustomActionList() {
  for (TAction* action : std::vector<TAction*>(FActions)) action->SetActionList(nullptr);
}

void TCustomActionList::UpdateActions() const {
  for (TAction* action : std::vector<TAction*>(FActions)) action->Update();
}

void TCustomActionList::AddAction(TAction* action) {
  if (std::find(FActions.begin(), FActions.end(), action) == FActions.end()) FActions.push_back(action);
}

void TCustomActionList::RemoveAction(TAction* action) { std::erase(FActions, action); }

void TCustomActionList::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove) FImages.Release(component);
}
