#include "windowing/MenuItem.h"

#include <QIcon>
#include <QPixmap>
#include <algorithm>

#include "windowing/Action.h"
#include "windowing/Guarded.h"
#include "windowing/ImageList.h"

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FQtAction(std::make_unique<QAction>()) {
  // The click runs once the menu has closed, as the platform posts it.
  QObject::connect(FQtAction.get(), &QAction::triggered, FQtAction.get(), [this] { Guarded([this] { Triggered(); }); },
                   Qt::QueuedConnection);
  ApplyToActions();
}

TMenuItem::~TMenuItem() {
  Destroying();
  if (TAction* action = FAction.Get()) action->RemoveChangeListener(this);
  while (!FItems.empty()) delete FItems.back();
  if (FParent) FParent->Remove(this);
}

const TClassInfo& TMenuItem::StaticClassInfo() {
  static const auto info = DefineClass<TMenuItem>("TMenuItem", ComponentClassInfo(), [](TPublisher<TMenuItem>& p) {
    p.Component<TAction>("Action", &TMenuItem::Action, &TMenuItem::SetAction)
        .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
        .Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
        .Bool("Default", &TMenuItem::Default, &TMenuItem::SetDefault)
        .Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
        .String("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
        .Integer("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
        .ShortCut("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
        .Integer("Tag", &TMenuItem::Tag, &TMenuItem::SetTag)
        .Bool("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
        .Event("OnClick", &TMenuItem::OnClick)
        .Event("OnMeasureItem", &TMenuItem::OnMeasureItem)
        .Event("OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem);
  });
  return *info;
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (FCaption == caption) return;
  FCaption = caption;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
  if (FShortCut == shortCut) return;
  FShortCut = shortCut;
  Changed();
}

void TMenuItem::SetChecked(bool checked) {
  if (FChecked == checked) return;
  FChecked = checked;
  Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
  if (FEnabled == enabled) return;
  FEnabled = enabled;
  Changed();
}

void TMenuItem::SetVisible(bool visible) {
  if (FVisible == visible) return;
  FVisible = visible;
  Changed();
}

void TMenuItem::SetDefault(bool isDefault) {
  if (FDefault == isDefault) return;
  FDefault = isDefault;
  if (FParent) FParent->RebuildSubMenu();
  Changed();
}

void TMenuItem::SetImageIndex(int index) {
  if (FImageIndex == index) return;
  FImageIndex = index;
  Changed();
}

void TMenuItem::SetAction(TAction* action) {
  if (FAction.Get() == action) return;
  TAction::Link(this, FAction, action, [this, action] { ApplyAction(*action); });
  Changed();
}

void TMenuItem::ApplyAction(const TAction& action) {
  SetCaption(action.Caption());
  SetShortCut(action.ShortCut());
  SetChecked(action.Checked());
  SetEnabled(action.Enabled());
  SetVisible(action.Visible());
  SetImageIndex(action.ImageIndex());
  SetHint(action.Hint());
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return FItems[static_cast<size_t>(index)];
}

int TMenuItem::MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) return;
  if (item->FParent) throw EListError("Menu inserted twice");
  for (const TMenuItem* p = this; p; p = p->FParent)
    if (p == item) throw EListError("Menu inserted twice");
  index = std::clamp(index, 0, Count());
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
  ChildrenChanged();
}

void TMenuItem::Remove(TMenuItem* item) {
  const auto it = std::find(FItems.begin(), FItems.end(), item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  item->FParent = nullptr;
  if (!IsDestroying()) ChildrenChanged();
}

void TMenuItem::Delete(int index) { delete Items(index); }

void TMenuItem::Clear() {
  while (!FItems.empty()) delete FItems.back();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  const auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

const TMenuItem& TMenuItem::Root() const {
  const TMenuItem* root = this;
  while (root->FParent) root = root->FParent;
  return *root;
}

TMenu* TMenuItem::GetParentMenu() const { return Root().FMenu; }

void TMenuItem::Click() {
  if (!FEnabled) return;
  if (OnClick)
    OnClick(this);
  else if (TAction* action = FAction.Get())
    action->Execute();
}

QAction* TMenuItem::QtAction() const { return FSubMenu ? FSubMenu->menuAction() : FQtAction.get(); }

void TMenuItem::CollectActions(std::vector<QAction*>& actions) const {
  for (const TMenuItem* child : FItems) {
    actions.push_back(child->FQtAction.get());
    child->CollectActions(actions);
  }
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && FAction.Release(component)) Changed();
}

void TMenuItem::ApplyTo(QAction& action) const {
  const TAction* linked = FAction.Get();
  action.setSeparator(IsLine());
  // An action keeps its short cut itself; the item only shows it (after a
  // tab, as Qt's menus show short cuts). Were the key on both, it would
  // name two commands whenever the menu bar has the focus, as after a menu
  // closed with Esc, and run neither.
  QString text = QString::fromStdString(FCaption);
  if (linked && FShortCut) text += '\t' + QString::fromStdString(ShortCutToText(FShortCut));
  action.setText(text);
  action.setShortcut(linked ? QKeySequence() : ShortCutToKeySequence(FShortCut));
  action.setShortcutContext(Qt::WindowShortcut);
  action.setEnabled(FEnabled);
  action.setVisible(FVisible);
  action.setCheckable(FChecked);
  action.setChecked(FChecked);
  QIcon icon;
  if (const TMenuHost* menu = Root().FHost; menu && menu->Images() && !OnAdvancedDrawItem) {
    const QImage image = menu->Images()->Image(FImageIndex);
    if (!image.isNull()) icon = QIcon(QPixmap::fromImage(image));
  }
  action.setIcon(icon);
}

void TMenuItem::ApplyToActions() {
  ApplyTo(*FQtAction);
  if (FSubMenu) {
    ApplyTo(*FSubMenu->menuAction());
    FSubMenu->setTitle(QString::fromStdString(FCaption));
  }
}

void TMenuItem::SetMenu(TMenu* menu, TMenuHost& host) {
  FMenu = menu;
  FHost = &host;
  if (!FSubMenu) FSubMenu = std::make_unique<TMenuWindow>(static_cast<TMenuWindowItems&>(*this));
}

void TMenuItem::ChildrenChanged() {
  const bool hadSubMenu = FSubMenu != nullptr;
  if (FItems.empty() && !FMenu)
    FSubMenu.reset();
  else if (!FSubMenu)
    FSubMenu = std::make_unique<TMenuWindow>(static_cast<TMenuWindowItems&>(*this));
  RebuildSubMenu();
  ApplyToActions();
  // The action that stands for this item in its parent has changed.
  if (hadSubMenu != (FSubMenu != nullptr) && FParent) FParent->RebuildSubMenu();
  if (TMenuHost* menu = Root().FHost) menu->MenuChanged(nullptr);
}

void TMenuItem::Changed() {
  ApplyToActions();
  if (TMenuHost* menu = Root().FHost) menu->MenuChanged(this);
}

void TMenuItem::RebuildSubMenu() {
  if (!FSubMenu) return;
  std::vector<QAction*> actions;
  QAction* defaultAction = nullptr;
  for (const TMenuItem* child : FItems) {
    actions.push_back(child->QtAction());
    if (child->Default()) defaultAction = child->QtAction();
  }
  FSubMenu->SetEntries(actions, defaultAction);
}

TMenuItem* TMenuItem::SubItemOf(const QAction& action) const {
  for (TMenuItem* child : FItems)
    if (child->QtAction() == &action) return child;
  return nullptr;
}

bool TMenuItem::MeasureEntry(const QAction& action, TCanvas& canvas, int& width, int& height) {
  TMenuItem* item = SubItemOf(action);
  if (!item || !item->OnMeasureItem) return false;
  item->OnMeasureItem(item, canvas, width, height);
  return true;
}

bool TMenuItem::DrawsEntry(const QAction& action) const {
  const TMenuItem* item = SubItemOf(action);
  return item && item->OnAdvancedDrawItem;
}

void TMenuItem::DrawEntry(const QAction& action, TCanvas& canvas, const TRect& r, TOwnerDrawState state) {
  TMenuItem* item = SubItemOf(action);
  if (!item || !item->OnAdvancedDrawItem) return;
  if (item->Checked()) state |= odChecked;
  if (item->Default()) state |= odDefault;
  item->OnAdvancedDrawItem(item, canvas, r, state);
}

bool TMenuItem::DrawFrame(TCanvas& canvas, const TRect& r) {
  TMenuHost* menu = Root().FHost;
  return menu && menu->DrawFrame(canvas, r);
}

// An item with sub-items is clicked when they open, as the platform does.
void TMenuItem::Opening() {
  if (FParent) Click();
}

void TMenuItem::Triggered() {
  // Qt toggles checkable actions; the item's state is the item's own.
  FQtAction->setChecked(FChecked);
  Click();
}
